#include "dxf/Text_.h"

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
