#include "calc/Tragfaehigkeit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Hilfen.h"
#include "calc/Bewehrung.h"
#include "calc/Widerstaende.h"

namespace {
EinDorn FreierEinzeldorn(TsDorn dorn, double plattendicke) {
    EinDorn z(dorn, plattendicke);
    z.ergebnis.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
    z.ergebnis.SetAbstandLinks(1000);
    z.ergebnis.SetAbstandRechts(1000);
    z.ergebnis.SetIstMinAchs(1000);
    return z;
}

// A dowel of a close row: the perimeter is the spacing, so punching governs.
EinDorn DornInReihe(TsDorn dorn, double plattendicke, double abstand) {
    EinDorn z = FreierEinzeldorn(dorn, plattendicke);
    z.ergebnis.SetDornAnordnung(TsDornAnordnung::daDornReihe);
    z.ergebnis.SetDornPaarAbstand(abstand);
    z.ergebnis.SetIstMinAchs(abstand);
    return z;
}
}  // namespace

TEST(Tragfaehigkeit, zulassungKleinsterDerDreiWiderstaende) {
    EinDorn z = FreierEinzeldorn(TsDorn::ZAVR25HF, 240);
    const TKDornDaten vorher = z.daten;
    bool abgebrochen = false;
    // V_Rd,s 51.4, V_Rd,ce 70.78, V_Rd,ct 93.35 (worked in the resistance tests)
    EXPECT_DOUBLE_EQ(Tragfaehigkeit(z.Kontext(), TsBewehrungCalc::bcZulassung, abgebrochen), 51.4);
    EXPECT_EQ(z.daten, vorher);
    EXPECT_FALSE(abgebrochen);
}

// With the optimised method the steps go on while the punching resistance is the smallest. The stop test
// sees the punching resistance from before the step just made: the loop ends one step after the first
// state whose V_Rd,ct reaches a limit, and the capacity uses that state's V_Rd,ct.
TEST(Tragfaehigkeit, optimalEinSchrittUeberDieGrenze) {
    EinDorn z = DornInReihe(TsDorn::ZAVR30HF, 300, 600);
    EinDorn weg = z;
    const double vs = VRds(weg.Kontext());
    const double vct0 = VRdct(weg.Kontext());
    const double vctMax = VRdctMax(weg.Kontext());
    const double vce = OptimiereAufhaengebewehrung(weg.Kontext());
    ASSERT_LT(vct0, std::min({vs, vctMax, vce}));

    // All states the increase steps pass through, with their punching resistances.
    std::vector<TKDornDaten> zustaende{weg.daten};
    std::vector<double> vct{vct0};
    while (zustaende.size() < 60 && ErhoeheBewehrung(weg.Kontext())) {
        zustaende.push_back(weg.daten);
        vct.push_back(VRdct(weg.Kontext()));
    }
    std::size_t k = 1;
    while (k < vct.size() && vct[k] < std::min({vs, vctMax, vce})) ++k;
    ASSERT_LT(k + 1, zustaende.size()) << "the walk must reach a limit with a step to spare";
    ASSERT_GE(k, 2u);

    bool abgebrochen = false;
    const double kapazitaet = Tragfaehigkeit(z.Kontext(), TsBewehrungCalc::bcOptimal, abgebrochen);
    EXPECT_EQ(z.daten, zustaende[k + 1]);
    EXPECT_DOUBLE_EQ(kapazitaet, std::min({vs, vce, vct[k]}));
    EXPECT_FALSE(abgebrochen);
}
