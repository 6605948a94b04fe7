#include "calc/Stabwahl.h"

#include <algorithm>

#include "model/Katalog.h"

int NaechstGroesser(int durchmesser) {
    const auto stelle = std::find(StabDurchmesser.begin(), StabDurchmesser.end(), durchmesser);
    if (stelle == StabDurchmesser.end() || stelle + 1 == StabDurchmesser.end()) return StabDurchmesser.back();
    return *(stelle + 1);
}

int NaechstKleiner(int durchmesser) {
    const auto stelle = std::find(StabDurchmesser.begin(), StabDurchmesser.end(), durchmesser);
    if (stelle == StabDurchmesser.end() || stelle == StabDurchmesser.begin()) return StabDurchmesser.front();
    return *(stelle - 1);
}

int MaxDurchmesser(const TKGeometrie& geometrie) {
    const double h = geometrie.GetPlatteDicke();
    if (h < 300) return 16;
    if (h < 400) return 20;
    if (geometrie.GetBetondeckungVorn() < 30) return 20;
    return 25;
}

double SMin(int durchmesser) {
    return std::max(50.0, 2.0 * durchmesser);
}

double SD1(int durchmesser, double plattendicke) {
    if (plattendicke > 300) return SMin(durchmesser);
    return durchmesser + std::max(durchmesser, 20);
}

Durchmesser LeseDurchmesser(const TKDornDaten& daten) {
    return {daten.GetPosAd(), daten.GetPosB1d(), daten.GetPosDd(), daten.GetPosB2d()};
}

void SchreibeDurchmesser(TKDornDaten& daten, const Durchmesser& durchmesser) {
    daten.SetPosAd(durchmesser.A);
    daten.SetPosB1d(durchmesser.B1);
    daten.SetPosDd(durchmesser.D);
    daten.SetPosB2d(durchmesser.B2);
}

bool Passt(const TKGeometrie& geometrie, const TKDornDaten& daten, const Durchmesser& durchmesser) {
    return geometrie.GetPlatteDicke() >= geometrie.GetBetondeckungOben() + geometrie.GetBetondeckungUnten() +
                                             daten.GetDornAbstand() + daten.GetDornRERohrh() +
                                             2 * std::max(durchmesser.A, durchmesser.D) +
                                             2 * std::max(durchmesser.B1, durchmesser.B2);
}
