#include "dxf/Block_.h"

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

Block_::Block_(const std::string& bname, const Point3D& refpoint) : name(bname), basepoint(refpoint) {
    if (!same_point(basepoint, Origin))
        OCS_WCS = std::make_unique<Matrix>(translation_matrix(vec_sub(Origin, basepoint)));
}

void Block_::update_block_links(Entity_List* blist) {
    for (auto& e : entities) e->update_block_links(blist);
}

void Block_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    file.write_string(0, "BLOCK");
    file.write_string(8, layer);
    file.write_string(2, name);
    // A name beginning with "*" marks a block a program made for itself (a dimension's), flagged anonymous.
    if (!name.empty() && name.front() == '*') file.write_int(70, 1);
    write_DXF_Point(file, 10, basepoint);
    for (const auto& e : entities) e->write_to_DXF(file, layer);
    file.write_string(0, "ENDBLK");
}

std::string Block_::details() const {
    std::string s =
        std::string("Block_") + CRLF + "Name :\t" + name + CRLF + "Base :\t" + point_to_str(basepoint);
    for (const auto& e : entities) s += CRLF + e->details();
    return s;
}

Matrix Block_::drawing_matrix(pMatrix OCS) const {
    if (!OCS_WCS) return OCS ? *OCS : Identity;
    return OCS ? matrix_mul(*OCS_WCS, *OCS) : *OCS_WCS;
}

void Block_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const Matrix m = drawing_matrix(OCS);
    for (const auto& e : entities) e->Draw(canvas, map_fn, &m);
}

void Block_::DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const Matrix m = drawing_matrix(OCS);
    for (const auto& e : entities) e->DrawVertices(canvas, map_fn, &m);
}

void Block_::members_extents(Point3D& emax, Point3D& emin) const {
    for (const auto& e : entities) e->max_min_extents(emax, emin);
}
