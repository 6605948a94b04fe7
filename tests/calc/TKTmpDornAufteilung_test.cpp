#include "calc/TKTmpDornAufteilung.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/Umgebung.h"

namespace {
using Liste = std::vector<double>;

struct Zusammenfuehrung {
    TKErgebnisse ergebnisse{TsLand::deu};
    TKTmpDornAufteilung aufteilung;

    explicit Zusammenfuehrung(TKTmpDornAufteilung a = TKTmpDornAufteilung()) : aufteilung(std::move(a)) {}
    void Listen(const Liste& links, const Liste& rechts) {
        for (double w : links) aufteilung.AddDist(0, w);
        for (double w : rechts) aufteilung.AddDist(1, w);
    }
    Liste Kette() const {
        const TKDornErgebnis& e = ergebnisse.cDornErgebnis[0];
        Liste kette;
        for (int i = 0; i < e.GetAnzDornAbstand(); ++i) kette.push_back(e.GetDornAbstand(i));
        return kette;
    }
    std::vector<bool> Notwendig() const {
        const TKDornErgebnis& e = ergebnisse.cDornErgebnis[0];
        std::vector<bool> n;
        for (int i = 0; i < e.GetAnzDornAbstand(); ++i) n.push_back(e.GetDornNotwendig(i));
        return n;
    }
};
}  // namespace

TEST(Zusammenfuehren, groessteLueckeBeiGleichstandDieErste) {
    Zusammenfuehrung z;
    // Gaps: k = 1: 1000 - 100 - 400 = 500; k = 2: 1000 - 400 - 100 = 500.
    z.Listen({100, 300, 300, 300}, {100, 300, 300, 300});
    ASSERT_TRUE(z.aufteilung.SetDornAbstand(z.ergebnisse, TsDorn::ZAVR20HF, 1000));
    EXPECT_EQ(z.Kette(), (Liste{100, 500, 300, 100}));
    EXPECT_EQ(z.ergebnisse.GetAnzDorn(TsDorn::ZAVR20HF), 3);
}

TEST(Zusammenfuehren, spaetereGroessereLueckeGewinnt) {
    Zusammenfuehrung z;
    // k = 1: 1000 - 100 - 400 = 500; k = 2: 1000 - 300 - 100 = 600.
    z.Listen({100, 200, 300, 400}, {100, 300, 300, 300});
    ASSERT_TRUE(z.aufteilung.SetDornAbstand(z.ergebnisse, TsDorn::ZAVR20HF, 1000));
    EXPECT_EQ(z.Kette(), (Liste{100, 200, 600, 100}));
}

TEST(Zusammenfuehren, einDornNurRandabstaende) {
    Zusammenfuehrung z;
    z.Listen({800, 1200}, {1200, 800});
    ASSERT_TRUE(z.aufteilung.SetDornAbstand(z.ergebnisse, TsDorn::ZAVR20HF, 2000));
    EXPECT_EQ(z.Kette(), (Liste{800, 1200}));
    EXPECT_EQ(z.ergebnisse.GetAnzDorn(TsDorn::ZAVR20HF), 1);
}

TEST(Zusammenfuehren, ohneAnordnungUnveraendert) {
    Zusammenfuehrung leer;
    EXPECT_FALSE(leer.aufteilung.SetDornAbstand(leer.ergebnisse, TsDorn::ZAVR20HF, 2000));
    EXPECT_EQ(leer.Kette(), Liste{240});  // the chain of a new result record
    EXPECT_EQ(leer.ergebnisse.GetAnzDorn(TsDorn::ZAVR20HF), 1);

    Zusammenfuehrung kurz;  // three dowels from the left, one from the right: entries would be missing
    kurz.Listen({100, 300, 300, 300}, {500, 500});
    EXPECT_FALSE(kurz.aufteilung.SetDornAbstand(kurz.ergebnisse, TsDorn::ZAVR20HF, 1000));
    EXPECT_EQ(kurz.Kette(), Liste{240});
}

TEST(Unterteilen, konstruktiveDorneVorDemNotwendigen) {
    Zusammenfuehrung z{TKTmpDornAufteilung(1000)};
    z.Listen({600, 2100, 300}, {300, 2100, 600});
    ASSERT_TRUE(z.aufteilung.SetDornAbstand(z.ergebnisse, TsDorn::ZAVR20HF, 3000));
    // Gap 3000 - 600 - 300 = 2100: q = 3; the edge distances need no division.
    EXPECT_EQ(z.Kette(), (Liste{600, 700, 700, 700, 300}));
    EXPECT_EQ(z.Notwendig(), (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(z.ergebnisse.GetAnzDorn(TsDorn::ZAVR20HF), 4);
}

TEST(Unterteilen, auchDieRandabstaende) {
    Zusammenfuehrung z{TKTmpDornAufteilung(1000)};
    z.Listen({1500, 1500}, {1500, 1500});
    ASSERT_TRUE(z.aufteilung.SetDornAbstand(z.ergebnisse, TsDorn::ZAVR20HF, 3000));
    EXPECT_EQ(z.Kette(), (Liste{750, 750, 750, 750}));
    EXPECT_EQ(z.Notwendig(), (std::vector<bool>{false, true, false, true}));
    // Exactly the maximum needs no division.
    Zusammenfuehrung genau{TKTmpDornAufteilung(1000)};
    genau.Listen({1000, 1000}, {1000, 1000});
    ASSERT_TRUE(genau.aufteilung.SetDornAbstand(genau.ergebnisse, TsDorn::ZAVR20HF, 2000));
    EXPECT_EQ(genau.Kette(), (Liste{1000, 1000}));
}

TEST(GespiegelteLast, punkteUmgekehrtUndGespiegelt) {
    TKBelastung last;
    last.ResetbeliebigeLast();
    last.AddbeliebigeLast({0, 10});
    last.AddbeliebigeLast({500, 40});
    last.AddbeliebigeLast({2000, 20});
    StandardUmgebung u;
    TKTmpDornAufteilung a;
    a.SetTmpLast(last, 2000, u);
    EXPECT_EQ(a.GetTmpLast(), (std::vector<TrFloatPoint>{{0, 20}, {1500, 40}, {2000, 10}}));
    EXPECT_TRUE(u.meldungen.empty());
}

TEST(GespiegelteLast, punktJenseitsDerFugeMeldetUndBleibt) {
    TKBelastung last;
    last.ResetbeliebigeLast();
    last.AddbeliebigeLast({0, 10});
    last.AddbeliebigeLast({2500, 20});
    StandardUmgebung u;
    TKTmpDornAufteilung a;
    a.SetTmpLast(last, 2000, u);
    EXPECT_EQ(a.GetTmpLast(), (std::vector<TrFloatPoint>{{2500, 20}, {2000, 10}}));
    ASSERT_EQ(u.meldungen.size(), 1u);
    EXPECT_EQ(u.meldungen[0],
              "SetTmpLast: Fataler Fehler im Berechnungsablauf! Das Ergebnis der Berechnung ist ungültig!\n\r"
              "Versuchen Sie die Berechnung mit neuen Eingabedaten und wenden Sie sich an den Hersteller des "
              "Programms");
}
