#include "dxf/Text_.h"

#include <cmath>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

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
    if (hor_align != 0) {
        write_DXF_Point(file, 11, align_pt);
        file.write_int(72, hor_align);
    }
}

std::string Text_::details() const {
    return Point_::details() + CRLF + "Text \t" + textstr + CRLF + "TextHeight = " + float_to_str(h);
}

void Text_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    begin_drawing(canvas, OCS);
    draw_text(canvas, map_fn, textstr);
}

// The height on screen comes from the plain mapping; the anchor uses the entity's own OCS only.
void Text_::draw_text(DXF_Canvas& canvas, const Map_Function& map_fn, const std::string& text) const {
    const Screen_Point base = map_fn(Origin, nullptr);
    const Screen_Point top = map_fn({0, h, 0}, nullptr);
    const int height = static_cast<int>(std::lround(std::hypot(top.x - base.x, top.y - base.y)));
    if (height == 0) return;
    canvas.text(map_fn(align_pt, OCS_WCS.get()), text, height + 2, colour, hor_align,
                static_cast<int>(std::lround(std::fmod(rot_angle, 360.0) * 10)));
}
