#include "dxf/Circle_.h"

#include <algorithm>
#include <cmath>

#include "dxf/Curves.h"
#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"
#include "dxf/Polyline_.h"

Circle_::Circle_(const Point3D& OCSaxis, const Point3D& p_1, double radius_, int col)
    : Point_(OCSaxis, p_1, col), radius(radius_) {}

std::unique_ptr<Circle_> Circle_::create_from_polyline(const Polyline_& ent1) {
    const auto& points = ent1.polypoints;
    Point3D centre;
    double mean_distance = 0;
    if (!points.empty()) {
        for (const Point3D& p : points) centre = vec_add(centre, p);
        centre = vec_scale(centre, 1.0 / static_cast<double>(points.size()));
        for (const Point3D& p : points) mean_distance += distance3D(p, centre);
        mean_distance /= static_cast<double>(points.size());
    }
    auto circle = std::make_unique<Circle_>(ent1.OCS_axis, centre, mean_distance, ent1.colinx);
    return circle;
}

void Circle_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Point_::write_to_DXF(file, layer);
    file.write_real(40, radius);
}

std::string Circle_::details() const {
    return Point_::details() + CRLF + "Radius = " + float_to_str(radius);
}

void Circle_::max_min_extents(Point3D& emax, Point3D& emin) const {
    const Point3D r{radius, radius, 0};
    max_bound(emax, vec_add(p1, r));
    min_bound(emin, vec_sub(p1, r));
}

bool Circle_::is_point_inside_object2D(const Point3D& p) const {
    return distance2D(p, p1) <= radius;
}

Circle_::Screen_Box Circle_::screen_box(const Map_Function& map_fn, pMatrix m) const {
    const Point3D r{radius, radius, radius};
    const Screen_Point low = map_fn(vec_sub(p1, r), m);
    const Screen_Point high = map_fn(vec_add(p1, r), m);
    return {{std::min(low.x, high.x), std::max(low.y, high.y)},
            {std::max(low.x, high.x), std::min(low.y, high.y)},
            (low.x > high.x) != (high.y > low.y)};
}

bool Circle_::keeps_axes(pMatrix m) {
    if (!m) return true;
    const double(&v)[4][4] = m->val;
    const double scale = std::fabs(v[0][0]);
    const double tolerance = 1e-12 * scale;
    return scale > 0 && std::fabs(std::fabs(v[1][1]) - scale) <= tolerance &&
           std::fabs(v[0][1]) <= tolerance && std::fabs(v[1][0]) <= tolerance &&
           std::fabs(v[0][2]) <= tolerance && std::fabs(v[1][2]) <= tolerance;
}

std::vector<Screen_Point> Circle_::sampled(const Map_Function& map_fn, pMatrix m, double a0,
                                           double a1) const {
    const Matrix own =
        m ? *m : Identity;  // m may be the shared product, which the mapping must not see change
    std::vector<Point3D> points;
    append_elliptic_arc(points, p1, {radius, 0, 0}, {0, radius, 0}, a0, a1);
    std::vector<Screen_Point> screen;
    screen.reserve(points.size());
    for (const Point3D& p : points) screen.push_back(map_fn(p, &own));
    return screen;
}

void Circle_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const pMatrix m = begin_drawing(canvas, OCS);
    if (!keeps_axes(m)) {
        canvas.polyline(sampled(map_fn, m, 0, 2 * 3.14159265358979323846));
        return;
    }
    const Screen_Box box = screen_box(map_fn, m);
    if (box.is_dot()) {
        canvas.pixel({box.a.x, box.b.y}, canvas.pen_colour());
    } else {
        canvas.ellipse(box.a, box.b);
    }
}
