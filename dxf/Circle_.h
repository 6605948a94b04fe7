#pragma once

#include "dxf/Point_.h"

class Polyline_;

// Circle around p1 in its OCS plane.
class Circle_ : public Point_ {
public:
    Circle_(const Point3D& OCSaxis, const Point3D& p_1, double radius_, int col);
    // Best-fit circle through a polyline's vertices: their mean and mean distance.
    static std::unique_ptr<Circle_> create_from_polyline(const Polyline_& ent1);
    const char* class_name() const override { return "Circle_"; }

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    bool is_point_inside_object2D(const Point3D& p) const override;

    double radius = 0;
};
