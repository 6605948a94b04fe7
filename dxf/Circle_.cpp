#include "dxf/Circle_.h"

#include <algorithm>

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

void Circle_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const Screen_Box box = screen_box(map_fn, begin_drawing(canvas, OCS));
    if (box.is_dot()) {
        canvas.pixel({box.a.x, box.b.y}, canvas.pen_colour());
    } else {
        canvas.ellipse(box.a, box.b);
    }
}
