#pragma once

#include "dxf/DXF_Entity.h"

// A point; base of the entities with one reference point (insertion point, start point, centre).
class Point_ : public DXF_Entity {
public:
    Point_(const Point3D& OCSaxis, const Point3D& p, int col);
    const char* class_name() const override { return "Point_"; }

    void translate(const Point3D& t) override;
    void quantize_coords(double epsilon, int mask) override;
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    double closest_vertex_square_distance_2D(const Point3D& p) const override;
    Point3D closest_vertex(const Point3D& p) const override;
    bool Move_point(const Point3D& p, const Point3D& newpoint) override;

    Point3D p1;
};
