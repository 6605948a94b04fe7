#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <typeinfo>

#include "DXF_Test_Helfer.h"
#include "dxf/Arc_.h"
#include "dxf/Attdef_.h"
#include "dxf/Block_.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"

// Our documents against ezdxf, a CAD library written independently of ours: both sides describe a
// drawing in the same line format (tests/dxf/ezdxf_interop.py) and the descriptions must agree.

namespace {

constexpr double rad_to_deg = 57.295779513082320877;

std::string pt(const Point3D& p) {
    return fixed3(p.x) + " " + fixed3(p.y) + " " + fixed3(p.z);
}

std::string vertices(const Polyline_& p) {
    std::string s;
    for (const Point3D& v : p.polypoints) s += " " + pt(v);
    return s;
}

std::string corners(const Polyline_& p) {
    std::string s;
    for (size_t i = 0; i < 4; ++i) s += " " + pt(p.polypoints[std::min(i, p.polypoints.size() - 1)]);
    return s;
}

std::string describe(const DXF_Entity& e, const std::string& layer);

std::string describe_insert(const Insert_& ins, const std::string& layer) {
    std::string s = "INSERT " + layer + " |" + ins.blockname + "| " + pt(ins.p1) + " " + fixed3(ins.scale.x) +
                    " " + fixed3(ins.scale.y) + " " + fixed3(ins.scale.z) + " " +
                    fixed3(ins.rotation * rad_to_deg) + " " + std::to_string(ins.num_attribs());
    for (const auto& a : ins.attribs)
        s += " ATTRIB " + layer + " |" + a->tagstr + "| |" + a->textstr + "| " + pt(a->p1);
    return s;
}

std::string describe(const DXF_Entity& e, const std::string& layer) {
    const auto& type = typeid(e);
    if (type == typeid(Line_)) {
        const auto& l = static_cast<const Line_&>(e);
        return "LINE " + layer + " " + pt(l.p1) + " " + pt(l.p2);
    }
    if (type == typeid(Point_)) return "POINT " + layer + " " + pt(static_cast<const Point_&>(e).p1);
    if (type == typeid(Circle_)) {
        const auto& c = static_cast<const Circle_&>(e);
        return "CIRCLE " + layer + " " + pt(c.p1) + " " + fixed3(c.radius) + " " + pt(c.OCS_axis);
    }
    if (type == typeid(Arc_)) {
        const auto& a = static_cast<const Arc_&>(e);
        return "ARC " + layer + " " + pt(a.p1) + " " + fixed3(a.radius) + " " +
               fixed3(a.angle1 * rad_to_deg) + " " + fixed3(a.angle2 * rad_to_deg) + " " + pt(a.OCS_axis);
    }
    if (type == typeid(Text_)) {
        const auto& t = static_cast<const Text_&>(e);
        return "TEXT " + layer + " " + pt(t.p1) + " " + fixed3(t.h) + " " + fixed3(t.rot_angle) + " " +
               std::to_string(t.hor_align) + " " + (t.hor_align ? pt(t.align_pt) : "-") + " |" + t.textstr +
               "|";
    }
    if (type == typeid(Attdef_)) {
        const auto& a = static_cast<const Attdef_&>(e);
        return "ATTDEF " + layer + " " + pt(a.p1) + " |" + a.tagstr + "| |" + a.textstr + "| |" +
               a.promptstr + "|";
    }
    if (type == typeid(Face3D_)) return "3DFACE " + layer + corners(static_cast<const Polyline_&>(e));
    if (type == typeid(Solid_)) {
        const auto& s = static_cast<const Solid_&>(e);
        return "SOLID " + layer + corners(s) + " " + fixed3(s.thickness) + " " + pt(s.OCS_axis);
    }
    if (type == typeid(Insert_)) return describe_insert(static_cast<const Insert_&>(e), layer);
    if (type == typeid(Polyline_)) {
        const auto& p = static_cast<const Polyline_&>(e);
        return "POLYLINE " + layer + " " + std::to_string(p.closed) + " " + std::to_string(p.numvertices()) +
               vertices(p);
    }
    if (type == typeid(Polygon_mesh_)) {
        const auto& m = static_cast<const Polygon_mesh_&>(e);
        return "MESH " + layer + " " + std::to_string(m.M) + " " + std::to_string(m.N) + " " +
               std::to_string(m.closeM) + " " + std::to_string(m.closeN) + vertices(m);
    }
    if (type == typeid(Polyface_mesh_)) {
        const auto& m = static_cast<const Polyface_mesh_&>(e);
        std::string s = "POLYFACE " + layer + " " + std::to_string(m.numvertices()) + " " +
                        std::to_string(m.numfaces()) + vertices(m);
        for (const auto& f : m.facelist) {
            s += " [" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) + "," +
                 std::to_string(f[3]) + "]";
        }
        return s;
    }
    return std::string("OTHER ") + e.class_name();
}

void describe_block(const Block_& b, const std::string& layer, std::vector<std::string>& out) {
    if (b.name.empty() || b.name[0] == '$' || b.name[0] == '*') return;
    out.push_back("BLOCK |" + b.name + "| " + pt(b.basepoint) + " " + std::to_string(b.entities.size()));
    for (const auto& m : b.entities) out.push_back(b.name + "< " + describe(*m, layer));
}

// The same description ezdxf_interop.py prints, without the audit line.
std::string describe(const DXF_Object& doc) {
    std::vector<std::string> out;
    std::vector<std::string> layers;
    for (const auto& l : doc.layer_lists) {
        // ezdxf's own layer, which the script leaves out as well: ezdxf writes it into its files.
        if (l->layer_name != "Defpoints") layers.push_back("|" + l->layer_name + "|");
        for (const auto& list : l->entity_lists) {
            for (const auto& e : list->entities) {
                if (const auto* b = dynamic_cast<const Block_*>(e.get())) {
                    describe_block(*b, l->layer_name, out);
                } else {
                    out.push_back(describe(*e, l->layer_name));
                }
            }
        }
    }
    std::sort(layers.begin(), layers.end());
    layers.erase(std::unique(layers.begin(), layers.end()), layers.end());
    std::string all = "LAYERS";
    for (const auto& l : layers) all += " " + l;
    out.push_back(all);
    std::sort(out.begin(), out.end());
    std::string text;
    for (const auto& line : out) text += line + "\n";
    return text;
}

// A document with every entity class, as the drawing code and the reader build them.
DXF_Object every_entity_class() {
    DXF_Object doc("alle");
    DXF_Layer& zero = doc.new_layer("0", true);
    doc.new_layer("Bewehrung", true).layer_colinx = 1;
    doc.new_layer("Text", true).layer_colinx = 3;
    auto basis = std::make_unique<Block_>("Bügel", Point3D{1, 1, 0});
    basis->add_entity(std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{5, 0, 0}, 7));
    basis->add_entity(std::make_unique<Circle_>(WCS_Z, Point3D{0, 0, 0}, 1, 7));
    auto dorn = std::make_unique<Block_>("Dorn", Origin);
    dorn->add_entity(
        std::make_unique<Attdef_>(WCS_Z, Point3D{0, -5, 0}, Origin, "", "POS", "Position", 0, 0, 2, 0, 7));
    auto nested = std::make_unique<Insert_>(WCS_Z, Point3D{2, 2, 0}, Point3D{1, 1, 1}, 0, 7,
                                            std::vector<std::unique_ptr<Attrib_>>{}, "Bügel");
    dorn->add_entity(std::move(nested));
    zero.add_entity_to_layer(std::move(basis));
    zero.add_entity_to_layer(std::move(dorn));
    zero.add_entity_to_layer(std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{100, 50, 0}, 7));
    zero.add_entity_to_layer(std::make_unique<Point_>(WCS_Z, Point3D{3, 4, 5}, 7));
    zero.add_entity_to_layer(
        std::make_unique<Face3D_>(std::vector<Point3D>{{0, 0, 0}, {10, 0, 1}, {10, 10, 2}}, 7, true));
    zero.add_entity_to_layer(std::make_unique<Solid_>(
        Point3D{0, 0, -1}, std::vector<Point3D>{{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}}, 7, 2));
    zero.add_entity_to_layer(std::make_unique<Polygon_mesh_>(
        std::vector<Point3D>{{0, 0, 0}, {10, 0, 0}, {20, 0, 1}, {0, 10, 0}, {10, 10, 2}, {20, 10, 0}}, 2, 3,
        1, 7));
    zero.add_entity_to_layer(
        std::make_unique<Polyface_mesh_>(std::vector<Point3D>{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}},
                                         std::vector<Polyface_mesh_::Face>{{0, 1, 2, 3}, {0, 2, 3, -1}}, 7));
    DXF_Layer& bars = *doc.layer("Bewehrung");
    bars.add_entity_to_layer(std::make_unique<Circle_>(WCS_Z, Point3D{10, 20, 0}, 7.5, 7));
    bars.add_entity_to_layer(std::make_unique<Circle_>(Point3D{0, 0, -1}, Point3D{10, 20, 0}, 2, 7));
    bars.add_entity_to_layer(std::make_unique<Arc_>(WCS_Z, Point3D{5, 5, 0}, 12.25, 30, 120, 7));
    bars.add_entity_to_layer(std::make_unique<Arc_>(WCS_Z, Point3D{0, 0, 0}, 4, 0, 360, 7));
    bars.add_entity_to_layer(std::make_unique<Polyline_>(
        WCS_Z, std::vector<Point3D>{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}, 7, false));
    bars.add_entity_to_layer(std::make_unique<Polyline_>(
        WCS_Z, std::vector<Point3D>{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}}, 7, false));
    std::vector<std::unique_ptr<Attrib_>> atts;
    atts.push_back(std::make_unique<Attrib_>(WCS_Z, Point3D{100, 95, 0}, Origin, "A1", "POS", 0, 0, 2, 0, 7));
    atts.push_back(
        std::make_unique<Attrib_>(WCS_Z, Point3D{100, 90, 0}, Origin, "12 Stk", "ANZ", 0, 0, 2, 0, 7));
    auto ins = std::make_unique<Insert_>(WCS_Z, Point3D{100, 100, 0}, Point3D{2, 3, 1}, 45, 7,
                                         std::move(atts), "Dorn");
    ins->update_block_links(zero.find_list("Block_"));
    bars.add_entity_to_layer(std::move(ins));
    bars.add_entity_to_layer(std::make_unique<Insert_>(WCS_Z, Point3D{0, 0, 0}, Point3D{1, 1, 1}, 0, 7,
                                                       std::vector<std::unique_ptr<Attrib_>>{}, "Bügel"));
    DXF_Layer& text = *doc.layer("Text");
    text.add_entity_to_layer(
        std::make_unique<Text_>(WCS_Z, Point3D{1, 2, 0}, Origin, "Stab Ø 12 ü", 2.5, 90, 7, 0));
    text.add_entity_to_layer(
        std::make_unique<Text_>(WCS_Z, Point3D{45, 10, 0}, Point3D{50, 10, 0}, "mittig", 3.5, 0, 7, 1));
    return doc;
}

}  // namespace

TEST(Ezdxf, liestUnsereDateiOhneAuditFehlerMitGleichemInhalt) {
    const DXF_Object doc = every_entity_class();
    const std::string path = std::string(ZAVR_BINARY_DIR) + "/dxf_interop_ours.dxf";
    doc.save_to_file(path);
    const std::string seen = python_output("ezdxf_interop.py", "describe " + path);
    ASSERT_EQ(seen.substr(0, 8), "AUDIT 0\n") << seen;
    EXPECT_EQ(seen.substr(8), describe(doc));
}

TEST(Ezdxf, wirLesenEineRelease12DateiVonEzdxf) {
    const std::string path = std::string(ZAVR_BINARY_DIR) + "/dxf_interop_ezdxf.dxf";
    const std::string made = python_output("ezdxf_interop.py", "make " + path);
    ASSERT_EQ(made, "");
    const std::string seen = python_output("ezdxf_interop.py", "describe " + path);
    ASSERT_EQ(seen.substr(0, 8), "AUDIT 0\n") << seen;
    DXF_Message_Log log;
    const DXF_Object doc = DXF_Object::create_from_file(path, log);
    for (const auto& e : log.entries) ADD_FAILURE() << e.caption << ": " << e.text;
    EXPECT_EQ(describe(doc), seen.substr(8));
}

TEST(Ezdxf, attributTextUndKennungBleibenBeimWiederEinlesen) {
    const DXF_Object doc = every_entity_class();
    auto g = read_text(dxf_text(doc));
    EXPECT_TRUE(g.log.entries.empty());
    EXPECT_EQ(describe(g.doc), describe(doc));
    const auto ins = entities_of<Insert_>(g.doc, "Bewehrung", "Insert_");
    ASSERT_EQ(ins.size(), 2u);
    EXPECT_EQ(ins[0]->attribs[0]->tagstr, "POS");
    EXPECT_EQ(ins[0]->attribs[0]->textstr, "A1");
    // Written again, the file is the same but for the layer table, which the reader takes in file order.
    DXF_Object again = std::move(g.doc);
    std::reverse(again.layer_lists.begin(), again.layer_lists.end());
    EXPECT_EQ(describe(again), describe(doc));
}
