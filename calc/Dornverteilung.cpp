#include "calc/Dornverteilung.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/Ganzzahl.h"
#include "calc/Lastgeometrie.h"
#include "calc/TKTmpDornAufteilung.h"

namespace {

std::vector<TrFloatPoint> Skaliert(const std::vector<TrFloatPoint>& punkte, double kF) {
    std::vector<TrFloatPoint> skaliert;
    skaliert.reserve(punkte.size());
    for (const TrFloatPoint& p : punkte) skaliert.push_back({p.x, kF * p.y});
    return skaliert;
}

std::vector<TrFloatPoint> Lastpunkte(const TKBelastung& last) {
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i) punkte.push_back(last.GetbeliebigeLast(i));
    return punkte;
}

// Largest load of one dowel when the dowels at r, r + a, … take the load of their tributary lengths
// (a/2 + r for the two outer dowels, a for the others).
double HoechsteDornlast(const std::vector<TrFloatPoint>& punkte, double a, double r, long long n) {
    long long dorn = 0;
    double grenze = a / 2 + r;
    double last = 0;
    double hoechste = 0;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        TrFloatPoint p = punkte[i];
        const TrFloatPoint q = punkte[i + 1];
        while (dorn < n - 1 && q.x > grenze) {
            const TrFloatPoint schnitt = Interpoliere(p, q, grenze);
            last += Flaeche(p, schnitt);
            hoechste = std::max(hoechste, last);
            last = 0;
            ++dorn;
            grenze += a;
            p = schnitt;
        }
        last += Flaeche(p, q);
    }
    return std::max(hoechste, last);
}

// State of the automatic distribution shared by both passes and all repetitions.
struct Lauf {
    double g;          // load per dowel
    double m5;         // 5 × slab thickness
    bool gleicheLast;  // da5dmin_redF: spacings of 5 h and more are not acceptable
    bool ok;
    double kleinster;  // smallest spacing seen so far (C)
};

void PruefeAbstand(Lauf& lauf, TKTmpDornAufteilung& aufteilung, int liste, double delta) {
    if (lauf.ok) lauf.ok = !(lauf.gleicheLast && std::abs(delta) >= lauf.m5);
    if (aufteilung.GetDist(liste).size() >= 2) lauf.kleinster = std::min(lauf.kleinster, delta);
    aufteilung.AddDist(liste, delta);
}

// One pass from the start of the point list: each dowel at the centroid of the next share g of the load.
// False when the pass would place more dowels than any joint can hold, or a value is not finite.
bool Durchgang(const std::vector<TrFloatPoint>& punkte, Lauf& lauf, TKTmpDornAufteilung& aufteilung,
               int liste) {
    long long dorne = 0;
    double c = 0;
    double e = 0;
    double f = 0;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        TrFloatPoint p = punkte[i];
        const TrFloatPoint q = punkte[i + 1];
        TrFloatPoint r = FlaechenPunkt(p, q, lauf.g - c);
        while (r.x <= q.x) {
            const double position = Schwerpunkt(p, r, c, e);
            PruefeAbstand(lauf, aufteilung, liste, position - f);
            if (++dorne > MaxDorne) return false;
            f = position;
            c = 0;
            e = 0;
            p = r;
            r = FlaechenPunkt(p, q, lauf.g);
        }
        e = Schwerpunkt(p, q, c, e);
        c += Flaeche(p, q);
    }
    PruefeAbstand(lauf, aufteilung, liste, e - f);
    aufteilung.AddDist(liste, punkte.back().x - e);
    const std::vector<double>& werte = aufteilung.GetDist(liste);
    return std::all_of(werte.begin(), werte.end(), [](double w) { return std::isfinite(w); });
}

}  // namespace

long long Startanzahl(double kF, double gesamtLast, double widerstand) {
    if (!(widerstand > 0)) return 1;
    const double quotient = kF * gesamtLast / widerstand + 0.4999;
    if (!std::isfinite(quotient) || quotient > MaxDorne) return 0;
    return std::max(1LL, static_cast<long long>(std::nearbyint(quotient)));
}

bool VerteileKonstant(TKAnwendung& anwendung, TsDorn dorn, double kF) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    TKDornErgebnis& ergebnis = ergebnisse.cDornErgebnis[Ord(dorn)];
    const TKDornDaten& daten = ergebnisse.cDornDaten[Ord(dorn)];
    const double fugenlaenge = ergebnisse.cGeometrie.GetFugenlaenge();
    const double a = ergebnisse.cGeometrie.GetkonstDornAbstand();
    if (!(a > 0) || !((fugenlaenge - a) / a < MaxDorne)) return false;

    TKTmpDornAufteilung aufteilung;
    long long n = std::max(1LL, Ganzzahl((fugenlaenge - a) / a) + 1);
    double r = (fugenlaenge - a * static_cast<double>(n - 1)) / 2;
    const double d = ergebnis.GetNutzhoehe();
    const double bE = daten.GetEinflussBereich();
    const double grenze = a > 3 * d + bE ? (a + 3 * d + bE) / 2 : a / 2 + ergebnis.GetZulMinRand();
    if (r > grenze) {
        n = n + 1;
        r = (fugenlaenge - a * static_cast<double>(n - 1)) / 2;
    }
    for (int liste = 0; liste < 2; ++liste) {
        aufteilung.AddDist(liste, r);
        for (long long i = 0; i < n - 1; ++i) aufteilung.AddDist(liste, a);
        aufteilung.AddDist(liste, r);
    }
    const double hoechste = HoechsteDornlast(Skaliert(Lastpunkte(anwendung.cBelastungDesign), kF), a, r, n);
    if (!std::isfinite(hoechste) || !aufteilung.SetDornAbstand(ergebnisse, dorn, fugenlaenge)) return false;
    ergebnis.SetVRdIst(hoechste);
    return true;
}

bool VerteileAutomatisch(TKAnwendung& anwendung, TsDorn dorn, double kF, Umgebung& umgebung) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    TKDornErgebnis& ergebnis = ergebnisse.cDornErgebnis[Ord(dorn)];
    const TKDornDaten& daten = ergebnisse.cDornDaten[Ord(dorn)];
    const TKBelastung& last = anwendung.cBelastungDesign;
    const double fugenlaenge = ergebnisse.cGeometrie.GetFugenlaenge();
    const double m5 = 5 * ergebnisse.cGeometrie.GetPlatteDicke();
    const TsMaxDornabstand regel = anwendung.GetMaxDornabstand();
    TKTmpDornAufteilung aufteilung =
        regel == TsMaxDornabstand::da5dmin_redda ? TKTmpDornAufteilung(m5) : TKTmpDornAufteilung();
    const std::vector<TrFloatPoint> links = Skaliert(Lastpunkte(last), kF);

    Lauf lauf{0, m5, regel == TsMaxDornabstand::da5dmin_redF, true, fugenlaenge};
    long long n = Startanzahl(kF, last.GetGesamtLast(), ergebnis.GetVRdIst());
    if (n < 1) return false;
    do {
        if (n > MaxDorne) return false;
        lauf.g = kF * last.GetGesamtLast() / static_cast<double>(n) + 0.001;
        ergebnis.SetVRdIst(lauf.g);
        lauf.ok = true;
        if (last.GetAnzLastPunkte() >= 2) {
            aufteilung.ResetDist(0);
            aufteilung.ResetDist(1);
            aufteilung.SetTmpLast(last, fugenlaenge, umgebung);
            if (!Durchgang(links, lauf, aufteilung, 0)) return false;
            if (!Durchgang(Skaliert(aufteilung.GetTmpLast(), kF), lauf, aufteilung, 1)) return false;
        }
        n = n + 1;
    } while (!(lauf.ok || lauf.kleinster < daten.GetMinAchsabstand()));
    return std::isfinite(lauf.g) && aufteilung.SetDornAbstand(ergebnisse, dorn, fugenlaenge);
}
