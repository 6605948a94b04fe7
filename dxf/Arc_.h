#pragma once

#include "dxf/Circle_.h"

// Circular arc, counter-clockwise from angle1 to angle2 (radians).
class Arc_ : public Circle_ {
public:
    // Angles sa and ea in degrees.
    Arc_(const Point3D& OCSaxis, const Point3D& p_1, double radius_, double sa, double ea, int col);
    const char* class_name() const override { return "Arc_"; }

    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    // End points plus the quadrant points the arc passes.
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    bool is_point_inside_object2D(const Point3D&) const override { return false; }

    double angle1 = 0;
    double angle2 = 0;
};
