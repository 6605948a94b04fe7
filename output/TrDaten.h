#pragma once

#include <QPoint>
#include <vector>

#include "model/Typen.h"

// Target rectangle of a sketch in device units, kept with its edges as given: a rectangle whose right edge
// lies left of its left edge asks for a mirrored section drawing.
struct TrRechteck {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Drawing data of the sketch being drawn: every length already scaled to device units and rounded.
// Fields marked signed carry the direction of the target rectangle.
struct TrDaten {
    QPoint NullPunkt;
    int BauteilTiefe = 0;  // signed
    int BauteilBreite = 0;
    int Bauteildicke = 0;
    int EinflussBereich = 0;
    int BereichPosD = 0;
    int PosAd = 0, PosB2d = 0, PosB1d = 0, PosCd = 0, PosDd = 0;
    int AnzPosA = 0, AnzPosB2 = 0, AnzPosB1 = 0, AnzPosC = 0, AnzPosD = 0;  // bar counts, not scaled
    std::vector<int> DistPosA;
    std::vector<int> DistPosB2;  // signed
    std::vector<int> DistPosB1;  // entry 0 is 0
    int DistPosB1Rand = 0;       // signed
    int DistPosCRand = 0;        // signed
    std::vector<int> DistPosD;   // entry 0 is 0
    std::vector<int> DornPosition;
    int DornBreite = 0;  // signed
    int DornHoehe = 0;
    int DornDurchmesser = 0;
    int DornAbstand = 0;
    int DornLaenge = 0;  // signed
    int DornRERohrb = 0;
    int DornRERohrh = 0;
    int DornStab1l = 0, DornStab2l = 0;
    int DornStab1d = 0, DornStab2d = 0;
    int DornStab1a = 0, DornStab2a = 0;  // signed
    int DornPlattel = 0;                 // signed
    int BetDeckungOben = 0;
    int BetDeckungUnten = 0;
    int BetDeckungVorn = 0;  // signed
    int FugenBreite = 0;
    int FugenLaenge = 0;
    bool RandLinks = false;
    bool RandRechts = false;
    TsLinienlast LinienLast = TsLinienlast::llLiglRE;
    TsAnwendungsfall Anwendungsfall = TsAnwendungsfall::afReihePlatte;
    bool Brandschutz = false;
};
