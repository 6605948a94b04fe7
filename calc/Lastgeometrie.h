#pragma once

#include <algorithm>
#include <cmath>

#include "model/Typen.h"

// Geometry of one linear segment P→Q of a line load (x in mm, y in kN/m); loads in kN. The distribution
// calls these once per segment and dowel in every repetition, so they are defined here to be inlined.

namespace lastgeometrie_detail {

// Where the root gives no usable step, the point follows from the end value of the segment; with an end
// value of 0 that would divide by zero, so the point from the root stays.
inline double Ausweichstelle(TrFloatPoint p, TrFloatPoint q, double v, double xAusWurzel) {
    if (q.y == 0) return xAusWurzel;
    return p.x + 1000 * v / q.y;
}

}  // namespace lastgeometrie_detail

// Load of the segment.
inline double Flaeche(TrFloatPoint p, TrFloatPoint q) {
    return std::abs((q.y + p.y) * (q.x - p.x) / 2 / 1000);
}

// The point of the segment's line at x.
inline TrFloatPoint Interpoliere(TrFloatPoint p, TrFloatPoint q, double x) {
    return {x, p.y + (p.y - q.y) / (p.x - q.x) * (x - p.x)};
}

// The point up to which the segment, starting at P, carries the load v. When the segment carries less
// (or has no length), a point 1 mm beyond Q.
inline TrFloatPoint FlaechenPunkt(TrFloatPoint p, TrFloatPoint q, double v) {
    using lastgeometrie_detail::Ausweichstelle;
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double f = (p.y + dy / 2) * dx / 1000;
    if (f < v || !(dx > 0)) return {q.x + 1, q.y};
    if (q.y > p.y) {
        const double t = std::sqrt(p.y * p.y + dy * 2 * 1000 * v / dx) - p.y;
        TrFloatPoint r{p.x + dx * t / dy, p.y + t};
        if (t < 0.0001) r.x = Ausweichstelle(p, q, v, r.x);
        return r;
    }
    if (q.y < p.y) {
        const double t = std::sqrt(q.y * q.y - dy * 2 * 1000 * (f - v) / dx) - q.y;
        TrFloatPoint r{p.x + dx * (t / dy + 1), q.y + t};
        if (t < 0.0001) r.x = Ausweichstelle(p, q, v, r.x);
        return r;
    }
    if (q.y == 0) return p;  // no load and nothing left to carry: the point is P itself
    return {p.x + 1000 * v / q.y, q.y};
}

// Centroid of the load P→Q together with an earlier load c (kN) whose centroid lies at e; 0 when there is
// no load at all.
inline double Schwerpunkt(TrFloatPoint p, TrFloatPoint q, double c, double e) {
    const double delta = std::abs(q.x - p.x);
    const double m = delta * std::abs(q.y - p.y) / 2;
    const double o = delta * std::min(p.y, q.y);
    const double nenner = m + o + c * 1000;
    if (c + m + o == 0 || nenner == 0) return 0;
    const double xt = p.y > q.y ? p.x + delta / 3 : p.x + 2 * delta / 3;
    return ((p.x + delta / 2) * o + m * xt + c * e * 1000) / nenner;
}
