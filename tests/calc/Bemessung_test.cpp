#include "calc/TKZAVRBemessung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "calc/Bewehrung.h"
#include "calc/Widerstaende.h"
#include "calc/Wirtschaftlichkeit.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"

namespace {
using Liste = std::vector<double>;

struct Lauf {
    StandardUmgebung umgebung;
    TKAnwendung anwendung{umgebung};

    explicit Lauf(TsAnwendungsfall fall) {
        anwendung.SetAnwendungsfall(fall);
        anwendung.SetMaxDornabstand(TsMaxDornabstand::daOhne);
    }
    void Berechne() { BerechneErgebnis(anwendung, umgebung); }
    TKDornErgebnis& Ergebnis(TsDorn d) { return anwendung.cErgebnisse.cDornErgebnis[Ord(d)]; }
    TKDornDaten& Daten(TsDorn d) { return anwendung.cErgebnisse.cDornDaten[Ord(d)]; }
    int Anzahl(TsDorn d) { return anwendung.cErgebnisse.GetAnzDorn(d); }
    Liste Kette(TsDorn d) {
        Liste k;
        for (int i = 0; i < Ergebnis(d).GetAnzDornAbstand(); ++i) k.push_back(Ergebnis(d).GetDornAbstand(i));
        return k;
    }
    void Linienlast(double links, double rechts) {
        TKBelastung& last = anwendung.cBelastungDesign;
        last.SetBelastungsfall(TsBelastungsfall::bfLinienlast);
        last.ResetbeliebigeLast();
        last.AddbeliebigeLast({0, links});
        last.AddbeliebigeLast({anwendung.cGeometrie.GetFugenlaenge(), rechts});
    }
};

// Working copy of one type's records with which a test walks the reinforcement steps by hand.
struct Zustand {
    TKDornDaten daten;
    TKDornErgebnis ergebnis;
    const TKGeometrie* geometrie;
    TsBetonguete guete;
    StandardUmgebung umgebung;

    Zustand(Lauf& l, TsDorn d)
        : daten(l.Daten(d)),
          ergebnis(l.Ergebnis(d)),
          geometrie(&l.anwendung.cErgebnisse.cGeometrie),
          guete(l.anwendung.GetBetonguete()) {}
    Dornkontext Kontext() { return {*geometrie, guete, daten, ergebnis, umgebung}; }
    double Vct() { return VRdct(Kontext()); }
    double Vce() { return VRdce(Kontext()); }
    double Vs() { return VRds(Kontext()); }
};

bool GleicheErgebnisse(Lauf& a, Lauf& b) {
    for (int i = 0; i < AnzahlDorne; ++i) {
        const auto d = static_cast<TsDorn>(i);
        if (!(a.Daten(d) == b.Daten(d)) || a.Kette(d) != b.Kette(d) || a.Anzahl(d) != b.Anzahl(d))
            return false;
        const TKDornErgebnis& x = a.Ergebnis(d);
        const TKDornErgebnis& y = b.Ergebnis(d);
        if (x.GetStatus() != y.GetStatus() || x.GetVRdZul() != y.GetVRdZul() ||
            x.GetVRdIst() != y.GetVRdIst() || x.GetIstMinAchs() != y.GetIstMinAchs() ||
            x.GetNutzhoehe() != y.GetNutzhoehe() || x.Getby() != y.Getby() ||
            x.GetDornAnordnung() != y.GetDornAnordnung() ||
            x.cFehler.GetMeldungen() != y.cFehler.GetMeldungen())
            return false;
    }
    return a.anwendung.cErgebnisse.GetAktDorn() == b.anwendung.cErgebnisse.GetAktDorn();
}
}  // namespace

TEST(Lastfaktor, ausAnteilStaendigerLast) {
    TKBelastung last;
    EXPECT_DOUBLE_EQ(Lastfaktor(last), 1.0);
    last.SetLastverteilung(1);
    EXPECT_DOUBLE_EQ(Lastfaktor(last), 0.95);
    last.SetLastverteilung(1e9);
    EXPECT_NEAR(Lastfaktor(last), 0.9, 1e-9);
    last.SetLastverteilung(-1);  // cannot be entered; must not divide by zero
    EXPECT_DOUBLE_EQ(Lastfaktor(last), 1.0);
}

// ZAVR 25 HF at h = 240: d = 196, TTypAchs = 3·196 + 60 = 648, m = Int(288 / tan 33°) = 443, TTypRand =
// 221.5.
struct Paarfall {
    double fugenlaenge;
    double abstand, rand;
    TsDornAnordnung anordnung;
    double kritAchs;
};
class Dornpaar : public ::testing::TestWithParam<Paarfall> {};

TEST_P(Dornpaar, berechneterAbstand) {
    const Paarfall& f = GetParam();
    Lauf l(TsAnwendungsfall::afPaarPlatte);
    l.anwendung.cGeometrie.SetFugenlaenge(f.fugenlaenge);
    l.anwendung.cGeometrie.SetDornPaarAbstandCalc(true);
    l.Berechne();
    const TsDorn d = TsDorn::ZAVR25HF;
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetTypRand(), 221.5);
    EXPECT_EQ(l.Kette(d), (Liste{f.rand, f.abstand, f.rand}));
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetDornPaarAbstand(), f.abstand);
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetIstMinAchs(), f.abstand);
    EXPECT_EQ(l.Ergebnis(d).GetDornAnordnung(), f.anordnung);
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetKritAchs(), f.kritAchs);
    EXPECT_EQ(l.Anzahl(d), 2);
}
INSTANTIATE_TEST_SUITE_P(
    Fugenlaengen, Dornpaar,
    ::testing::Values(Paarfall{2000, 1000, 500, TsDornAnordnung::daEinzelDorn, 648},  // > 2·120 + 648
                      Paarfall{800, 357, 221.5, TsDornAnordnung::daDornPaar, 443},    // between the limits
                      Paarfall{600, 300, 150, TsDornAnordnung::daDornPaar, 443}));    // < 2·221.5 + 240

TEST(Dornpaar, vorgegebenerAbstandUndLastDesStaerkerenEndes) {
    Lauf l(TsAnwendungsfall::afPaarWand);
    l.Linienlast(60, 20);
    l.Berechne();
    const TsDorn d = TsDorn::ZAVR25HF;
    EXPECT_EQ(l.Kette(d), (Liste{500, 1000, 500}));
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetVRdIst(), 50);  // 2000 × (180 + 20) / 4000 / 2
    l.anwendung.cBelastungDesign.SetLastverteilung(1);
    l.Berechne();
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetVRdIst(), 47.5);
}

TEST(Dornpaar, zulassungsbewehrungBehaeltIhreAStaebe) {
    // The pair's width b_y is stored before the A bars are fitted into min(b_y, e); a width of 0 would
    // drop the A pair of the standard reinforcement.
    Lauf l(TsAnwendungsfall::afPaarPlatte);
    l.anwendung.SetBewehrungCalc(TsBewehrungCalc::bcZulassung);
    l.Berechne();
    EXPECT_EQ(l.Daten(TsDorn::ZAVR25HF).GetAnzPosA(), 2);
    EXPECT_EQ(l.Daten(TsDorn::ZAVR25HF).GetDistPosA(), Liste{50});
}

TEST(Einzeldorn, randabstaendeUndPunktlast) {
    Lauf l(TsAnwendungsfall::afEinzel);
    l.anwendung.cGeometrie.SetBauteilRandLinks(400);
    l.anwendung.cGeometrie.SetBauteilRandRechts(700);
    l.anwendung.cGeometrie.SetRandRechts(true);
    l.anwendung.cBelastungDesign.SetPunktLast(60);
    l.anwendung.cBelastungDesign.SetLastverteilung(1);
    l.Berechne();
    const TKDornErgebnis& e = l.Ergebnis(TsDorn::ZAVR25HF);
    EXPECT_EQ(l.Kette(TsDorn::ZAVR25HF), (Liste{400, 700}));
    EXPECT_DOUBLE_EQ(e.GetAbstandLinks(), 221.5);  // no edge on the left: the characteristic distance
    EXPECT_DOUBLE_EQ(e.GetAbstandRechts(), 700);
    EXPECT_DOUBLE_EQ(e.GetIstMinAchs(), 800);
    EXPECT_DOUBLE_EQ(e.GetVRdIst(), 57);
    EXPECT_EQ(l.Anzahl(TsDorn::ZAVR25HF), 1);
}

TEST(Dornreihe, konstanterAbstand) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.anwendung.cGeometrie.SetDornAbstandCalc(true);
    l.anwendung.cGeometrie.SetkonstDornAbstand(500);
    l.Linienlast(50, 50);
    l.Berechne();
    for (int i = 0; i < AnzahlDorne; ++i) {
        const auto d = static_cast<TsDorn>(i);
        SCOPED_TRACE(DornName(d));
        // n = Int(1500 / 500) + 1 = 4, r = 250; the limit is at least 500 / 2 + 120.
        EXPECT_EQ(l.Kette(d), (Liste{250, 500, 500, 500, 250}));
        EXPECT_EQ(l.Anzahl(d), 4);
        EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetVRdIst(), 25);  // 500 mm × 50 kN/m for every dowel
        EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetIstMinAchs(), 500);
        EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetAbstandLinks(), 250);
    }
}

TEST(Dornreihe, bemessungslastBleibtUnveraendert) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.Linienlast(30, 70);
    l.anwendung.cGeometrie.SetFugenlaenge(3000);  // the load still ends at 2000
    const TKBelastung vorher = l.anwendung.cBelastungDesign;
    l.Berechne();
    const TKBelastung& nachher = l.anwendung.cBelastungDesign;
    ASSERT_EQ(nachher.GetAnzLastPunkte(), vorher.GetAnzLastPunkte());
    for (int i = 0; i < vorher.GetAnzLastPunkte(); ++i)
        EXPECT_EQ(nachher.GetbeliebigeLast(i), vorher.GetbeliebigeLast(i));
    EXPECT_DOUBLE_EQ(nachher.GetGesamtLast(), vorher.GetGesamtLast());
}

TEST(Dornreihe, lastUeberDieFugeHinausWirdAbgeschnitten) {
    Lauf erster(TsAnwendungsfall::afReihePlatte);
    TKBelastung& last = erster.anwendung.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    last.ResetbeliebigeLast();
    for (TrFloatPoint p : {TrFloatPoint{0, 10}, TrFloatPoint{1500, 10}, TrFloatPoint{4000, 100}})
        last.AddbeliebigeLast(p);
    Lauf zweiter(TsAnwendungsfall::afReihePlatte);
    zweiter.anwendung.cBelastungDesign = last;
    erster.Berechne();
    // The list ends at the joint length (2000), the last point keeping its value; the total is that of the
    // cut list: 15 + (10 + 100) / 2 × 0.5 = 42.5 kN.
    ASSERT_EQ(last.GetAnzLastPunkte(), 3);
    EXPECT_EQ(last.GetbeliebigeLast(2), (TrFloatPoint{2000, 100}));
    EXPECT_DOUBLE_EQ(last.GetGesamtLast(), 42.5);
    zweiter.Berechne();
    zweiter.Berechne();
    EXPECT_TRUE(GleicheErgebnisse(erster, zweiter));
}

TEST(Dornreihe, lastOhneZweiPunkteIstUnzulaessig) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    TKBelastung& last = l.anwendung.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    last.ResetbeliebigeLast();
    last.AddbeliebigeLast({700, 40});
    l.Berechne();
    for (int i = 0; i < AnzahlDorne; ++i) {
        const auto d = static_cast<TsDorn>(i);
        EXPECT_EQ(l.Ergebnis(d).GetStatus(), 2);
        EXPECT_EQ(l.Ergebnis(d).GetAnzDornAbstand(), 0);
        EXPECT_EQ(l.Anzahl(d), 0);
    }
    EXPECT_EQ(l.anwendung.cErgebnisse.GetAktDorn(), TsDorn::ZAVR20HF);
    EXPECT_EQ(OptimalenDornAnzeigen(l.anwendung, 1, l.umgebung), "Kein gültiger Dorn gefunden");
}

// A row whose second pass is still overloaded keeps the edge distances of that pass's chain; only the
// first pass may restart from the type's edge distance.
TEST(Dornreihe, zweiterDurchgangIstDerLetzte) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.anwendung.SetBewehrungCalc(TsBewehrungCalc::bcOptimal);
    l.anwendung.SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
    l.anwendung.SetBetonguete(TsBetonguete::C35_45);
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F0);
    TKGeometrie& g = l.anwendung.cGeometrie;
    g.SetFugenbreite(TsFugenbreite::fb0bis20);
    g.SetPlatteDicke(160);
    g.SetBetondeckungUnten(35);
    g.SetBetondeckungOben(30);
    g.SetFugenlaenge(9170);
    g.SetDornAbstandCalc(false);
    TKBelastung& last = l.anwendung.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    last.SetbeliebigeLast({{0, 186.5}, {9170, 0}});
    l.Berechne();
    const TKDornErgebnis& e = l.Ergebnis(TsDorn::ZAVR20HF);
    ASSERT_LT(e.GetVRdZul(), e.GetVRdIst());
    const Liste kette = l.Kette(TsDorn::ZAVR20HF);
    EXPECT_NEAR(kette.front(), 65.818, 0.001);
    EXPECT_NEAR(kette.back(), 1033.363, 0.001);
    EXPECT_EQ(e.GetAbstandLinks(), kette.front());
    EXPECT_EQ(e.GetAbstandRechts(), kette.back());
}

// Equalising the diameters downwards works through every rule, each on what the rules before it left,
// down to the smallest diameter of the four.
TEST(Verminderungsschritt1, gleichtDieDurchmesserNacheinanderAn) {
    Lauf l(TsAnwendungsfall::afPaarWand);
    l.anwendung.SetBewehrungCalc(TsBewehrungCalc::bcOptimal);
    l.anwendung.SetBetonguete(TsBetonguete::C35_45);
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F90);
    TKGeometrie& g = l.anwendung.cGeometrie;
    g.SetFugenbreite(TsFugenbreite::fb0bis20);
    g.SetPlatteDicke(430);
    g.SetBetondeckungUnten(35);
    g.SetBetondeckungOben(25);
    g.SetWandDicke(380);
    g.SetFugenlaenge(630);
    g.SetDornPaarAbstandCalc(true);
    l.Linienlast(10.7, 128.9);
    l.Berechne();
    const TsDorn d = TsDorn::ZAVR30HF;
    const TKDornDaten& r = l.Daten(d);
    EXPECT_EQ((std::vector<int>{r.GetPosAd(), r.GetPosB1d(), r.GetPosB2d(), r.GetPosDd()}),
              (std::vector<int>{10, 12, 12, 12}));
    EXPECT_EQ((std::vector<int>{r.GetAnzPosA(), r.GetAnzPosB1(), r.GetAnzPosB2(), r.GetAnzPosD()}),
              (std::vector<int>{0, 2, 2, 4}));
    EXPECT_DOUBLE_EQ(l.Ergebnis(d).GetNutzhoehe(), 383);
    EXPECT_NEAR(l.Ergebnis(d).GetVRdct(), 31.43, 0.005);
    EXPECT_NEAR(l.Ergebnis(d).GetVRdce(), 122.13, 0.005);
}

TEST(Berechnung, zweiterLaufGleichDemErsten) {
    for (TsAnwendungsfall fall : {TsAnwendungsfall::afEinzel, TsAnwendungsfall::afPaarPlatte,
                                  TsAnwendungsfall::afReihePlatte, TsAnwendungsfall::afReiheWand}) {
        Lauf erster(fall);
        erster.Linienlast(40, 90);
        erster.Berechne();
        Lauf zweiter(fall);
        zweiter.Linienlast(40, 90);
        zweiter.Berechne();
        zweiter.Berechne();
        EXPECT_TRUE(GleicheErgebnisse(erster, zweiter)) << "case " << Ord(fall);
    }
}

TEST(Berechnung, ohneErgebnisseRechnetBerechneDornAlles) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    TKZAVRBemessung bemessung(l.anwendung, l.umgebung);
    EXPECT_TRUE(bemessung.BerechneDorn(TsDorn::ZAVR25HF, TsCalc::caManuell));
    EXPECT_TRUE(l.anwendung.cErgebnisse.GetBerechnet());
    Lauf vergleich(TsAnwendungsfall::afReihePlatte);
    vergleich.Berechne();
    EXPECT_TRUE(GleicheErgebnisse(l, vergleich));
}

TEST(Berechnung, manuellBehaeltDieBewehrung) {
    Lauf l(TsAnwendungsfall::afEinzel);
    l.Berechne();
    const TsDorn d = TsDorn::ZAVR60HF;
    l.Daten(d).SetPosB2d(25);
    l.Daten(d).SetAnzPosB2(4);
    const TKDornDaten gewaehlt = l.Daten(d);
    TKZAVRBemessung bemessung(l.anwendung, l.umgebung);
    bemessung.BerechneDorn(d, TsCalc::caManuell);
    EXPECT_EQ(l.Daten(d), gewaehlt);
    // min(c_o, c_u) = 30: Ø25 is allowed; now make the bottom cover too small for it.
    l.anwendung.cErgebnisse.cGeometrie.SetBetondeckungUnten(25);
    bemessung.BerechneDorn(d, TsCalc::caManuell);
    EXPECT_EQ(l.Ergebnis(d).GetStatus(), 8);
    l.anwendung.cErgebnisse.cGeometrie.SetPlatteDicke(200);
    EXPECT_FALSE(bemessung.BerechneDorn(d, TsCalc::caManuell));
}

// The increase loop ends at the first state from which it stops: one where V_Ed no longer exceeds V_Rd,ct,
// one whose V_Rd,ct already reaches min(V_Rd,ce, V_Rd,s) (the step taken from it is undone), or one from
// which no further step is possible.
TEST(Verstaerkungsschleife, endetBeimErstenZustandDerAnhaelt) {
    Lauf l(TsAnwendungsfall::afEinzel);
    l.anwendung.cGeometrie.SetPlatteDicke(300);
    l.Berechne();
    const TsDorn d = TsDorn::ZAVR120HF;
    l.anwendung.cErgebnisse.ResetAktDorn(d);  // back to the catalogue reinforcement
    l.Ergebnis(d).SetVRdIst(500);

    Zustand z(l, d);
    const double vEd = 500;
    ASSERT_LT(z.Vct(), std::min(z.Vs(), z.Vce()));
    std::vector<TKDornDaten> weg{z.daten};
    for (int i = 0; i < 100; ++i) {
        const bool haelt = vEd <= z.Vct() || z.Vct() >= std::min(z.Vce(), z.Vs());
        Zustand naechster(z);
        if (haelt || !ErhoeheBewehrung(naechster.Kontext())) break;
        z = naechster;
        weg.push_back(z.daten);
    }
    ASSERT_GE(weg.size(), 3u);  // a walk of several steps, so a misplaced snapshot shows

    TKZAVRBemessung(l.anwendung, l.umgebung).BerechneDorn(d, TsCalc::caAuto);
    EXPECT_EQ(l.Daten(d), weg.back());
}

// Each reduction loop keeps its steps while the design shear stays below min(V_Rd,ct, V_Rd,ce) and ends at
// the last state for which it still does; the next loop starts there.
TEST(Verminderungsschleifen, jedeEndetBeimLetztenAusreichendenZustand) {
    Lauf l(TsAnwendungsfall::afEinzel);
    l.anwendung.cGeometrie.SetPlatteDicke(340);
    l.Berechne();
    const TsDorn d = TsDorn::ZAVR60HF;
    l.anwendung.cErgebnisse.ResetAktDorn(d);
    const double vEd = 30;
    l.Ergebnis(d).SetVRdIst(vEd);

    Zustand z(l, d);
    auto reicht = [vEd](Zustand& s) { return vEd < std::min(s.Vct(), s.Vce()); };
    ASSERT_TRUE(reicht(z));
    int schritte = 0;
    for (bool (*schritt)(const Dornkontext&) :
         {ReduziereBewehrung1, ReduziereBewehrung2, ReduziereBewehrung3}) {
        for (int i = 0; i < 100; ++i) {
            Zustand naechster(z);
            if (!schritt(naechster.Kontext()) || !reicht(naechster)) break;
            z = naechster;
            ++schritte;
        }
    }
    ASSERT_GE(schritte, 3);

    TKZAVRBemessung(l.anwendung, l.umgebung).BerechneDorn(d, TsCalc::caAuto);
    EXPECT_EQ(l.Daten(d), z.daten);
}

TEST(Wirtschaftlichkeit, fruehesEndeUndGleichstandZumSpaeteren) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F0);
    TKErgebnisse& erg = l.anwendung.cErgebnisse;
    auto setze = [&](TsDorn d, int status, int anzahl, double eta = 0.5) {
        l.Ergebnis(d).SetStatus(static_cast<std::uint16_t>(status));
        l.Ergebnis(d).SetEtaQ(eta);
        erg.SetAnzDorn(d, static_cast<std::uint16_t>(anzahl));
    };
    for (int i = 0; i < AnzahlDorne; ++i) setze(static_cast<TsDorn>(i), 1, 1);
    setze(TsDorn::ZAVR20HF, 2, 1, 1.5);  // overloaded beyond 1: passed over, no early stop
    setze(TsDorn::ZAVR25HF, 0, 4);       // 4 × 96.45 = 385.8
    setze(TsDorn::ZAVR30HF, 0, 3);       // 3 × 117 = 351
    setze(TsDorn::ZAVR45HF, 1, 1);       // inadmissible: the search stops here
    setze(TsDorn::ZAVR60HF, 0, 1);       // cheaper, but never reached
    EXPECT_EQ(WirtschaftlichsterDorn(l.anwendung), TsDorn::ZAVR30HF);
    EXPECT_EQ(OptimalenDornAnzeigen(l.anwendung, 1, l.umgebung), "ZAVR 60 HF");  // no early stop here

    // 75.4 × 1 = 75.4 against 75.4: the later type wins a tie.
    setze(TsDorn::ZAVR20HF, 0, 1);
    setze(TsDorn::ZAVR25HF, 1, 1, 1.2);
    setze(TsDorn::ZAVR30HF, 1, 1, 1.2);
    setze(TsDorn::ZAVR45HF, 1, 1, 1.2);
    setze(TsDorn::ZAVR60HF, 1, 1, 1.2);
    setze(TsDorn::ZAVR90HF, 1, 1, 1.2);
    setze(TsDorn::ZAVR120HF, 1, 1, 1.2);
    setze(TsDorn::ZAVR130, 1, 1, 1.2);
    setze(TsDorn::ZAVR150, 1, 1, 1.2);
    setze(TsDorn::ZAVR400, 1, 1, 1.2);
    setze(TsDorn::ZAVR450, 1, 1, 1.2);
    erg.SetAnzDorn(TsDorn::ZAVRQ25HF, 1);
    setze(TsDorn::ZAVRQ25HF, 0, 1);  // 128.65: dearer
    EXPECT_EQ(WirtschaftlichsterDorn(l.anwendung), TsDorn::ZAVR20HF);
    EXPECT_EQ(OptimalenDornAnzeigen(l.anwendung, 2, l.umgebung), "ZAVRQ 25 HF");
}

TEST(Wirtschaftlichkeit, gleicheKostenSpaetererTypUndManschetten) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F0);
    TKErgebnisse& erg = l.anwendung.cErgebnisse;
    for (int i = 0; i < AnzahlDorne; ++i) l.Ergebnis(static_cast<TsDorn>(i)).SetStatus(1);
    // No two catalogue prices give equal totals for sensible counts; zero dowels cost nothing for any type.
    for (TsDorn d : {TsDorn::ZAVR20HF, TsDorn::ZAVR25HF}) {
        l.Ergebnis(d).SetStatus(0);
        erg.SetAnzDorn(d, 0);
    }
    EXPECT_EQ(WirtschaftlichsterDorn(l.anwendung), TsDorn::ZAVR25HF);
    EXPECT_EQ(GuenstigsterDorn(l.anwendung, TsDornFamilie::ZAVR), TsDorn::ZAVR25HF);
    erg.SetAnzDorn(TsDorn::ZAVR25HF, 2);
    EXPECT_DOUBLE_EQ(Kosten(l.anwendung, TsDorn::ZAVR25HF), 2 * 96.45);
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F90);
    EXPECT_DOUBLE_EQ(Kosten(l.anwendung, TsDorn::ZAVR25HF), 2 * 96.45 + 2 * 7.0);
}

TEST(Wirtschaftlichkeit, ohneZulaessigenTypZavr20) {
    Lauf l(TsAnwendungsfall::afEinzel);
    l.anwendung.cBelastungDesign.SetPunktLast(5000);
    l.Berechne();
    EXPECT_EQ(l.anwendung.cErgebnisse.GetAktDorn(), TsDorn::ZAVR20HF);
    EXPECT_EQ(OptimalenDornAnzeigen(l.anwendung, 1, l.umgebung), "Kein gültiger Dorn gefunden");
    EXPECT_EQ(OptimalenDornAnzeigen(l.anwendung, 0, l.umgebung), "Kein gültiger Dorn gefunden");
}

TEST(OptimalenDorn, rechnetZuerstWennNochNichtBerechnet) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.Linienlast(50, 50);
    const std::string zavr = OptimalenDornAnzeigen(l.anwendung, 1, l.umgebung);
    EXPECT_TRUE(l.anwendung.cErgebnisse.GetBerechnet());
    const auto gewaehlt = GuenstigsterDorn(l.anwendung, TsDornFamilie::ZAVR);
    ASSERT_TRUE(gewaehlt.has_value());
    EXPECT_EQ(zavr, DornName(*gewaehlt));
}

TEST(Manschette, bezeichnungDesAktuellenTyps) {
    Lauf l(TsAnwendungsfall::afReihePlatte);
    l.anwendung.cErgebnisse.cGeometrie.SetFugenbreite(TsFugenbreite::fb30bis40);
    l.anwendung.cErgebnisse.SetAktDorn(TsDorn::ZAVRQ60HF);
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F90);
    EXPECT_EQ(l.anwendung.GetManschette(), "ZAVRQ 60 HF-PRYL-40");
    l.anwendung.cErgebnisse.cGeometrie.SetFugenbreite(TsFugenbreite::fb20bis30);
    l.anwendung.cErgebnisse.SetAktDorn(TsDorn::ZAVR120HF);
    EXPECT_EQ(l.anwendung.GetManschette(), "ZAVR 120 HF-PRYL-20");
    l.anwendung.SetFeuerwiderstand(TsFeuerwiderstand::F0);
    EXPECT_EQ(l.anwendung.GetManschette(), "");
}
