// Drawings as other CAD programs write them (Release 12, 2000, 2010 and 2018, made by ezdxf through
// tests/dxf/ezdxf_fremd.py): what our reader keeps must be what ezdxf lists, entity for entity with its
// layer, colour, position and text; every kind it does not draw is counted as not shown, as are the
// entities of paper space, so nothing is lost without a word. Each kept entity also draws something.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <typeinfo>

#include "DXF_Test_Helfer.h"
#include "dxf/Arc_.h"
#include "dxf/Dimension_.h"
#include "dxf/Ellipse_.h"
#include "dxf/Face3D_.h"
#include "dxf/Hatch_.h"
#include "dxf/Line_.h"
#include "dxf/MText_.h"
#include "dxf/Solid_.h"
#include "dxf/Spline_.h"

namespace {

std::string python(const std::string& arguments) {
    const std::string command = "PYTHONIOENCODING=utf-8 /usr/bin/python3 " + std::string(ZAVR_SOURCE_DIR) +
                                "/tests/dxf/ezdxf_fremd.py " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "cannot start python";
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) output.append(buf, n);
    if (pclose(pipe) != 0) output += "\nexit status not 0";
    return output;
}

std::string num(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    std::string s(buf, res.ptr);
    return s == "-0.000" ? "0.000" : s;
}

std::string pt(const Point3D& p) {
    return num(p.x) + " " + num(p.y);
}

std::string hex(DXF_Colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
    return buf;
}

std::string joined(std::string text) {
    std::replace(text.begin(), text.end(), '\n', '/');
    return text;
}

// The kind and what identifies the entity, in the script's words.
std::pair<std::string, std::string> kind_and_key(const DXF_Entity& e) {
    const auto& type = typeid(e);
    if (type == typeid(Line_)) {
        const auto& l = static_cast<const Line_&>(e);
        return {"LINE", pt(l.p1) + " " + pt(l.p2)};
    }
    if (type == typeid(Point_)) return {"POINT", pt(static_cast<const Point_&>(e).p1)};
    if (type == typeid(Circle_) || type == typeid(Arc_)) {
        const auto& c = static_cast<const Circle_&>(e);
        return {type == typeid(Arc_) ? "ARC" : "CIRCLE", pt(c.p1) + " " + num(c.radius)};
    }
    if (type == typeid(Text_)) {
        const auto& t = static_cast<const Text_&>(e);
        return {"TEXT", pt(t.p1) + " |" + t.textstr + "|"};
    }
    if (type == typeid(MText_)) {
        const auto& t = static_cast<const MText_&>(e);
        return {"MTEXT", pt(t.p1) + " |" + joined(t.textstr) + "|"};
    }
    if (type == typeid(Dimension_)) return {"DIMENSION", static_cast<const Dimension_&>(e).blockname};
    if (type == typeid(Insert_)) {
        const auto& i = static_cast<const Insert_&>(e);
        return {"INSERT", i.blockname + " " + pt(i.p1) + " " + std::to_string(i.num_attribs())};
    }
    if (type == typeid(Polyline_)) {
        const auto& p = static_cast<const Polyline_&>(e);
        return {"POLYLINE", std::to_string(p.numvertices()) + " " + std::to_string(p.closed)};
    }
    if (type == typeid(Ellipse_)) return {"ELLIPSE", pt(static_cast<const Ellipse_&>(e).points().front())};
    if (type == typeid(Spline_)) {
        const auto& s = static_cast<const Spline_&>(e);
        return {"SPLINE", pt(s.polypoints.front()) + " " + pt(s.polypoints.back())};
    }
    if (type == typeid(Hatch_)) {
        const auto& h = static_cast<const Hatch_&>(e);
        return {"HATCH", std::to_string(h.solid) + " " + std::to_string(h.loops.size())};
    }
    if (type == typeid(Solid_) || type == typeid(Face3D_)) {
        const auto& s = static_cast<const Polyline_&>(e);
        return {type == typeid(Solid_) ? "SOLID" : "3DFACE", pt(s.polypoints[0]) + " " + pt(s.polypoints[2])};
    }
    return {std::string("OTHER ") + e.class_name(), ""};
}

// Counts the drawing calls of one entity.
class Counting_Canvas : public DXF_Canvas {
public:
    DXF_Colour pen_colour() const override { return pen_; }
    void set_pen_colour(DXF_Colour c) override { pen_ = c; }
    void set_pen_width(int) override {}
    void line(Screen_Point, Screen_Point) override { ++calls; }
    void polyline(const std::vector<Screen_Point>&) override { ++calls; }
    void polygon(const std::vector<Screen_Point>&) override { ++calls; }
    void fill(const std::vector<std::vector<Screen_Point>>&) override { ++calls; }
    void ellipse(Screen_Point, Screen_Point) override { ++calls; }
    void arc(Screen_Point, Screen_Point, Screen_Point, Screen_Point) override { ++calls; }
    void pixel(Screen_Point, DXF_Colour) override { ++calls; }
    void text(Screen_Point, const std::string&, int, DXF_Colour, int, int, int) override { ++calls; }
    long calls = 0;

private:
    DXF_Colour pen_ = 0;
};

int drawing_calls(const DXF_Entity& e) {
    Counting_Canvas canvas;
    const Map_Function map_fn = [](const Point3D& p, pMatrix m) {
        const Point3D q = m ? transform_point(*m, p) : p;
        return Screen_Point{static_cast<int>(q.x * 10), static_cast<int>(-q.y * 10)};
    };
    e.Draw(canvas, map_fn, nullptr);
    return static_cast<int>(canvas.calls);
}

// The description of ezdxf_fremd.py built from our document.
std::string describe(const DXF_Object& doc) {
    std::vector<std::string> lines;
    for (const auto& l : doc.layer_lists) {
        for (const auto& list : l->entity_lists) {
            if (list->list_name == "Block_") continue;
            for (const auto& e : list->entities) {
                const auto [kind, key] = kind_and_key(*e);
                lines.push_back(kind + "|" + l->layer_name + "|" + hex(e->colour) + "|" + key);
                EXPECT_GT(drawing_calls(*e), 0) << lines.back();
            }
        }
    }
    for (const auto& [kind, n] : doc.omissions.kinds)
        lines.push_back("NOT SHOWN " + kind + " " + std::to_string(n));
    lines.push_back("PAPER " + std::to_string(doc.omissions.paper_space));
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

class Fremddatei : public ::testing::TestWithParam<const char*> {};

TEST_P(Fremddatei, wirZeigenWasEzdxfListetUndNennenDenRest) {
    const std::string path = std::string(ZAVR_BINARY_DIR) + "/fremd_" + GetParam() + ".dxf";
    ASSERT_EQ(python(std::string("make ") + GetParam() + " " + path), "");
    const std::string listed = python("describe " + path);
    DXF_Message_Log log;
    const DXF_Object doc = DXF_Object::create_from_file(path, log);
    for (const auto& e : log.entries) ADD_FAILURE() << e.caption << ": " << e.text;
    EXPECT_EQ(describe(doc), listed);
    EXPECT_FALSE(doc.omissions.empty());
    // The dimension shows its lines, arrows and text through its block.
    const auto dimensions = entities_of<Dimension_>(doc, "0", "Dimension_");
    ASSERT_EQ(dimensions.size(), 1u);
    EXPECT_GT(drawing_calls(*dimensions[0]), 5);
}

INSTANTIATE_TEST_SUITE_P(Releases, Fremddatei, ::testing::Values("R12", "R2000", "R2010", "R2018"));

}  // namespace
