#include "dxf/Attrib_.h"

#include "dxf/DXF_File.h"

Attrib_::Attrib_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss,
                 const std::string& tag, int flag70, int flag72, double height, double angle, int col)
    : Text_(OCSaxis, p, ap, ss, height, angle, col, flag72), tagstr(tag), visible((flag70 & 1) == 0) {}

void Attrib_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Text_::write_to_DXF(file, layer);
    file.write_string(2, tagstr);
    file.write_int(70, visible ? 0 : 1);
}

std::string Attrib_::details() const {
    return Text_::details() + CRLF + "Tag \t" + tagstr + CRLF + (visible ? "Visible" : "Invisible");
}

void Attrib_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    if (visible) Text_::Draw(canvas, map_fn, OCS);
}
