#include "dxf/Curves.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double full_turn = 6.283185307179586;
constexpr int samples_per_span = 16;

int segments_for(double sweep) {
    if (!std::isfinite(sweep)) return 1;
    return std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / full_turn * segments_per_circle)), 1,
                      segments_per_circle);
}

Point3D lerp(const Point3D& a, const Point3D& b, double t) {
    return vec_add(a, vec_scale(vec_sub(b, a), t));
}

}  // namespace

void append_bulge_arc(std::vector<Point3D>& out, const Point3D& a, const Point3D& b, double bulge) {
    const double chord = distance2D(a, b);
    if (bulge == 0 || !std::isfinite(bulge) || chord == 0) {
        out.push_back(b);
        return;
    }
    const double sweep = 4 * std::atan(bulge);
    const double radius = chord / (2 * std::sin(std::fabs(sweep) / 2));
    // The centre lies on the chord's perpendicular bisector, on the left for a counter-clockwise arc.
    const Point3D mid = lerp(a, b, 0.5);
    const Point3D left{-(b.y - a.y) / chord, (b.x - a.x) / chord, 0};
    const double along = radius * std::cos(sweep / 2) * (bulge > 0 ? 1 : -1);
    const Point3D centre = vec_add(mid, vec_scale(left, along));
    const double start = std::atan2(a.y - centre.y, a.x - centre.x);
    const int n = segments_for(sweep);
    for (int i = 1; i < n; ++i) {
        const double t = start + sweep * i / n;
        out.push_back(
            {centre.x + radius * std::cos(t), centre.y + radius * std::sin(t), a.z + (b.z - a.z) * i / n});
    }
    out.push_back(b);
}

void append_elliptic_arc(std::vector<Point3D>& out, const Point3D& centre, const Point3D& major,
                         const Point3D& minor, double t0, double t1) {
    if (!std::isfinite(t0) || !std::isfinite(t1)) return;
    const int n = segments_for(t1 - t0);
    for (int i = 0; i <= n; ++i) {
        const double t = t0 + (t1 - t0) * i / n;
        out.push_back(vec_add(centre, vec_add(vec_scale(major, std::cos(t)), vec_scale(minor, std::sin(t)))));
    }
}

namespace {

struct Homogeneous {
    double x, y, z, w;
};

// The point at u on the span [knots[span], knots[span + 1]) by De Boor's algorithm, on homogeneous points
// (x·w, y·w, z·w, w); the buffer holds degree + 1 of them.
bool de_boor(int degree, int span, double u, const std::vector<double>& knots,
             const std::vector<Point3D>& control, const std::vector<double>& weights,
             std::vector<Homogeneous>& d, Point3D& point) {
    const bool rational = weights.size() == control.size();
    for (int j = 0; j <= degree; ++j) {
        const auto k = static_cast<size_t>(span - degree + j);
        const double w = rational ? weights[k] : 1.0;
        d[static_cast<size_t>(j)] = {control[k].x * w, control[k].y * w, control[k].z * w, w};
    }
    for (int r = 1; r <= degree; ++r) {
        for (int j = degree; j >= r; --j) {
            const auto i = static_cast<size_t>(span - degree + j);
            const double den = knots[i + static_cast<size_t>(degree - r + 1)] - knots[i];
            const double a = den == 0 ? 0 : (u - knots[i]) / den;
            Homogeneous& p = d[static_cast<size_t>(j)];
            const Homogeneous& q = d[static_cast<size_t>(j - 1)];
            p = {q.x + a * (p.x - q.x), q.y + a * (p.y - q.y), q.z + a * (p.z - q.z), q.w + a * (p.w - q.w)};
        }
    }
    const Homogeneous& p = d[static_cast<size_t>(degree)];
    if (p.w == 0 || !std::isfinite(p.w)) return false;
    point = {p.x / p.w, p.y / p.w, p.z / p.w};
    return true;
}

}  // namespace

std::vector<Point3D> bspline_points(int degree, const std::vector<double>& knots,
                                    const std::vector<Point3D>& control, const std::vector<double>& weights) {
    const auto n = static_cast<int>(control.size());
    if (degree < 1 || n <= degree || knots.size() != control.size() + static_cast<size_t>(degree) + 1 ||
        !std::is_sorted(knots.begin(), knots.end()))
        return {};
    std::vector<Homogeneous> d(static_cast<size_t>(degree) + 1);
    std::vector<Point3D> out;
    Point3D p;
    int last_span = -1;
    for (int span = degree; span < n; ++span) {
        const double u0 = knots[static_cast<size_t>(span)], u1 = knots[static_cast<size_t>(span) + 1];
        if (!(u1 > u0)) continue;
        last_span = span;
        for (int s = 0; s < samples_per_span; ++s) {
            if (!de_boor(degree, span, u0 + (u1 - u0) * s / samples_per_span, knots, control, weights, d, p))
                return {};
            out.push_back(p);
        }
    }
    if (last_span < 0 ||
        !de_boor(degree, last_span, knots[static_cast<size_t>(last_span) + 1], knots, control, weights, d, p))
        return {};
    out.push_back(p);
    return out;
}

std::vector<Point3D> curve_through(const std::vector<Point3D>& fit, bool closed) {
    const size_t n = fit.size();
    if (n < 3) return fit;
    const auto at = [&](long i) -> const Point3D& {
        const long m = static_cast<long>(n);
        if (closed) return fit[static_cast<size_t>(((i % m) + m) % m)];
        return fit[static_cast<size_t>(std::clamp(i, 0L, m - 1))];
    };
    // Knot spacing by the square root of the distance keeps the curve from looping at uneven points.
    const auto step = [](const Point3D& a, const Point3D& b) {
        return std::max(std::sqrt(distance3D(a, b)), 1e-9);
    };
    std::vector<Point3D> out{fit.front()};
    const long segments = static_cast<long>(closed ? n : n - 1);
    for (long i = 0; i < segments; ++i) {
        const Point3D &p0 = at(i - 1), &p1 = at(i), &p2 = at(i + 1), &p3 = at(i + 2);
        const double t1 = step(p0, p1), t2 = t1 + step(p1, p2), t3 = t2 + step(p2, p3);
        for (int s = 1; s <= samples_per_span; ++s) {
            const double t = t1 + (t2 - t1) * s / samples_per_span;
            const Point3D a1 = lerp(p0, p1, t / t1), a2 = lerp(p1, p2, (t - t1) / (t2 - t1)),
                          a3 = lerp(p2, p3, (t - t2) / (t3 - t2));
            const Point3D b1 = lerp(a1, a2, t / t2), b2 = lerp(a2, a3, (t - t1) / (t3 - t1));
            out.push_back(lerp(b1, b2, (t - t1) / (t2 - t1)));
        }
    }
    return out;
}
