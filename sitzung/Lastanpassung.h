#pragma once

#include <optional>
#include <vector>

#include "model/Typen.h"

class TKBelastung;

// A point of a load that a new joint length moved or dropped.
struct Lastpunktaenderung {
    TrFloatPoint punkt;            // as it was
    std::optional<double> neuesX;  // where it lies now; nothing: dropped
    bool operator==(const Lastpunktaenderung&) const = default;
};

// Fits the points of a load to a new joint length, as the design will read them: the first point at or
// beyond the new joint end is moved onto it and the points after it are dropped; a load that reached the
// end of the old joint ends at the end of the longer one. The load length becomes the joint length. Returns
// every point moved or dropped, in list order.
std::vector<Lastpunktaenderung> LastAnFugenlaengeAnpassen(TKBelastung& last, double alteLaenge,
                                                          double neueLaenge);
