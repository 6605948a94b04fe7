#pragma once

#include "model/Typen.h"

class TKAnwendung;
class TKBelastung;
class TKDornDaten;
class TKDornErgebnis;
class TKGeometrie;
class TKModell;

// What a sketch is drawn from: geometry, dowel record and dowel result of one dowel type, the design load
// and the position's options.
struct Skizzenquelle {
    const TKGeometrie& Geometrie;
    const TKDornDaten& DornDaten;
    const TKDornErgebnis& DornErgebnis;
    int AnzDorn;
    const TKBelastung& Belastung;
    TsAnwendungsfall Anwendungsfall;
    bool Brandschutz;
};

// The selected dowel type of a position.
Skizzenquelle PositionsQuelle(const TKAnwendung& anwendung);
// The input sketch: the model's input geometry and input dowel with the position's result and load.
Skizzenquelle EingabeQuelle(const TKModell& modell, const TKAnwendung& anwendung);
