#include "calc/Widerstaende.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Hilfen.h"

// Reference values below were worked out by hand (checked with a pocket calculator script) from the
// design formulas for ZAVR 25 HF in a 240 mm slab of C20/25 with 30 mm covers: thickness class 3, so
// D 4 × Ø14 (one spacing of 34), A 2 × Ø14 (50), B1 2 × Ø14, B2 2 × Ø14 (50); d = (203 + 189) / 2 = 196.

namespace {
constexpr double Genau = 1e-9;

EinDorn Zavr25() {
    EinDorn z(TsDorn::ZAVR25HF);
    z.ergebnis.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
    z.ergebnis.SetAbstandLinks(1000);
    z.ergebnis.SetAbstandRechts(1000);
    return z;
}
}  // namespace

TEST(Nutzhoehe, mittelAusBeidenLagenUndGespeichert) {
    EinDorn z = Zavr25();
    EXPECT_DOUBLE_EQ(Nutzhoehe(z.Kontext()), 196.0);
    EXPECT_DOUBLE_EQ(z.ergebnis.GetNutzhoehe(), 196.0);
}

TEST(Stahlwiderstand, nimmtDieFugenbreiteDerGeometrie) {
    EinDorn z = Zavr25();
    z.geometrie.SetFugenbreite(TsFugenbreite::fb40bis50);
    EXPECT_DOUBLE_EQ(VRds(z.Kontext()), 30.8);
}

TEST(Betonkantenwiderstand, zweiPaareImKegel) {
    EinDorn z = Zavr25();
    EXPECT_NEAR(VRdce(z.Kontext()), 70.77538702311435, Genau);
}

TEST(Betonkantenwiderstand, zavrqNeunZehntelDesselbenWerts) {
    EinDorn z(TsDorn::ZAVRQ25HF);
    EXPECT_NEAR(VRdce(z.Kontext()), 0.9 * 70.77538702311435, Genau);
    EXPECT_NEAR(VRdce(z.Kontext()), 63.69784832080291, Genau);
}

TEST(Betonkantenwiderstand, staebeJenseitsDesKegelsZaehlenNicht) {
    EinDorn z = Zavr25();
    z.daten.SetDistPosD({34, 200, 200});
    z.daten.SetAnzPosD(8);
    // l_c = 114 / tan 33° = 175.5: the pair at 264 mm lies outside; V_2 with 8 bars is far larger.
    EXPECT_NEAR(VRdce(z.Kontext()), 70.77538702311435, Genau);
}

TEST(Betonkantenwiderstand, erstesPaarZaehltAuchUnterDerBiegelaenge) {
    EinDorn z = Zavr25();
    z.daten.SetPosDd(25);  // l_min = 112.5 > l = 94.5 already at the first pair: negative bond share
    z.daten.SetDistPosD({50});
    EXPECT_NEAR(VRdce(z.Kontext()), 82.95409661820538, Genau);
}

TEST(Betonkantenwiderstand, stahlDerBuegelBegrenzt) {
    EinDorn z(TsDorn::ZAVR25HF, 700);
    z.daten.SetPosDd(6);
    z.daten.SetAnzPosD(2);
    z.daten.SetDistPosD({});
    // V_1 + S_B = 31.98 kN exceeds 2 × 28.3 × 500 / 1.15 / 1000 = 24.61 kN.
    EXPECT_NEAR(VRdce(z.Kontext()), 2 * 28.3 * 500 / 1.15 / 1000, Genau);
}

TEST(Durchstanzen, einzelDornFernVonRaendern) {
    EinDorn z = Zavr25();
    const double v = VRdct(z.Kontext());
    const double d = 196;
    EXPECT_DOUBLE_EQ(z.ergebnis.Getby(), 3 * d + 60);
    EXPECT_DOUBLE_EQ(z.ergebnis.GetbySoll(), 3 * d + 60);
    EXPECT_DOUBLE_EQ(z.ergebnis.Getbx(), 1.5 * d + 30);
    EXPECT_DOUBLE_EQ(z.ergebnis.GetAsx(), 6 * 154.0);  // both D pairs and the A pair lie inside b_y
    EXPECT_DOUBLE_EQ(z.ergebnis.GetAsy(), 2 * 154.0);  // one B1 and one B2 bar inside b_x
    EXPECT_NEAR(z.ergebnis.GetRhol(), 0.005940120628442451, 1e-15);
    EXPECT_NEAR(z.ergebnis.Getui(), 60 + 2 * 30 + 1.5 * std::numbers::pi * d, Genau);
    EXPECT_NEAR(v, 93.34842098850649, Genau);
}

TEST(Durchstanzen, zaehltNurStaebeInnerhalbDerBreiten) {
    EinDorn z = Zavr25();
    z.daten.SetDistPosD({34, 200, 100});  // 60 + 68 + 400 = 528 fits, + 200 exceeds 648
    z.daten.SetDistPosA({10});            // sum already beyond b_y: no A pair
    z.daten.SetDistPosB1({35});
    z.daten.SetDistPosB2({200, 200});  // 35 + 200 fits in 324, + 200 does not
    VRdct(z.Kontext());
    EXPECT_DOUBLE_EQ(z.ergebnis.GetAsx(), 6 * 154.0);
    EXPECT_DOUBLE_EQ(z.ergebnis.GetAsy(), 2 * 154.0);
}

struct Umfang {
    TsDornAnordnung anordnung;
    double links, rechts, abstand;
    double ui, vrdct;
};
class KritischerUmfang : public ::testing::TestWithParam<Umfang> {};

TEST_P(KritischerUmfang, jeAnordnung) {
    const Umfang& f = GetParam();
    EinDorn z = Zavr25();
    z.ergebnis.SetDornAnordnung(f.anordnung);
    z.ergebnis.SetAbstandLinks(f.links);
    z.ergebnis.SetAbstandRechts(f.rechts);
    z.ergebnis.SetDornPaarAbstand(f.abstand);
    const double v = VRdct(z.Kontext());
    EXPECT_NEAR(z.ergebnis.Getui(), f.ui, Genau);
    EXPECT_NEAR(v, f.vrdct, Genau);
}

// L = 1.5 d + b_E / 2 = 324: an edge at 150 cuts the perimeter with arc(588, 120) = 294 asin(240/588).
INSTANTIATE_TEST_SUITE_P(
    Anordnungen, KritischerUmfang,
    ::testing::Values(
        Umfang{TsDornAnordnung::daEinzelDorn, 150, 1000, 0, 675.423831945681, 60.413992055971384},
        Umfang{TsDornAnordnung::daEinzelDorn, 0, 0, 0, 1043.6282401553992, 93.34842098850649},  // 0 = no edge
        Umfang{TsDornAnordnung::daDornPaar, 150, 150, 500, 403.60971186798133, 36.101293400121115},
        Umfang{TsDornAnordnung::daDornReihe, 150, 150, 400, 400, 35.77841894144476}));

TEST(Durchstanzen, bewehrungsgradAufHoechstwertBegrenzt) {
    EinDorn z = Zavr25();
    z.daten.SetPosDd(28);
    z.daten.SetPosAd(28);
    z.daten.SetPosB1d(28);
    z.daten.SetPosB2d(28);
    VRdct(z.Kontext());
    // 0.4 × (0.85 × 20 / 1.5) / (0.85 × 500 / 1.15)
    EXPECT_NEAR(z.ergebnis.GetRhol(), 0.012266666666666669, 1e-15);
}

TEST(Durchstanzen, groesstmoeglicheBewehrungSpeichertNurNutzhoehe) {
    EinDorn z = Zavr25();
    z.ergebnis.SetAsx(-1);
    z.ergebnis.Setui(-1);
    EXPECT_NEAR(VRdctMax(z.Kontext()), 118.87323343465079, Genau);  // Ø16: ρ_l reaches its limit
    EXPECT_DOUBLE_EQ(z.ergebnis.GetNutzhoehe(), 196);
    EXPECT_DOUBLE_EQ(z.ergebnis.GetAsx(), -1);
    EXPECT_DOUBLE_EQ(z.ergebnis.Getui(), -1);
}

struct Kappa {
    double d;
    double kappa;
};
class Massstabsfaktor : public ::testing::TestWithParam<Kappa> {};

// With D and B1 of Ø14 and 30 mm bottom cover, d = h - 44. κ is read back from V_Rd,ct of a row
// (u_i = spacing).
TEST_P(Massstabsfaktor, hoechstensZwei) {
    EinDorn z(TsDorn::ZAVR25HF, GetParam().d + 44);
    z.daten.SetPosDd(14);
    z.daten.SetPosB1d(14);
    z.ergebnis.SetDornAnordnung(TsDornAnordnung::daDornReihe);
    z.ergebnis.SetDornPaarAbstand(1000);
    const double v = VRdct(z.Kontext());
    ASSERT_DOUBLE_EQ(z.ergebnis.GetNutzhoehe(), GetParam().d);
    const double kappa =
        v * 1.4 * 1000 / (0.14 * GetParam().d * 1000 * std::cbrt(100 * z.ergebnis.GetRhol() * 20));
    EXPECT_NEAR(kappa, GetParam().kappa, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Nutzhoehen, Massstabsfaktor,
                         ::testing::Values(Kappa{50, 2.0}, Kappa{200, 2.0}, Kappa{800, 1.5},
                                           Kappa{450, 1 + 2.0 / 3}));

TEST(Bogen, abschnitteUndMeldungBeiDurchmesserNull) {
    StandardUmgebung u;
    EXPECT_DOUBLE_EQ(Bogen(600, -1, u), 0);
    EXPECT_NEAR(Bogen(600, 150, u), 300 * std::asin(0.5), 1e-12);
    EXPECT_NEAR(Bogen(600, 300, u), 300 * std::numbers::pi / 4, 1e-12);
    EXPECT_TRUE(u.meldungen.empty());
    EXPECT_DOUBLE_EQ(Bogen(0, 10, u), 0);
    ASSERT_EQ(u.meldungen.size(), 1u);
    EXPECT_EQ(u.meldungen[0], "Fehler in Modul Teilu     ---> d = 0!");
}

TEST(Durchstanzen, nutzhoeheNullMeldetUndRechnetMitNullWeiter) {
    EinDorn z = Zavr25();
    z.geometrie.SetBetondeckungUnten(240 - 14);  // d = h - c_u - 14 = 0
    z.ergebnis.SetAbstandLinks(10);              // inside L = b_E / 2: the arc of diameter 3 d is asked for
    const double v = VRdct(z.Kontext());
    EXPECT_DOUBLE_EQ(v, 0);
    EXPECT_DOUBLE_EQ(z.ergebnis.GetRhol(), 0);
    ASSERT_EQ(z.umgebung.meldungen.size(), 3u);
    EXPECT_EQ(z.umgebung.meldungen[0], "Fehler in Modul MuexyCalc ---> pbxy * phm = 0!");
    EXPECT_EQ(z.umgebung.meldungen[1], "Fehler in Modul MuexyCalc ---> pbxy * phm = 0!");
    EXPECT_EQ(z.umgebung.meldungen[2], "Fehler in Modul Teilu     ---> d = 0!");
}

TEST(Betonwerte, tabelle) {
    EXPECT_DOUBLE_EQ(Fck(TsBetonguete::C35_45), 35);
    EXPECT_DOUBLE_EQ(Fbd(TsBetonguete::C35_45), 3.4);
    EXPECT_DOUBLE_EQ(Fck(TsBetonguete::PB37), 37);
    EXPECT_DOUBLE_EQ(Fbd(TsBetonguete::PB60), 4.5);
}
