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
#include "dxf/DXF_Number.h"
#include "dxf/DXF_Read_Costs.h"
#include "dxf/DXF_exception.h"
#include "dxf/Face3D_.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"

using namespace dxf_read;

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

// Group codes are small numbers right-aligned in their line; the common form is read without the general
// number parser.
bool parse_code(std::string_view line, int& code) {
    size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    if (i == line.size() || line.size() - i > 6) return parse_number(line, code);
    int value = 0;
    for (size_t k = i; k < line.size(); ++k) {
        const unsigned digit = static_cast<unsigned char>(line[k]) - '0';
        if (digit > 9) return parse_number(line, code);
        value = value * 10 + static_cast<int>(digit);
    }
    code = value;
    return true;
}

const char* const undefined_block_text =
    "Cannot reference an undefined BLOCK\r\n\r\n(File may not have been saved with BLOCKs)\r\n";
const char* const no_entities_text = "No Entities or invalid Entities section in DXF file";

bool is_paper_space_block(std::string_view name) {
    constexpr std::string_view paper = "*paper_space";
    if (name.size() < paper.size()) return false;
    for (size_t i = 0; i < paper.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != paper[i]) return false;
    return true;
}

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
    if (!parse_code(fLine, code)) return false;
    if (!IO_chan.read_line(fLine)) return false;
    fCode = code;
    return fCode >= 0;
}

double DXF_Reader::real_value() const {
    double value = 0;
    if (!dxf_to_double(fLine, value) || !std::isfinite(value)) {
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

long DXF_Reader::long_value() const {
    long value = 0;
    if (!parse_number(fLine, value))
        throw DXF_read_exception("Invalid Integer conversion", IO_chan.line_number());
    return value;
}

std::string DXF_Reader::string_value() const {
    return text_from_codepage(fLine, codepage_);
}

bool DXF_Reader::skip_entity_groups(bool* paper) {
    while (read_group()) {
        if (fCode == 0) {
            push_back();
            return true;
        }
        if (paper && fCode == 67) *paper = int_value() == 1;
    }
    return false;
}

bool DXF_Reader::read_entity_groups(abstract_entity& ae) {
    ae = abstract_entity{};
    while (read_group()) {
        if (fCode == 0) {
            push_back();
            if (!same_point(ae.OCS_Z, WCS_Z)) ae.OCS_Z = normalize(ae.OCS_Z);
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
            ae.start_width = ae.rad_hgt;
            break;
        case 50:
            ae.angle1 = real_value();
            break;
        case 51:
            ae.angle2 = real_value();
            break;
        case 41:
            ae.fv1 = real_value();
            ae.end_width = ae.fv1;
            break;
        case 42:
            ae.fv2 = real_value();
            ae.bulge = ae.fv2;
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
        case 420:
            ae.truecolour = long_value();
            break;
        case 67:
            ae.paper = int_value() == 1;
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

bool DXF_Reader::read_raw_groups() {
    raw_count_ = 0;
    while (read_group()) {
        if (fCode == 0) {
            push_back();
            return true;
        }
        if (raw_count_ == raw_.size()) raw_.emplace_back();
        Raw_Group& g = raw_[raw_count_++];
        g.code = fCode;
        g.value.assign(fLine);
    }
    return false;
}

// ---- file and sections ----

bool DXF_Reader::read_file() {
    bool entities_found = false;
    try {
        if (binary_input()) {
            unreadable_ = "Binary DXF files cannot be read; please save the drawing as ASCII DXF";
            return true;
        }
        std::string name;
        while (next_section(name)) {
            bool complete = true;
            if (name == "HEADER") {
                complete = read_header();
            } else if (name == "TABLES") {
                complete = read_tables();
            } else if (name == "BLOCKS") {
                complete = read_blocks();
                link_block_references();
            } else if (name == "ENTITIES") {
                entities_found = true;
                if (!read_entities()) throw DXF_read_exception(no_entities_text);
            } else {
                complete = skip_section();
            }
            if (!complete) break;
        }
        if (!entities_found) unreadable_ = no_entities_text;
    } catch (const DXF_exception& e) {
        messages_.show("DXF Read Error", e.what());
        drop_unlinked_references();
    }
    compute_extents();
    return true;
}

void DXF_Reader::compute_extents() {
    if (!same_point(max_extents, Origin) && !same_point(min_extents, Origin)) return;
    for (const auto& layer : DXF_Layers) layer->max_min_extents(max_extents, min_extents);
}

bool DXF_Reader::binary_input() {
    const DXF_Line_Reader::Mark start = IO_chan.mark();
    std::string_view first;
    const bool binary = IO_chan.read_line(first) && first.starts_with("AutoCAD Binary DXF");
    IO_chan.restore(start);
    return binary;
}

// The name of the next section; other records on the way are passed over.
bool DXF_Reader::next_section(std::string& name) {
    while (read_group()) {
        if (is_marker("EOF")) return false;
        if (!is_marker("SECTION")) continue;
        if (!read_group()) return false;
        if (fCode == 2) {
            name = fLine;
            return true;
        }
        push_back();
    }
    return false;
}

bool DXF_Reader::skip_section() {
    while (read_group())
        if (is_marker("ENDSEC")) return true;
    return false;
}

bool DXF_Reader::read_header() {
    std::string codepage_name = "ANSI_1252";
    while (read_group()) {
        if (is_marker("ENDSEC")) {
            codepage_ = version_ >= "AC1021" ? DXF_Codepage::UTF8 : codepage_named(codepage_name);
            return true;
        }
        if (fCode != 9) continue;
        if (fLine == "$EXTMAX") {
            if (!read_point_group(max_extents)) return false;
        } else if (fLine == "$EXTMIN") {
            if (!read_point_group(min_extents)) return false;
        } else if (fLine == "$ACADVER" || fLine == "$DWGCODEPAGE") {
            std::string& target = fLine == "$ACADVER" ? version_ : codepage_name;
            if (!read_group()) return false;
            if (fCode == 0 || fCode == 9) {
                push_back();
            } else {
                target = fLine;
            }
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
        if (!(fLine == "LAYER" ? read_layer_information() : skip_table())) return false;
    }
    return false;
}

// An entry's groups may come in any order (other programs write a handle before the name); an entry
// without a name creates no layer.
bool DXF_Reader::read_layer_information() {
    while (read_group()) {
        if (fCode != 0) continue;
        if (fLine == "ENDTAB") return true;
        if (fLine != "LAYER") continue;
        std::optional<std::string> name;
        int colour = 7;
        long truecolour = -1;
        while (read_group() && fCode != 0) {
            if (fCode == 2) name = string_value();
            if (fCode == 62) colour = int_value();
            if (fCode == 420) truecolour = long_value();
        }
        if (fCode < 0) return false;
        push_back();
        if (!name) continue;
        DXF_Layer& layer = append_layer(*name);
        layer.layer_colinx = colour;
        if (truecolour >= 0) layer.truecolour = from_true_colour(truecolour);
    }
    return false;
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

// The blocks of a layout's paper space are left out with their content, which the model view never shows.
bool DXF_Reader::read_block() {
    abstract_entity ae;
    if (!read_entity_groups(ae)) return false;
    if (is_paper_space_block(ae.namestr)) {
        paper_block_ = true;
        const bool complete = read_entities_until("ENDBLK", nullptr);
        paper_block_ = false;
        return complete;
    }
    entity_layer(ae.layer);
    if (layer_num("0") < 0) append_layer("0");
    charge({0, block_bytes + text_bytes(ae.namestr)});
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
bool DXF_Reader::read_entities_until(std::string_view end_marker, Block_* block) {
    const bool in_block = end_marker == "ENDBLK";
    while (read_group()) {
        if (fCode != 0) continue;
        if (fLine == end_marker) return true;
        if (in_block && fLine == "ENDSEC") {
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

// Passes over one record together with the vertices, attributes and SEQEND that belong to it.
void DXF_Reader::skip_entity(std::string_view kind, bool count) {
    std::string name(kind);
    bool paper = false;
    skip_entity_groups(&paper);
    while (read_group()) {
        push_back();
        if (!(is_marker("VERTEX") || is_marker("ATTRIB") || is_marker("SEQEND"))) break;
        const bool end = is_marker("SEQEND");
        read_group();
        skip_entity_groups();
        if (end) break;
    }
    if (paper_block_ || paper) {
        ++omissions_.paper_space;
    } else if (count) {
        ++omissions_.kinds[name];
    }
}

void DXF_Reader::read_entity(Block_* block) {
    const Kind kind = kind_of(fLine);
    if (kind == Kind::Other || paper_block_) {
        skip_entity(fLine, true);
        return;
    }
    abstract_entity ae;
    Cost cost;
    Entity_ptr e;
    switch (kind) {
        case Kind::Insert:
        case Kind::Polyline:
            read_entity_record(ae, kind);
            cost = entity_cost(kind, ae);
            e = kind == Kind::Insert ? read_insert(ae, block, cost) : read_polyline(ae, cost);
            break;
        case Kind::LWPolyline:
        case Kind::MText:
        case Kind::Ellipse:
        case Kind::Spline:
        case Kind::Hatch:
        case Kind::Dimension:
            e = read_modern(kind, block, ae, cost);
            break;
        default:
            read_entity_record(ae, kind);
            cost = entity_cost(kind, ae);
            e = make_entity(kind, ae);
    }
    if (ae.paper && !block) {
        ++omissions_.paper_space;
        return;
    }
    if (e) add_entity(std::move(e), ae, block, cost);
}

void DXF_Reader::read_entity_record(abstract_entity& ae, Kind kind) {
    if (!read_entity_groups(ae))
        throw DXF_read_exception(std::string("Error reading ") + name_of(kind) + " entity",
                                 IO_chan.line_number());
}

namespace {

// Four corners as given; a fourth equal to the third makes a triangle.
std::vector<Point3D> corners(const Point3D& p1, const Point3D& p2, const Point3D& p3, const Point3D& p4) {
    if (same_point(p3, p4)) return {p1, p2, p3};
    return {p1, p2, p3, p4};
}

// The texts of single-line entities with their control codes (%%c for Ø) resolved.
std::string single_line(const std::string& text) {
    return without_control_codes(text);
}

}  // namespace

// Group 1 is the attribute's value and group 2 its tag, as the writer puts them.
std::unique_ptr<Attrib_> DXF_Reader::make_attrib(const abstract_entity& ae) {
    auto a = std::make_unique<Attrib_>(ae.OCS_Z, ae.p1, ae.p2, single_line(ae.tagstr), ae.namestr, ae.flag_70,
                                       ae.flag_72, ae.rad_hgt, ae.angle1, ae.colour);
    a->vert_align = ae.flag_74;
    return a;
}

Entity_ptr DXF_Reader::make_entity(Kind kind, const abstract_entity& ae) {
    Entity_Pool& pool = *pool_;
    switch (kind) {
        case Kind::Point:
            return pool.make<Point_>(ae.OCS_Z, ae.p1, ae.colour);
        case Kind::Line:
            return pool.make<Line_>(ae.p1, ae.p2, ae.colour);
        case Kind::Circle:
            return pool.make<Circle_>(ae.OCS_Z, ae.p1, ae.rad_hgt, ae.colour);
        case Kind::Arc:
            return pool.make<Arc_>(ae.OCS_Z, ae.p1, ae.rad_hgt, ae.angle1, ae.angle2, ae.colour);
        case Kind::Text: {
            Entity_ptr e = pool.make<Text_>(ae.OCS_Z, ae.p1, ae.p2, single_line(ae.tagstr), ae.rad_hgt,
                                            ae.angle1, ae.colour, ae.flag_72);
            static_cast<Text_&>(*e).vert_align = ae.flag_73;
            return e;
        }
        case Kind::Attdef: {
            Entity_ptr e =
                pool.make<Attdef_>(ae.OCS_Z, ae.p1, ae.p2, single_line(ae.tagstr), ae.namestr, ae.promptstr,
                                   ae.flag_70, ae.flag_72, ae.rad_hgt, ae.angle1, ae.colour);
            static_cast<Attdef_&>(*e).vert_align = ae.flag_74;
            return e;
        }
        case Kind::Attrib:
            return Entity_ptr(make_attrib(ae).release());
        case Kind::Face3D:
            return pool.make<Face3D_>(corners(ae.p1, ae.p2, ae.p3, ae.p4), ae.colour, true);
        default:
            return pool.make<Solid_>(ae.OCS_Z, corners(ae.p1, ae.p2, ae.p3, ae.p4), ae.colour, ae.thickness);
    }
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
        read_entity_record(aa, Kind::Attrib);
        if (atts.size() == static_cast<size_t>(Insert_::max_attribs)) {
            too_many = true;
        } else {
            atts.push_back(make_attrib(aa));
            const Cost attrib = entity_cost(Kind::Attrib, aa);
            cost.drawn += attrib.drawn;
            cost.bytes += attrib.bytes;
        }
    }
    if (too_many)
        throw DXF_exception("This version only handles " + std::to_string(Insert_::max_attribs) + " ATTRIBs");
    const Point3D scale{ae.fv1 == 0 ? 1 : ae.fv1, ae.fv2 == 0 ? 1 : ae.fv2, ae.fv3 == 0 ? 1 : ae.fv3};
    Entity_ptr insert =
        pool_->make<Insert_>(ae.OCS_Z, ae.p1, scale, ae.angle1, ae.colour, std::move(atts), ae.namestr);
    link_reference(static_cast<Insert_&>(*insert), block, cost);
    return insert;
}

void DXF_Reader::link_reference(Insert_& insert, Block_* block, Cost& cost) {
    if (block) {
        pending_.push_back({&insert, block, IO_chan.line_number()});
        return;
    }
    const auto it = block_index_.find(insert.blockname);
    if (!blocks_ || it == block_index_.end())
        throw DXF_read_exception(undefined_block_text, IO_chan.line_number());
    count_reference(*it->second, nullptr, cost);
    insert.set_block_link(blocks_, it->second);
}

// Reading ended before every reference inside a block was linked: those not linked are taken out, as any
// reference is whose block cannot be found, so nothing draws that was not counted.
void DXF_Reader::drop_unlinked_references() {
    for (const Pending_Reference& p : pending_) {
        if (p.insert && !p.insert->blockptr)
            std::erase_if(p.owner->entities, [&](const Entity_ptr& e) { return e.get() == p.insert; });
    }
    pending_.clear();
}

// A reference inside a block whose block does not exist, that would draw its own block inside itself or
// that nests blocks too deep is taken out of its block with an error the user may continue past. What each
// block draws is counted as the links are made, innermost blocks first; a reference is linked only once
// what it draws has been counted, so a drawing stopped by the limits never draws more than was counted.
void DXF_Reader::link_block_references() {
    std::vector<std::string> errors;
    const auto drop = [&](Pending_Reference& p, const std::string& text) {
        std::erase_if(p.owner->entities, [&](const Entity_ptr& e) { return e.get() == p.insert; });
        p.insert = nullptr;
        errors.push_back(DXF_read_exception(text, p.line).what());
    };
    std::unordered_map<const Block_*, std::vector<std::pair<Pending_Reference*, Block_*>>> refers;
    for (Pending_Reference& p : pending_) {
        const auto it = block_index_.find(p.insert->blockname);
        if (!blocks_ || it == block_index_.end()) {
            drop(p, undefined_block_text);
        } else {
            refers[p.owner].push_back({&p, it->second});
        }
    }
    enum class State { Open, Busy, Done };
    std::unordered_map<const Block_*, State> state;
    const auto visit = [&](const auto& self, const Block_* b, int depth) -> void {
        state[b] = State::Busy;
        for (const auto& [p, inner] : refers[b]) {
            if (state[inner] == State::Open && depth < max_block_depth) self(self, inner, depth + 1);
            const Block_Weight w = block_weight_[inner];
            if (state[inner] == State::Busy) {
                drop(*p, "Block " + inner->name + " cannot contain a reference to itself");
            } else if (state[inner] == State::Open || w.depth + 1 > max_block_depth) {
                drop(*p, "Blocks are nested more than " + std::to_string(max_block_depth) + " levels deep");
            } else {
                charge({w.entities, 0});
                Block_Weight& outer = block_weight_[b];
                outer.depth = std::max(outer.depth, w.depth + 1);
                outer.entities += w.entities;
                p->insert->set_block_link(blocks_, inner);
            }
        }
        state[b] = State::Done;
    };
    for (const Pending_Reference& p : pending_)
        if (state[p.owner] == State::Open) visit(visit, p.owner, 1);
    pending_.clear();
    for (const std::string& error : errors)
        if (!messages_.ask_continue("DXF read error warning", error))
            throw DXF_read_exception("User aborted");
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
    std::vector<double> bulges;
    std::vector<std::pair<double, double>> widths;
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
        v.start_width = header.start_width;
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
        bulges.push_back(v.bulge);
        // A vertex without widths of its own takes the polyline's default widths.
        widths.push_back({v.rad_hgt != 0 ? v.rad_hgt : header.rad_hgt, v.fv1 != 0 ? v.fv1 : header.fv1});
    }
    cost.drawn += points.size() + faces.size();
    cost.bytes += points.size() * vertex_bytes + faces.size() * face_bytes;
    if (polygon_mesh) {
        const long long m = header.flag_71;
        const long long n = header.flag_72;
        if (m < 1 || n < 1 || m * n != static_cast<long long>(points.size())) return nullptr;
        return pool_->make<Polygon_mesh_>(std::move(points), header.flag_71, header.flag_72, header.flag_70,
                                          header.colour);
    }
    if (polyface_mesh) {
        // A face naming a vertex that does not exist cannot be drawn.
        for (const auto& f : faces) {
            for (int index : f) {
                if (index >= static_cast<int>(points.size())) throw fail();
            }
        }
        return pool_->make<Polyface_mesh_>(std::move(points), std::move(faces), header.colour);
    }
    // A 2D polyline lies at the height of its header (its elevation).
    if ((header.flag_70 & 8) == 0)
        for (Point3D& p : points) p.z = header.p1.z;
    Entity_ptr e =
        pool_->make<Polyline_>(header.OCS_Z, std::move(points), header.colour, (header.flag_70 & 1) != 0);
    auto& polyline = static_cast<Polyline_&>(*e);
    polyline.set_bulges(std::move(bulges));
    polyline.set_widths(std::move(widths));
    cost.bytes += polyline.bulges.size() * sizeof(double) + polyline.widths.size() * 2 * sizeof(double);
    return e;
}

DXF_Layer& DXF_Reader::append_layer(const std::string& name) {
    charge({0, held(sizeof(DXF_Layer)) + text_bytes(name) + (layer_num(name) < 0 ? index_entry_bytes : 0)});
    DXF_Layers.push_back(std::make_unique<DXF_Layer>(name));
    layer_index_.try_emplace(name, DXF_Layers.size() - 1);
    last_layer_ = nullptr;
    return *DXF_Layers.back();
}

// Files name the same layer for long runs of entities: the last one is looked up first.
DXF_Layer& DXF_Reader::entity_layer(const std::string& name) {
    if (last_layer_ && last_layer_->layer_name == name) return *last_layer_;
    const int index = layer_num(name);
    DXF_Layer& layer = index < 0 ? append_layer(name) : *DXF_Layers[static_cast<size_t>(index)];
    last_layer_ = &layer;
    return layer;
}

// The object of its kind, a matrix when it has an extrusion of its own (an insert always has one), and its
// texts.
DXF_Reader::Cost DXF_Reader::entity_cost(Kind kind, const abstract_entity& ae) {
    std::size_t bytes = held(size_of(kind));
    if (kind == Kind::Insert || kind == Kind::Dimension || !same_point(ae.OCS_Z, WCS_Z))
        bytes += held(sizeof(Matrix));
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
// members of blocks, which draw through each reference.
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

// Inside a block, "by block" (and "by layer" on layer "0", which takes the reference's layer) follows the
// reference; "by layer" on another layer is that layer's colour.
void DXF_Reader::set_colour(DXF_Entity& e, const abstract_entity& ae, Block_* block) {
    if (block) {
        const bool by_layer = ae.colour == 256 || ae.colour < 0;
        if (ae.colour == 0 || (by_layer && ae.layer == "0")) {
            e.by_block = ae.truecolour < 0;
        } else if (by_layer) {
            const DXF_Layer& layer = entity_layer(ae.layer);
            e.colour = layer.truecolour ? *layer.truecolour : colour_of_index(layer.layer_colinx);
        }
    }
    if (ae.truecolour >= 0) e.colour = from_true_colour(ae.truecolour);
}

void DXF_Reader::add_entity(Entity_ptr entity, const abstract_entity& ae, Block_* block, Cost cost) {
    DXF_Layer& target = entity_layer(ae.layer);
    if (!block && !target.find_list(entity->class_name())) cost.bytes += held(sizeof(Entity_List));
    charge(cost);
    DXF_Entity& e = *entity;
    if (block) {
        block_weight_[block].entities += cost.drawn;
        block->add_entity(std::move(entity));
    } else {
        target.add_entity_to_layer(std::move(entity));
    }
    set_colour(e, ae, block);
}

// ---- queries ----

Layer_List DXF_Reader::release_control_of_layers() {
    layer_index_.clear();
    block_index_.clear();
    block_weight_.clear();
    blocks_ = nullptr;
    last_layer_ = nullptr;
    return std::move(DXF_Layers);
}

bool DXF_Reader::remove_empty_layers() {
    std::erase_if(DXF_Layers, [](const std::unique_ptr<DXF_Layer>& l) { return l->entity_lists.empty(); });
    layer_index_.clear();
    last_layer_ = nullptr;
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
