// The entity kinds of Release 13 and later, whose group codes repeat in a fixed order (the vertices of a
// lightweight polyline, the knots of a spline, the boundary of a hatch): their groups are kept as they stand
// and read in order.

#include <algorithm>
#include <charconv>
#include <cmath>

#include "dxf/Curves.h"
#include "dxf/DXF_Number.h"
#include "dxf/DXF_Read_Costs.h"
#include "dxf/DXF_Reader.h"
#include "dxf/DXF_exception.h"
#include "dxf/Dimension_.h"
#include "dxf/Ellipse_.h"
#include "dxf/Hatch_.h"
#include "dxf/MText_.h"
#include "dxf/Spline_.h"

using namespace dxf_read;

namespace {

constexpr double rad_to_deg = 57.295779513082320877;
constexpr double deg_to_rad = 0.017453292519943295769;

}  // namespace

// Walks the kept groups of one entity; numbers are converted as they are asked for.
class DXF_Reader::Raw_Cursor {
public:
    Raw_Cursor(const std::vector<Raw_Group>& groups, size_t count, long line, DXF_Codepage codepage)
        : groups_(groups), count_(count), line_(line), codepage_(codepage) {}

    bool done() const { return i_ >= count_; }
    int code() const { return groups_[i_].code; }
    void next() { ++i_; }
    // The group with this code at the cursor, or an error naming the entity.
    void expect(int code, const char* kind) const {
        if (done() || groups_[i_].code != code)
            throw DXF_read_exception(std::string("Error reading ") + kind + " entity", line_);
    }

    double real() const {
        double v = 0;
        if (!dxf_to_double(groups_[i_].value, v) || !std::isfinite(v))
            throw DXF_read_exception("Invalid Floating point conversion", line_);
        return v;
    }
    long integer() const {
        long v = 0;
        if (!parse(v)) throw DXF_read_exception("Invalid Integer conversion", line_);
        return v;
    }
    std::string text() const { return text_from_codepage(groups_[i_].value, codepage_); }
    // The value of the group expected at the cursor, which then moves on.
    double take_real(int code, const char* kind) {
        expect(code, kind);
        const double v = real();
        next();
        return v;
    }
    long take_integer(int code, const char* kind) {
        expect(code, kind);
        const long v = integer();
        next();
        return v;
    }
    // A group shared by every entity (layer, colour, space, extrusion) goes into `common`.
    bool common(abstract_entity& ae) const {
        switch (code()) {
            case 8:
                ae.layer = text();
                return true;
            case 62:
                ae.colour = static_cast<int>(integer());
                return true;
            case 420:
                ae.truecolour = integer();
                return true;
            case 67:
                ae.paper = integer() == 1;
                return true;
            case 210:
                ae.OCS_Z.x = real();
                return true;
            case 220:
                ae.OCS_Z.y = real();
                return true;
            case 230:
                ae.OCS_Z.z = real();
                return true;
            default:
                return false;
        }
    }
    long line() const { return line_; }

private:
    template <typename T>
    bool parse(T& v) const {
        std::string_view s = groups_[i_].value;
        while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        if (!s.empty() && s.front() == '+') s.remove_prefix(1);
        const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
        return !s.empty() && res.ec == std::errc() && res.ptr == s.data() + s.size();
    }

    const std::vector<Raw_Group>& groups_;
    size_t count_;
    size_t i_ = 0;
    long line_;
    DXF_Codepage codepage_;
};

Entity_ptr DXF_Reader::read_modern(Kind kind, Block_* block, abstract_entity& common, Cost& cost) {
    if (!read_raw_groups())
        throw DXF_read_exception(std::string("Error reading ") + name_of(kind) + " entity",
                                 IO_chan.line_number());
    Raw_Cursor c(raw_, raw_count_, IO_chan.line_number(), codepage_);
    cost = {1, held(size_of(kind))};
    Entity_ptr e;
    switch (kind) {
        case Kind::LWPolyline:
            e = make_lwpolyline(c, common, cost);
            break;
        case Kind::MText:
            e = make_mtext(c, common, cost);
            break;
        case Kind::Ellipse:
            e = make_ellipse(c, common);
            break;
        case Kind::Spline:
            e = make_spline(c, common, cost);
            break;
        case Kind::Hatch:
            e = make_hatch(c, common, cost);
            break;
        default:
            e = make_dimension(c, common, block, cost);
    }
    common.OCS_Z = normalize(common.OCS_Z);
    return e;
}

Entity_ptr DXF_Reader::make_lwpolyline(Raw_Cursor& c, abstract_entity& common, Cost& cost) {
    std::vector<Point3D> points;
    std::vector<double> bulges;
    std::vector<std::pair<double, double>> widths;
    double elevation = 0, constant_width = 0;
    bool closed = false;
    for (; !c.done(); c.next()) {
        if (c.common(common)) continue;
        switch (c.code()) {
            case 10:
                if (points.size() == static_cast<size_t>(max_vertices)) {
                    throw DXF_read_exception(
                        "Polyline contained more than " + std::to_string(max_vertices) + " vertices",
                        c.line());
                }
                points.push_back({c.real(), 0, 0});
                bulges.push_back(0);
                widths.push_back({constant_width, constant_width});
                break;
            case 20:
                if (!points.empty()) points.back().y = c.real();
                break;
            case 40:
                if (!widths.empty()) widths.back().first = c.real();
                break;
            case 41:
                if (!widths.empty()) widths.back().second = c.real();
                break;
            case 42:
                if (!bulges.empty()) bulges.back() = c.real();
                break;
            case 43:
                constant_width = c.real();
                break;
            case 38:
                elevation = c.real();
                break;
            case 70:
                closed = (c.integer() & 1) != 0;
                break;
            default:
                break;
        }
    }
    if (points.empty()) throw DXF_read_exception("Error reading LWPOLYLINE entity", c.line());
    // A constant width given after the vertices still applies to those without widths of their own.
    for (auto& w : widths)
        if (w.first == 0 && w.second == 0) w = {constant_width, constant_width};
    for (Point3D& p : points) p.z = elevation;
    cost.drawn += points.size();
    cost.bytes += points.size() * (vertex_bytes + 3 * sizeof(double));
    Entity_ptr e = pool_->make<Polyline_>(normalize(common.OCS_Z), std::move(points), common.colour, closed);
    auto& polyline = static_cast<Polyline_&>(*e);
    polyline.set_bulges(std::move(bulges));
    polyline.set_widths(std::move(widths));
    return e;
}

// The text comes in pieces of 250 characters (group 3) before its last piece (group 1). The direction of
// the first line is given as an angle or as a vector in world coordinates.
Entity_ptr DXF_Reader::make_mtext(Raw_Cursor& c, abstract_entity& common, Cost& cost) {
    Point3D insert, direction;
    double height = 0, width = 0, angle = 0, spacing = 1;
    int attachment = 1;
    std::string text, last;
    for (; !c.done(); c.next()) {
        if (c.common(common)) continue;
        switch (c.code()) {
            case 10:
                insert.x = c.real();
                break;
            case 20:
                insert.y = c.real();
                break;
            case 30:
                insert.z = c.real();
                break;
            case 11:
                direction.x = c.real();
                break;
            case 21:
                direction.y = c.real();
                break;
            case 31:
                direction.z = c.real();
                break;
            case 40:
                height = c.real();
                break;
            case 41:
                width = c.real();
                break;
            case 44:
                spacing = c.real();
                break;
            case 50:
                angle = c.real();
                break;
            case 71:
                attachment = static_cast<int>(c.integer());
                break;
            case 3:
                text += c.text();
                break;
            case 1:
                last = c.text();
                break;
            default:
                break;
        }
    }
    const Point3D axis = normalize(common.OCS_Z);
    if (!same_point(direction, Origin)) {
        const OCS_Axes axes = ocs_axes(same_point(axis, Origin) ? WCS_Z : axis);
        const double x = direction.x * axes.ax.x + direction.y * axes.ax.y + direction.z * axes.ax.z;
        const double y = direction.x * axes.ay.x + direction.y * axes.ay.y + direction.z * axes.ay.z;
        angle = std::atan2(y, x) * rad_to_deg;
    }
    Entity_ptr e = pool_->make<MText_>(axis, insert, text + last, height, width, attachment, angle, spacing,
                                       common.colour);
    // Each wrapped line is a text of its own when drawn, and the text is held twice: as lines and joined.
    const auto& lines = static_cast<const MText_&>(*e).lines;
    cost.drawn = std::max<std::uint64_t>(1, lines.size());
    for (const std::string& line : lines) cost.bytes += 2 * (text_bytes(line) + sizeof(std::string));
    return e;
}

Entity_ptr DXF_Reader::make_ellipse(Raw_Cursor& c, abstract_entity& common) {
    Point3D centre, major;
    double ratio = 1, start = 0, end = 2 * 3.14159265358979323846;
    for (; !c.done(); c.next()) {
        if (c.common(common)) continue;
        switch (c.code()) {
            case 10:
                centre.x = c.real();
                break;
            case 20:
                centre.y = c.real();
                break;
            case 30:
                centre.z = c.real();
                break;
            case 11:
                major.x = c.real();
                break;
            case 21:
                major.y = c.real();
                break;
            case 31:
                major.z = c.real();
                break;
            case 40:
                ratio = c.real();
                break;
            case 41:
                start = c.real();
                break;
            case 42:
                end = c.real();
                break;
            default:
                break;
        }
    }
    return pool_->make<Ellipse_>(common.OCS_Z, centre, major, ratio, start, end, common.colour);
}

Entity_ptr DXF_Reader::make_spline(Raw_Cursor& c, abstract_entity& common, Cost& cost) {
    int flags = 0, degree = 3;
    std::vector<double> knots, weights;
    std::vector<Point3D> control, fit;
    const auto limit = [&](const std::vector<Point3D>& points) {
        if (points.size() == static_cast<size_t>(max_vertices)) {
            throw DXF_read_exception("Spline contained more than " + std::to_string(max_vertices) + " points",
                                     c.line());
        }
    };
    for (; !c.done(); c.next()) {
        if (c.common(common)) continue;
        switch (c.code()) {
            case 70:
                flags = static_cast<int>(c.integer());
                break;
            case 71:
                degree = static_cast<int>(c.integer());
                break;
            case 40:
                if (knots.size() < static_cast<size_t>(2 * max_vertices)) knots.push_back(c.real());
                break;
            case 41:
                if (weights.size() < static_cast<size_t>(max_vertices)) weights.push_back(c.real());
                break;
            case 10:
                limit(control);
                control.push_back({c.real(), 0, 0});
                break;
            case 20:
                if (!control.empty()) control.back().y = c.real();
                break;
            case 30:
                if (!control.empty()) control.back().z = c.real();
                break;
            case 11:
                limit(fit);
                fit.push_back({c.real(), 0, 0});
                break;
            case 21:
                if (!fit.empty()) fit.back().y = c.real();
                break;
            case 31:
                if (!fit.empty()) fit.back().z = c.real();
                break;
            default:
                break;
        }
    }
    if (degree < 1 || degree > 25) degree = 3;
    std::vector<Point3D> curve = bspline_points(degree, knots, control, weights);
    if (curve.empty()) curve = fit.size() >= 2 ? curve_through(fit, (flags & 1) != 0) : control;
    if (curve.size() < 2) throw DXF_read_exception("Error reading SPLINE entity", c.line());
    cost.drawn += curve.size();
    cost.bytes += curve.size() * vertex_bytes;
    return pool_->make<Spline_>(std::move(curve), common.colour);
}

namespace {

// Boundary edges, each appended to the loop as points (the first point of an edge repeats the last one of
// the edge before, which does no harm to an outline).
void hatch_arc(std::vector<Point3D>& loop, const Point3D& centre, const Point3D& major, double ratio,
               double start, double end, bool ccw) {
    // Clockwise edges carry the complements (360° − angle) of their angles.
    if (!ccw) {
        const double s = 360 - end, e = 360 - start;
        start = s, end = e;
    }
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 0) sweep += 360;
    const Point3D minor{-major.y * ratio, major.x * ratio, 0};
    std::vector<Point3D> points;
    append_elliptic_arc(points, centre, major, minor, start * deg_to_rad, (start + sweep) * deg_to_rad);
    if (!ccw) std::reverse(points.begin(), points.end());
    loop.insert(loop.end(), points.begin(), points.end());
}

}  // namespace

// Paths come in order: polyline paths as vertices with optional bulges, edge paths as lines, arcs, elliptic
// arcs and splines; each is followed by the handles of the objects it came from.
Entity_ptr DXF_Reader::make_hatch(Raw_Cursor& c, abstract_entity& common, Cost& cost) {
    constexpr const char* kind = "HATCH";
    bool solid = false;
    double elevation = 0;
    long paths = 0;
    for (; !c.done() && c.code() != 91; c.next()) {
        if (c.common(common)) continue;
        if (c.code() == 70) solid = (c.integer() & 1) != 0;
        if (c.code() == 30) elevation = c.real();
    }
    if (!c.done()) paths = c.take_integer(91, kind);
    std::vector<Hatch_::Loop> loops;
    size_t points = 0;
    for (long p = 0; p < paths; ++p) {
        const long flags = c.take_integer(92, kind);
        Hatch_::Loop& loop = loops.emplace_back();
        if (flags & 2) {
            const bool bulged = c.take_integer(72, kind) != 0;
            c.take_integer(73, kind);
            const long n = c.take_integer(93, kind);
            std::vector<Point3D> vertices;
            std::vector<double> bulges;
            for (long v = 0; v < n && v < max_vertices; ++v) {
                const double x = c.take_real(10, kind);
                vertices.push_back({x, c.take_real(20, kind), elevation});
                bulges.push_back(bulged && !c.done() && c.code() == 42 ? c.take_real(42, kind) : 0);
            }
            if (!vertices.empty()) loop.push_back(vertices.front());
            for (size_t v = 0; v < vertices.size(); ++v)
                append_bulge_arc(loop, vertices[v], vertices[(v + 1) % vertices.size()], bulges[v]);
        } else {
            const long edges = c.take_integer(93, kind);
            for (long k = 0; k < edges && loop.size() < static_cast<size_t>(max_vertices); ++k) {
                const long type = c.take_integer(72, kind);
                if (type == 1) {
                    const double x1 = c.take_real(10, kind), y1 = c.take_real(20, kind);
                    const double x2 = c.take_real(11, kind), y2 = c.take_real(21, kind);
                    loop.push_back({x1, y1, elevation});
                    loop.push_back({x2, y2, elevation});
                } else if (type == 2 || type == 3) {
                    const double x = c.take_real(10, kind), y = c.take_real(20, kind);
                    Point3D major{0, 0, 0};
                    double ratio = 1;
                    if (type == 2) {
                        major.x = c.take_real(40, kind);
                    } else {
                        major.x = c.take_real(11, kind);
                        major.y = c.take_real(21, kind);
                        ratio = c.take_real(40, kind);
                    }
                    const double start = c.take_real(50, kind), end = c.take_real(51, kind);
                    const bool ccw = c.take_integer(73, kind) != 0;
                    hatch_arc(loop, {x, y, elevation}, major, ratio, start, end, ccw);
                } else if (type == 4) {
                    const int degree = static_cast<int>(c.take_integer(94, kind));
                    const bool rational = c.take_integer(73, kind) != 0;
                    c.take_integer(74, kind);
                    const long knot_count = c.take_integer(95, kind);
                    const long control_count = c.take_integer(96, kind);
                    std::vector<double> knots, weights;
                    std::vector<Point3D> control;
                    for (long i = 0; i < knot_count && i < 2 * max_vertices; ++i)
                        knots.push_back(c.take_real(40, kind));
                    for (long i = 0; i < control_count && i < max_vertices; ++i) {
                        const double x = c.take_real(10, kind);
                        control.push_back({x, c.take_real(20, kind), elevation});
                        if (rational) weights.push_back(c.take_real(42, kind));
                    }
                    std::vector<Point3D> fit;
                    if (!c.done() && c.code() == 97) {
                        const long fit_count = c.take_integer(97, kind);
                        for (long i = 0; i < fit_count && i < max_vertices; ++i) {
                            const double x = c.take_real(11, kind);
                            fit.push_back({x, c.take_real(21, kind), elevation});
                        }
                    }
                    while (!c.done() &&
                           (c.code() == 12 || c.code() == 22 || c.code() == 13 || c.code() == 23))
                        c.next();
                    std::vector<Point3D> curve = bspline_points(degree, knots, control, weights);
                    if (curve.empty()) curve = fit.size() >= 2 ? curve_through(fit, false) : control;
                    loop.insert(loop.end(), curve.begin(), curve.end());
                } else {
                    throw DXF_read_exception("Error reading HATCH entity", c.line());
                }
            }
        }
        // The handles of the boundary's source objects.
        if (!c.done() && c.code() == 97) {
            const long sources = c.take_integer(97, kind);
            for (long s = 0; s < sources && !c.done() && c.code() == 330; ++s) c.next();
        }
        points += loop.size();
        if (points > static_cast<size_t>(4 * max_vertices))
            throw DXF_read_exception(
                "Hatch contained more than " + std::to_string(4 * max_vertices) + " boundary points",
                c.line());
    }
    for (; !c.done(); c.next()) c.common(common);
    std::erase_if(loops, [](const Hatch_::Loop& l) { return l.size() < 2; });
    cost.drawn += points;
    cost.bytes += points * vertex_bytes;
    if (!solid && !common.paper) ++omissions_.hatch_patterns;
    return pool_->make<Hatch_>(normalize(common.OCS_Z), std::move(loops), solid, common.colour);
}

// A dimension is drawn through its block; one whose program left no block is not shown.
Entity_ptr DXF_Reader::make_dimension(Raw_Cursor& c, abstract_entity& common, Block_* block, Cost& cost) {
    std::string name;
    for (; !c.done(); c.next()) {
        if (c.common(common)) continue;
        if (c.code() == 2) name = c.text();
    }
    if (name.empty() || (!block && !block_index_.contains(name))) {
        if (!common.paper) ++omissions_.kinds["DIMENSION"];
        return nullptr;
    }
    Entity_ptr e = pool_->make<Dimension_>(normalize(common.OCS_Z), name, common.colour);
    link_reference(static_cast<Insert_&>(*e), block, cost);
    return e;
}
