#include "dxf/Point3D.h"

#include <cmath>

Point3D normalize(const Point3D& v) {
    const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (len == 0) return v;
    return {v.x / len, v.y / len, v.z / len};
}

double distance3D(const Point3D& p1, const Point3D& p2) {
    const Point3D d = vec_sub(p1, p2);
    return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}

double distance2D(const Point3D& p1, const Point3D& p2) {
    return std::sqrt(sq_distance2D(p1, p2));
}

double sq_distance2D(const Point3D& p1, const Point3D& p2) {
    const double dx = p1.x - p2.x;
    const double dy = p1.y - p2.y;
    return dx * dx + dy * dy;
}

void max_bound(Point3D& bmax, const Point3D& p) {
    if (p.x > bmax.x) bmax.x = p.x;
    if (p.y > bmax.y) bmax.y = p.y;
    if (p.z > bmax.z) bmax.z = p.z;
}

void min_bound(Point3D& bmin, const Point3D& p) {
    if (p.x < bmin.x) bmin.x = p.x;
    if (p.y < bmin.y) bmin.y = p.y;
    if (p.z < bmin.z) bmin.z = p.z;
}

void quantize_point(Point3D& p, double epsilon, int mask) {
    auto quantize = [epsilon](double& c) { c = std::nearbyint(c * epsilon) / epsilon; };
    if (mask & 1) quantize(p.x);
    if (mask & 2) quantize(p.y);
    if (mask & 4) quantize(p.z);
}
