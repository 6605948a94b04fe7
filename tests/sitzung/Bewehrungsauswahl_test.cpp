#include "sitzung/Bewehrungsauswahl.h"

#include <gtest/gtest.h>

#include "model/TKAnwendung.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace {

// The information on spacings above five slab thicknesses comes once per design run: choosing the type
// shows it, choosing again or a reinforcement changed by hand (a recalculation of that type, no new design
// run) does not bring it back; the next design run does.
TEST(Bewehrungsauswahl, abstandshinweisEinmalJeBemessung) {
    StandardUmgebung u;
    Projektsitzung s(u);
    ASSERT_TRUE(s.AnwendungsfallSetzen(TsAnwendungsfall::afReihePlatte));
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "16"));
    ASSERT_TRUE(s.FeldSetzen(Feld::Fugenlaenge, "6"));
    ASSERT_TRUE(s.LastfallSetzen(TsBelastungsfall::bfKonstanteLast));
    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastLinks, "10"));
    ASSERT_TRUE(s.Berechnen().bemessen);
    const TsDorn dorn = s.Arbeitskopie().cErgebnisse.GetAktDorn();
    ASSERT_GT(s.Arbeitskopie().cErgebnisse.cDornErgebnis[Ord(dorn)].GetMaxDornAbstand(), 5 * 160);

    EXPECT_TRUE(s.DornWaehlen(dorn).abstandMeldung);
    EXPECT_FALSE(s.DornWaehlen(dorn).abstandMeldung);
    Bewehrungsauswahl auswahl(s);
    auswahl.Beginnen();
    ASSERT_TRUE(auswahl.Uebernehmen());
    auswahl.Abschliessen();
    EXPECT_FALSE(s.DornWaehlen(dorn).abstandMeldung);

    ASSERT_TRUE(s.Berechnen().bemessen);
    EXPECT_TRUE(s.DornWaehlen(s.Arbeitskopie().cErgebnisse.GetAktDorn()).abstandMeldung);
}

}  // namespace
