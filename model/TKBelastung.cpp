#include "model/TKBelastung.h"

#include <algorithm>
#include <cassert>

TKBelastung::TKBelastung() {
    ResetbeliebigeLast();
    AddbeliebigeLast({0, TLinienLastLinks});
    AddbeliebigeLast({TLastLaenge, TLinienLastRechts});
}

TKBelastung::TKBelastung(const TKBelastung& pBelastung) {
    KopiereWerte(pBelastung, 1);
}

TKBelastung::TKBelastung(const TKBelastung& pBelastung, double pFaktor) {
    KopiereWerte(pBelastung, pFaktor);
}

TKBelastung& TKBelastung::operator=(const TKBelastung& pBelastung) {
    if (this != &pBelastung) *this = TKBelastung(pBelastung);
    return *this;
}

// The total load is recomputed from the copied points, as re-adding them one by one would do, but once;
// the plain values are then taken over, so the shape and the end values are those of the source even
// where they differ from the points.
void TKBelastung::KopiereWerte(const TKBelastung& pBelastung, double pFaktor) {
    TGesamtLast = pBelastung.TGesamtLast;
    std::vector<TrFloatPoint> punkte = pBelastung.TbeliebigeLast;
    for (TrFloatPoint& punkt : punkte) punkt.y *= pFaktor;
    SetbeliebigeLast(std::move(punkte));
    TLastverteilung = pBelastung.TLastverteilung;
    TBelastungsfall = pBelastung.TBelastungsfall;
    TPunktLast = pBelastung.TPunktLast * pFaktor;
    TGammaf = pBelastung.TGammaf;
    TLastLaenge = pBelastung.TLastLaenge;
    TLinienlast = pBelastung.TLinienlast;
    TLinienLastLinks = pBelastung.TLinienLastLinks * pFaktor;
    TLinienLastRechts = pBelastung.TLinienLastRechts * pFaktor;
}

void TKBelastung::SetLinienLastLinks(double v) {
    TLinienLastLinks = v;
    BestimmeLinienlast();
}

void TKBelastung::SetLinienLastRechts(double v) {
    TLinienLastRechts = v;
    BestimmeLinienlast();
}

void TKBelastung::BestimmeLinienlast() {
    if (TLinienLastLinks > TLinienLastRechts)
        TLinienlast = TsLinienlast::llLigrRe;
    else if (TLinienLastLinks < TLinienLastRechts)
        TLinienlast = TsLinienlast::llLiklRe;
    else
        TLinienlast = TsLinienlast::llLiglRE;
}

TrFloatPoint TKBelastung::GetbeliebigeLast(int pLastID) const {
    const bool gueltig = pLastID >= 0 && pLastID < static_cast<int>(TbeliebigeLast.size());
    assert(gueltig && "load point index out of range");
    if (!gueltig) return {};
    return TbeliebigeLast[pLastID];
}

void TKBelastung::AddbeliebigeLast(TrFloatPoint pBeliebigeLast) {
    const auto hinter = std::upper_bound(TbeliebigeLast.begin(), TbeliebigeLast.end(), pBeliebigeLast.x,
                                         [](double x, const TrFloatPoint& punkt) { return x < punkt.x; });
    TbeliebigeLast.insert(hinter, pBeliebigeLast);
    TAnzLastPunkte = static_cast<int>(TbeliebigeLast.size());
    BerechneGesamtLast();
    SetLinienLastLinks(TbeliebigeLast.front().y);
    SetLinienLastRechts(TbeliebigeLast.back().y);
}

void TKBelastung::ResetbeliebigeLast() {
    TbeliebigeLast.clear();
    TAnzLastPunkte = 0;
}

void TKBelastung::SetbeliebigeLast(std::vector<TrFloatPoint> pPunkte) {
    // A stable sort keeps points with equal x in their order, as inserting each behind its equals does.
    const auto vorX = [](const TrFloatPoint& a, const TrFloatPoint& b) { return a.x < b.x; };
    if (!std::is_sorted(pPunkte.begin(), pPunkte.end(), vorX))
        std::stable_sort(pPunkte.begin(), pPunkte.end(), vorX);
    TbeliebigeLast = std::move(pPunkte);
    TAnzLastPunkte = static_cast<int>(TbeliebigeLast.size());
    if (TbeliebigeLast.empty()) return;
    BerechneGesamtLast();
    SetLinienLastLinks(TbeliebigeLast.front().y);
    SetLinienLastRechts(TbeliebigeLast.back().y);
}

void TKBelastung::SetLastLaenge(double pLastLaenge) {
    TLastLaenge = pLastLaenge;
    for (TrFloatPoint& punkt : TbeliebigeLast) punkt.x = std::min(punkt.x, pLastLaenge);
    BerechneGesamtLast();
}

void TKBelastung::PruefeFugenlaenge(double pFugenlaenge) {
    const auto erster =
        std::find_if(TbeliebigeLast.begin(), TbeliebigeLast.end(),
                     [pFugenlaenge](const TrFloatPoint& punkt) { return punkt.x >= pFugenlaenge; });
    if (erster == TbeliebigeLast.end()) return;
    erster->x = pFugenlaenge;
    TbeliebigeLast.erase(erster + 1, TbeliebigeLast.end());
    TAnzLastPunkte = static_cast<int>(TbeliebigeLast.size());
}

// Trapezoidal integral of the line load; mm × kN/m gives N, hence the division by 1000 for kN.
void TKBelastung::BerechneGesamtLast() {
    double summe = 0;
    for (std::size_t i = 1; i < TbeliebigeLast.size(); ++i) {
        const TrFloatPoint& a = TbeliebigeLast[i - 1];
        const TrFloatPoint& b = TbeliebigeLast[i];
        summe += (b.x - a.x) * (b.y + a.y) / 2;
    }
    TGesamtLast = summe / 1000;
}
