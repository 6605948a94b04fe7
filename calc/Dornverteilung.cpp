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
    punkte.reserve(static_cast<std::size_t>(std::max(last.GetAnzLastPunkte(), 0)));
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

// One pass from the start of the point list: each dowel at the centroid of the next share g of the load.
Verteilungsdurchgang Durchgang(const std::vector<TrFloatPoint>& punkte, double g, double m5,
                               bool gleicheLast) {
    Verteilungsdurchgang d;
    const auto fuegeAn = [&](double delta) {
        if (d.eingehalten) d.eingehalten = !(gleicheLast && std::abs(delta) >= m5);
        if (d.abstaende.size() >= 2) d.kleinster = std::min(d.kleinster, delta);
        d.abstaende.push_back(delta);
    };
    long long dorne = 0;
    double c = 0;
    double e = 0;
    double f = 0;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        TrFloatPoint p = punkte[i];
        const TrFloatPoint q = punkte[i + 1];
        TrFloatPoint r = FlaechenPunkt(p, q, g - c);
        while (r.x <= q.x) {
            const double position = Schwerpunkt(p, r, c, e);
            fuegeAn(position - f);
            if (++dorne > MaxDorne) {
                d.gueltig = false;
                return d;
            }
            f = position;
            c = 0;
            e = 0;
            p = r;
            r = FlaechenPunkt(p, q, g);
        }
        e = Schwerpunkt(p, q, c, e);
        c += Flaeche(p, q);
    }
    fuegeAn(e - f);
    d.abstaende.push_back(punkte.back().x - e);
    d.gueltig =
        std::all_of(d.abstaende.begin(), d.abstaende.end(), [](double w) { return std::isfinite(w); });
    return d;
}

// Takes a pass into the distribution: its entries into list `liste`, its checks into the run's state.
bool Uebernimm(const Verteilungsdurchgang& d, TKTmpDornAufteilung& aufteilung, int liste, bool& ok,
               double& kleinster) {
    if (!d.gueltig) return false;
    for (double w : d.abstaende) aufteilung.AddDist(liste, w);
    ok = ok && d.eingehalten;
    kleinster = std::min(kleinster, d.kleinster);
    return true;
}

}  // namespace

Verteilungslast::Verteilungslast(const TKBelastung& last, double fugenlaenge, double kF, Umgebung& umgebung)
    : seiten{Skaliert(Lastpunkte(last), kF), {}}, faktor(kF), gesamtLast(last.GetGesamtLast()) {
    // Mirroring once also reports a point beyond the joint once, not once per type and repetition.
    if (last.GetAnzLastPunkte() < 2) return;
    aufteilung.SetTmpLast(last, fugenlaenge, umgebung);
    seiten[1] = Skaliert(aufteilung.GetTmpLast(), kF);
}

const Verteilungsdurchgang& Verteilungslast::Durchgang(int seite, double g, double m5, bool gleicheLast) {
    if (m5 != m5_ || gleicheLast != gleicheLast_) {
        for (auto& d : durchgaenge) d.clear();
        m5_ = m5;
        gleicheLast_ = gleicheLast;
    }
    auto& bekannt = durchgaenge[seite];
    auto gefunden = bekannt.find(g);
    if (gefunden == bekannt.end())
        gefunden = bekannt.emplace(g, ::Durchgang(seiten[seite], g, m5, gleicheLast)).first;
    return gefunden->second;
}

long long Startanzahl(double kF, double gesamtLast, double widerstand) {
    if (!(widerstand > 0)) return 1;
    const double quotient = kF * gesamtLast / widerstand + 0.4999;
    if (!std::isfinite(quotient) || quotient > MaxDorne) return 0;
    return std::max(1LL, static_cast<long long>(std::nearbyint(quotient)));
}

bool VerteileKonstant(TKAnwendung& anwendung, TsDorn dorn, Verteilungslast& last) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    TKDornErgebnis& ergebnis = ergebnisse.cDornErgebnis[Ord(dorn)];
    const TKDornDaten& daten = ergebnisse.cDornDaten[Ord(dorn)];
    const double fugenlaenge = ergebnisse.cGeometrie.GetFugenlaenge();
    const double a = ergebnisse.cGeometrie.GetkonstDornAbstand();
    if (!(a > 0) || !((fugenlaenge - a) / a < MaxDorne)) return false;

    TKTmpDornAufteilung& aufteilung = last.Aufteilung();
    aufteilung.NeuOhneMaxAbstand();
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
    const double hoechste = HoechsteDornlast(last.Links(), a, r, n);
    if (!std::isfinite(hoechste) || !aufteilung.SetDornAbstand(ergebnisse, dorn, fugenlaenge)) return false;
    ergebnis.SetVRdIst(hoechste);
    return true;
}

bool VerteileAutomatisch(TKAnwendung& anwendung, TsDorn dorn, Verteilungslast& last) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    TKDornErgebnis& ergebnis = ergebnisse.cDornErgebnis[Ord(dorn)];
    const TKDornDaten& daten = ergebnisse.cDornDaten[Ord(dorn)];
    const double fugenlaenge = ergebnisse.cGeometrie.GetFugenlaenge();
    const double m5 = 5 * ergebnisse.cGeometrie.GetPlatteDicke();
    const TsMaxDornabstand regel = anwendung.GetMaxDornabstand();
    const bool gleicheLast = regel == TsMaxDornabstand::da5dmin_redF;
    TKTmpDornAufteilung& aufteilung = last.Aufteilung();
    if (regel == TsMaxDornabstand::da5dmin_redda)
        aufteilung.Neu(m5);
    else
        aufteilung.NeuOhneMaxAbstand();
    const double kF = last.kF();

    double g = 0;
    bool ok = true;
    double kleinster = fugenlaenge;  // smallest spacing seen in all repetitions
    long long n = Startanzahl(kF, last.GesamtLast(), ergebnis.GetVRdIst());
    if (n < 1) return false;
    do {
        if (n > MaxDorne) return false;
        g = kF * last.GesamtLast() / static_cast<double>(n) + 0.001;
        ergebnis.SetVRdIst(g);
        ok = true;
        if (last.MitLast()) {
            aufteilung.ResetDist(0);
            aufteilung.ResetDist(1);
            if (!Uebernimm(last.Durchgang(0, g, m5, gleicheLast), aufteilung, 0, ok, kleinster) ||
                !Uebernimm(last.Durchgang(1, g, m5, gleicheLast), aufteilung, 1, ok, kleinster))
                return false;
        }
        n = n + 1;
    } while (!(ok || kleinster < daten.GetMinAchsabstand()));
    return std::isfinite(g) && aufteilung.SetDornAbstand(ergebnisse, dorn, fugenlaenge);
}
