#include "dxf/Solid_.h"

#include <utility>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

Solid_::Solid_(const Point3D& OCSaxis, std::vector<Point3D> points, int col, double t)
    : Face3D_(std::move(points), col, true), thickness(t) {
    init_OCS_WCS_matrix(OCSaxis);
}

void Solid_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Face3D_::write_to_DXF(file, layer);
    file.write_real_exp(39, thickness);
    // Unlike a 3DFACE a SOLID lies in its OCS plane; without the extrusion it would land mirrored or tilted.
    if (OCS_WCS) write_DXF_Point(file, 210, OCS_axis);
}

std::string Solid_::details() const {
    return Face3D_::details() + CRLF + "Thickness\t" + float_to_str(thickness);
}

void Solid_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    std::vector<Screen_Point> corners = mapped(map_fn, begin_drawing(canvas, OCS));
    if (corners.size() == 4) std::swap(corners[2], corners[3]);
    canvas.fill({corners});
    canvas.polygon(corners);
}
