#include "dxf/Arc_.h"

#include <cmath>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

namespace {

constexpr double deg_to_rad = 0.017453292519943295769;
constexpr double rad_to_deg = 57.295779513082320877;

// Whole degrees in 0..359 of an angle in radians; angles of any size are reduced first,
// and a value a rounding error below a whole degree counts as that degree.
int whole_degrees(double radians) {
    double deg = std::fmod(radians * rad_to_deg, 360.0);
    if (!std::isfinite(deg)) return 0;
    if (deg < 0) deg += 360.0;
    if (std::fabs(deg - std::round(deg)) < 1e-9) deg = std::round(deg);
    const int whole = static_cast<int>(deg);
    return whole >= 360 ? 0 : whole;
}

}  // namespace

Arc_::Arc_(const Point3D& OCSaxis, const Point3D& p_1, double radius_, double sa, double ea, int col)
    : Circle_(OCSaxis, p_1, radius_, col), angle1(sa * deg_to_rad), angle2(ea * deg_to_rad) {}

void Arc_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Circle_::write_to_DXF(file, layer);
    file.write_real(50, angle1 * rad_to_deg);
    file.write_real(51, angle2 * rad_to_deg);
}

std::string Arc_::details() const {
    return Circle_::details() + CRLF + "Angle 1 = " + float_to_str(angle1) + CRLF +
           "Angle 2 = " + float_to_str(angle2);
}

void Arc_::max_min_extents(Point3D& emax, Point3D& emin) const {
    auto add = [&](double angle) {
        const Point3D p{p1.x + radius * std::cos(angle), p1.y + radius * std::sin(angle), 0};
        max_bound(emax, p);
        min_bound(emin, p);
    };
    add(angle1);
    add(angle2);
    int end = (whole_degrees(angle2) + 89) / 90 * 90;
    if (end == 360) end = 0;
    int step = (whole_degrees(angle1) + 90) / 90 * 90;
    if (step == 360) step = 0;
    while (step != end) {
        add(step * deg_to_rad);
        step = (step + 90) % 360;
    }
}

void Arc_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const pMatrix m = begin_drawing(canvas, OCS);
    if (!keeps_axes(m)) {
        constexpr double full = 2 * 3.14159265358979323846;
        double sweep = std::fmod(angle2 - angle1, full);
        if (sweep <= 0) sweep += full;
        canvas.polyline(sampled(map_fn, m, angle1, angle1 + sweep));
        return;
    }
    const Screen_Box box = screen_box(map_fn, m);
    if (box.is_dot()) {
        canvas.pixel({box.a.x, box.b.y}, canvas.pen_colour());
        return;
    }
    auto on_arc = [&](double angle) {
        return map_fn({p1.x + radius * std::cos(angle), p1.y + radius * std::sin(angle), p1.z + radius}, m);
    };
    if (box.mirrored) {
        canvas.arc(box.a, box.b, on_arc(angle2), on_arc(angle1));
    } else {
        canvas.arc(box.a, box.b, on_arc(angle1), on_arc(angle2));
    }
}
