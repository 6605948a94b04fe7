#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/Typen.h"

class TKErgebnisse;

// The most dowels one design stores for a type, and the most bars of a reinforcement position the
// optimisation can reach; the engine stops there and marks the type inadmissible. Real positions stay far
// below (a 30 m joint holds some 125 dowels at the smallest permitted spacing).
constexpr int MaxDorne = 5000;
// Bar counts the catalogue and the reinforcement dialog allow: the longitudinal bars B1 and the stirrups C
// are never changed by a design run, the suspension bars D grow to eight at most.
constexpr int MaxStaebeB1 = 20;
constexpr int MaxStaebeC = 20;
constexpr int MaxStaebeD = 8;
// Status and message codes have texts from 0 to 9.
constexpr int MaxMeldungscode = 9;

// A stored result value outside what a design run can produce: the section it belongs to (without the
// position number: "Ergebnisse_", or "DornDaten_" and the like with the dowel type), its key and value.
struct Grenzverletzung {
    const char* abschnitt;
    std::optional<TsDorn> dorn;  // for the sections of one dowel type
    std::string schluessel;
    long long wert;
};

// The first stored value of the results that breaks its bound: bar counts, the lengths of the spacing
// lists, the dowel chain and the dowel counts (at most one more than the chain has spacings, two for a
// single dowel or a pair), status and message codes. Drawings, sketches, the proof and the dialogs loop over
// these values, so results that break one are not used at all.
std::optional<Grenzverletzung> ErsteGrenzverletzung(const TKErgebnisse& ergebnisse);
// The same for one dowel type; what the drawings of that type assert.
std::optional<Grenzverletzung> ErsteGrenzverletzung(const TKErgebnisse& ergebnisse, TsDorn dorn);
