#pragma once

#include "dxf/Polyline_.h"

// A spline in world coordinates, kept as the fine polyline that draws it: the curve of its control points
// (a B-spline on its knots, rational with weights), or a smooth curve through its fit points when the file
// gives only those. Written as that polyline, since a Release-12 file has no splines.
class Spline_ : public Polyline_ {
public:
    Spline_(std::vector<Point3D> curve, int col);
    const char* class_name() const override { return "Spline_"; }
    std::string proper_name() const override { return "POLYLINE"; }
};
