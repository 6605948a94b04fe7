#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliTest.h"

namespace {

// Hostile values in a project file: stored results beyond what a design can hold, inputs outside the
// window's limits, a number of positions that is no number.
class Beschaedigt : public CliTest {
protected:
    Lauf Cli(std::vector<std::string> argumente) const { return Starte(ZAVR_CLI, argumente); }
};

struct Schaden {
    const char* schluessel;
    const char* wert;
};

// A stored count far beyond any design: the position is not designed and every output of it names the key;
// nothing loops over the count (the outputs take well under a second, measured by hand).
class StoredCount : public Beschaedigt, public ::testing::WithParamInterface<Schaden> {};

TEST_P(StoredCount, jedeAusgabeNenntDenSchluesselUndBleibtBegrenzt) {
    const std::string datei = Variante({{GetParam().schluessel, GetParam().wert}});
    const std::string meldung =
        std::string(GetParam().schluessel) + " = " + GetParam().wert + " ist beschädigt";

    const Lauf dxf = Cli({"dxf", "reinforcement", datei, "--position", "4", "-o", Pfad("plan.dxf")});
    EXPECT_EQ(dxf.status, 1);
    EXPECT_NE(dxf.fehler.find(meldung), std::string::npos) << dxf.fehler;
    EXPECT_FALSE(fs::exists(Pfad("plan.dxf")));

    // The outputs that design a position without results design it anew: the count is the engine's.
    const Lauf design = Cli({"design", datei, "--position", "4", "--json"});
    EXPECT_EQ(design.status, 0) << design.fehler;
    EXPECT_NE(design.fehler.find(meldung), std::string::npos);
    EXPECT_EQ(design.aus.find(std::string("\"") + GetParam().wert), std::string::npos);
    EXPECT_EQ(design.aus.find(std::string(": ") + GetParam().wert + ","), std::string::npos);
    if (OhneQt()) return;
    const Lauf report = Cli({"report", datei, "--position", "4", "-o", Pfad("nachweis.pdf")});
    EXPECT_EQ(report.status, 0) << report.fehler;
    EXPECT_NE(report.fehler.find(meldung), std::string::npos);
    const Lauf skizze =
        Cli({"sketch", datei, "--position", "4", "--view", "all", "--size", "200", "-o", Pfad("s.png")});
    EXPECT_EQ(skizze.status, 0) << skizze.fehler;
    EXPECT_NE(skizze.fehler.find(meldung), std::string::npos);
    const Lauf bill = Cli({"bill", datei, "--kind", "parts-list", "--add-all", "-o", Pfad("liste.txt")});
    EXPECT_EQ(bill.status, 0) << bill.fehler;
    EXPECT_EQ(DateiInhalt(Pfad("liste.txt")).find(GetParam().wert), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Beispiel, StoredCount,
                         ::testing::Values(Schaden{"DornDaten_4_4.TAnzPosC", "2147483647"},
                                           Schaden{"Ergebnisse_4.TAnzDorn_4", "30000"},
                                           Schaden{"DornErgebnisFehler_4_6.TMeldungen_0", "4000"}));

// A line load below the window's minimum is not designed; the checks name the key, as for any position
// that fails them.
TEST_F(Beschaedigt, wertAusserhalbDerGrenzenWirdNichtBemessen) {
    const std::string datei = Variante({{"BelastungDesign_3.TLinienLastLinks", "-40"}});
    const Lauf design = Cli({"design", datei, "--position", "3", "--json"});
    EXPECT_EQ(design.status, 1);
    EXPECT_NE(design.fehler.find("BelastungDesign_3.TLinienLastLinks = -40"), std::string::npos)
        << design.fehler;
    EXPECT_NE(design.fehler.find("Der eingegebene Wert ist kleiner als erlaubt!"), std::string::npos);
    EXPECT_NE(design.aus.find("\"TBerechnet\": false"), std::string::npos) << design.aus;
    EXPECT_NE(design.aus.find("BelastungDesign_3.TLinienLastLinks = -40"), std::string::npos);
    EXPECT_EQ(design.aus.find("-6.98"), std::string::npos);
    // The stored results of that position are not taken as its design either.
    const Lauf dxf = Cli({"dxf", "reinforcement", datei, "--position", "3", "-o", Pfad("plan.dxf")});
    EXPECT_EQ(dxf.status, 1);
    EXPECT_FALSE(fs::exists(Pfad("plan.dxf")));
    if (OhneQt()) return;
    const Lauf skizze = Cli({"sketch", datei, "--position", "3", "--view", "section", "-o", Pfad("s.png")});
    EXPECT_EQ(skizze.status, 1);
    EXPECT_NE(skizze.fehler.find("BelastungDesign_3.TLinienLastLinks = -40"), std::string::npos);
    EXPECT_FALSE(fs::exists(Pfad("s.png")));
}

// A number of positions that does not parse is refused with a message, never read as one position.
TEST_F(Beschaedigt, unlesbarePositionsanzahlWirdAbgelehnt) {
    for (const char* wert : {"2147483648", "1e20", "fuenf"}) {
        const Lauf design = Cli({"design", Variante({{"HauptMaske.TAnzAnwendung", wert}}), "--json"});
        EXPECT_EQ(design.status, 2) << wert;
        EXPECT_NE(design.fehler.find(std::string("HauptMaske.TAnzAnwendung = ") + wert), std::string::npos)
            << design.fehler;
        EXPECT_EQ(design.aus.find("Positionen"), std::string::npos);
    }
}

}  // namespace
