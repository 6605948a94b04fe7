#include "dxf/Attdef_.h"

#include "dxf/DXF_File.h"

Attdef_::Attdef_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss,
                 const std::string& tag, const std::string& prompt, int flag70, int flag72, double height,
                 double angle, int col)
    : Attrib_(OCSaxis, p, ap, ss, tag, flag70, flag72, height, angle, col), promptstr(prompt) {}

void Attdef_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Attrib_::write_to_DXF(file, layer);
    file.write_string(3, promptstr);
}
