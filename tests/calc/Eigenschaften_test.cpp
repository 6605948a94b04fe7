#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/TKZAVRBemessung.h"
#include "model/Umgebung.h"

// The design run on thousands of random positions within the limits the input window enforces, every
// application case, load case and option. Whatever the numbers, these must hold.

namespace {

class Zufall {
public:
    explicit Zufall(unsigned saat) : gen(saat) {}
    double Zahl(double von, double bis) { return std::uniform_real_distribution<double>(von, bis)(gen); }
    int Ganz(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(gen); }
    bool Ja(double anteil = 0.5) { return Zahl(0, 1) < anteil; }
    template <typename E>
    E Wert() {
        return static_cast<E>(Ganz(0, AnzahlWerte<E>() - 1));
    }

private:
    std::mt19937 gen;
};

void Geometrie(TKGeometrie& g, Zufall& z) {
    g.SetFugenbreite(z.Wert<TsFugenbreite>());
    const double h = std::round(z.Ja(0.7) ? z.Zahl(160, 400) : z.Zahl(160, 900));
    g.SetPlatteDicke(h);
    g.SetBetondeckungOben(std::round(z.Zahl(25, 50)));
    g.SetBetondeckungUnten(std::round(z.Zahl(25, std::min(60.0, h - g.GetBetondeckungOben()))));
    g.SetWandDicke(std::round(z.Zahl(150, 600)));
    const double l = std::round(z.Ja(0.6) ? z.Zahl(480, 6000) : z.Zahl(480, 30000));
    g.SetFugenlaenge(l);
    g.SetRandLinks(z.Ja());
    g.SetRandRechts(z.Ja());
    g.SetBauteilRandLinks(std::round(z.Zahl(120, 1500)));
    g.SetBauteilRandRechts(std::round(z.Zahl(120, 1500)));
    g.SetDornPaarAbstandCalc(z.Ja());
    g.SetDornPaarAbstand(std::round(z.Zahl(320, l - 1)));
    g.SetDornAbstandCalc(z.Ja(0.3));
    g.SetkonstDornAbstand(std::round(z.Zahl(320, 3000)));
}

void Last(TKBelastung& last, double fugenlaenge, Zufall& z) {
    last.SetLastverteilung(z.Ja() ? 0 : z.Zahl(0, 3));
    last.SetPunktLast(z.Zahl(1, 400));
    last.ResetbeliebigeLast();
    const auto fall = z.Wert<TsBelastungsfall>();
    last.SetBelastungsfall(fall);
    if (fall == TsBelastungsfall::bfbeliebigeLast) {
        const int n = z.Ganz(2, 8);
        for (int i = 0; i < n; ++i)
            last.AddbeliebigeLast({std::round(z.Zahl(0, fugenlaenge)), z.Zahl(0, 150)});
        last.AddbeliebigeLast({std::round(z.Zahl(0, fugenlaenge)), z.Zahl(5, 150)});  // some load for sure
        return;
    }
    const double links = z.Zahl(1, 150);
    const double rechts = fall == TsBelastungsfall::bfKonstanteLast ? links : z.Zahl(0, 150);
    last.AddbeliebigeLast({0, links});
    last.AddbeliebigeLast({fugenlaenge, rechts});
}

void Position(TKAnwendung& a, Zufall& z) {
    a.SetAnwendungsfall(z.Wert<TsAnwendungsfall>());
    a.SetBewehrungCalc(z.Wert<TsBewehrungCalc>());
    a.SetMaxDornabstand(z.Wert<TsMaxDornabstand>());
    a.SetBetonguete(z.Wert<TsBetonguete>());
    a.SetFeuerwiderstand(z.Wert<TsFeuerwiderstand>());
    Geometrie(a.cGeometrie, z);
    Last(a.cBelastungDesign, a.cGeometrie.GetFugenlaenge(), z);
}

void PruefeInvarianten(TKAnwendung& a, const std::string& fall) {
    const TKErgebnisse& erg = a.cErgebnisse;
    bool zulaessigVorhanden = false;
    for (int i = 0; i < AnzahlDorne; ++i) {
        SCOPED_TRACE(fall + " type " + std::to_string(i));
        const TKDornErgebnis& e = erg.cDornErgebnis[i];
        const auto dorn = static_cast<TsDorn>(i);
        ASSERT_LE(e.GetStatus(), 9);
        for (double w :
             {e.GetVRds(), e.GetVRdce(), e.GetVRdct(), e.GetVRdZul(), e.GetVRdIst(), e.GetEtaQ(),
              e.GetNutzhoehe(), e.GetAsx(), e.GetAsy(), e.GetRhol(), e.Getbx(), e.Getby(), e.Getui(),
              e.GetAbstandLinks(), e.GetAbstandRechts(), e.GetIstMinAchs(), e.GetDornPaarAbstand()})
            ASSERT_TRUE(std::isfinite(w));
        ASSERT_EQ(e.GetVRdZul(), std::min({e.GetVRds(), e.GetVRdce(), e.GetVRdct()}));
        const int n = erg.GetAnzDorn(dorn);
        const int eintraege = e.GetAnzDornAbstand();
        if (IstReihe(a.GetAnwendungsfall())) {
            if (eintraege == 0) {
                ASSERT_EQ(e.GetStatus(), 2);  // no arrangement: inadmissible
                continue;
            }
            ASSERT_EQ(n, eintraege - 1);
            ASSERT_EQ(e.GetAbstandLinks(), e.GetDornAbstand(0));
            ASSERT_EQ(e.GetAbstandRechts(), e.GetDornAbstand(n));
        } else if (IstPaar(a.GetAnwendungsfall())) {
            ASSERT_EQ(n, 2);
            ASSERT_EQ(eintraege, 3);
        } else {
            ASSERT_EQ(n, 1);
            ASSERT_EQ(eintraege, 2);
        }
        for (int k = 0; k < eintraege; ++k) {
            ASSERT_TRUE(std::isfinite(e.GetDornAbstand(k)));
            ASSERT_GT(e.GetDornAbstand(k), 0) << "entry " << k;
        }
        if (e.GetStatus() == 0 && e.GetEtaQ() <= 1) zulaessigVorhanden = true;
    }
    if (zulaessigVorhanden) {
        EXPECT_EQ(erg.cDornErgebnis[Ord(erg.GetAktDorn())].GetStatus(), 0) << fall;
    }
}

}  // namespace

TEST(Zufallspositionen, invariantenDerBemessung) {
    constexpr int Anzahl = 3000;
    Zufall z(20261209);
    int zulaessige = 0;
    for (int p = 0; p < Anzahl; ++p) {
        StandardUmgebung u;
        TKAnwendung a(u);
        Position(a, z);
        BerechneErgebnis(a, u);
        const std::string fall = "position " + std::to_string(p);
        PruefeInvarianten(a, fall);
        if (HasFatalFailure()) return;
        zulaessige += a.cErgebnisse.cDornErgebnis[Ord(a.cErgebnisse.GetAktDorn())].GetStatus() == 0;
        if (p % 25 == 0) {
            // A second run on the same position gives the same results, whatever the first one adapted.
            TKAnwendung wieder(a);
            BerechneErgebnis(wieder, u);
            for (int i = 0; i < AnzahlDorne; ++i) {
                const TKDornErgebnis& x = a.cErgebnisse.cDornErgebnis[i];
                const TKDornErgebnis& y = wieder.cErgebnisse.cDornErgebnis[i];
                ASSERT_EQ(x.GetStatus(), y.GetStatus()) << fall;
                ASSERT_EQ(x.GetVRdZul(), y.GetVRdZul()) << fall;
                ASSERT_EQ(x.GetVRdIst(), y.GetVRdIst()) << fall;
                ASSERT_EQ(x.GetAnzDornAbstand(), y.GetAnzDornAbstand()) << fall;
                ASSERT_TRUE(a.cErgebnisse.cDornDaten[i] == wieder.cErgebnisse.cDornDaten[i]) << fall;
            }
        }
    }
    // The generator must produce designable positions as well, or the invariants would hold trivially.
    EXPECT_GT(zulaessige, Anzahl / 5);
}

namespace {
struct Extrem {
    std::string name;
    void (*aendere)(TKAnwendung&);
};

void Punkte(TKAnwendung& a, std::initializer_list<TrFloatPoint> punkte) {
    TKBelastung& last = a.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    last.ResetbeliebigeLast();
    for (const TrFloatPoint& p : punkte) last.AddbeliebigeLast(p);
}
}  // namespace

// Inputs far outside what the input window accepts (damaged files, future callers): the run must end,
// report only statuses 0 to 9 and store no value that is not finite.
TEST(Grenzfaelle, endlichUndOhneHaenger) {
    const std::vector<Extrem> faelle{
        {"keine Last",
         [](TKAnwendung& a) {
             Punkte(a, {{0, 0}, {2000, 0}});
         }},
        {"riesige Last",
         [](TKAnwendung& a) {
             a.cGeometrie.SetFugenlaenge(30000);
             Punkte(a, {{0, 1e6}, {30000, 1e6}});
         }},
        {"riesige Last, 5 h mit gleicher Last",
         [](TKAnwendung& a) {
             a.SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
             Punkte(a, {{0, 2e4}, {2000, 2e4}});
         }},
        {"Sprung an einer Stelle",
         [](TKAnwendung& a) {
             Punkte(a, {{1000, 0}, {1000, 80}, {1000, 0}});
         }},
        {"alle Punkte an einer Stelle",
         [](TKAnwendung& a) {
             Punkte(a, {{700, 50}, {700, 50}});
         }},
        {"Punkte jenseits der Fuge",
         [](TKAnwendung& a) {
             Punkte(a, {{0, 40}, {1500, 10}, {5000, 90}});
         }},
        {"ein Lastpunkt",
         [](TKAnwendung& a) {
             Punkte(a, {{300, 40}});
         }},
        {"kein Lastpunkt", [](TKAnwendung& a) { a.cBelastungDesign.ResetbeliebigeLast(); }},
        {"unbelastete Lücke mit 5 h",
         [](TKAnwendung& a) {
             a.SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
             a.cGeometrie.SetFugenlaenge(20000);
             Punkte(a, {{0, 0}, {19000, 0}, {19000, 80}, {20000, 80}});
         }},
        {"Nutzhöhe negativ",
         [](TKAnwendung& a) {
             a.cGeometrie.SetPlatteDicke(60);
             a.cGeometrie.SetBetondeckungUnten(40);
         }},
        {"Dicke null", [](TKAnwendung& a) { a.cGeometrie.SetPlatteDicke(0); }},
        {"Fugenlänge null", [](TKAnwendung& a) { a.cGeometrie.SetFugenlaenge(0); }},
        {"konstanter Abstand null",
         [](TKAnwendung& a) {
             a.cGeometrie.SetDornAbstandCalc(true);
             a.cGeometrie.SetkonstDornAbstand(0);
         }},
        {"konstanter Abstand winzig",
         [](TKAnwendung& a) {
             a.cGeometrie.SetDornAbstandCalc(true);
             a.cGeometrie.SetkonstDornAbstand(0.001);
         }},
        {"konstanter Abstand größer als die Fuge",
         [](TKAnwendung& a) {
             a.cGeometrie.SetDornAbstandCalc(true);
             a.cGeometrie.SetkonstDornAbstand(5000);
         }},
        {"negativer Lastanteil", [](TKAnwendung& a) { a.cBelastungDesign.SetLastverteilung(-1); }},
        {"negative Last",
         [](TKAnwendung& a) {
             Punkte(a, {{0, -50}, {1000, 30}, {2000, -10}});
         }},
    };
    for (TsAnwendungsfall fall :
         {TsAnwendungsfall::afReihePlatte, TsAnwendungsfall::afPaarPlatte, TsAnwendungsfall::afEinzel}) {
        for (TsMaxDornabstand regel : {TsMaxDornabstand::daOhne, TsMaxDornabstand::da5dmin_redda}) {
            for (const Extrem& f : faelle) {
                StandardUmgebung u;
                TKAnwendung a(u);
                a.SetAnwendungsfall(fall);
                a.SetMaxDornabstand(regel);
                f.aendere(a);
                BerechneErgebnis(a, u);
                for (int i = 0; i < AnzahlDorne; ++i) {
                    SCOPED_TRACE(f.name + ", case " + std::to_string(Ord(fall)) + ", type " +
                                 std::to_string(i));
                    const TKDornErgebnis& e = a.cErgebnisse.cDornErgebnis[i];
                    EXPECT_LE(e.GetStatus(), 9);
                    for (double w : {e.GetVRds(), e.GetVRdce(), e.GetVRdct(), e.GetVRdZul(), e.GetVRdIst(),
                                     e.GetEtaQ(), e.GetRhol(), e.Getui(), e.GetIstMinAchs()})
                        EXPECT_TRUE(std::isfinite(w));
                    for (int k = 0; k < e.GetAnzDornAbstand(); ++k)
                        EXPECT_TRUE(std::isfinite(e.GetDornAbstand(k)));
                }
            }
        }
    }
}
