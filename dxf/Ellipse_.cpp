#include "dxf/Ellipse_.h"

#include <cmath>

#include "dxf/Curves.h"
#include "dxf/DXF_Number.h"
#include "dxf/Polyline_.h"

namespace {

constexpr double full_turn = 6.283185307179586;

}  // namespace

Ellipse_::Ellipse_(const Point3D& extrusion, const Point3D& centre, const Point3D& major_axis, double ratio_,
                   double start, double end, int col)
    : Point_(WCS_Z, centre, col),
      major(major_axis),
      minor(vec_scale(cross_product(normalize(extrusion), major_axis), ratio_)),
      ratio(ratio_),
      start_param(start),
      end_param(end) {}

std::vector<Point3D> Ellipse_::points() const {
    double sweep = std::fmod(end_param - start_param, full_turn);
    if (sweep <= 1e-12) sweep += full_turn;
    std::vector<Point3D> out;
    append_elliptic_arc(out, p1, major, minor, start_param, start_param + sweep);
    return out;
}

void Ellipse_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const Matrix m = OCS ? *OCS : Identity;
    begin_drawing(canvas, nullptr);
    std::vector<Screen_Point> screen;
    for (const Point3D& p : points()) screen.push_back(map_fn(p, OCS ? &m : nullptr));
    canvas.polyline(screen);
}

void Ellipse_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Polyline_ outline(WCS_Z, points(), colinx, false);
    outline.write_to_DXF(file, layer);
}

std::string Ellipse_::details() const {
    return Point_::details() + CRLF + "Major axis " + point_to_str(major) + CRLF +
           "Ratio = " + float_to_str(ratio) + CRLF + "Parameters " + float_to_str(start_param) + " " +
           float_to_str(end_param);
}

void Ellipse_::max_min_extents(Point3D& emax, Point3D& emin) const {
    for (const Point3D& p : points()) {
        max_bound(emax, p);
        min_bound(emin, p);
    }
}
