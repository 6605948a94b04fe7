#include "calc/Widerstaende.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "calc/Stabwahl.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"

namespace {

constexpr double GammaC = 1.5;
constexpr double Fyk = 500;
constexpr double GammaS = 1.15;
constexpr double Eta1 = 1.0;
constexpr double SigmaCd = 0;
constexpr double Beta = 1.4;
constexpr double Theta = 0.5759586531581287604;  // slope of the concrete failure cone, 33°
constexpr double Pi = std::numbers::pi;

struct Betonwerte {
    double fck;
    double fbd;
};
constexpr std::array<Betonwerte, 14> Beton{{
    {20, 2.3},
    {25, 2.7},
    {30, 3.0},
    {35, 3.4},
    {40, 3.7},
    {45, 4.0},
    {50, 4.3},  // C20/25 … C50/60
    {25, 2.7},
    {30, 3.0},
    {37, 3.4},
    {45, 3.7},
    {50, 4.3},
    {55, 4.4},
    {60, 4.5},  // PB25 … PB60
}};

// Bars perpendicular to the joint inside b_y: the first D pair always, then further D pairs and the A
// pairs as long as they stay inside the width.
double FlaecheQuer(const TKDornDaten& daten, double by) {
    double summe = daten.GetEinflussBereich();
    int anzahlD = 2;
    for (double abstand : daten.GetDistPosD()) {
        summe += 2 * abstand;
        if (summe > by) break;
        anzahlD += 2;
    }
    int anzahlA = 0;
    for (double abstand : daten.GetDistPosA()) {
        summe += 2 * abstand;
        if (summe > by) break;
        anzahlA += 2;
    }
    return anzahlA * Querschnitt(daten.GetPosAd()) + anzahlD * Querschnitt(daten.GetPosDd());
}

// Bars parallel to the joint inside b_x, counted one by one behind the joint face.
double FlaecheLaengs(const TKDornDaten& daten, double bx) {
    double summe = 0;
    int anzahlB1 = 0;
    for (double abstand : daten.GetDistPosB1()) {
        summe += abstand;
        if (summe > bx) break;
        anzahlB1 += 1;
    }
    int anzahlB2 = 0;
    for (double abstand : daten.GetDistPosB2()) {
        summe += abstand;
        if (summe > bx) break;
        anzahlB2 += 1;
    }
    return anzahlB1 * Querschnitt(daten.GetPosB1d()) + anzahlB2 * Querschnitt(daten.GetPosB2d());
}

double Bewehrungsgrad(double flaeche, double breite, double d, Umgebung& umgebung) {
    const double nenner = breite * d;
    if (nenner == 0) {
        umgebung.Meldung(umgebung.translate("Bemessung", "Fehler in Modul MuexyCalc ---> pbxy * phm = 0!"));
        return 0;
    }
    return flaeche / nenner;
}

// ρ_l from the two directions, limited to ρ_max; a product that is not positive (only possible for a
// negative effective depth) gives 0 instead of the root of a negative number.
double Rhol(double rhoX, double rhoY, double fck) {
    const double fcd = 0.85 * fck / GammaC;
    const double fyd = Fyk / GammaS;
    const double rhoMax = std::min(0.4 * fcd / (0.85 * fyd), 0.02);
    const double produkt = rhoX * rhoY;
    if (!(produkt > 0)) return 0;
    return std::max(std::min(std::sqrt(produkt), rhoMax), 0.0);
}

// Size factor κ, at most 2.0; at a depth of zero or below the root has no value and the limit applies.
double Kappa(double d) {
    if (!(d > 0)) return 2.0;
    return std::min(1 + std::sqrt(200 / d), 2.0);
}

double Seitenumfang(double abstand, double d, double bE, double cv, Umgebung& umgebung) {
    const double grenze = 1.5 * d + 0.5 * bE;
    if (0 < abstand && abstand < grenze) return bE / 2 + Bogen(3 * d, abstand - bE / 2, umgebung);
    return bE / 2 + cv + 3 * Pi * d / 4;
}

double KritischerUmfang(const Dornkontext& k, double d) {
    const TKDornErgebnis& e = k.ergebnis;
    const double bE = k.daten.GetEinflussBereich();
    const double cv = k.geometrie.GetBetondeckungVorn();
    switch (e.GetDornAnordnung()) {
        case TsDornAnordnung::daDornReihe:
            return e.GetDornPaarAbstand();
        case TsDornAnordnung::daDornPaar:
            return (Seitenumfang(e.GetAbstandLinks(), d, bE, cv, k.umgebung) +
                    Seitenumfang(e.GetAbstandRechts(), d, bE, cv, k.umgebung) + e.GetDornPaarAbstand()) /
                   2;
        case TsDornAnordnung::daEinzelDorn:
            break;
    }
    return Seitenumfang(e.GetAbstandLinks(), d, bE, cv, k.umgebung) +
           Seitenumfang(e.GetAbstandRechts(), d, bE, cv, k.umgebung);
}

// The cube root of the punching formula, as std::pow gives it. A design run evaluates the same states again
// and again (a step it undoes, and the state before it, are each evaluated once more), so the roots of the
// last two arguments are kept.
double DritteWurzel(double x) {
    struct Wurzel {
        std::uint64_t argument;
        double wert;
        bool gueltig = false;
    };
    thread_local std::array<Wurzel, 2> letzte;
    thread_local std::size_t aeltere = 0;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    for (const Wurzel& w : letzte)
        if (w.gueltig && w.argument == bits) return w.wert;
    Wurzel& neu = letzte[aeltere];
    neu = {bits, std::pow(x, 1.0 / 3), true};
    aeltere = 1 - aeltere;
    return neu.wert;
}

struct Durchstanzgroessen {
    double d;
    double by;
    double bx;
    double asx;
    double asy;
    double rhol;
    double ui;
    double vrd;
};

// The punching check for given bar areas inside the widths b_y and b_x.
template <typename Flaechen>
Durchstanzgroessen Durchstanzen(const Dornkontext& k, Flaechen flaechen) {
    Durchstanzgroessen g{};
    g.d = Nutzhoehe(k);
    g.by = 3 * g.d + k.daten.GetEinflussBereich();
    g.bx = 1.5 * g.d + k.geometrie.GetBetondeckungVorn();
    flaechen(g);
    const double fck = Fck(k.betonguete);
    const double rhoX = Bewehrungsgrad(g.asx, g.by, g.d, k.umgebung);
    const double rhoY = Bewehrungsgrad(g.asy, g.bx, g.d, k.umgebung);
    g.rhol = Rhol(rhoX, rhoY, fck);
    g.ui = KritischerUmfang(k, g.d);
    g.vrd = (0.14 * Eta1 * Kappa(g.d) * DritteWurzel(100 * g.rhol * fck) - 0.12 * SigmaCd) * g.d * g.ui /
            Beta / 1000;
    return g;
}

}  // namespace

double Fck(TsBetonguete guete) {
    return Beton[Ord(guete)].fck;
}
double Fbd(TsBetonguete guete) {
    return Beton[Ord(guete)].fbd;
}

double Bogen(double durchmesser, double t, Umgebung& umgebung) {
    if (durchmesser == 0) {
        umgebung.Meldung(umgebung.translate("Bemessung", "Fehler in Modul Teilu     ---> d = 0!"));
        return 0;
    }
    if (t < 0) return 0;
    if (t < durchmesser / (2 * std::sqrt(2.0))) return (durchmesser / 2) * std::asin(2 * t / durchmesser);
    return (durchmesser / 2) * Pi / 4;
}

double Nutzhoehe(const Dornkontext& k) {
    const double h = k.geometrie.GetPlatteDicke();
    const double cu = k.geometrie.GetBetondeckungUnten();
    const double dD = k.daten.GetPosDd();
    const double dB1 = k.daten.GetPosB1d();
    const double d = ((h - cu - dD / 2) + (h - cu - dD - dB1 / 2)) / 2;
    k.ergebnis.SetNutzhoehe(d);
    return d;
}

double VRds(const Dornkontext& k) {
    return k.daten.GetVRds(k.geometrie.GetFugenbreite());
}

double VRdce(const Dornkontext& k) {
    const TKDornDaten& r = k.daten;
    const double h = k.geometrie.GetPlatteDicke();
    const double hmin = r.GetMinBauteildicke();
    const double hs = h > hmin ? h : hmin;
    const double aD = r.GetDornAbstand();
    const double z = (hs - aD) / 2;
    const double hc = (hs + aD) / 2 - k.geometrie.GetBetondeckungUnten();
    const double lc = hc / std::tan(Theta);
    // h_c / l_c is the cone slope; it keeps its value when the cone has no height at all.
    const double steigung = lc != 0 ? hc / lc : std::tan(Theta);
    const int dD = r.GetPosDd();
    const double aS = Querschnitt(dD);
    const double lmin = dD <= 16 ? 3.0 * dD : 4.5 * dD;
    const double fbd = Fbd(k.betonguete);

    double x = r.GetEinflussBereich() / 2;
    double l = steigung * (lc - x);
    double sA = (1 - 0.2 * x / z) * aS;
    double sB = Pi * dD * (l - lmin) * fbd * 2 / 1000;
    for (double abstand : r.GetDistPosD()) {
        x = x + abstand;
        if (x > lc) break;
        l = steigung * (lc - x);
        if (l < lmin) break;
        sA += (1 - 0.2 * x / z) * aS;
        sB += Pi * dD * (l - lmin) * fbd * 2 / 1000;
    }
    const double v1 = std::sqrt(Fck(k.betonguete) / 30) * (178.5 / GammaC) * 2 * sA / 1000;
    const double v2 = r.GetAnzPosD() * aS * Fyk / GammaS / 1000;
    double v = v1 + sB < v2 ? v1 + sB : v2;
    if (Familie(r.GetDorn()) == TsDornFamilie::ZAVRQ) v = v * 0.9;
    return v;
}

double VRdct(const Dornkontext& k) {
    const Durchstanzgroessen g = Durchstanzen(k, [&k](Durchstanzgroessen& w) {
        w.asx = FlaecheQuer(k.daten, w.by);
        w.asy = FlaecheLaengs(k.daten, w.bx);
    });
    TKDornErgebnis& e = k.ergebnis;
    e.SetAsx(g.asx);
    e.Setby(g.by);
    e.SetbySoll(g.by);
    e.SetAsy(g.asy);
    e.Setbx(g.bx);
    e.SetRhol(g.rhol);
    e.Setui(g.ui);
    return g.vrd;
}

double VRdctMax(const Dornkontext& k) {
    const double stab = Querschnitt(MaxDurchmesser(k.geometrie));
    return Durchstanzen(k,
                        [stab](Durchstanzgroessen& w) {
                            w.asx = 16 * stab;
                            w.asy = 12 * stab;
                        })
        .vrd;
}

Widerstandswerte Widerstandswerte::Aus(const TKDornErgebnis& e) {
    return {e.GetNutzhoehe(), e.GetAsx(), e.Getby(),    e.GetbySoll(), e.GetAsy(),   e.Getbx(),
            e.GetRhol(),      e.Getui(),  e.GetVRdct(), e.GetVRdce(),  e.GetVRdZul()};
}

// The admissible resistance last: the two setters before it recompute it from the others.
void Widerstandswerte::In(TKDornErgebnis& e) const {
    e.SetNutzhoehe(nutzhoehe);
    e.SetAsx(asx);
    e.Setby(by);
    e.SetbySoll(bySoll);
    e.SetAsy(asy);
    e.Setbx(bx);
    e.SetRhol(rhol);
    e.Setui(ui);
    e.SetVRDct(vrdct);
    e.SetVRdce(vrdce);
    e.SetVRdZul(vrdzul);
}
