#include "dxf/Point_.h"

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

Point_::Point_(const Point3D& OCSaxis, const Point3D& p, int col) : p1(p) {
    setcolour_index(col);
    init_OCS_WCS_matrix(OCSaxis);
}

void Point_::translate(const Point3D& t) {
    p1 = vec_add(p1, t);
}

void Point_::quantize_coords(double epsilon, int mask) {
    quantize_point(p1, epsilon, mask);
}

void Point_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    DXF_Entity::write_to_DXF(file, layer);
    write_DXF_Point(file, 10, p1);
}

std::string Point_::details() const {
    return DXF_Entity::details() + CRLF + point_to_str(p1);
}

void Point_::max_min_extents(Point3D& emax, Point3D& emin) const {
    max_bound(emax, p1);
    min_bound(emin, p1);
}

double Point_::closest_vertex_square_distance_2D(const Point3D& p) const {
    return sq_distance2D(p, p1);
}

Point3D Point_::closest_vertex(const Point3D&) const {
    return p1;
}

bool Point_::Move_point(const Point3D& p, const Point3D& newpoint) {
    if (!same_point(p1, p)) return false;
    p1 = newpoint;
    return true;
}

void Point_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    draw_cross(canvas, map_fn(p1, begin_drawing(canvas, OCS)));
}

void Point_::DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    draw_cross(canvas, map_fn(p1, combine_matrices(OCS_WCS.get(), OCS)));
}
