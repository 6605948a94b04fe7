#pragma once

#include "dxf/Point_.h"

// Straight line from p1 to p2; lines never carry an OCS.
class Line_ : public Point_ {
public:
    Line_(const Point3D& p_1, const Point3D& p_2, int col);
    const char* class_name() const override { return "Line_"; }

    void translate(const Point3D& t) override;
    void quantize_coords(double epsilon, int mask) override;
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    int count_points() const override { return 2; }
    int count_lines() const override { return 1; }
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    double closest_vertex_square_distance_2D(const Point3D& p) const override;
    // p1 only when strictly nearer, so an equidistant point gives p2.
    Point3D closest_vertex(const Point3D& p) const override;
    bool Move_point(const Point3D& p, const Point3D& newpoint) override;

    Point3D p2;
};
