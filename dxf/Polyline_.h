#pragma once

#include <array>
#include <vector>

#include "dxf/DXF_Entity.h"

// Vertex sequence; base of the entities with vertex lists.
class Polyline_ : public DXF_Entity {
public:
    // An open polyline whose last point repeats the first becomes closed without the duplicate.
    Polyline_(const Point3D& OCSaxis, std::vector<Point3D> points, int col, bool closed_);
    const char* class_name() const override { return "Polyline_"; }

    int numvertices() const { return static_cast<int>(polypoints.size()); }
    void translate(const Point3D& t) override;
    void quantize_coords(double epsilon, int mask) override;
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    int count_points() const override { return numvertices(); }
    int count_lines() const override { return numvertices(); }
    int count_polys_open() const override { return closed ? 0 : 1; }
    int count_polys_closed() const override { return closed ? 1 : 0; }
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    double closest_vertex_square_distance_2D(const Point3D& p) const override;
    Point3D closest_vertex(const Point3D& p) const override;
    // Even-odd ray test in x/y; open polylines enclose nothing.
    bool is_point_inside_object2D(const Point3D& p) const override;
    bool Move_point(const Point3D& p, const Point3D& newpoint) override;

    // Centroid of a triangle; raises DXF_exception for any other vertex count.
    Point3D triangle_centre() const;
    static constexpr int max_attribs = 16;
    void set_attrib(int i, double v);  // raises std::out_of_range outside 0..15
    double get_attrib(int i) const;
    void copy_attribs(const Polyline_& p);

    // The vertices with arc segments (bulges) drawn as fine straight pieces, in the entity's own coordinates.
    std::vector<Point3D> outline() const;
    // Bulges and widths are kept only where one is not 0; set them through these so the vertices and their
    // values stay in step.
    void set_bulges(std::vector<double> b);
    void set_widths(std::vector<std::pair<double, double>> w);

    bool closed = false;
    std::vector<Point3D> polypoints;
    // Per vertex, or empty: the bulge of the segment to the next vertex (the tangent of a quarter of its
    // included angle, positive counter-clockwise), and the segment's start and end width.
    std::vector<double> bulges;
    std::vector<std::pair<double, double>> widths;
    int numattrs = 0;
    std::array<double, max_attribs> attribs{};

protected:
    struct Keep_points {};
    // Meshes and faces keep their vertices as given: a repeated first vertex is a real vertex there.
    Polyline_(Keep_points, const Point3D& OCSaxis, std::vector<Point3D> points, int col, bool closed_);
    std::string vertex_details() const;
    // Screen points of all vertices.
    std::vector<Screen_Point> mapped(const Map_Function& map_fn, pMatrix m) const;

private:
    // Segment by segment with the pen as wide as the segment.
    void draw_wide(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix m) const;
};
