#include "model/TKDornDaten.h"

#include <algorithm>
#include <numeric>

#include "model/Katalog.h"

namespace {
double Summe(const std::vector<double>& werte) {
    return std::accumulate(werte.begin(), werte.end(), 0.0);
}

// The first `anzahl` spacings of a catalogue position (never negative, never more than stored), in place: a
// record refilled for every type of every design run keeps its lists' memory.
void Abstaende(std::vector<double>& ziel, const TrBewehrungsPos& pos, int anzahl) {
    const auto n = static_cast<std::size_t>(std::clamp<int>(anzahl, 0, static_cast<int>(pos.Dist.size())));
    ziel.assign(pos.Dist.begin(), pos.Dist.begin() + static_cast<std::ptrdiff_t>(n));
}
}  // namespace

TKDornDaten::TKDornDaten() : TKDornDaten(TsLand::deu) {}

TKDornDaten::TKDornDaten(TsLand land) : TKDornDaten(land, TsDorn::ZAVR45HF, TsFugenbreite::fb30bis40, 160) {}

TKDornDaten::TKDornDaten(TsLand land, TsDorn pDorn, TsFugenbreite pFugenbreite, double pPlattendicke)
    : TVRds_Data(land) {
    SetDorn(pDorn, pFugenbreite, pPlattendicke);
}

void TKDornDaten::SetDorn(TsDorn pDorn, TsFugenbreite, double pPlattendicke) {
    const TrDornTyp& typ = Katalog()[pDorn];
    TDorn = pDorn;
    UebernimmKennung(typ.Kennung);
    UebernimmMasse(typ.Masse);
    TPosCd = typ.Buegel.PosCd;
    TAnzPosC = typ.Buegel.AnzPosC;
    TDistPosCRand = typ.Buegel.DistPosCRand;
    TDistPosB1Rand = typ.Buegel.DistPosB1Rand;
    TVRds = typ.VRds;
    UebernimmBewehrung(typ.Standardbewehrung[DickenKlasse(pDorn, pPlattendicke) - 1]);
    TBereichPosA = TEinflussBereich + 2 * Summe(TDistPosD) + 2 * Summe(TDistPosA);
    TEinflussPosB = TDistPosB1Rand + Summe(TDistPosB2);
}

void TKDornDaten::UebernimmKennung(const TrDornKennung& k) {
    TMinBauteildicke = k.MinBauteildicke;
    TEinflussBereich = k.EinflussBereich;
    TMinRandSeite = k.MinRandSeite;
    TMinRandSeiteL = k.MinRandSeiteL;
    TMinAchsabstand = k.MinAchsabstand;
}

void TKDornDaten::UebernimmMasse(const TrDornMasse& m) {
    TDornBreite = m.Breite;
    TDornHoehe = m.Hoehe;
    TDornDurchmesser = m.Durchmesser;
    TDornAbstand = m.Abstand;
    TDornLaenge = m.Laenge;
    TDornRERohrb = m.RERohrb;
    TDornRERohrh = m.RERohrh;
    TDornStab1l = m.Stab1l;
    TDornStab2l = m.Stab2l;
    TDornStab1d = m.Stab1d;
    TDornStab2d = m.Stab2d;
    TDornStab1a = m.Stab1a;
    TDornStab2a = m.Stab2a;
    TDornPlattel = m.Plattel;
}

// Pairs symmetric to the dowel axis: one spacing per pair, the innermost D pair sits at b_E/2 and needs
// none.
void TKDornDaten::UebernimmBewehrung(const TrStandardBewehrung& b) {
    TAnzPosD = b.D.Anz;
    TPosDd = b.D.d;
    Abstaende(TDistPosD, b.D, (b.D.Anz - 2) / 2);
    TAnzPosA = b.A.Anz;
    TPosAd = b.A.d;
    Abstaende(TDistPosA, b.A, b.A.Anz / 2);
    TAnzPosB1 = b.B1.Anz;
    TPosB1d = b.B1.d;
    Abstaende(TDistPosB1, b.B1, b.B1.Anz / 2);
    TAnzPosB2 = b.B2.Anz;
    TPosB2d = b.B2.d;
    Abstaende(TDistPosB2, b.B2, b.B2.Anz / 2);
}

void TKDornDaten::FuelleDistPosD(std::size_t anzahl, double erster, double weitere) {
    TDistPosD.assign(anzahl, weitere);
    if (anzahl > 0) TDistPosD.front() = erster;
}
