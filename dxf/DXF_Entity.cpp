#include "dxf/DXF_Entity.h"

#include <cctype>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

void DXF_Custom_Entity::init_OCS_WCS_matrix(const Point3D& OCSaxis) {
    const bool no_direction = same_point(OCSaxis, Origin);
    OCS_axis = no_direction ? WCS_Z : OCSaxis;
    if (same_point(OCS_axis, WCS_Z)) {
        OCS_WCS.reset();
        return;
    }
    const OCS_Axes axes = ocs_axes(OCS_axis);
    OCS_WCS = std::make_unique<Matrix>(axes_matrix(axes.ax, axes.ay, OCS_axis));
}

void DXF_Custom_Entity::setcolour_index(int col) {
    colinx = col;
    colour = colour_of_index(col);
}

void DXF_Custom_Entity::setcolour(DXF_Colour col) {
    colour = col;
    colinx = index_of_colour(col);
}

std::string DXF_Custom_Entity::proper_name() const {
    std::string name = class_name();
    name.pop_back();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

void DXF_Custom_Entity::write_DXF_Point(DXF_File& file, int code, const Point3D& p) const {
    file.write_point(code, p);
}

void DXF_Custom_Entity::write_to_DXF(DXF_File& file, const std::string& layer) const {
    file.write_string(0, proper_name());
    file.write_string(8, layer);
    file.write_int(62, colinx);
    if (OCS_WCS) write_DXF_Point(file, 210, OCS_axis);
}

std::string DXF_Custom_Entity::ocs_details() const {
    return "OCS Axis " + (OCS_WCS ? point_to_str(OCS_axis) : std::string("WCS"));
}

std::string DXF_Custom_Entity::details() const {
    return class_name() + std::string(CRLF) + ocs_details();
}

pMatrix DXF_Custom_Entity::begin_drawing(DXF_Canvas& canvas, pMatrix OCS) const {
    const DXF_Colour c = drawing_colour(canvas);
    if (canvas.pen_colour() != c) canvas.set_pen_colour(c);
    return combine_matrices(OCS_WCS.get(), OCS);
}

void DXF_Custom_Entity::draw_cross(DXF_Canvas& canvas, Screen_Point p) {
    canvas.line({p.x - 2, p.y - 2}, {p.x + 3, p.y + 3});
    canvas.line({p.x - 2, p.y + 2}, {p.x + 3, p.y - 3});
}
