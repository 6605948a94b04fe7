#include "calc/Bewehrung.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <vector>

#include "calc/Ganzzahl.h"
#include "calc/Stabwahl.h"
#include "calc/Widerstaende.h"
#include "model/Katalog.h"

namespace {

double Summe(const std::vector<double>& werte) {
    return std::accumulate(werte.begin(), werte.end(), 0.0);
}

double BreiteD(const TKDornDaten& daten) {
    return daten.GetEinflussBereich() + 2 * Summe(daten.GetDistPosD());
}

double NutzbareBreite(const TKDornErgebnis& ergebnis) {
    return std::min(ergebnis.Getby(), ergebnis.GetIstMinAchs());
}

bool Auslegbar(const TKDornDaten& daten) {
    const int k = daten.GetAnzPosB1() / 2;
    if (daten.GetAnzPosA() < 0 || daten.GetAnzPosB1() < 0 || daten.GetAnzPosB2() < 0 ||
        daten.GetAnzPosD() < 0)
        return false;
    if (daten.GetAnzPosA() % 2 != 0 || daten.GetAnzPosB1() % 2 != 0 || daten.GetAnzPosD() % 2 != 0)
        return false;
    return k != 0 && daten.GetAnzPosB2() % k == 0;
}

// A pairs outside the D region, `paare` spacing entries.
void LegeAAus(TKDornDaten& daten, double w, std::size_t paare) {
    const double eD = BreiteD(daten);
    double s = 0;
    if (daten.GetAnzPosA() >= 1)
        s = std::max(10.0 * Ganzzahl((w - eD) / (10 * (daten.GetAnzPosA() + 1))), SMin(daten.GetPosAd()));
    daten.FuelleDistPosA(paare, s);
    daten.SetBereichPosA(eD + 2 * s * static_cast<double>(paare));
}

void LegeBAus(TKDornDaten& daten, double bx) {
    const int k = daten.GetAnzPosB1() / 2;
    const int anzB2 = daten.GetAnzPosB2();
    const auto eintraegeB2 = static_cast<std::size_t>((anzB2 + k) / (2 * k));
    double s = 0;
    if (anzB2 >= 1) s = 10.0 * Ganzzahl((bx - daten.GetDistPosB1Rand()) / ((5 * anzB2) / k));
    daten.FuelleDistPosB2(eintraegeB2, s);
    daten.SetEinflussPosB(daten.GetDistPosB1Rand() + s * static_cast<double>(eintraegeB2));
    daten.FuelleDistPosB1(static_cast<std::size_t>(daten.GetAnzPosB1() / 2), 35.0);
}

void LegeDAus(TKDornDaten& daten, double plattendicke) {
    const std::size_t paare =
        daten.GetAnzPosD() > 2 ? static_cast<std::size_t>(daten.GetAnzPosD() / 2 - 1) : 0;
    daten.FuelleDistPosD(paare, SD1(daten.GetPosDd(), plattendicke), SMin(daten.GetPosDd()));
}

bool Layout(const Dornkontext& k, TsPosTyp posTyp) {
    return LegeBewehrungAus(k.geometrie, k.daten, k.ergebnis, posTyp);
}

// Tries a new set of diameters: taken when the bars still fit.
bool VersucheDurchmesser(const Dornkontext& k, const Durchmesser& neu) {
    if (!Passt(k.geometrie, k.daten, neu)) return false;
    SchreibeDurchmesser(k.daten, neu);
    return true;
}

// One diameter rule: when `quelle` compares to `ziel` as the rule wants, `ziel` takes the value of `quelle`.
struct Angleichung {
    int Durchmesser::*ziel;
    int Durchmesser::*quelle;
};

// Increase: a smaller diameter is raised to a larger one of another position.
constexpr std::array<Angleichung, 9> Erhoehungen{{
    {&Durchmesser::B1, &Durchmesser::B2},
    {&Durchmesser::B1, &Durchmesser::A},
    {&Durchmesser::B1, &Durchmesser::D},
    {&Durchmesser::B2, &Durchmesser::B1},
    {&Durchmesser::B2, &Durchmesser::A},
    {&Durchmesser::B2, &Durchmesser::D},
    {&Durchmesser::A, &Durchmesser::B2},
    {&Durchmesser::A, &Durchmesser::B1},
    {&Durchmesser::A, &Durchmesser::D},
}};

// Reduction: a larger diameter is lowered to a smaller one of another position.
constexpr std::array<Angleichung, 12> Absenkungen{{
    {&Durchmesser::A, &Durchmesser::B2},
    {&Durchmesser::A, &Durchmesser::B1},
    {&Durchmesser::A, &Durchmesser::D},
    {&Durchmesser::D, &Durchmesser::B1},
    {&Durchmesser::D, &Durchmesser::A},
    {&Durchmesser::D, &Durchmesser::B2},
    {&Durchmesser::B2, &Durchmesser::B1},
    {&Durchmesser::B2, &Durchmesser::A},
    {&Durchmesser::B2, &Durchmesser::D},
    {&Durchmesser::B1, &Durchmesser::B2},
    {&Durchmesser::B1, &Durchmesser::A},
    {&Durchmesser::B1, &Durchmesser::D},
}};

// The first increase of a diameter whose condition holds and whose result fits; a change that does not
// fit is skipped.
bool ErhoeheDurchmesser(const Dornkontext& k) {
    const Durchmesser alt = LeseDurchmesser(k.daten);
    for (const Angleichung& regel : Erhoehungen) {
        if (!(alt.*regel.quelle > alt.*regel.ziel)) continue;
        Durchmesser neu = alt;
        neu.*regel.ziel = alt.*regel.quelle;
        if (VersucheDurchmesser(k, neu)) return true;
    }
    if (alt.B1 < MaxDurchmesser(k.geometrie)) {
        Durchmesser neu = alt;
        neu.B1 = NaechstGroesser(alt.B1);
        return VersucheDurchmesser(k, neu);
    }
    return false;
}

bool MehrAStaebe(const Dornkontext& k) {
    TKDornDaten& r = k.daten;
    const double e = BreiteD(r);
    const double s = 10.0 * Ganzzahl((k.ergebnis.Getby() - e) / (10 * (r.GetAnzPosA() + 3)));
    if (!(SMin(r.GetPosAd()) <= s)) return false;
    r.SetAnzPosA(r.GetAnzPosA() + 2);
    return true;
}

bool MehrB2Staebe(const Dornkontext& k, bool& erfolg) {
    TKDornDaten& r = k.daten;
    const int k2 = 2 * (r.GetAnzPosB1() / 2);
    const int nenner = 5 * (k2 + r.GetAnzPosB2());
    if (nenner == 0) return false;
    const double s = 10.0 * Ganzzahl((k.ergebnis.Getbx() - r.GetDistPosB1Rand()) / nenner);
    if (!(SMin(r.GetPosB2d()) <= s)) return false;
    r.SetAnzPosB2(r.GetAnzPosB2() + k2);
    erfolg = Layout(k, TsPosTyp::ptB);
    return true;
}

// Lowers ∅A by one diameter when that fits.
bool KleineresA(const Dornkontext& k) {
    Durchmesser neu = LeseDurchmesser(k.daten);
    neu.A = NaechstKleiner(neu.A);
    return VersucheDurchmesser(k, neu);
}

bool WenigerB2(const Dornkontext& k) {
    k.daten.SetAnzPosB2(k.daten.GetAnzPosB2() - 2 * (k.daten.GetAnzPosB1() / 2));
    return Layout(k, TsPosTyp::ptB);
}

bool WenigerA(const Dornkontext& k) {
    k.daten.SetAnzPosA(k.daten.GetAnzPosA() - 2);
    return Layout(k, TsPosTyp::ptA);
}

bool WenigerD(const Dornkontext& k) {
    k.daten.SetAnzPosD(k.daten.GetAnzPosD() - 2);
    return Layout(k, TsPosTyp::ptD);
}

// Equalising downwards works through every rule in order, each on the diameters the rules before it left;
// a change that does not fit ends the step with failure. Empty when all four diameters are equal.
std::optional<bool> GleicheDurchmesserAn(const Dornkontext& k) {
    const Durchmesser alt = LeseDurchmesser(k.daten);
    if (alt.A == alt.B1 && alt.A == alt.B2 && alt.A == alt.D) return std::nullopt;
    for (const Angleichung& regel : Absenkungen) {
        Durchmesser neu = LeseDurchmesser(k.daten);
        if (!(neu.*regel.quelle < neu.*regel.ziel)) continue;
        neu.*regel.ziel = neu.*regel.quelle;
        if (!VersucheDurchmesser(k, neu)) return false;
    }
    return true;
}

}  // namespace

bool LegeBewehrungAus(const TKGeometrie& geometrie, TKDornDaten& daten, const TKDornErgebnis& ergebnis,
                      TsPosTyp posTyp) {
    if (!Auslegbar(daten)) return false;
    const double w = NutzbareBreite(ergebnis);
    switch (posTyp) {
        case TsPosTyp::ptA:
            LegeAAus(daten, w, static_cast<std::size_t>(daten.GetAnzPosA() / 2));
            break;
        case TsPosTyp::ptB:
            LegeBAus(daten, ergebnis.Getbx());
            break;
        case TsPosTyp::ptD:
            LegeDAus(daten, geometrie.GetPlatteDicke());
            LegeAAus(daten, w, daten.GetDistPosA().size());
            break;
        case TsPosTyp::ptNone:
            break;
    }
    return true;
}

void PasseAnBreiteAn(const TKGeometrie& geometrie, TKDornDaten& daten, const TKDornErgebnis& ergebnis,
                     TsBewehrungCalc methode) {
    const double w = NutzbareBreite(ergebnis);
    if (daten.GetBereichPosA() > w) {
        const double eD = BreiteD(daten);
        if (methode == TsBewehrungCalc::bcZulassung) {
            double e = eD;
            const std::vector<double>& abstaende = daten.GetDistPosA();
            for (std::size_t i = 0; i < abstaende.size(); ++i) {
                e += 2 * abstaende[i];
                if (e > ergebnis.Getby()) {
                    daten.SetBereichPosA(e - 2 * abstaende[i]);
                    daten.KuerzeDistPosA(i);
                    daten.SetAnzPosA(2 * static_cast<int>(i));
                    break;
                }
            }
        } else {
            const double sMin = SMin(daten.GetPosAd());
            if (sMin > (w - eD) / (daten.GetAnzPosA() + 1)) {
                const long long n = Ganzzahl((w - eD) / sMin) - 1;
                daten.SetAnzPosA(static_cast<int>(std::clamp<long long>(2 * (n / 2), 0, MaxDorne)));
            }
            LegeBewehrungAus(geometrie, daten, ergebnis, TsPosTyp::ptA);
        }
    }
    if (methode == TsBewehrungCalc::bcOptimal) LegeBewehrungAus(geometrie, daten, ergebnis, TsPosTyp::ptB);
}

double OptimiereAufhaengebewehrung(const Dornkontext& k) {
    TKDornDaten& r = k.daten;
    const int kleinster = MinStabDurchmesser(r.GetDorn());
    // Both loops walk down the diameter list and end at its first entry at the latest.
    int a = MaxDurchmesser(k.geometrie);
    while (a > kleinster) {
        const Durchmesser alt = LeseDurchmesser(r);
        if (Passt(k.geometrie, r, {std::max(alt.A, a), std::max(alt.B1, a), a, std::max(alt.B2, a)})) break;
        a = NaechstKleiner(a);
    }
    r.SetPosDd(a);
    r.SetAnzPosD(8);
    Layout(k, TsPosTyp::ptD);

    int behalten = 0;
    double v = 0;
    do {
        behalten = r.GetPosDd();
        v = VRdce(k);
        r.SetPosDd(NaechstKleiner(behalten));
        Layout(k, TsPosTyp::ptD);
    } while (!(VRdce(k) < v || behalten <= kleinster));

    Durchmesser neu = LeseDurchmesser(r);
    neu = {std::max(neu.A, behalten), std::max(neu.B1, behalten), behalten, std::max(neu.B2, behalten)};
    SchreibeDurchmesser(r, neu);
    Layout(k, TsPosTyp::ptD);
    return v;
}

bool ErhoeheBewehrung(const Dornkontext& k) {
    TKDornDaten& r = k.daten;
    bool erfolg = false;
    if (ErhoeheDurchmesser(k)) {
        erfolg = true;
    } else if (r.GetAnzPosD() < 8) {
        r.SetAnzPosD(r.GetAnzPosD() + 2);
        erfolg = Layout(k, TsPosTyp::ptD);
    } else if (MehrAStaebe(k)) {
        erfolg = Layout(k, TsPosTyp::ptA);
    } else if (!MehrB2Staebe(k, erfolg)) {
        erfolg = false;
    }
    return erfolg && Layout(k, TsPosTyp::ptD);
}

bool ReduziereBewehrung1(const Dornkontext& k) {
    TKDornDaten& r = k.daten;
    const TsDorn dorn = r.GetDorn();
    const TrStandardBewehrung& katalog =
        Katalog()[dorn].Standardbewehrung[DickenKlasse(dorn, k.geometrie.GetPlatteDicke()) - 1];
    bool ergebnis = false;
    if (r.GetAnzPosB2() > katalog.B2.Anz) {
        ergebnis = WenigerB2(k);
    } else if (r.GetAnzPosA() > katalog.A.Anz) {
        ergebnis = WenigerA(k);
    } else if (const std::optional<bool> angeglichen = GleicheDurchmesserAn(k)) {
        ergebnis = *angeglichen;
    } else if (r.GetPosAd() > katalog.A.d) {
        ergebnis = KleineresA(k);
    } else if (r.GetAnzPosA() > 0) {
        ergebnis = WenigerA(k);
    } else if (MinStabDurchmesser(dorn) < r.GetPosAd()) {
        ergebnis = KleineresA(k);
    } else if (r.GetAnzPosB2() > 0) {
        ergebnis = WenigerB2(k);
    } else if (r.GetAnzPosD() > 2) {
        ergebnis = WenigerD(k);
    }
    return ergebnis && Layout(k, TsPosTyp::ptD);
}

bool ReduziereBewehrung2(const Dornkontext& k) {
    TKDornDaten& r = k.daten;
    bool ergebnis = false;
    if (r.GetAnzPosA() > 0)
        ergebnis = WenigerA(k);
    else if (r.GetAnzPosB2() > 0)
        ergebnis = WenigerB2(k);
    else if (r.GetAnzPosD() > 2)
        ergebnis = WenigerD(k);
    return ergebnis && Layout(k, TsPosTyp::ptD);
}

bool ReduziereBewehrung3(const Dornkontext& k) {
    TKDornDaten& r = k.daten;
    if (!(r.GetAnzPosD() > 2)) return false;
    r.SetAnzPosD(r.GetAnzPosD() - 2);
    r.SetAnzPosA(r.GetAnzPosA() + 2);
    return Layout(k, TsPosTyp::ptD) && Layout(k, TsPosTyp::ptA);
}
