#pragma once

#include <cmath>

#include "model/Ergebnisgrenzen.h"

// Whole part of a value, truncated towards zero, as the engine's counts and spacings need it. Non-finite
// values give 0 and the range is capped, so no conversion to an integer type can overflow.
inline long long Ganzzahl(double wert) {
    constexpr double grenze = 1e15;
    if (!std::isfinite(wert)) return 0;
    return static_cast<long long>(std::trunc(std::fmax(-grenze, std::fmin(grenze, wert))));
}

// Upper bounds for loops that the procedure itself does not bound (MaxDorne with the bounds of stored
// results); reaching one marks the type inadmissible instead of letting extreme input hang the program.
constexpr int MaxSchritte = 1000;
