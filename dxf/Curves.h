#pragma once

#include <vector>

#include "dxf/Point3D.h"

// Curves of the DXF entities as fine polylines, in the plane of their points (z taken along where it
// varies): polyline arc segments, elliptic arcs, B-splines and smooth curves through fit points.

// Segments of a full circle; a chord of a circle 1000 pixels wide then lies within a third of a pixel.
inline constexpr int segments_per_circle = 128;

// The points after `a` up to and including `b` of a polyline segment whose bulge is the tangent of a
// quarter of its included angle (positive counter-clockwise); bulge 0 gives only `b`.
void append_bulge_arc(std::vector<Point3D>& out, const Point3D& a, const Point3D& b, double bulge);

// Points of the elliptic arc centre + cos t·major + sin t·minor for t from t0 to t1 (t1 ≥ t0), both ends
// included.
void append_elliptic_arc(std::vector<Point3D>& out, const Point3D& centre, const Point3D& major,
                         const Point3D& minor, double t0, double t1);

// The B-spline (rational when weights are given, one per control point) of the degree on the knots; an
// empty result when the knots do not fit the control points.
std::vector<Point3D> bspline_points(int degree, const std::vector<double>& knots,
                                    const std::vector<Point3D>& control, const std::vector<double>& weights);

// A smooth curve through every fit point (centripetal Catmull-Rom), closed back to the first when asked.
std::vector<Point3D> curve_through(const std::vector<Point3D>& fit, bool closed);
