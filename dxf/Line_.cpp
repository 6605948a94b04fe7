#include "dxf/Line_.h"

#include "dxf/DXF_Number.h"

Line_::Line_(const Point3D& p_1, const Point3D& p_2, int col) : Point_(WCS_Z, p_1, col), p2(p_2) {}

void Line_::translate(const Point3D& t) {
    Point_::translate(t);
    p2 = vec_add(p2, t);
}

void Line_::quantize_coords(double epsilon, int mask) {
    Point_::quantize_coords(epsilon, mask);
    quantize_point(p2, epsilon, mask);
}

void Line_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Point_::write_to_DXF(file, layer);
    write_DXF_Point(file, 11, p2);
}

std::string Line_::details() const {
    return Point_::details() + CRLF + point_to_str(p2);
}

void Line_::max_min_extents(Point3D& emax, Point3D& emin) const {
    Point_::max_min_extents(emax, emin);
    max_bound(emax, p2);
    min_bound(emin, p2);
}

double Line_::closest_vertex_square_distance_2D(const Point3D& p) const {
    return dmin(sq_distance2D(p, p1), sq_distance2D(p, p2));
}

Point3D Line_::closest_vertex(const Point3D& p) const {
    return sq_distance2D(p, p1) < sq_distance2D(p, p2) ? p1 : p2;
}

bool Line_::Move_point(const Point3D& p, const Point3D& newpoint) {
    if (Point_::Move_point(p, newpoint)) return true;
    if (!same_point(p2, p)) return false;
    p2 = newpoint;
    return true;
}

void Line_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const pMatrix m = begin_drawing(canvas, OCS);
    canvas.line(map_fn(p1, m), map_fn(p2, m));
}

void Line_::DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const pMatrix m = combine_matrices(OCS_WCS.get(), OCS);
    draw_cross(canvas, map_fn(p1, m));
    draw_cross(canvas, map_fn(p2, m));
}
