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

    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    bool is_point_inside_object2D(const Point3D& p) const override;

    double radius = 0;

protected:
    // The screen box of centre -/+ (r, r, r): a is its lower left, b its upper right corner. A mirroring
    // matrix swaps the mapped corners; they are put back in order so a mirrored circle is still drawn.
    struct Screen_Box {
        Screen_Point a;
        Screen_Point b;
        bool mirrored = false;  // counter-clockwise in the model is clockwise on the screen
        // Too small to draw as a curve: one pixel instead.
        bool is_dot() const { return !(a.x + 1 < b.x && b.y + 1 < a.y); }
    };
    Screen_Box screen_box(const Map_Function& map_fn, pMatrix m) const;
    // True when the matrix maps the OCS plane without rotation or uneven scale, so a circle stays a circle
    // with the screen's axes and the box describes it.
    static bool keeps_axes(pMatrix m);
    // Points on the circle from angle a0 to a1 (radians, a1 > a0) under the matrix: a rotated, sheared or
    // unevenly scaled block reference turns a circle into an ellipse of any orientation.
    std::vector<Screen_Point> sampled(const Map_Function& map_fn, pMatrix m, double a0, double a1) const;
};
