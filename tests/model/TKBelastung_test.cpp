#include "model/TKBelastung.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TrFloatPoint> Punkte(const TKBelastung& b) {
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < b.GetAnzLastPunkte(); ++i) punkte.push_back(b.GetbeliebigeLast(i));
    return punkte;
}

using P = std::vector<TrFloatPoint>;

TEST(TKBelastung, neueLastHatZweiPunkteUnd100kN) {
    const TKBelastung b;
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {2000, 50}}));
    EXPECT_DOUBLE_EQ(b.GetGesamtLast(), 100);
    EXPECT_EQ(b.GetLinienlast(), TsLinienlast::llLiglRE);
    EXPECT_EQ(b.GetPunktLast(), 80);
    EXPECT_EQ(b.GetLastLaenge(), 2000);
}

TEST(TKBelastung, punktInDerMitteErgibtTrapezsumme) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {1000, 80}, {2000, 50}}));
    // (1000 × 130 + 1000 × 130) / 2 / 1000
    EXPECT_DOUBLE_EQ(b.GetGesamtLast(), 130);
}

TEST(TKBelastung, gleichesXKommtHinterDieVorhandenenPunkte) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    b.AddbeliebigeLast({1000, 20});
    b.AddbeliebigeLast({0, 10});
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {0, 10}, {1000, 80}, {1000, 20}, {2000, 50}}));
    EXPECT_EQ(b.GetLinienLastLinks(), 50);
    EXPECT_EQ(b.GetLinienLastRechts(), 50);
    // 1000 × (10 + 80) / 2 + 1000 × (20 + 50) / 2 = 80000 → 80 kN; the jumps add no area.
    EXPECT_DOUBLE_EQ(b.GetGesamtLast(), 80);
}

TEST(TKBelastung, endwerteUndFormFolgenDemErstenUndLetztenPunkt) {
    TKBelastung b;
    b.ResetbeliebigeLast();
    b.AddbeliebigeLast({2000, 30});
    b.AddbeliebigeLast({0, 60});
    EXPECT_EQ(b.GetLinienLastLinks(), 60);
    EXPECT_EQ(b.GetLinienLastRechts(), 30);
    EXPECT_EQ(b.GetLinienlast(), TsLinienlast::llLigrRe);
    b.AddbeliebigeLast({-500, 10});
    EXPECT_EQ(b.GetLinienLastLinks(), 10);
    EXPECT_EQ(b.GetLinienlast(), TsLinienlast::llLiklRe);
}

struct Form {
    double links, rechts;
    TsLinienlast form;
};
class TKBelastungForm : public ::testing::TestWithParam<Form> {};
TEST_P(TKBelastungForm, formAusDenEndwerten) {
    TKBelastung b;
    b.SetLinienLastLinks(GetParam().links);
    b.SetLinienLastRechts(GetParam().rechts);
    EXPECT_EQ(b.GetLinienlast(), GetParam().form);
}
INSTANTIATE_TEST_SUITE_P(Endwerte, TKBelastungForm,
                         ::testing::Values(Form{60, 40, TsLinienlast::llLigrRe},
                                           Form{40, 40, TsLinienlast::llLiglRE},
                                           Form{40, 60, TsLinienlast::llLiklRe},
                                           Form{0, 0, TsLinienlast::llLiglRE},
                                           Form{-1, 0, TsLinienlast::llLiklRe}));

TEST(TKBelastung, resetLeertDieListeUndBehaeltGesamtlastUndEndwerte) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    b.ResetbeliebigeLast();
    EXPECT_EQ(b.GetAnzLastPunkte(), 0);
    EXPECT_DOUBLE_EQ(b.GetGesamtLast(), 130);
    EXPECT_EQ(b.GetLinienLastLinks(), 50);
}

TEST(TKBelastung, lastlaengeZiehtPunkteZurueck) {
    TKBelastung b;
    b.SetLastLaenge(1500);
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {1500, 50}}));
    EXPECT_DOUBLE_EQ(b.GetGesamtLast(), 75);
    EXPECT_EQ(b.GetLastLaenge(), 1500);
    b.SetLastLaenge(3000);  // longer: the points stay
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {1500, 50}}));
}

TEST(TKBelastung, fugenlaengeSchneidetAmErstenPunktDahinterAb) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    b.PruefeFugenlaenge(800);
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {800, 80}}));
    EXPECT_EQ(b.GetAnzLastPunkte(), 2);
    EXPECT_DOUBLE_EQ(b.GetGesamtLast(), 130);  // deliberately not recomputed
}

TEST(TKBelastung, fugenlaengeHinterDemLetztenPunktAendertNichts) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    b.PruefeFugenlaenge(2500);
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {1000, 80}, {2000, 50}}));
    b.PruefeFugenlaenge(2000);  // a point exactly at the length keeps everything
    EXPECT_EQ(Punkte(b), (P{{0, 50}, {1000, 80}, {2000, 50}}));
}

TEST(TKBelastung, kopieBautPunkteNeuAufUndIstUnabhaengig) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    b.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    b.SetLastverteilung(0.5);
    b.SetGammaf(1.35);
    b.SetPunktLast(12);
    b.PruefeFugenlaenge(1000);  // leaves the total at 130 although the points give 65
    TKBelastung kopie(b);
    EXPECT_EQ(Punkte(kopie), Punkte(b));
    EXPECT_DOUBLE_EQ(kopie.GetGesamtLast(), 65);
    EXPECT_EQ(kopie.GetBelastungsfall(), TsBelastungsfall::bfbeliebigeLast);
    EXPECT_EQ(kopie.GetLastverteilung(), 0.5);
    EXPECT_EQ(kopie.GetGammaf(), 1.35);
    EXPECT_EQ(kopie.GetPunktLast(), 12);
    kopie.AddbeliebigeLast({500, 0});
    EXPECT_EQ(b.GetAnzLastPunkte(), 2);

    TKBelastung zuweisung;
    zuweisung = b;
    EXPECT_EQ(Punkte(zuweisung), Punkte(b));
    EXPECT_DOUBLE_EQ(zuweisung.GetGesamtLast(), 65);
}

TEST(TKBelastung, kopieUebernimmtFormUndEndwerteDerQuelle) {
    TKBelastung b;
    b.SetLinienLastLinks(70);  // end values set apart from the points
    b.SetLastLaenge(1800);
    const TKBelastung kopie(b);
    EXPECT_EQ(kopie.GetLinienLastLinks(), 70);
    EXPECT_EQ(kopie.GetLinienLastRechts(), 50);
    EXPECT_EQ(kopie.GetLinienlast(), TsLinienlast::llLigrRe);
    EXPECT_EQ(kopie.GetLastLaenge(), 1800);
}

TEST(TKBelastung, kopieEinerLeerenListeBehaeltDieGesamtlast) {
    TKBelastung b;
    b.SetLastLaenge(1000);
    b.ResetbeliebigeLast();
    const TKBelastung kopie(b);
    EXPECT_EQ(kopie.GetAnzLastPunkte(), 0);
    EXPECT_DOUBLE_EQ(kopie.GetGesamtLast(), 50);
}

TEST(TKBelastung, skalierteKopie) {
    TKBelastung b;
    b.AddbeliebigeLast({1000, 80});
    b.SetLastverteilung(2);
    b.SetGammaf(1.5);
    b.SetLastLaenge(1800);
    const TKBelastung s(b, 1.5);
    EXPECT_EQ(Punkte(s), (P{{0, 75}, {1000, 120}, {1800, 75}}));
    // 1000 × (75 + 120) / 2 + 800 × (120 + 75) / 2 = 175500 → 175.5 kN
    EXPECT_DOUBLE_EQ(s.GetGesamtLast(), 175.5);
    EXPECT_DOUBLE_EQ(s.GetPunktLast(), 120);
    EXPECT_DOUBLE_EQ(s.GetLinienLastLinks(), 75);
    EXPECT_DOUBLE_EQ(s.GetLinienLastRechts(), 75);
    EXPECT_EQ(s.GetLastverteilung(), 2);
    EXPECT_EQ(s.GetGammaf(), 1.5);
    EXPECT_EQ(s.GetLastLaenge(), 1800);
    EXPECT_DOUBLE_EQ(b.GetLinienLastLinks(), 50);
}

TEST(TKBelastungDeathTest, punktindexAusserhalbWirdAbgewiesen) {
    const TKBelastung b;
    EXPECT_DEBUG_DEATH(
        {
            const TrFloatPoint p = b.GetbeliebigeLast(2);
            EXPECT_EQ(p, (TrFloatPoint{0, 0}));
        },
        "load point index");
    EXPECT_DEBUG_DEATH(b.GetbeliebigeLast(-1), "load point index");
}

}  // namespace
