#include "dxf/Insert_.h"

#include <cmath>

#include "dxf/Block_.h"
#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"
#include "dxf/DXF_exception.h"
#include "dxf/Entity_List.h"

namespace {
constexpr double deg_to_rad = 0.017453292519943295769;
constexpr double rad_to_deg = 57.295779513082320877;
}  // namespace

Insert_::Insert_(const Point3D& OCSaxis, const Point3D& p, const Point3D& s_f, double rot, int col,
                 std::vector<std::unique_ptr<Attrib_>> atts, const std::string& block)
    : Point_(OCSaxis, p, col), blockname(block), scale(s_f), rotation(rot * deg_to_rad) {
    if (atts.size() > static_cast<size_t>(max_attribs)) {
        throw DXF_exception("This version only handles " + std::to_string(max_attribs) + " ATTRIBs");
    }
    attribs = std::move(atts);
    init_OCS_WCS_matrix(OCSaxis);
}

void Insert_::init_OCS_WCS_matrix(const Point3D& OCSaxis) {
    OCS_axis = same_point(OCSaxis, Origin) ? WCS_Z : OCSaxis;
    const OCS_Axes axes = ocs_axes(OCS_axis);
    // Scaled in the block's own axes before it is turned, as CAD programs place a block: turning first would
    // stretch a rotated block along the drawing's axes, and its circles into wrongly oriented ellipses.
    Matrix m = scale_matrix(scale);
    m = matrix_mul(m, rotation_matrix(std::cos(-rotation), std::sin(-rotation)));
    m = matrix_mul(m, translation_matrix(p1));
    m = matrix_mul(m, axes_matrix(axes.ax, axes.ay, OCS_axis));
    OCS_WCS = std::make_unique<Matrix>(m);
}

Block_* Insert_::lookup_block() const {
    if (blockptr || !blocklist) return blockptr;
    for (const auto& e : blocklist->entities) {
        auto* b = dynamic_cast<Block_*>(e.get());
        if (b && b->name == blockname) return b;
    }
    return nullptr;
}

Block_* Insert_::block() {
    blockptr = lookup_block();
    if (!blockptr) throw DXF_exception("Block reference " + blockname + " not found");
    return blockptr;
}

void Insert_::set_block_link(Entity_List* blist, Block_* b) {
    blocklist = blist;
    blockptr = b;
}

void Insert_::update_block_links(Entity_List* blist) {
    blocklist = blist;
    blockptr = nullptr;
    if (!blockname.empty()) block();
}

void Insert_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    Point_::write_to_DXF(file, layer);
    if (!blockname.empty()) file.write_string(2, blockname);
    if (scale.x != 1 || scale.y != 1 || scale.z != 1) {
        file.write_real(41, scale.x);
        file.write_real(42, scale.y);
        file.write_real(43, scale.z);
    }
    if (rotation != 0) file.write_real(50, rotation * rad_to_deg);
    if (attribs.empty()) {
        file.write_int(66, 0);
        return;
    }
    file.write_int(66, 1);
    for (const auto& a : attribs) a->write_to_DXF(file, layer);
    file.write_string(0, "SEQEND");
}

std::string Insert_::details() const {
    std::string s = Point_::details() + CRLF + "Block \t" + blockname + CRLF + "Scaling\t" +
                    point_to_str(scale) + CRLF + "Rotation\t" + float_to_str(rotation * rad_to_deg) + CRLF +
                    "Attribs \t" + std::to_string(num_attribs());
    for (size_t i = 0; i < attribs.size(); ++i) s += CRLF + std::to_string(i) + " : " + attribs[i]->details();
    s += CRLF + std::string("----BLOCK-----");
    if (blockptr) s += CRLF + blockptr->details();
    return s + CRLF + "---ENDBLOCK---";
}

void Insert_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const Matrix m = OCS ? matrix_mul(*OCS_WCS, *OCS) : *OCS_WCS;
    for (const auto& a : attribs) a->Draw(canvas, map_fn, OCS);
    if (const Block_* b = lookup_block()) {
        const DXF_Colour outer = canvas.block_colour;
        canvas.block_colour = drawing_colour(canvas);
        b->Draw(canvas, map_fn, &m);
        canvas.block_colour = outer;
    }
}

void Insert_::max_min_extents(Point3D& emax, Point3D& emin) const {
    for (const auto& a : attribs) a->max_min_extents(emax, emin);
    const Block_* b = lookup_block();
    Point3D inner_max{-1e300, -1e300, -1e300}, inner_min{1e300, 1e300, 1e300};
    if (b) b->members_extents(inner_max, inner_min);
    if (!b || inner_min.x > inner_max.x) {
        Point_::max_min_extents(emax, emin);
        return;
    }
    const Matrix m = b->OCS_WCS ? matrix_mul(*b->OCS_WCS, *OCS_WCS) : *OCS_WCS;
    for (int corner = 0; corner < 8; ++corner) {
        const Point3D p{corner & 1 ? inner_max.x : inner_min.x, corner & 2 ? inner_max.y : inner_min.y,
                        corner & 4 ? inner_max.z : inner_min.z};
        const Point3D q = transform_point(m, p);
        max_bound(emax, q);
        min_bound(emin, q);
    }
}
