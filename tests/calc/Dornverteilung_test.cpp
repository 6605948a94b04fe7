#include "calc/Dornverteilung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Umgebung.h"

// Expected chains of the automatic distribution were computed with a separate script that follows the
// procedure step by step (point of equal load, centroid, both passes, merge); simple cases are also
// checked by hand in the comments.

namespace {
using Liste = std::vector<double>;

struct Reihe {
    StandardUmgebung umgebung;
    TKAnwendung anwendung{umgebung};

    Reihe(double fugenlaenge, const std::vector<TrFloatPoint>& punkte, double widerstand,
          TsMaxDornabstand regel = TsMaxDornabstand::daOhne, double plattendicke = 240) {
        anwendung.cErgebnisse.cGeometrie.SetFugenlaenge(fugenlaenge);
        anwendung.cErgebnisse.cGeometrie.SetPlatteDicke(plattendicke);
        anwendung.SetMaxDornabstand(regel);
        TKBelastung& last = anwendung.cBelastungDesign;
        last.ResetbeliebigeLast();
        for (const TrFloatPoint& p : punkte) last.AddbeliebigeLast(p);
        Ergebnis().SetVRdIst(widerstand);
        Ergebnis().SetNutzhoehe(196);
        Ergebnis().SetZulMinRand(120);
    }
    TKDornErgebnis& Ergebnis() { return anwendung.cErgebnisse.cDornErgebnis[0]; }
    int Anzahl() { return anwendung.cErgebnisse.GetAnzDorn(TsDorn::ZAVR20HF); }
    Liste Kette() {
        Liste k;
        for (int i = 0; i < Ergebnis().GetAnzDornAbstand(); ++i) k.push_back(Ergebnis().GetDornAbstand(i));
        return k;
    }
    Verteilungslast Last(double kF) {
        return Verteilungslast(anwendung.cBelastungDesign, anwendung.cErgebnisse.cGeometrie.GetFugenlaenge(),
                               kF, umgebung);
    }
    bool Konstant(double kF) {
        Verteilungslast last = Last(kF);
        return VerteileKonstant(anwendung, TsDorn::ZAVR20HF, last);
    }
    bool Automatisch(double kF) {
        Verteilungslast last = Last(kF);
        return VerteileAutomatisch(anwendung, TsDorn::ZAVR20HF, last);
    }
    void KonstanterAbstand(double a) {
        anwendung.cErgebnisse.cGeometrie.SetDornAbstandCalc(true);
        anwendung.cErgebnisse.cGeometrie.SetkonstDornAbstand(a);
    }
};

void ErwarteKette(const Liste& ist, const Liste& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) EXPECT_NEAR(ist[i], soll[i], 1e-9) << "entry " << i;
}
}  // namespace

TEST(KonstanterAbstand, randabstandInnerhalbDerGrenze) {
    Reihe r(2000, {{0, 50}, {2000, 50}}, 100);
    r.KonstanterAbstand(750);
    r.Ergebnis().SetNutzhoehe(575.0 / 3);  // 3 d + b_E = 635; limit (750 + 635) / 2 = 692.5
    ASSERT_TRUE(r.Konstant(1));
    ErwarteKette(r.Kette(), {625, 750, 625});
    EXPECT_EQ(r.Anzahl(), 2);
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 50);  // 1000 mm × 50 kN/m each
}

TEST(KonstanterAbstand, zuGrosserRandabstandGibtEinenDornMehr) {
    Reihe r(2000, {{0, 0}, {2000, 100}}, 100);
    r.KonstanterAbstand(750);
    r.Ergebnis().SetNutzhoehe(740.0 / 3);  // 3 d + b_E = 800 ≥ a: limit 375 + 150 = 525 < 625
    r.Ergebnis().SetZulMinRand(150);
    ASSERT_TRUE(r.Konstant(0.95));
    ErwarteKette(r.Kette(), {250, 750, 750, 250});
    EXPECT_EQ(r.Anzahl(), 3);
    // Tributary lengths 0–625, 625–1375, 1375–2000 of the rising load: 19.53, 37.5 and
    // (68.75 + 100) / 2 × 0.625 = 52.734375 kN, scaled by k_F.
    EXPECT_NEAR(r.Ergebnis().GetVRdIst(), 0.95 * 52.734375, 1e-12);
}

TEST(KonstanterAbstand, lastDieSpaeterBeginnt) {
    Reihe r(2000, {{1000, 60}, {2000, 60}}, 100);
    r.KonstanterAbstand(750);
    r.Ergebnis().SetNutzhoehe(575.0 / 3);
    ASSERT_TRUE(r.Konstant(1));
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 60);  // the right dowel carries 1000 … 2000
}

TEST(AutomatischeVerteilung, gleichlastVierDorneAmSchwerpunkt) {
    // 100 kN, V = 30: n = Round(3.333 + 0.4999) = 4, g = 25.001; the left pass places the dowels at
    // 250.01, 750.03, 1250.05 and 1750.03 (each share 500.02 mm long).
    Reihe r(2000, {{0, 50}, {2000, 50}}, 30);
    ASSERT_TRUE(r.Automatisch(1));
    EXPECT_EQ(r.Anzahl(), 4);
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 25.001);
    ErwarteKette(r.Kette(), {250.01, 500.01999999999987, 499.9400000000004, 500.01999999999987, 250.01});
    EXPECT_TRUE(r.umgebung.meldungen.empty());
}

TEST(AutomatischeVerteilung, linearLastMitLastfaktor) {
    Reihe r(6000, {{0, 20}, {6000, 80}}, 40);
    ASSERT_TRUE(r.Automatisch(0.95));
    EXPECT_EQ(r.Anzahl(), 8);
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 35.626);  // 0.95 × 300 / 8 + 0.001
    ErwarteKette(r.Kette(), {755.4309480880343, 1139.563693346644, 869.1516478420785, 732.2352252357168,
                             645.1302300603602, 583.333563238079, 536.5215359926943, 499.4598406191199,
                             239.1733155772725});
}

TEST(AutomatischeVerteilung, gleicheLastFuegtDorneBisFuenffacheDicke) {
    // h = 200: spacings of 1000 and more are not accepted. n = 2 gives 1500, n = 3 still 1000.1, n = 4 750.1.
    Reihe r(3000, {{0, 10}, {3000, 10}}, 20, TsMaxDornabstand::da5dmin_redF, 200);
    ASSERT_TRUE(r.Automatisch(1));
    EXPECT_EQ(r.Anzahl(), 4);
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 7.501);
    ErwarteKette(r.Kette(), {375.05, 750.1000000000001, 750.0999999999999, 749.7, 375.05});
}

TEST(AutomatischeVerteilung, gleicheLastEndetBeiKleinstemAbstand) {
    // The unloaded first half keeps the first dowel more than 5 h from the end whatever n is; the loop ends
    // once a spacing in the loaded half falls below the 240 mm of ZAVR 20 HF (n = 7: 214 mm).
    Reihe r(3000, {{0, 0}, {1500, 0}, {1500, 100}, {3000, 100}}, 100, TsMaxDornabstand::da5dmin_redF, 200);
    ASSERT_TRUE(r.Automatisch(1));
    EXPECT_EQ(r.Anzahl(), 7);
    EXPECT_NEAR(r.Ergebnis().GetVRdIst(), 150.0 / 7 + 0.001, 1e-12);
    ErwarteKette(r.Kette(), {1607.1478571428568, 214.22571428571496, 214.2957142857141, 214.2957142857142,
                             214.29571428571433, 214.2957142857142, 214.29571428571433, 107.14785714285712});
}

TEST(AutomatischeVerteilung, konstruktiveDorneEinmalDurchlaufen) {
    // 30 kN, V = 100: one dowel at 1500; both edge distances 1500 > 5 h = 1000 are halved, the outer
    // halves carry constructive dowels. The loop runs once: g is that of n = 1.
    Reihe r(3000, {{0, 10}, {3000, 10}}, 100, TsMaxDornabstand::da5dmin_redda, 200);
    ASSERT_TRUE(r.Automatisch(1));
    ErwarteKette(r.Kette(), {750, 750, 750, 750});
    EXPECT_FALSE(r.Ergebnis().GetDornNotwendig(0));
    EXPECT_TRUE(r.Ergebnis().GetDornNotwendig(1));
    EXPECT_FALSE(r.Ergebnis().GetDornNotwendig(2));
    EXPECT_TRUE(r.Ergebnis().GetDornNotwendig(3));
    EXPECT_EQ(r.Anzahl(), 3);
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 30.001);
}

TEST(AutomatischeVerteilung, widerstandNullEinDorn) {
    Reihe r(2000, {{0, 50}, {2000, 50}}, 0);
    ASSERT_TRUE(r.Automatisch(1));
    EXPECT_EQ(r.Anzahl(), 1);
    ErwarteKette(r.Kette(), {1000, 1000});
    EXPECT_DOUBLE_EQ(r.Ergebnis().GetVRdIst(), 100.001);
}

TEST(AutomatischeVerteilung, wenigerAlsZweiLastpunkteKeineAnordnung) {
    Reihe r(2000, {{500, 50}}, 30);
    EXPECT_FALSE(r.Automatisch(1));
    ErwarteKette(r.Kette(), {240});  // chain of the fresh record, untouched
}

TEST(AutomatischeVerteilung, zuVieleDorneAbgebrochen) {
    Reihe r(30000, {{0, 1e6}, {30000, 1e6}}, 1);
    EXPECT_FALSE(r.Automatisch(1));
}

struct Start {
    double kF, last, widerstand;
    long long n;
};
class Startanzahl_ : public ::testing::TestWithParam<Start> {};
TEST_P(Startanzahl_, mindestensEinDorn) {
    EXPECT_EQ(Startanzahl(GetParam().kF, GetParam().last, GetParam().widerstand), GetParam().n);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Startanzahl_,
                         ::testing::Values(Start{1, 100, 30, 4}, Start{0.95, 100, 30, 4},
                                           Start{1, 100, 50, 2}, Start{1, 100.1, 50, 3}, Start{1, 100, 0, 1},
                                           Start{1, 100, -5, 1}, Start{1, 0, 30, 1}, Start{1, 0.001, 30, 1},
                                           Start{1, 1e9, 1, 0}));

// Passes kept for the types of one run must never serve another spacing rule: each distribution through a
// load shared by the run equals the same distribution on a load of its own.
TEST(AutomatischeVerteilung, gemeinsameDurchgaengeGleichEigenen) {
    struct Fall {
        double widerstand;
        TsMaxDornabstand regel;
    };
    const std::vector<Fall> faelle{
        {30, TsMaxDornabstand::daOhne},        {30, TsMaxDornabstand::da5dmin_redF},  // same g, other rule
        {12, TsMaxDornabstand::da5dmin_redda}, {30, TsMaxDornabstand::daOhne},        // back to the first
        {31, TsMaxDornabstand::daOhne},
    };
    const std::vector<TrFloatPoint> punkte{{0, 20}, {700, 95}, {2000, 80}};
    Reihe lauf(2000, punkte, 30, TsMaxDornabstand::daOhne, 180);
    Verteilungslast gemeinsam = lauf.Last(1);
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const Fall& f = faelle[i];
        Reihe geteilt(2000, punkte, f.widerstand, f.regel, 180);
        Reihe allein(2000, punkte, f.widerstand, f.regel, 180);
        ASSERT_TRUE(VerteileAutomatisch(geteilt.anwendung, TsDorn::ZAVR20HF, gemeinsam));
        ASSERT_TRUE(allein.Automatisch(1));
        EXPECT_EQ(geteilt.Kette(), allein.Kette());
        EXPECT_EQ(geteilt.Ergebnis().GetVRdIst(), allein.Ergebnis().GetVRdIst());
    }
}
