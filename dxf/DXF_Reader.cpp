#include "dxf/DXF_Reader.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <system_error>

#include "datei/DateiLesen.h"
#include "dxf/Arc_.h"
#include "dxf/Attdef_.h"
#include "dxf/Block_.h"
#include "dxf/Codepage.h"
#include "dxf/DXF_exception.h"
#include "dxf/Face3D_.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"

namespace {

// A device such as /dev/zero would never end and a pipe may block for ever: only regular files are read.
std::unique_ptr<std::ifstream> open_for_reading(const std::string& aName) {
    GewoehnlicheDateiPruefen(aName);
    errno = 0;
    auto file = std::make_unique<std::ifstream>(aName, std::ios::binary);
    if (!*file) throw std::system_error(errno ? errno : ENOENT, std::generic_category(), aName);
    return file;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Parses the whole text as a number; a leading "+" is allowed, anything left over is an error.
template <typename T>
bool parse_number(std::string_view text, T& value) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size();
}

const char* const undefined_block_text =
    "Cannot reference an undefined BLOCK\r\n\r\n(File may not have been saved with BLOCKs)\r\n";

// What the document holds, about as the allocator sees it: each object with the allocator's overhead and
// its pointer in a list; texts longer than a string holds inside itself; an entry of a name index; vertices
// and faces in vectors that may have twice their room.
constexpr std::size_t allocation_bytes = 16 + sizeof(void*);
constexpr std::size_t inner_text = 15;
constexpr std::size_t index_entry_bytes = 3 * sizeof(void*) + sizeof(std::string) + allocation_bytes;
constexpr std::size_t vertex_bytes = 2 * sizeof(Point3D);
constexpr std::size_t face_bytes = 2 * sizeof(Polyface_mesh_::Face);

constexpr std::size_t held(std::size_t object) {
    return object + allocation_bytes;
}

std::size_t text_bytes(const std::string& text) {
    return text.size() <= inner_text ? 0 : held(text.size() + 1);
}

struct Kind_Size {
    std::string_view kind;
    std::size_t bytes;
};
constexpr Kind_Size kind_sizes[] = {
    {"POINT", sizeof(Point_)},
    {"LINE", sizeof(Line_)},
    {"CIRCLE", sizeof(Circle_)},
    {"ARC", sizeof(Arc_)},
    {"TEXT", sizeof(Text_)},
    {"ATTDEF", sizeof(Attdef_)},
    {"ATTRIB", sizeof(Attrib_)},
    {"3DFACE", sizeof(Face3D_)},
    {"SOLID", sizeof(Solid_)},
    {"INSERT", sizeof(Insert_)},
    {"BLOCK", sizeof(Block_) + index_entry_bytes},
    {"POLYLINE", std::max({sizeof(Polyline_), sizeof(Polygon_mesh_), sizeof(Polyface_mesh_)})}};

}  // namespace

DXF_Reader::DXF_Reader(const std::string& aName, DXF_Messages& messages)
    : owned_file_(open_for_reading(aName)), IO_chan(*owned_file_), messages_(messages) {}

DXF_Reader::DXF_Reader(std::istream& in, DXF_Messages& messages) : IO_chan(in), messages_(messages) {}

// ---- groups ----

bool DXF_Reader::read_group() {
    if (backflag) {
        backflag = false;
        return fCode >= 0;
    }
    fCode = -2;
    do {
        if (!IO_chan.read_line(fLine)) return false;
    } while (fLine.empty());
    int code = 0;
    if (!parse_number(fLine, code)) return false;
    if (!IO_chan.read_line(fLine)) return false;
    fCode = code;
    return fCode >= 0;
}

double DXF_Reader::real_value() const {
    double value = 0;
    if (!parse_number(fLine, value) || !std::isfinite(value)) {
        throw DXF_read_exception("Invalid Floating point conversion", IO_chan.line_number());
    }
    return value;
}

int DXF_Reader::int_value() const {
    int value = 0;
    if (!parse_number(fLine, value))
        throw DXF_read_exception("Invalid Integer conversion", IO_chan.line_number());
    return value;
}

std::string DXF_Reader::string_value() const {
    return cp1252_to_utf8(fLine);
}

void DXF_Reader::skip(const std::string& name) {
    if (!skipped || skipped_names_.contains(name)) return;
    charge({0, index_entry_bytes + held(sizeof(std::string)) + 2 * text_bytes(name)});
    skipped_names_.insert(name);
    skipped->push_back(name);
}

bool DXF_Reader::skip_entity_groups() {
    while (read_group()) {
        if (fCode == 0) {
            push_back();
            return true;
        }
    }
    return false;
}

bool DXF_Reader::read_entity_groups(abstract_entity& ae) {
    ae = abstract_entity{};
    while (read_group()) {
        if (fCode == 0) {
            push_back();
            ae.OCS_Z = normalize(ae.OCS_Z);
            return true;
        }
        store_group(ae);
    }
    return false;
}

void DXF_Reader::store_group(abstract_entity& ae) {
    switch (fCode) {
        case 10:
            ae.p1.x = real_value();
            break;
        case 20:
            ae.p1.y = real_value();
            break;
        case 30:
            ae.p1.z = real_value();
            break;
        case 11:
            ae.p2.x = real_value();
            break;
        case 21:
            ae.p2.y = real_value();
            break;
        case 31:
            ae.p2.z = real_value();
            break;
        case 12:
            ae.p3.x = real_value();
            break;
        case 22:
            ae.p3.y = real_value();
            break;
        case 32:
            ae.p3.z = real_value();
            break;
        case 13:
            ae.p4.x = real_value();
            break;
        case 23:
            ae.p4.y = real_value();
            break;
        case 33:
            ae.p4.z = real_value();
            break;
        case 40:
            ae.rad_hgt = real_value();
            break;
        case 50:
            ae.angle1 = real_value();
            break;
        case 51:
            ae.angle2 = real_value();
            break;
        case 41:
            ae.fv1 = real_value();
            break;
        case 42:
            ae.fv2 = real_value();
            break;
        case 43:
            ae.fv3 = real_value();
            break;
        case 39:
            ae.thickness = real_value();
            break;
        case 62:
            ae.colour = int_value();
            break;
        case 70:
            ae.flag_70 = int_value();
            break;
        case 71:
            ae.flag_71 = int_value();
            break;
        case 72:
            ae.flag_72 = int_value();
            break;
        case 73:
            ae.flag_73 = int_value();
            break;
        case 74:
            ae.flag_74 = int_value();
            break;
        case 66:
            ae.attflag = int_value();
            break;
        case 2:
            ae.namestr = string_value();
            break;
        case 1:
            ae.tagstr = string_value();
            break;
        case 3:
            ae.promptstr = string_value();
            break;
        case 8:
            ae.layer = string_value();
            break;
        case 38:
            ae.elev = real_value();
            break;
        case 210:
            ae.OCS_Z.x = real_value();
            break;
        case 220:
            ae.OCS_Z.y = real_value();
            break;
        case 230:
            ae.OCS_Z.z = real_value();
            break;
        default:
            break;
    }
}

// ---- file and sections ----

bool DXF_Reader::read_file() {
    try {
        DXF_Line_Reader::Mark mark = IO_chan.mark();
        if (IO_chan.read_line(fLine) && fLine.rfind("AutoCAD Binary DXF", 0) == 0) {
            throw DXF_read_exception("Binary DXF files cannot be read; please save the drawing as ASCII DXF");
        }
        restore(mark);
        if (!(move_to_header_section() && read_header())) restore(mark);
        mark = IO_chan.mark();
        if (!(move_to_tables_section() && read_tables())) restore(mark);
        mark = IO_chan.mark();
        if (!(move_to_blocks_section() && read_blocks())) restore(mark);
        if (!(move_to_entity_section() && read_entities())) {
            throw DXF_read_exception("No Entities or invalid Entities section in DXF file");
        }
    } catch (const DXF_exception& e) {
        messages_.show("DXF Read Error", e.what());
    }
    compute_extents();
    return true;
}

void DXF_Reader::compute_extents() {
    if (!same_point(max_extents, Origin) && !same_point(min_extents, Origin)) return;
    for (const auto& layer : DXF_Layers) layer->max_min_extents(max_extents, min_extents);
}

void DXF_Reader::restore(const DXF_Line_Reader::Mark& mark) {
    IO_chan.restore(mark);
    backflag = false;
}

bool DXF_Reader::move_to_section(const char* name) {
    while (read_group()) {
        if (fCode != 0) continue;
        if (fLine != "SECTION") {
            skip(fLine);
            continue;
        }
        if (!read_group()) return false;
        if (fCode == 2) return fLine == name;
        skip(fLine);
    }
    return false;
}

bool DXF_Reader::read_header() {
    while (read_group()) {
        if (is_marker("ENDSEC")) return true;
        if (fCode != 9) continue;
        if (fLine == "$EXTMAX") {
            if (!read_point_group(max_extents)) return false;
        } else if (fLine == "$EXTMIN") {
            if (!read_point_group(min_extents)) return false;
        }
    }
    return false;
}

// x from the next group 10 and y from the group after it; a point group missing its 10 leaves p as it is.
bool DXF_Reader::read_point_group(Point3D& p) {
    while (read_group()) {
        if (fCode == 0 || fCode == 9) {
            push_back();
            return true;
        }
        if (fCode != 10) continue;
        const double x = real_value();
        if (!read_group()) return false;
        p.x = x;
        p.y = real_value();
        return true;
    }
    return false;
}

bool DXF_Reader::read_tables() {
    while (read_group()) {
        if (is_marker("ENDSEC")) return true;
        if (!is_marker("TABLE")) continue;
        if (!read_group()) return false;
        bool complete = false;
        if (fLine == "LAYER") {
            complete = read_layer_information();
        } else if (fLine == "VPORT") {
            complete = read_vport_information();
        } else {
            skip(fLine);
            complete = skip_table();
        }
        if (!complete) return false;
    }
    return false;
}

// An entry's groups may come in any order (other programs write a handle before the name); an entry
// without a name creates no layer.
bool DXF_Reader::read_layer_information() {
    while (read_group()) {
        if (fCode != 0) continue;
        if (fLine == "ENDTAB") return true;
        if (fLine != "LAYER") {
            skip(fLine);
            continue;
        }
        std::optional<std::string> name;
        int colour = 7;
        while (read_group() && fCode != 0) {
            if (fCode == 2) name = string_value();
            if (fCode == 62) colour = int_value();
        }
        if (fCode < 0) return false;
        push_back();
        if (name) append_layer(*name).layer_colinx = colour;
    }
    return false;
}

bool DXF_Reader::read_vport_information() {
    return skip_table();
}

bool DXF_Reader::skip_table() {
    while (read_group()) {
        if (is_marker("ENDTAB")) return true;
        if (is_marker("ENDSEC")) {
            push_back();
            return true;
        }
    }
    return false;
}

bool DXF_Reader::read_blocks() {
    while (read_group()) {
        if (is_marker("ENDSEC")) return true;
        if (is_marker("BLOCK") && !read_block()) return false;
    }
    return false;
}

bool DXF_Reader::read_block() {
    abstract_entity ae;
    if (!read_entity_groups(ae)) return false;
    entity_layer(ae.layer);
    if (layer_num("0") < 0) append_layer("0");
    charge({0, entity_cost("BLOCK", ae).bytes});
    auto block = std::make_unique<Block_>(ae.namestr, ae.p1);
    Block_* b = block.get();
    block_index_.try_emplace(ae.namestr, b);
    DXF_Layer& zero = *DXF_Layers[static_cast<size_t>(layer_num("0"))];
    zero.add_entity_to_layer(std::move(block));
    blocks_ = zero.find_list("Block_");
    return read_entities_until("ENDBLK", b);
}

bool DXF_Reader::read_entities() {
    return read_entities_until("ENDSEC", nullptr);
}

// Entities up to the end marker; inside a block a missing ENDBLK ends the block at ENDSEC.
bool DXF_Reader::read_entities_until(const char* end_marker, Block_* block) {
    while (read_group()) {
        if (fCode != 0) continue;
        if (fLine == end_marker) return true;
        if (block && fLine == "ENDSEC") {
            push_back();
            return true;
        }
        try {
            read_entity(block);
        } catch (const DXF_limit_exception&) {
            throw;
        } catch (const DXF_read_exception& e) {
            if (!messages_.ask_continue("DXF read error warning", e.what()))
                throw DXF_read_exception("User aborted");
        } catch (const DXF_exception& e) {
            messages_.show("", e.what());
        }
    }
    return false;
}

// ---- entities ----

void DXF_Reader::read_entity(Block_* block) {
    static const char* const simple_kinds[] = {"POINT",  "LINE",   "CIRCLE", "ARC",  "TEXT",
                                               "ATTDEF", "ATTRIB", "3DFACE", "SOLID"};
    const std::string kind = fLine;
    abstract_entity ae;
    if (kind == "INSERT" || kind == "POLYLINE") {
        read_entity_record(ae, kind);
        Cost cost = entity_cost(kind, ae);
        Entity_ptr e = kind == "INSERT" ? read_insert(ae, block, cost) : read_polyline(ae, cost);
        if (e) add_entity(std::move(e), ae.layer, block, cost);
        return;
    }
    for (const char* simple : simple_kinds) {
        if (kind != simple) continue;
        read_entity_record(ae, kind);
        add_entity(make_entity(kind, ae), ae.layer, block, entity_cost(kind, ae));
        return;
    }
    skip(kind);
    skip_entity_groups();
}

void DXF_Reader::read_entity_record(abstract_entity& ae, const std::string& kind) {
    if (!read_entity_groups(ae))
        throw DXF_read_exception("Error reading " + kind + " entity", IO_chan.line_number());
    entity_layer(ae.layer);
}

namespace {

// Four corners as given; a fourth equal to the third makes a triangle.
std::vector<Point3D> corners(const Point3D& p1, const Point3D& p2, const Point3D& p3, const Point3D& p4) {
    if (same_point(p3, p4)) return {p1, p2, p3};
    return {p1, p2, p3, p4};
}

}  // namespace

// Group 1 is the attribute's value and group 2 its tag, as the writer puts them.
std::unique_ptr<Attrib_> DXF_Reader::make_attrib(const abstract_entity& ae) {
    return std::make_unique<Attrib_>(ae.OCS_Z, ae.p1, ae.p2, ae.tagstr, ae.namestr, ae.flag_70, ae.flag_72,
                                     ae.rad_hgt, ae.angle1, ae.colour);
}

Entity_ptr DXF_Reader::make_entity(const std::string& kind, const abstract_entity& ae) {
    if (kind == "POINT") return std::make_unique<Point_>(ae.OCS_Z, ae.p1, ae.colour);
    if (kind == "LINE") return std::make_unique<Line_>(ae.p1, ae.p2, ae.colour);
    if (kind == "CIRCLE") return std::make_unique<Circle_>(ae.OCS_Z, ae.p1, ae.rad_hgt, ae.colour);
    if (kind == "ARC")
        return std::make_unique<Arc_>(ae.OCS_Z, ae.p1, ae.rad_hgt, ae.angle1, ae.angle2, ae.colour);
    if (kind == "TEXT") {
        return std::make_unique<Text_>(ae.OCS_Z, ae.p1, ae.p2, ae.tagstr, ae.rad_hgt, ae.angle1, ae.colour,
                                       ae.flag_72);
    }
    if (kind == "ATTDEF") {
        return std::make_unique<Attdef_>(ae.OCS_Z, ae.p1, ae.p2, ae.tagstr, ae.namestr, ae.promptstr,
                                         ae.flag_70, ae.flag_72, ae.rad_hgt, ae.angle1, ae.colour);
    }
    if (kind == "ATTRIB") return make_attrib(ae);
    if (kind == "3DFACE")
        return std::make_unique<Face3D_>(corners(ae.p1, ae.p2, ae.p3, ae.p4), ae.colour, true);
    return std::make_unique<Solid_>(ae.OCS_Z, corners(ae.p1, ae.p2, ae.p3, ae.p4), ae.colour, ae.thickness);
}

// The attributes follow as ATTRIB records up to SEQEND; more than the insert can hold are read
// to their end and then refused, so nothing of them lands elsewhere.
Entity_ptr DXF_Reader::read_insert(const abstract_entity& ae, Block_* block, Cost& cost) {
    std::vector<std::unique_ptr<Attrib_>> atts;
    bool too_many = false;
    while (ae.attflag == 1) {
        if (!read_group()) throw DXF_read_exception("Error reading INSERT entity", IO_chan.line_number());
        if (fCode != 0) continue;
        if (fLine == "SEQEND") {
            if (!skip_entity_groups())
                throw DXF_read_exception("Error reading INSERT entity", IO_chan.line_number());
            break;
        }
        if (fLine != "ATTRIB") {
            push_back();
            break;
        }
        abstract_entity aa;
        read_entity_record(aa, "ATTRIB");
        if (atts.size() == static_cast<size_t>(Insert_::max_attribs)) {
            too_many = true;
        } else {
            atts.push_back(make_attrib(aa));
            const Cost attrib = entity_cost("ATTRIB", aa);
            cost.drawn += attrib.drawn;
            cost.bytes += attrib.bytes;
        }
    }
    if (too_many)
        throw DXF_exception("This version only handles " + std::to_string(Insert_::max_attribs) + " ATTRIBs");
    const Point3D scale{ae.fv1 == 0 ? 1 : ae.fv1, ae.fv2 == 0 ? 1 : ae.fv2, ae.fv3 == 0 ? 1 : ae.fv3};
    auto insert =
        std::make_unique<Insert_>(ae.OCS_Z, ae.p1, scale, ae.angle1, ae.colour, std::move(atts), ae.namestr);
    const auto it = block_index_.find(ae.namestr);
    if (!blocks_ || it == block_index_.end())
        throw DXF_read_exception(undefined_block_text, IO_chan.line_number());
    // A block drawn inside itself would never end.
    if (it->second == block) {
        throw DXF_read_exception("Block " + ae.namestr + " cannot contain a reference to itself",
                                 IO_chan.line_number());
    }
    count_reference(*it->second, block, cost);
    insert->set_block_link(blocks_, it->second);
    return insert;
}

namespace {

int face_index(int value) {
    return static_cast<int>(std::labs(static_cast<long>(value)) - 1);
}

}  // namespace

Entity_ptr DXF_Reader::read_polyline(const abstract_entity& header, Cost& cost) {
    const bool polygon_mesh = (header.flag_70 & 16) != 0;
    const bool polyface_mesh = !polygon_mesh && (header.flag_70 & 64) != 0;
    auto fail = [this]() {
        return DXF_read_exception("Error reading POLYLINE entity", IO_chan.line_number());
    };
    std::vector<Point3D> points;
    std::vector<Polyface_mesh_::Face> faces;
    for (;;) {
        if (!read_group()) throw fail();
        if (fCode != 0) continue;
        if (fLine == "SEQEND") {
            if (!skip_entity_groups()) throw fail();
            break;
        }
        if (fLine != "VERTEX") {
            push_back();
            throw fail();
        }
        abstract_entity v;
        if (!read_entity_groups(v)) throw fail();
        const bool position = (v.flag_70 & 64) != 0;
        const bool face = (v.flag_70 & 128) != 0;
        if (polyface_mesh && face && !position) {
            if (faces.size() == static_cast<size_t>(max_faces)) {
                throw DXF_read_exception(
                    "Polyface mesh contained more than " + std::to_string(max_faces) + " faces",
                    IO_chan.line_number());
            }
            faces.push_back(
                {face_index(v.flag_71), face_index(v.flag_72), face_index(v.flag_73), face_index(v.flag_74)});
            continue;
        }
        if ((polygon_mesh && !position) || (polyface_mesh && !(position && face))) throw fail();
        if (points.size() == static_cast<size_t>(max_vertices)) {
            throw DXF_read_exception(
                "Polyline contained more than " + std::to_string(max_vertices) + " vertices",
                IO_chan.line_number());
        }
        points.push_back(v.p1);
    }
    cost.drawn += points.size() + faces.size();
    cost.bytes += points.size() * vertex_bytes + faces.size() * face_bytes;
    if (polygon_mesh) {
        const long long m = header.flag_71;
        const long long n = header.flag_72;
        if (m < 1 || n < 1 || m * n != static_cast<long long>(points.size())) return nullptr;
        return std::make_unique<Polygon_mesh_>(std::move(points), header.flag_71, header.flag_72,
                                               header.flag_70, header.colour);
    }
    if (polyface_mesh) {
        // A face naming a vertex that does not exist cannot be drawn.
        for (const auto& f : faces) {
            for (int index : f) {
                if (index >= static_cast<int>(points.size())) throw fail();
            }
        }
        return std::make_unique<Polyface_mesh_>(std::move(points), std::move(faces), header.colour);
    }
    return std::make_unique<Polyline_>(header.OCS_Z, std::move(points), header.colour,
                                       (header.flag_70 & 1) != 0);
}

DXF_Layer& DXF_Reader::append_layer(const std::string& name) {
    charge({0, held(sizeof(DXF_Layer)) + text_bytes(name) + (layer_num(name) < 0 ? index_entry_bytes : 0)});
    DXF_Layers.push_back(std::make_unique<DXF_Layer>(name));
    layer_index_.try_emplace(name, DXF_Layers.size() - 1);
    return *DXF_Layers.back();
}

DXF_Layer& DXF_Reader::entity_layer(const std::string& name) {
    const int index = layer_num(name);
    return index < 0 ? append_layer(name) : *DXF_Layers[static_cast<size_t>(index)];
}

// The object of its kind, a matrix when it has an extrusion of its own (an insert always has one), and its
// texts.
DXF_Reader::Cost DXF_Reader::entity_cost(std::string_view kind, const abstract_entity& ae) {
    const auto size = std::find_if(std::begin(kind_sizes), std::end(kind_sizes),
                                   [&](const Kind_Size& k) { return k.kind == kind; });
    std::size_t bytes = held(size->bytes);
    if (kind == "INSERT" || !same_point(ae.OCS_Z, WCS_Z)) bytes += held(sizeof(Matrix));
    for (const std::string* text : {&ae.namestr, &ae.tagstr, &ae.promptstr}) bytes += text_bytes(*text);
    return {1, bytes};
}

// Drawing a reference draws its whole block, nested references included: a few kilobytes of nested
// blocks can stand for more entities than any screen can draw, or nest deeper than a drawing may recurse.
void DXF_Reader::count_reference(const Block_& referenced, const Block_* block, Cost& cost) {
    const Block_Weight inner = block_weight_[&referenced];
    if (inner.depth + 1 > max_block_depth) {
        throw DXF_read_exception(
            "Blocks are nested more than " + std::to_string(max_block_depth) + " levels deep",
            IO_chan.line_number());
    }
    if (block) {
        Block_Weight& outer = block_weight_[block];
        outer.depth = std::max(outer.depth, inner.depth + 1);
    }
    cost.drawn += inner.entities;
}

// The document's cost is everything drawn when every list is drawn once: entities on layers, and the
// members of blocks, which draw with their block's definition (and again through each reference).
void DXF_Reader::charge(const Cost& cost) {
    if (document_cost_.drawn + cost.drawn > max_drawn_entities) {
        throw DXF_limit_exception(
            "The drawing expands to more than " + std::to_string(max_drawn_entities) + " entities",
            IO_chan.line_number());
    }
    if (document_cost_.bytes + cost.bytes > max_held_bytes) {
        throw DXF_limit_exception(
            "The drawing needs more than " + std::to_string(max_held_bytes >> 20) + " MB of memory",
            IO_chan.line_number());
    }
    document_cost_.drawn += cost.drawn;
    document_cost_.bytes += cost.bytes;
}

void DXF_Reader::add_entity(Entity_ptr entity, const std::string& layer, Block_* block, Cost cost) {
    DXF_Layer& target = entity_layer(layer);
    if (!block && !target.find_list(entity->class_name())) cost.bytes += held(sizeof(Entity_List));
    charge(cost);
    if (block) {
        block_weight_[block].entities += cost.drawn;
        block->add_entity(std::move(entity));
    } else {
        target.add_entity_to_layer(std::move(entity));
    }
}

// ---- queries ----

Layer_List DXF_Reader::release_control_of_layers() {
    layer_index_.clear();
    block_index_.clear();
    block_weight_.clear();
    blocks_ = nullptr;
    return std::move(DXF_Layers);
}

bool DXF_Reader::remove_empty_layers() {
    std::erase_if(DXF_Layers, [](const std::unique_ptr<DXF_Layer>& l) { return l->entity_lists.empty(); });
    layer_index_.clear();
    for (size_t i = DXF_Layers.size(); i-- > 0;) layer_index_[DXF_Layers[i]->layer_name] = i;
    return !DXF_Layers.empty();
}

Entity_List* DXF_Reader::block_list() const {
    for (const auto& layer : DXF_Layers) {
        if (Entity_List* list = layer->find_list("Block_")) return list;
    }
    return nullptr;
}

int DXF_Reader::layer_num(const std::string& layername) const {
    const auto it = layer_index_.find(layername);
    return it == layer_index_.end() ? -1 : static_cast<int>(it->second);
}
