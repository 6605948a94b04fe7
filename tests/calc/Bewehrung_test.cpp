#include "calc/Bewehrung.h"

#include <gtest/gtest.h>

#include <vector>

#include "Hilfen.h"
#include "calc/Stabwahl.h"
#include "calc/Widerstaende.h"

namespace {
using Liste = std::vector<double>;

// ZAVR 25 HF in a 240 mm slab (class 3: D 4 × Ø14, A 2 × Ø14, B1 2 × Ø14, B2 2 × Ø14) with the widths a
// design run would have stored: d = 196, b_y = 648, b_x = 324.
EinDorn Zavr25(double plattendicke = 240) {
    EinDorn z(TsDorn::ZAVR25HF, plattendicke);
    z.ergebnis.Setby(648);
    z.ergebnis.Setbx(324);
    z.ergebnis.SetIstMinAchs(1000);
    return z;
}

bool Lege(EinDorn& z, TsPosTyp typ) {
    return LegeBewehrungAus(z.geometrie, z.daten, z.ergebnis, typ);
}
}  // namespace

TEST(Stabwahl, naechsterDurchmesserInDerListe) {
    EXPECT_EQ(NaechstGroesser(6), 8);
    EXPECT_EQ(NaechstGroesser(20), 25);
    EXPECT_EQ(NaechstGroesser(28), 28);
    EXPECT_EQ(NaechstGroesser(18), 28);
    EXPECT_EQ(NaechstKleiner(8), 6);
    EXPECT_EQ(NaechstKleiner(25), 20);
    EXPECT_EQ(NaechstKleiner(6), 6);
    EXPECT_EQ(NaechstKleiner(18), 6);
}

struct Platte {
    double h, cv;
    int dmax;
};
class GroessterDurchmesser : public ::testing::TestWithParam<Platte> {};
TEST_P(GroessterDurchmesser, nachDickeUndVordererDeckung) {
    TKGeometrie g;
    g.SetPlatteDicke(GetParam().h);
    g.SetBetondeckungVorn(GetParam().cv);
    EXPECT_EQ(MaxDurchmesser(g), GetParam().dmax);
}
INSTANTIATE_TEST_SUITE_P(Schwellen, GroessterDurchmesser,
                         ::testing::Values(Platte{250, 30, 16}, Platte{299.9, 30, 16}, Platte{300, 30, 20},
                                           Platte{399, 30, 20}, Platte{450, 25, 20}, Platte{450, 30, 25},
                                           Platte{400, 30, 25}));

TEST(Stabwahl, abstaende) {
    EXPECT_DOUBLE_EQ(SMin(8), 50);
    EXPECT_DOUBLE_EQ(SMin(28), 56);
    EXPECT_DOUBLE_EQ(SD1(10, 240), 30);
    EXPECT_DOUBLE_EQ(SD1(25, 300), 50);
    EXPECT_DOUBLE_EQ(SD1(10, 320), 50);
    EXPECT_DOUBLE_EQ(SD1(28, 320), 56);
}

TEST(Stabwahl, passtInDieDicke) {
    EinDorn z = Zavr25(192);  // 30 + 30 + 48 + 20 + 2·16 + 2·16 = 192
    EXPECT_TRUE(Passt(z.geometrie, z.daten, {16, 16, 16, 16}));
    EXPECT_TRUE(Passt(z.geometrie, z.daten, {10, 10, 16, 16}));
    EXPECT_FALSE(Passt(z.geometrie, z.daten, {16, 20, 16, 16}));
}

struct Verweigert {
    int anzA, anzB1, anzB2, anzD;
};
class Auslegung : public ::testing::TestWithParam<Verweigert> {};
TEST_P(Auslegung, verweigertUnpassendeAnzahlenOhneAenderung) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosA(GetParam().anzA);
    z.daten.SetAnzPosB1(GetParam().anzB1);
    z.daten.SetAnzPosB2(GetParam().anzB2);
    z.daten.SetAnzPosD(GetParam().anzD);
    const TKDornDaten vorher = z.daten;
    for (TsPosTyp typ : {TsPosTyp::ptA, TsPosTyp::ptB, TsPosTyp::ptD, TsPosTyp::ptNone}) {
        EXPECT_FALSE(Lege(z, typ));
        EXPECT_EQ(z.daten, vorher);
    }
}
INSTANTIATE_TEST_SUITE_P(Anzahlen, Auslegung,
                         ::testing::Values(Verweigert{2, 2, 2, 5}, Verweigert{3, 2, 2, 4},
                                           Verweigert{2, 3, 2, 4},
                                           Verweigert{2, 0, 2, 4},  // no B1 pair: nothing to divide by
                                           Verweigert{2, 1, 2, 4}, Verweigert{2, 4, 3, 4},
                                           Verweigert{-2, 2, 2, 4}));

TEST(Auslegung, aPaareNachNutzbarerBreite) {
    EinDorn z = Zavr25();
    z.ergebnis.SetIstMinAchs(498);  // w = 498; e_D = 60 + 2·34 = 128; w - e_D = 370
    ASSERT_TRUE(Lege(z, TsPosTyp::ptA));
    EXPECT_EQ(z.daten.GetDistPosA(), Liste{120});  // 10 · Int(370 / 30)
    EXPECT_DOUBLE_EQ(z.daten.GetBereichPosA(), 128 + 240);
}

TEST(Auslegung, aAbstandNichtUnterMindestabstand) {
    EinDorn z = Zavr25();
    z.ergebnis.SetIstMinAchs(200);
    z.daten.SetAnzPosA(4);
    ASSERT_TRUE(Lege(z, TsPosTyp::ptA));
    EXPECT_EQ(z.daten.GetDistPosA(), (Liste{50, 50}));
    EXPECT_DOUBLE_EQ(z.daten.GetBereichPosA(), 128 + 200);
}

TEST(Auslegung, bStaebeUndB1Abstand) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosB2(4);
    z.daten.SetDistPosB1({0});
    ASSERT_TRUE(Lege(z, TsPosTyp::ptB));
    EXPECT_EQ(z.daten.GetDistPosB2(), (Liste{130, 130}));  // 10 · Int((324 - 60) / 20)
    EXPECT_EQ(z.daten.GetDistPosB1(), Liste{35});
    EXPECT_DOUBLE_EQ(z.daten.GetEinflussPosB(), 60 + 260);
}

TEST(Auslegung, bMitVierB1Staeben) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosB1(4);  // k = 2
    z.daten.SetAnzPosB2(6);
    ASSERT_TRUE(Lege(z, TsPosTyp::ptB));
    EXPECT_EQ(z.daten.GetDistPosB2(), (Liste{170, 170}));  // (6 + 2) div 4 entries; 10 · Int(264 / 15)
    EXPECT_EQ(z.daten.GetDistPosB1(), (Liste{35, 35}));
}

TEST(Auslegung, dPaareUndDanachA) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosD(8);
    ASSERT_TRUE(Lege(z, TsPosTyp::ptD));
    EXPECT_EQ(z.daten.GetDistPosD(), (Liste{34, 50, 50}));  // h = 240: s_D1(14) = 14 + 20
    // A with the existing one pair: e_D = 60 + 268 = 328, w = 648: 10 · Int(320 / 30) = 100
    EXPECT_EQ(z.daten.GetDistPosA(), Liste{100});
    EXPECT_DOUBLE_EQ(z.daten.GetBereichPosA(), 328 + 200);
}

TEST(Auslegung, zweiDStaebeLeerenDieAbstaende) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosD(2);
    z.daten.SetAnzPosA(0);
    z.daten.SetDistPosA({});
    ASSERT_TRUE(Lege(z, TsPosTyp::ptD));
    EXPECT_TRUE(z.daten.GetDistPosD().empty());
    EXPECT_DOUBLE_EQ(z.daten.GetBereichPosA(), 60);
}

TEST(BreiteAnpassen, zulassungSchneidetAPaareAb) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosA(6);
    z.daten.SetDistPosA({100, 100, 100});
    z.daten.SetBereichPosA(128 + 600);
    z.ergebnis.Setby(400);  // 128 + 200 = 328 fits, + 200 exceeds 400
    PasseAnBreiteAn(z.geometrie, z.daten, z.ergebnis, TsBewehrungCalc::bcZulassung);
    EXPECT_EQ(z.daten.GetAnzPosA(), 2);
    EXPECT_EQ(z.daten.GetDistPosA(), Liste{100});
    EXPECT_DOUBLE_EQ(z.daten.GetBereichPosA(), 328);
    EXPECT_EQ(z.daten.GetDistPosB2(), Liste{50});  // standard method leaves B alone
}

TEST(BreiteAnpassen, zulassungOhneUeberschreitungBleibtGleich) {
    EinDorn z = Zavr25();
    const TKDornDaten vorher = z.daten;  // b_E + 2·34 + 2·50 = 228 ≤ 648
    PasseAnBreiteAn(z.geometrie, z.daten, z.ergebnis, TsBewehrungCalc::bcZulassung);
    EXPECT_EQ(z.daten, vorher);
}

TEST(BreiteAnpassen, optimalVerringertAStaebeUndLegtBNeuAus) {
    EinDorn z = Zavr25();
    z.daten.SetAnzPosA(6);
    z.daten.SetDistPosA({100, 100, 100});
    z.daten.SetBereichPosA(728);
    z.ergebnis.SetIstMinAchs(300);  // w = 300, e = 128: 50 > 172 / 7, n = Int(172 / 50) - 1 = 2
    PasseAnBreiteAn(z.geometrie, z.daten, z.ergebnis, TsBewehrungCalc::bcOptimal);
    EXPECT_EQ(z.daten.GetAnzPosA(), 2);
    EXPECT_EQ(z.daten.GetDistPosA(), Liste{50});    // 10 · Int(172 / 30) = 50
    EXPECT_EQ(z.daten.GetDistPosB2(), Liste{260});  // B laid out anew: 10 · Int(264 / 10)
    EXPECT_EQ(z.daten.GetDistPosB1(), Liste{35});
}

TEST(BreiteAnpassen, optimalOhneRaumKeineAStaebe) {
    EinDorn z = Zavr25();
    z.ergebnis.SetIstMinAchs(150);  // w - e = 22: n = -1, no A pair
    PasseAnBreiteAn(z.geometrie, z.daten, z.ergebnis, TsBewehrungCalc::bcOptimal);
    EXPECT_EQ(z.daten.GetAnzPosA(), 0);
    EXPECT_TRUE(z.daten.GetDistPosA().empty());
    EXPECT_DOUBLE_EQ(z.daten.GetBereichPosA(), 128);
}

TEST(Aufhaengebewehrung, achtStaebeGroesstenWiderstands) {
    EinDorn z = Zavr25();
    // Ø16 gives 86.41 kN, Ø14 only 70.78 kN: the optimisation stays at Ø16 and raises the others to it.
    EXPECT_NEAR(OptimiereAufhaengebewehrung(z.Kontext()), 86.41336084695672, 1e-9);
    EXPECT_EQ(z.daten.GetAnzPosD(), 8);
    EXPECT_EQ(z.daten.GetPosDd(), 16);
    EXPECT_EQ(z.daten.GetDistPosD(), (Liste{36, 50, 50}));
    EXPECT_EQ(z.daten.GetPosAd(), 16);
    EXPECT_EQ(z.daten.GetPosB1d(), 16);
    EXPECT_EQ(z.daten.GetPosB2d(), 16);
}

TEST(Aufhaengebewehrung, beginntBeimGroesstenPassendenDurchmesser) {
    EinDorn z = Zavr25(190);  // Ø16 everywhere needs 192 mm, Ø14 needs 184
    OptimiereAufhaengebewehrung(z.Kontext());
    EXPECT_LE(z.daten.GetPosDd(), 14);
    EXPECT_TRUE(Passt(z.geometrie, z.daten, LeseDurchmesser(z.daten)));
}

TEST(Verstaerkung, gleichtZuerstB1AnB2An) {
    EinDorn z = Zavr25();
    SchreibeDurchmesser(z.daten, {14, 12, 14, 16});
    ASSERT_TRUE(ErhoeheBewehrung(z.Kontext()));
    EXPECT_EQ(LeseDurchmesser(z.daten).B1, 16);
}

TEST(Verstaerkung, ueberspringtNichtPassendeAenderung) {
    EinDorn z = Zavr25(200);  // 30 + 30 + 48 + 20 = 128; 72 mm left for 2·max(A, D) + 2·max(B1, B2)
    SchreibeDurchmesser(z.daten, {20, 12, 12, 12});
    // B1 := A would need 40 + 40 > 72; B2 := A likewise; A := B2 is no increase; next is B1 one size up.
    ASSERT_TRUE(ErhoeheBewehrung(z.Kontext()));
    const Durchmesser dm = LeseDurchmesser(z.daten);
    EXPECT_EQ(dm.B1, 14);
    EXPECT_EQ(dm.B2, 12);
    EXPECT_EQ(dm.A, 20);
}

TEST(Verstaerkung, danachMehrDStaebe) {
    EinDorn z = Zavr25();
    SchreibeDurchmesser(z.daten, {16, 16, 16, 16});  // ∅max = 16, all equal: no diameter step
    ASSERT_TRUE(ErhoeheBewehrung(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosD(), 6);
    EXPECT_EQ(z.daten.GetDistPosD(), (Liste{36, 50}));
}

TEST(Verstaerkung, ohneRaumNichtMoeglich) {
    EinDorn z = Zavr25();
    SchreibeDurchmesser(z.daten, {16, 16, 16, 16});
    z.daten.SetAnzPosD(8);
    z.ergebnis.Setby(100);  // no room for A
    z.ergebnis.Setbx(100);  // nor for B2
    const TKDornDaten vorher = z.daten;
    EXPECT_FALSE(ErhoeheBewehrung(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosA(), vorher.GetAnzPosA());
    EXPECT_EQ(z.daten.GetAnzPosB2(), vorher.GetAnzPosB2());
}

TEST(Verstaerkung, dannAPaarDannB2) {
    EinDorn z = Zavr25();
    SchreibeDurchmesser(z.daten, {16, 16, 16, 16});
    z.daten.SetAnzPosD(8);
    ASSERT_TRUE(ErhoeheBewehrung(z.Kontext()));  // b_y = 648: room for a second A pair
    EXPECT_EQ(z.daten.GetAnzPosA(), 4);
    z.ergebnis.Setby(100);
    ASSERT_TRUE(ErhoeheBewehrung(z.Kontext()));  // b_x = 324: 10 · Int(264 / 20) = 130 ≥ 50
    EXPECT_EQ(z.daten.GetAnzPosB2(), 4);
    EXPECT_EQ(z.daten.GetDistPosB2(), (Liste{130, 130}));
}

TEST(Verminderung1, gleichtAnUndHoertBeiNichtPassendemAuf) {
    EinDorn z = Zavr25(170);  // class 1: B2 2, A 0 — counts not above the catalogue
    SchreibeDurchmesser(z.daten, {14, 14, 12, 14});
    // ∅D < ∅A applies first: ∅A := 12 needs 30 + 30 + 48 + 20 + 24 + 28 = 180 > 170
    const TKDornDaten vorher = z.daten;
    EXPECT_FALSE(ReduziereBewehrung1(z.Kontext()));
    EXPECT_EQ(z.daten, vorher);
}

TEST(Verminderung1, ersteZutreffendeZeile) {
    EinDorn z = Zavr25();  // catalogue class 3: B2 2, A 2, Ø14
    z.daten.SetAnzPosB2(4);
    z.daten.SetAnzPosA(4);
    ASSERT_TRUE(ReduziereBewehrung1(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosB2(), 2);  // B2 first
    EXPECT_EQ(z.daten.GetAnzPosA(), 4);
    ASSERT_TRUE(ReduziereBewehrung1(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosA(), 2);  // then A
    SchreibeDurchmesser(z.daten, {16, 16, 16, 16});
    ASSERT_TRUE(ReduziereBewehrung1(z.Kontext()));
    EXPECT_EQ(LeseDurchmesser(z.daten).A, 14);  // all equal and above the catalogue: A one size down
    ASSERT_TRUE(ReduziereBewehrung1(z.Kontext()));
    EXPECT_EQ(LeseDurchmesser(z.daten).D, 14);  // equalise: ∅A < ∅D
}

TEST(Verminderung1, nachDemKatalogWenigerStaebe) {
    EinDorn z = Zavr25();
    ASSERT_TRUE(ReduziereBewehrung1(z.Kontext()));  // at the catalogue, all Ø14: the A pair goes
    EXPECT_EQ(z.daten.GetAnzPosA(), 0);
    ASSERT_TRUE(ReduziereBewehrung1(z.Kontext()));  // then ∅A one size down (type minimum is 6)
    EXPECT_EQ(z.daten.GetPosAd(), 12);
    for (int i = 0; i < 40 && ReduziereBewehrung1(z.Kontext()); ++i) {
    }
    EXPECT_EQ(z.daten.GetAnzPosA(), 0);
    EXPECT_EQ(z.daten.GetAnzPosB2(), 0);
    EXPECT_EQ(z.daten.GetAnzPosD(), 2);
    EXPECT_EQ(LeseDurchmesser(z.daten).A, 6);
    EXPECT_FALSE(ReduziereBewehrung1(z.Kontext()));
}

TEST(Verminderung2, reihenfolgeAB2D) {
    EinDorn z = Zavr25();
    ASSERT_TRUE(ReduziereBewehrung2(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosA(), 0);
    ASSERT_TRUE(ReduziereBewehrung2(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosB2(), 0);
    ASSERT_TRUE(ReduziereBewehrung2(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosD(), 2);
    EXPECT_FALSE(ReduziereBewehrung2(z.Kontext()));
}

TEST(Verminderung3, dPaarWirdAPaar) {
    EinDorn z = Zavr25();
    ASSERT_TRUE(ReduziereBewehrung3(z.Kontext()));
    EXPECT_EQ(z.daten.GetAnzPosD(), 2);
    EXPECT_EQ(z.daten.GetAnzPosA(), 4);
    EXPECT_TRUE(z.daten.GetDistPosD().empty());
    EXPECT_EQ(z.daten.GetDistPosA().size(), 2u);
    EXPECT_FALSE(ReduziereBewehrung3(z.Kontext()));
}

// The snapshots of the reinforcement loops keep the catalogue record and the resistance fields only: no step
// and no resistance may change anything else of a result record. For every type at three thicknesses, each
// step applied in turn changes a record only where writing back its resistance fields repairs it.
TEST(Schritte, aendernImErgebnisNurDieWiderstandsfelder) {
    for (const double h : {200.0, 300.0, 450.0}) {
        for (int d = 0; d < AnzahlDorne; ++d) {
            EinDorn z(static_cast<TsDorn>(d), h);
            z.ergebnis.Setby(600);
            z.ergebnis.Setbx(300);
            z.ergebnis.SetIstMinAchs(800);
            z.ergebnis.AddDornAbstand(400, true);
            z.ergebnis.cFehler.SetMeldung(2);
            const auto schritte = {+[](const Dornkontext& k) { OptimiereAufhaengebewehrung(k); },
                                   +[](const Dornkontext& k) { ErhoeheBewehrung(k); },
                                   +[](const Dornkontext& k) { ReduziereBewehrung1(k); },
                                   +[](const Dornkontext& k) { ReduziereBewehrung2(k); },
                                   +[](const Dornkontext& k) { ReduziereBewehrung3(k); },
                                   +[](const Dornkontext& k) {
                                       k.ergebnis.SetVRDct(VRdct(k));
                                       k.ergebnis.SetVRdce(VRdce(k));
                                       VRdctMax(k);
                                   }};
            for (const auto schritt : schritte) {
                TKDornErgebnis vorher = z.ergebnis;
                schritt(z.Kontext());
                Widerstandswerte::Aus(z.ergebnis).In(vorher);
                EXPECT_EQ(vorher, z.ergebnis) << "type " << d << ", h = " << h;
            }
        }
    }
}
