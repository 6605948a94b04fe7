#pragma once

#include <cmath>

// Whole part of a value, truncated towards zero, as the engine's counts and spacings need it. Non-finite
// values give 0 and the range is capped, so no conversion to an integer type can overflow.
inline long long Ganzzahl(double wert) {
    constexpr double grenze = 1e15;
    if (!std::isfinite(wert)) return 0;
    return static_cast<long long>(std::trunc(std::fmax(-grenze, std::fmin(grenze, wert))));
}

// Upper bounds for loops that the procedure itself does not bound. Real positions stay far below them
// (a 30 m joint holds some 125 dowels at the smallest permitted spacing); reaching one marks the type
// inadmissible instead of letting extreme input hang the program.
constexpr int MaxDorne = 5000;
constexpr int MaxSchritte = 1000;
