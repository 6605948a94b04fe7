#include "dxf/Text_.h"

#include <cmath>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"
#include "dxf/Text_Box.h"

namespace {

constexpr double deg_to_rad = 0.017453292519943295769;
constexpr double rad_to_deg = 57.295779513082320877;

Point3D linear(const Matrix& m, const Point3D& v) {
    return vec_sub(transform_point(m, v), transform_point(m, Origin));
}

}  // namespace

Text_::Text_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss,
             double height, double angle, int col, int ha)
    : Point_(OCSaxis, p, col),
      h(height),
      textstr(ss),
      align_pt(same_point(ap, Origin) ? p : ap),
      hor_align(ha),
      rot_angle(angle) {}

void Text_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Point_::write_to_DXF(file, layer);
    file.write_real(40, h);
    file.write_real(50, rot_angle);
    file.write_string(1, textstr);
    file.write_string(7, "ARIAL");
    if (hor_align != 0 || vert_align != 0) {
        write_DXF_Point(file, 11, align_pt);
        if (hor_align != 0) file.write_int(72, hor_align);
        if (vert_align != 0) file.write_int(vertical_group(), vert_align);
    }
}

std::string Text_::details() const {
    return Point_::details() + CRLF + "Text \t" + textstr + CRLF + "TextHeight = " + float_to_str(h);
}

Point3D Text_::anchor() const {
    return hor_align == 0 && vert_align == 0 ? p1 : hor_align == 3 || hor_align == 5 ? p1 : align_pt;
}

int Text_::horizontal() const {
    return hor_align == 1 || hor_align == 2 ? hor_align : hor_align == 4 ? 1 : 0;
}

int Text_::vertical() const {
    return hor_align == 4 ? 2 : vert_align;
}

void Text_::max_min_extents(Point3D& emax, Point3D& emin) const {
    Point_::max_min_extents(emax, emin);
    if (!(h > 0) || textstr.empty()) return;
    for (const Point3D& corner :
         text_box(anchor(), text_width(textstr, h), h, rot_angle, horizontal(), vertical())) {
        max_bound(emax, corner);
        min_bound(emin, corner);
    }
}

void Text_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    begin_drawing(canvas, nullptr);
    draw_line(canvas, map_fn, OCS, anchor(), textstr, horizontal(), vertical());
}

// The height on screen is the text's height in the drawing (scaled by a block reference) measured by the
// plain mapping; the direction of the baseline turns with the matrix.
void Text_::draw_line(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix m, const Point3D& at,
                      const std::string& text, int hor, int vert) const {
    pMatrix combined = combine_matrices(OCS_WCS.get(), m);
    const Matrix whole = combined ? *combined : Identity;
    const double a = rot_angle * deg_to_rad;
    const Point3D up = linear(whole, {-std::sin(a), std::cos(a), 0});
    const Point3D along = linear(whole, {std::cos(a), std::sin(a), 0});
    const double height_in_drawing = h * std::hypot(up.x, up.y);
    const Screen_Point base = map_fn(Origin, nullptr);
    const Screen_Point top = map_fn({0, height_in_drawing, 0}, nullptr);
    const int height = static_cast<int>(std::lround(std::hypot(top.x - base.x, top.y - base.y)));
    if (height == 0) return;
    const double degrees = combined ? std::atan2(along.y, along.x) * rad_to_deg : std::fmod(rot_angle, 360.0);
    canvas.text(map_fn(at, &whole), text, height + 2, drawing_colour(canvas), hor, vert,
                static_cast<int>(std::lround(degrees * 10)));
}
