#pragma once

// Points and vectors of the DXF drawings; lengths in millimetres.
struct Point3D {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A model position on screen mapping (preview).
struct Point2D {
    double x = 0;
    double y = 0;
};

inline constexpr Point3D Origin{0, 0, 0};
inline constexpr Point3D WCS_Y{0, 1, 0};
inline constexpr Point3D WCS_Z{0, 0, 1};

inline Point3D make_point(double x, double y, double z) {
    return {x, y, z};
}
// Exact comparison: an extrusion that differs in the last bit still needs its own axes.
inline bool same_point(const Point3D& p1, const Point3D& p2) {
    return p1.x == p2.x && p1.y == p2.y && p1.z == p2.z;
}
inline Point3D vec_sub(const Point3D& p1, const Point3D& p2) {
    return {p1.x - p2.x, p1.y - p2.y, p1.z - p2.z};
}
inline Point3D vec_add(const Point3D& p1, const Point3D& p2) {
    return {p1.x + p2.x, p1.y + p2.y, p1.z + p2.z};
}
inline Point3D vec_scale(const Point3D& p, double s) {
    return {p.x * s, p.y * s, p.z * s};
}
inline Point3D cross_product(const Point3D& a, const Point3D& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double dmin(double a, double b) {
    return a < b ? a : b;
}

// The zero vector has no direction; it is returned unchanged instead of dividing by zero.
Point3D normalize(const Point3D& v);
double distance3D(const Point3D& p1, const Point3D& p2);
double distance2D(const Point3D& p1, const Point3D& p2);
double sq_distance2D(const Point3D& p1, const Point3D& p2);
void max_bound(Point3D& bmax, const Point3D& p);
void min_bound(Point3D& bmin, const Point3D& p);
// Rounds the selected coordinates (mask 1 = x, 2 = y, 4 = z) to multiples of 1/epsilon, halves to even.
void quantize_point(Point3D& p, double epsilon, int mask);
