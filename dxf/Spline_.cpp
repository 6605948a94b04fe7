#include "dxf/Spline_.h"

Spline_::Spline_(std::vector<Point3D> curve, int col)
    : Polyline_(Keep_points{}, WCS_Z, std::move(curve), col, false) {}
