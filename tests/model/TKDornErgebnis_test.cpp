#include "model/TKDornErgebnis.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Anfang {
    TsDorn typ;
    double minAchs, minRand;
};
class TKDornErgebnisAnfang : public ::testing::TestWithParam<Anfang> {};
TEST_P(TKDornErgebnisAnfang, startwerteAusDemKatalog) {
    const TKDornErgebnis e(GetParam().typ);
    EXPECT_EQ(e.GetAnzDornAbstand(), 1);
    EXPECT_EQ(e.GetDornAbstand(0), GetParam().minAchs);
    EXPECT_TRUE(e.GetDornNotwendig(0));
    EXPECT_EQ(e.GetDornPaarAbstand(), GetParam().minAchs);
    EXPECT_EQ(e.GetKritAchs(), GetParam().minAchs);
    EXPECT_EQ(e.GetIstMinAchs(), GetParam().minAchs);
    EXPECT_EQ(e.GetAbstandLinks(), GetParam().minRand);
    EXPECT_EQ(e.GetAbstandRechts(), GetParam().minRand);
}
INSTANTIATE_TEST_SUITE_P(Katalog, TKDornErgebnisAnfang,
                         ::testing::Values(Anfang{TsDorn::ZAVR20HF, 240, 120},
                                           Anfang{TsDorn::ZAVRQ25HF, 255, 120},
                                           Anfang{TsDorn::ZAVR130, 525, 262.5},
                                           Anfang{TsDorn::ZAVRQ450, 975, 487.5}));

// A record renewed for another type after a design run is that type's fresh record in every value, its
// lists and messages included.
TEST_P(TKDornErgebnisAnfang, erneuertGleichtDemNeuen) {
    TKDornErgebnis e(TsDorn::ZAVR60HF);
    for (double abstand : {300.0, 310.0, 320.0}) e.AddDornAbstand(abstand, false);
    e.SetStatus(4);
    e.SetVRdce(12.5);
    e.cFehler.SetMeldung(4);
    e.cWarnungen.SetMeldung(2);
    e.Erneuern(GetParam().typ);
    EXPECT_TRUE(e == TKDornErgebnis(GetParam().typ));
}

TKDornErgebnis Kette(const std::vector<std::pair<double, bool>>& glieder) {
    TKDornErgebnis e(TsDorn::ZAVR60HF);
    e.ResetDornAbstand();
    for (const auto& [abstand, notwendig] : glieder) e.AddDornAbstand(abstand, notwendig);
    return e;
}

TEST(TKDornErgebnis, abstandAusserhalbDerKetteIstNull) {
    const TKDornErgebnis e = Kette({{300, true}, {900, true}, {250, true}});
    EXPECT_EQ(e.GetDornAbstand(-1), 0);
    EXPECT_EQ(e.GetDornAbstand(3), 0);
    EXPECT_FALSE(e.GetDornNotwendig(-1));
    EXPECT_FALSE(e.GetDornNotwendig(3));
    EXPECT_EQ(e.GetDornAbstand(1), 900);
}

TEST(TKDornErgebnis, maxDornabstandZaehltNurNotwendigeInnere) {
    EXPECT_EQ(Kette({}).GetMaxDornAbstand(), 0);
    EXPECT_EQ(Kette({{300, true}, {250, true}}).GetMaxDornAbstand(), 0);
    EXPECT_EQ(Kette({{300, true}, {900, true}, {1200, false}, {800, true}, {250, true}}).GetMaxDornAbstand(),
              900);
    EXPECT_EQ(Kette({{5000, true}, {400, true}, {5000, true}}).GetMaxDornAbstand(), 400);
    EXPECT_EQ(Kette({{300, true}, {900, false}, {250, true}}).GetMaxDornAbstand(), 0);
}

TEST(TKDornErgebnis, vrdzulIstDasMinimumDerDreiWiderstaende) {
    TKDornErgebnis e(TsDorn::ZAVR60HF);
    e.SetVRds(100);
    e.SetVRDct(80);
    e.SetVRdce(90);
    EXPECT_EQ(e.GetVRdZul(), 80);
    e.SetVRdce(50);
    EXPECT_EQ(e.GetVRdZul(), 50);
    e.SetVRdce(120);
    EXPECT_EQ(e.GetVRdZul(), 80);
    e.SetVRDct(150);
    EXPECT_EQ(e.GetVRdZul(), 100);
}

}  // namespace
