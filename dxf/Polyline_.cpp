#include "dxf/Polyline_.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "dxf/Curves.h"
#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"
#include "dxf/DXF_exception.h"

Polyline_::Polyline_(Keep_points, const Point3D& OCSaxis, std::vector<Point3D> points, int col, bool closed_)
    : closed(closed_), polypoints(std::move(points)) {
    init_OCS_WCS_matrix(OCSaxis);
    setcolour_index(col);
}

Polyline_::Polyline_(const Point3D& OCSaxis, std::vector<Point3D> points, int col, bool closed_)
    : Polyline_(Keep_points{}, OCSaxis, std::move(points), col, closed_) {
    if (!closed && polypoints.size() > 1 && same_point(polypoints.front(), polypoints.back())) {
        closed = true;
        polypoints.pop_back();
    }
}

namespace {

template <typename T>
bool all_zero(const std::vector<T>& values) {
    return std::all_of(values.begin(), values.end(), [](const T& v) { return v == T{}; });
}

}  // namespace

void Polyline_::set_bulges(std::vector<double> b) {
    b.resize(polypoints.size());
    bulges = all_zero(b) ? std::vector<double>{} : std::move(b);
}

void Polyline_::set_widths(std::vector<std::pair<double, double>> w) {
    w.resize(polypoints.size());
    widths = all_zero(w) ? std::vector<std::pair<double, double>>{} : std::move(w);
}

std::vector<Point3D> Polyline_::outline() const {
    if (bulges.empty() || polypoints.empty()) return polypoints;
    std::vector<Point3D> points{polypoints.front()};
    const size_t n = polypoints.size();
    for (size_t i = 0; i + 1 < n + (closed ? 1 : 0); ++i)
        append_bulge_arc(points, polypoints[i], polypoints[(i + 1) % n], bulges[i]);
    if (closed) points.pop_back();
    return points;
}

void Polyline_::translate(const Point3D& t) {
    for (Point3D& p : polypoints) p = vec_add(p, t);
}

void Polyline_::quantize_coords(double epsilon, int mask) {
    for (Point3D& p : polypoints) quantize_point(p, epsilon, mask);
}

void Polyline_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    DXF_Entity::write_to_DXF(file, layer);
    file.write_int(70, closed ? 9 : 8);
    for (size_t i = 0; i < polypoints.size(); ++i) {
        file.write_string(0, "VERTEX");
        file.write_int(70, 32);
        write_DXF_Point(file, 10, polypoints[i]);
        if (!widths.empty() && (widths[i].first != 0 || widths[i].second != 0)) {
            file.write_real(40, widths[i].first);
            file.write_real(41, widths[i].second);
        }
        if (!bulges.empty() && bulges[i] != 0) file.write_real(42, bulges[i]);
    }
    file.write_string(0, "SEQEND");
}

std::string Polyline_::vertex_details() const {
    std::string s;
    for (const Point3D& p : polypoints) s += CRLF + point_to_str(p);
    return s;
}

std::string Polyline_::details() const {
    return DXF_Entity::details() + CRLF + (closed ? "Closed" : "Open") + vertex_details();
}

void Polyline_::max_min_extents(Point3D& emax, Point3D& emin) const {
    for (const Point3D& p : outline()) {
        max_bound(emax, p);
        min_bound(emin, p);
    }
}

double Polyline_::closest_vertex_square_distance_2D(const Point3D& p) const {
    double best = 1e10;
    for (const Point3D& v : polypoints) best = dmin(best, sq_distance2D(p, v));
    return best;
}

Point3D Polyline_::closest_vertex(const Point3D& p) const {
    if (polypoints.empty()) return p;
    Point3D best = polypoints.front();
    double best_distance = sq_distance2D(p, best);
    for (const Point3D& v : polypoints) {
        const double d = sq_distance2D(p, v);
        if (d < best_distance) {
            best = v;
            best_distance = d;
        }
    }
    return best;
}

bool Polyline_::is_point_inside_object2D(const Point3D& p) const {
    if (!closed) return false;
    bool inside = false;
    const size_t n = polypoints.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point3D& a = polypoints[i];
        const Point3D& b = polypoints[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool Polyline_::Move_point(const Point3D& p, const Point3D& newpoint) {
    for (Point3D& v : polypoints) {
        if (same_point(v, p)) {
            v = newpoint;
            return true;
        }
    }
    return false;
}

Point3D Polyline_::triangle_centre() const {
    if (polypoints.size() != 3) throw DXF_exception("Shouldn't call this for non triangular facets");
    return vec_scale(vec_add(vec_add(polypoints[0], polypoints[1]), polypoints[2]), 0.3333333333333333);
}

void Polyline_::set_attrib(int i, double v) {
    if (i < 0 || i >= max_attribs) throw std::out_of_range("Polyline_ attribute index");
    attribs[static_cast<size_t>(i)] = v;
    if (i >= numattrs) numattrs = i + 1;
}

double Polyline_::get_attrib(int i) const {
    return (i >= 0 && i < numattrs) ? attribs[static_cast<size_t>(i)] : 0;
}

void Polyline_::copy_attribs(const Polyline_& p) {
    numattrs = p.numattrs;
    attribs = p.attribs;
}

std::vector<Screen_Point> Polyline_::mapped(const Map_Function& map_fn, pMatrix m) const {
    std::vector<Screen_Point> points;
    points.reserve(polypoints.size());
    for (const Point3D& p : polypoints) points.push_back(map_fn(p, m));
    return points;
}

void Polyline_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const pMatrix m = begin_drawing(canvas, OCS);
    if (!widths.empty()) {
        draw_wide(canvas, map_fn, m);
        return;
    }
    std::vector<Screen_Point> points;
    if (bulges.empty()) {
        points = mapped(map_fn, m);
    } else {
        for (const Point3D& p : outline()) points.push_back(map_fn(p, m));
    }
    if (closed) {
        canvas.polygon(points);
    } else {
        canvas.polyline(points);
    }
}

void Polyline_::draw_wide(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix m) const {
    const Matrix own = m ? *m : Identity;  // m is the shared product, which mapping may not overwrite
    const size_t n = polypoints.size();
    const Screen_Point origin = map_fn(Origin, nullptr);
    for (size_t i = 0; i + 1 < n + (closed ? 1 : 0); ++i) {
        const double w = (widths[i].first + widths[i].second) / 2;
        const Point3D across = vec_sub(transform_point(own, {w, 0, 0}), transform_point(own, Origin));
        const Screen_Point end = map_fn({std::hypot(across.x, across.y), 0, 0}, nullptr);
        canvas.set_pen_width(std::max(1, std::abs(end.x - origin.x)));
        std::vector<Point3D> piece{polypoints[i]};
        append_bulge_arc(piece, polypoints[i], polypoints[(i + 1) % n], bulges.empty() ? 0 : bulges[i]);
        std::vector<Screen_Point> points;
        for (const Point3D& p : piece) points.push_back(map_fn(p, &own));
        canvas.polyline(points);
    }
    canvas.set_pen_width(1);
}

void Polyline_::DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    for (const Screen_Point& p : mapped(map_fn, combine_matrices(OCS_WCS.get(), OCS))) draw_cross(canvas, p);
}
