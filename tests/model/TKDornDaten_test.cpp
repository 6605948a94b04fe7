#include "model/TKDornDaten.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// --- Filling from the catalogue, every type and every reachable class
// -----------------------------------------

struct Bewehrung {
    TsDorn typ;
    double h;
    int klasse;
    int anzD, dD, distD;
    int anzA, dA, distA;
    int anzB1, dB1;
    int anzB2, dB2, distB2;
    double bereichPosA;   // b_E + 2·ΣD + 2·ΣA, added up by hand
    double einflussPosB;  // B1 edge distance + ΣB2
};

void PrintTo(const Bewehrung& b, std::ostream* os) {
    *os << "typ " << Ord(b.typ) << ", h " << b.h;
}

class StandardBewehrung : public ::testing::TestWithParam<Bewehrung> {};

TEST_P(StandardBewehrung, fuelltZaehlerDurchmesserAbstaendeUndBreiten) {
    const auto& e = GetParam();
    TKDornDaten d(TsLand::deu);
    d.SetDorn(e.typ, TsFugenbreite::fb20bis30, e.h);

    EXPECT_EQ(d.GetDorn(), e.typ);
    EXPECT_EQ(d.GetAnzPosD(), e.anzD);
    EXPECT_EQ(d.GetPosDd(), e.dD);
    EXPECT_EQ(d.GetDistPosD().size(), static_cast<std::size_t>(e.distD));
    EXPECT_EQ(d.GetAnzPosA(), e.anzA);
    EXPECT_EQ(d.GetPosAd(), e.dA);
    EXPECT_EQ(d.GetDistPosA().size(), static_cast<std::size_t>(e.distA));
    EXPECT_EQ(d.GetAnzPosB1(), e.anzB1);
    EXPECT_EQ(d.GetPosB1d(), e.dB1);
    EXPECT_EQ(d.GetDistPosB1(), std::vector<double>(e.anzB1 / 2, 0.0));
    EXPECT_EQ(d.GetAnzPosB2(), e.anzB2);
    EXPECT_EQ(d.GetPosB2d(), e.dB2);
    EXPECT_EQ(d.GetDistPosB2().size(), static_cast<std::size_t>(e.distB2));
    EXPECT_DOUBLE_EQ(d.GetBereichPosA(), e.bereichPosA);
    EXPECT_DOUBLE_EQ(d.GetEinflussPosB(), e.einflussPosB);
}

// Thickness at each distinct threshold; classes hidden behind an equal threshold are unreachable.
INSTANTIATE_TEST_SUITE_P(
    AlleTypen, StandardBewehrung,
    ::testing::Values(Bewehrung{TsDorn::ZAVR20HF, 160, 1, 4, 10, 1, 0, 8, 0, 2, 10, 2, 10, 1, 120, 110},
                      Bewehrung{TsDorn::ZAVR20HF, 180, 2, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 124, 110},
                      Bewehrung{TsDorn::ZAVR20HF, 200, 3, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 124, 110},
                      Bewehrung{TsDorn::ZAVR25HF, 160, 1, 4, 10, 1, 0, 8, 0, 2, 10, 2, 10, 1, 120, 110},
                      Bewehrung{TsDorn::ZAVR25HF, 180, 2, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 124, 110},
                      Bewehrung{TsDorn::ZAVR25HF, 200, 3, 4, 14, 1, 2, 14, 1, 2, 14, 2, 14, 1, 228, 110},
                      Bewehrung{TsDorn::ZAVR30HF, 180, 1, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 129, 110},
                      Bewehrung{TsDorn::ZAVR30HF, 200, 2, 4, 14, 1, 2, 14, 1, 2, 14, 4, 14, 2, 233, 160},
                      Bewehrung{TsDorn::ZAVR30HF, 220, 3, 4, 16, 1, 2, 16, 1, 2, 16, 4, 16, 2, 237, 160},
                      Bewehrung{TsDorn::ZAVR45HF, 200, 1, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 129, 110},
                      Bewehrung{TsDorn::ZAVR45HF, 220, 2, 4, 14, 1, 2, 14, 1, 2, 14, 2, 14, 1, 233, 110},
                      Bewehrung{TsDorn::ZAVR45HF, 240, 3, 6, 16, 2, 4, 16, 2, 2, 16, 4, 16, 2, 437, 160},
                      Bewehrung{TsDorn::ZAVR60HF, 240, 1, 6, 16, 2, 6, 16, 3, 2, 16, 6, 16, 3, 537, 210},
                      Bewehrung{TsDorn::ZAVR60HF, 340, 3, 6, 20, 2, 4, 20, 2, 2, 20, 6, 20, 3, 465, 210},
                      Bewehrung{TsDorn::ZAVR90HF, 260, 1, 6, 16, 2, 6, 16, 3, 2, 16, 6, 16, 3, 557, 210},
                      Bewehrung{TsDorn::ZAVR90HF, 320, 3, 6, 20, 2, 6, 20, 3, 2, 20, 6, 20, 3, 585, 210},
                      Bewehrung{TsDorn::ZAVR120HF, 280, 1, 6, 16, 2, 4, 16, 2, 2, 16, 6, 16, 3, 472, 210},
                      Bewehrung{TsDorn::ZAVR120HF, 300, 2, 6, 20, 2, 6, 20, 3, 2, 20, 6, 20, 3, 600, 210},
                      Bewehrung{TsDorn::ZAVR120HF, 400, 3, 6, 25, 2, 4, 25, 2, 2, 25, 4, 25, 2, 500, 160},
                      Bewehrung{TsDorn::ZAVR130, 350, 1, 6, 20, 2, 4, 20, 2, 2, 20, 6, 20, 3, 500, 210},
                      Bewehrung{TsDorn::ZAVR130, 400, 3, 8, 20, 3, 4, 20, 2, 2, 20, 6, 20, 3, 600, 210},
                      Bewehrung{TsDorn::ZAVR150, 450, 3, 8, 20, 3, 8, 20, 4, 2, 20, 8, 20, 4, 800, 260},
                      Bewehrung{TsDorn::ZAVR400, 600, 3, 8, 25, 3, 8, 25, 4, 2, 25, 8, 25, 4, 860, 260},
                      Bewehrung{TsDorn::ZAVR450, 650, 3, 8, 25, 3, 10, 25, 5, 2, 25, 8, 25, 4, 960, 270},
                      Bewehrung{TsDorn::ZAVRQ25HF, 160, 1, 4, 10, 1, 0, 8, 0, 2, 10, 2, 10, 1, 120, 110},
                      Bewehrung{TsDorn::ZAVRQ25HF, 180, 2, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 124, 110},
                      Bewehrung{TsDorn::ZAVRQ25HF, 200, 3, 4, 14, 1, 2, 14, 1, 2, 14, 2, 14, 1, 228, 110},
                      Bewehrung{TsDorn::ZAVRQ30HF, 180, 1, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 129, 110},
                      Bewehrung{TsDorn::ZAVRQ30HF, 200, 2, 4, 14, 1, 2, 14, 1, 2, 14, 4, 14, 2, 233, 160},
                      Bewehrung{TsDorn::ZAVRQ30HF, 220, 3, 4, 16, 1, 2, 16, 1, 2, 16, 4, 16, 2, 237, 160},
                      Bewehrung{TsDorn::ZAVRQ45HF, 200, 1, 4, 12, 1, 0, 8, 0, 2, 12, 2, 12, 1, 129, 110},
                      Bewehrung{TsDorn::ZAVRQ45HF, 220, 2, 4, 14, 1, 2, 14, 1, 2, 14, 2, 14, 1, 233, 110},
                      Bewehrung{TsDorn::ZAVRQ45HF, 240, 3, 6, 16, 2, 4, 16, 2, 2, 16, 4, 16, 2, 437, 160},
                      Bewehrung{TsDorn::ZAVRQ60HF, 240, 1, 6, 16, 2, 6, 16, 3, 2, 16, 6, 16, 3, 537, 210},
                      Bewehrung{TsDorn::ZAVRQ60HF, 340, 3, 6, 20, 2, 4, 20, 2, 2, 20, 6, 20, 3, 465, 210},
                      Bewehrung{TsDorn::ZAVRQ90HF, 260, 1, 6, 16, 2, 6, 16, 3, 2, 16, 6, 16, 3, 557, 210},
                      Bewehrung{TsDorn::ZAVRQ90HF, 320, 3, 6, 20, 2, 6, 20, 3, 2, 20, 6, 20, 3, 585, 210},
                      Bewehrung{TsDorn::ZAVRQ120HF, 280, 1, 6, 16, 2, 4, 16, 2, 2, 16, 6, 16, 3, 472, 210},
                      Bewehrung{TsDorn::ZAVRQ120HF, 300, 2, 6, 20, 2, 6, 20, 3, 2, 20, 6, 20, 3, 600, 210},
                      Bewehrung{TsDorn::ZAVRQ120HF, 400, 3, 6, 25, 2, 4, 25, 2, 2, 25, 4, 25, 2, 500, 160},
                      Bewehrung{TsDorn::ZAVRQ130, 350, 1, 6, 20, 2, 4, 20, 2, 2, 20, 6, 20, 3, 500, 210},
                      Bewehrung{TsDorn::ZAVRQ130, 400, 3, 8, 20, 3, 4, 20, 2, 2, 20, 6, 20, 3, 600, 210},
                      Bewehrung{TsDorn::ZAVRQ150, 450, 3, 8, 20, 3, 8, 20, 4, 2, 20, 8, 20, 4, 800, 260},
                      Bewehrung{TsDorn::ZAVRQ400, 600, 3, 8, 25, 3, 8, 25, 4, 2, 25, 8, 25, 4, 860, 260},
                      Bewehrung{TsDorn::ZAVRQ450, 650, 3, 8, 25, 3, 10, 25, 5, 2, 25, 8, 25, 4, 960, 270}));

// --- Single records
// -----------------------------------------------------------------------------------------------

TEST(TKDornDaten, neuerDatensatzIstZavr45HfInKlasse1) {
    const TKDornDaten d(TsLand::plk);
    EXPECT_EQ(d.GetVRds_Data(), TsLand::plk);
    EXPECT_EQ(d.GetDorn(), TsDorn::ZAVR45HF);
    EXPECT_EQ(d.GetAnzPosD(), 4);
    EXPECT_EQ(d.GetPosDd(), 12);
    EXPECT_EQ(d.GetDistPosD(), std::vector<double>{32});
    EXPECT_EQ(d.GetAnzPosA(), 0);
    EXPECT_TRUE(d.GetDistPosA().empty());
    EXPECT_DOUBLE_EQ(d.GetBereichPosA(), 65 + 2 * 32);
    EXPECT_EQ(TKDornDaten().GetVRds_Data(), TsLand::deu);
}

TEST(TKDornDaten, zavr60HfMit340HatSechsD20Staebe) {
    TKDornDaten d(TsLand::deu);
    d.SetDorn(TsDorn::ZAVR60HF, TsFugenbreite::fb0bis20, 340);
    EXPECT_EQ(d.GetAnzPosD(), 6);
    EXPECT_EQ(d.GetPosDd(), 20);
    EXPECT_EQ(d.GetDistPosD(), (std::vector<double>{50, 50}));
    d.SetDorn(TsDorn::ZAVR60HF, TsFugenbreite::fb0bis20, 300);
    EXPECT_EQ(d.GetPosDd(), 16);
    EXPECT_EQ(d.GetDistPosD(), (std::vector<double>{36, 50}));
    EXPECT_EQ(d.GetDistPosA(), (std::vector<double>{50, 50, 50}));
}

TEST(TKDornDaten, zavr20HfUnterDerErstenSchwelleIstKlasse1) {
    TKDornDaten d(TsLand::deu);
    d.SetDorn(TsDorn::ZAVR20HF, TsFugenbreite::fb0bis20, 150);
    EXPECT_EQ(d.GetPosDd(), 10);
    EXPECT_DOUBLE_EQ(d.GetBereichPosA(), 120);
    EXPECT_DOUBLE_EQ(d.GetEinflussPosB(), 110);
}

TEST(TKDornDaten, uebernimmtMasseGrenzenUndAlleStahltragfaehigkeiten) {
    TKDornDaten d(TsLand::eng);
    d.SetDorn(TsDorn::ZAVRQ150, TsFugenbreite::fb40bis50, 500);
    EXPECT_EQ(d.GetVRds_Data(), TsLand::eng);
    EXPECT_DOUBLE_EQ(d.GetMinBauteildicke(), 450);
    EXPECT_DOUBLE_EQ(d.GetEinflussBereich(), 100);
    EXPECT_DOUBLE_EQ(d.GetMinRandSeite(), 337.5);
    EXPECT_DOUBLE_EQ(d.GetMinRandSeiteL(), 150);
    EXPECT_DOUBLE_EQ(d.GetMinAchsabstand(), 675);
    EXPECT_DOUBLE_EQ(d.GetDornBreite(), 120);
    EXPECT_DOUBLE_EQ(d.GetDornHoehe(), 240);
    EXPECT_DOUBLE_EQ(d.GetDornDurchmesser(), 42);
    EXPECT_DOUBLE_EQ(d.GetDornAbstand(), 120);
    EXPECT_DOUBLE_EQ(d.GetDornLaenge(), 305);
    EXPECT_DOUBLE_EQ(d.GetDornRERohrb(), 80);
    EXPECT_DOUBLE_EQ(d.GetDornRERohrh(), 54.5);
    EXPECT_DOUBLE_EQ(d.GetDornStab1l(), 170);
    EXPECT_DOUBLE_EQ(d.GetDornStab2l(), 170);
    EXPECT_DOUBLE_EQ(d.GetDornStab1d(), 18);
    EXPECT_DOUBLE_EQ(d.GetDornStab2d(), 18);
    EXPECT_DOUBLE_EQ(d.GetDornStab1a(), 54);
    EXPECT_DOUBLE_EQ(d.GetDornStab2a(), 54);
    EXPECT_DOUBLE_EQ(d.GetDornPlattel(), 124);
    EXPECT_EQ(d.GetPosCd(), 12);
    EXPECT_EQ(d.GetAnzPosC(), 1);
    EXPECT_DOUBLE_EQ(d.GetDistPosCRand(), 305);
    EXPECT_DOUBLE_EQ(d.GetDistPosB1Rand(), 60);
    const double vrds[] = {350.5, 316.6, 282.7, 248.9, 215};
    for (int fb = 0; fb < 5; ++fb) EXPECT_DOUBLE_EQ(d.GetVRds(static_cast<TsFugenbreite>(fb)), vrds[fb]);
    EXPECT_DOUBLE_EQ(d.GetBetDeckungOben(), 0);
    EXPECT_DOUBLE_EQ(d.GetBetDeckungUnten(), 0);
}

TEST(TKDornDaten, uebernimmtDieMasseEinesZavrTyps) {
    TKDornDaten d(TsLand::deu);
    d.SetDorn(TsDorn::ZAVR45HF, TsFugenbreite::fb0bis20, 200);
    const double masse[] = {d.GetDornBreite(), d.GetDornHoehe(),   d.GetDornDurchmesser(), d.GetDornAbstand(),
                            d.GetDornLaenge(), d.GetDornRERohrb(), d.GetDornRERohrh(),     d.GetDornStab1l(),
                            d.GetDornStab2l(), d.GetDornStab1d(),  d.GetDornStab2d(),      d.GetDornStab1a(),
                            d.GetDornStab2a(), d.GetDornPlattel()};
    const double erwartet[] = {60, 125, 20, 65, 155, 20, 25.4, 50, 130, 12, 12, 29, 58, 84};
    for (std::size_t i = 0; i < std::size(erwartet); ++i) EXPECT_DOUBLE_EQ(masse[i], erwartet[i]) << i;
}

TEST(TKDornDaten, fugenbreiteAendertDenDatensatzNicht) {
    for (int typ = 0; typ < AnzahlDorne; ++typ) {
        TKDornDaten erster(TsLand::deu);
        erster.SetDorn(static_cast<TsDorn>(typ), TsFugenbreite::fb0bis20, 260);
        for (int fb = 1; fb < 5; ++fb) {
            TKDornDaten d(TsLand::deu);
            d.SetDorn(static_cast<TsDorn>(typ), static_cast<TsFugenbreite>(fb), 260);
            EXPECT_EQ(d, erster) << typ << " " << fb;
        }
    }
}

// The design run refills the record before every run; nothing of an earlier adaptation may survive.
TEST(TKDornDaten, neuesFuellenVerwirftAnpassungen) {
    TKDornDaten frisch(TsLand::deu);
    frisch.SetDorn(TsDorn::ZAVR130, TsFugenbreite::fb30bis40, 400);
    TKDornDaten d(TsLand::deu);
    d.SetDorn(TsDorn::ZAVR130, TsFugenbreite::fb30bis40, 400);
    d.SetAnzPosA(10);
    d.SetDistPosA({70, 70, 70, 70, 70});
    d.SetDistPosB1({35});
    d.SetDistPosD({});
    d.SetPosDd(28);
    d.SetBereichPosA(1);
    d.SetEinflussPosB(1);
    d.SetDorn(TsDorn::ZAVR130, TsFugenbreite::fb30bis40, 400);
    EXPECT_EQ(d, frisch);
}

TEST(TKDornDaten, kopieIstUnabhaengigVomOriginal) {
    TKDornDaten original(TsLand::eng);
    original.SetDorn(TsDorn::ZAVR450, TsFugenbreite::fb50bis60, 700);
    TKDornDaten kopie(original);
    EXPECT_EQ(kopie, original);
    kopie.SetDistPosA({1});
    kopie.SetDistPosB2({});
    kopie.SetVRds(TsFugenbreite::fb50bis60, 1);
    EXPECT_EQ(original.GetDistPosA().size(), 5u);
    EXPECT_EQ(original.GetDistPosB2().size(), 4u);
    EXPECT_DOUBLE_EQ(original.GetVRds(TsFugenbreite::fb50bis60), 763.5);
    TKDornDaten zuweisung(TsLand::deu);
    zuweisung = original;
    EXPECT_EQ(zuweisung, original);
    EXPECT_EQ(zuweisung.GetVRds_Data(), TsLand::eng);
}

}  // namespace
