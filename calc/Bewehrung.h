#pragma once

#include "calc/Dornkontext.h"
#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/TKGeometrie.h"
#include "model/Typen.h"

// Which reinforcement position the layout step lays out.
enum class TsPosTyp { ptA, ptB, ptD, ptNone };

// Layout step: spacings of the given position from its bar counts and diameters. Refuses (false, record
// unchanged) counts it cannot lay out: odd A, B1 or D counts, fewer than two B1 bars, B2 bars that are not a
// multiple of the B1 pairs, negative counts.
bool LegeBewehrungAus(const TKGeometrie& geometrie, TKDornDaten& daten, const TKDornErgebnis& ergebnis,
                      TsPosTyp posTyp);

// Fits the A bars into the width available along the joint; the optimised method also lays out B again.
void PasseAnBreiteAn(const TKGeometrie& geometrie, TKDornDaten& daten, const TKDornErgebnis& ergebnis,
                     TsBewehrungCalc methode);

// Optimised suspension bars D: eight bars of the smallest diameter that still gives the largest concrete
// edge resistance; returns that resistance.
double OptimiereAufhaengebewehrung(const Dornkontext& k);

// One step more reinforcement; false when no step is possible.
bool ErhoeheBewehrung(const Dornkontext& k);

// One step less reinforcement: back towards the catalogue (1), fewer bars (2), a D pair moved to A (3).
bool ReduziereBewehrung1(const Dornkontext& k);
bool ReduziereBewehrung2(const Dornkontext& k);
bool ReduziereBewehrung3(const Dornkontext& k);
