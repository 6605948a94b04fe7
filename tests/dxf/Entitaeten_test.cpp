#include <gtest/gtest.h>

#include <cmath>

#include "dxf/Arc_.h"
#include "dxf/Attdef_.h"
#include "dxf/Block_.h"
#include "dxf/DXF_exception.h"
#include "dxf/Entity_List.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"
#include "dxf/Text_Box.h"

namespace {

void expect_point(const Point3D& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
    EXPECT_NEAR(p.z, z, 1e-9);
}

std::vector<std::unique_ptr<Attrib_>> attributes(int n) {
    std::vector<std::unique_ptr<Attrib_>> atts;
    for (int i = 0; i < n; ++i) {
        atts.push_back(
            std::make_unique<Attrib_>(WCS_Z, Origin, Origin, "v", "T" + std::to_string(i), 0, 0, 1, 0, 7));
    }
    return atts;
}

}  // namespace

TEST(Text, ausrichtungspunktImUrsprungHeisstKeiner) {
    const Text_ none(WCS_Z, {3, 4, 0}, {0, 0, 0}, "a", 1, 0, 7, 1);
    expect_point(none.align_pt, 3, 4, 0);
    const Text_ given(WCS_Z, {3, 4, 0}, {0, 0, 1e-9}, "a", 1, 0, 7, 1);
    expect_point(given.align_pt, 0, 0, 1e-9);
    const Attrib_ hidden(WCS_Z, Origin, Origin, "v", "t", 1, 2, 1, 0, 7);
    EXPECT_FALSE(hidden.visible);
    EXPECT_EQ(hidden.hor_align, 2);
    EXPECT_TRUE(Attrib_(WCS_Z, Origin, Origin, "v", "t", 2, 0, 1, 0, 7).visible);
}

TEST(Polylinie, wiederholterAnfangspunktSchliesst) {
    const std::vector<Point3D> pts = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}};
    const Polyline_ open(WCS_Z, pts, 7, false);
    EXPECT_EQ(open.numvertices(), 4);
    EXPECT_TRUE(open.closed);
    const Polyline_ closed(WCS_Z, pts, 7, true);
    EXPECT_EQ(closed.numvertices(), 5);
    // Meshes keep every vertex: their count must stay M x N.
    const Polygon_mesh_ mesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}}, 2, 2, 0, 7);
    EXPECT_EQ(mesh.numvertices(), 4);
    EXPECT_EQ(open.count_points(), 4);
    EXPECT_EQ(open.count_polys_closed(), 1);
    EXPECT_EQ(open.count_polys_open(), 0);
}

TEST(Polylinie, innenTestSchwerpunktUndAttribute) {
    Polyline_ square(WCS_Z, {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, 7, true);
    EXPECT_TRUE(square.is_point_inside_object2D({1, 1, 0}));
    EXPECT_FALSE(square.is_point_inside_object2D({5, 1, 0}));
    square.closed = false;
    EXPECT_FALSE(square.is_point_inside_object2D({1, 1, 0}));
    EXPECT_THROW(square.triangle_centre(), DXF_exception);
    const Polyline_ triangle(WCS_Z, {{0, 0, 0}, {3, 0, 0}, {0, 3, 3}}, 7, true);
    expect_point(triangle.triangle_centre(), 1, 1, 1);

    square.set_attrib(3, 2.5);
    EXPECT_EQ(square.numattrs, 4);
    EXPECT_EQ(square.get_attrib(3), 2.5);
    EXPECT_EQ(square.get_attrib(7), 0);
    EXPECT_THROW(square.set_attrib(16, 1), std::out_of_range);
    Polyline_ copy(WCS_Z, {}, 7, false);
    copy.copy_attribs(square);
    EXPECT_EQ(copy.get_attrib(3), 2.5);

    const auto circle = Circle_::create_from_polyline(square);
    expect_point(circle->p1, 2, 2, 0);
    EXPECT_NEAR(circle->radius, std::sqrt(8.0), 1e-12);
}

TEST(Punkte, verschiebenRasternUndFangen) {
    Line_ line({0.25, 0.35, 1.15}, {2, 2, 0}, 7);
    line.quantize_coords(10, 1 | 2);
    // halves go to the even neighbour: 2.5 -> 2, 3.5 -> 4; z is not selected
    expect_point(line.p1, 0.2, 0.4, 1.15);
    line.translate({1, 1, 1});
    expect_point(line.p2, 3, 3, 1);
    EXPECT_TRUE(line.Move_point({3, 3, 1}, {9, 9, 9}));
    expect_point(line.p2, 9, 9, 9);
    EXPECT_FALSE(line.Move_point({3, 3, 1}, {0, 0, 0}));
    // equidistant: the end point
    const Line_ l2({0, 0, 0}, {2, 0, 0}, 7);
    expect_point(l2.closest_vertex({1, 5, 0}), 2, 0, 0);
    expect_point(l2.closest_vertex({0.9, 5, 0}), 0, 0, 0);
    EXPECT_DOUBLE_EQ(l2.closest_vertex_square_distance_2D({1, 1, 0}), 2);
    Text_ text(WCS_Z, {1, 1, 0}, {5, 5, 0}, "a", 1, 0, 7, 1);
    text.translate({1, 0, 0});
    expect_point(text.p1, 2, 1, 0);
    expect_point(text.align_pt, 5, 5, 0);
}

struct Bogen {
    double sa, ea;
    double xmin, ymin, xmax, ymax;
};
class Bogen_Ausdehnung : public ::testing::TestWithParam<Bogen> {};

TEST_P(Bogen_Ausdehnung, endpunkteUndAchsenpunkte) {
    const Bogen& b = GetParam();
    const Arc_ arc(WCS_Z, {0, 0, 5}, 1, b.sa, b.ea, 7);
    Point3D emax{-1e10, -1e10, -1e10};
    Point3D emin{1e10, 1e10, 1e10};
    arc.max_min_extents(emax, emin);
    EXPECT_NEAR(emin.x, b.xmin, 1e-9);
    EXPECT_NEAR(emin.y, b.ymin, 1e-9);
    EXPECT_NEAR(emax.x, b.xmax, 1e-9);
    EXPECT_NEAR(emax.y, b.ymax, 1e-9);
    EXPECT_EQ(emax.z, 0);
}

const double c30 = std::cos(M_PI / 6);
const double s10 = std::sin(M_PI / 18);
INSTANTIATE_TEST_SUITE_P(Winkel, Bogen_Ausdehnung,
                         ::testing::Values(Bogen{30, 120, -0.5, 0.5, c30, 1},  // passes 90°
                                           Bogen{0, 90, 0, 0, 1, 1},           // end points only
                                           Bogen{350, 10, std::cos(M_PI / 18), -s10, 1, s10},  // passes 0°
                                           Bogen{0, 360, -1, -1, 1, 1},                        // full circle
                                           Bogen{390, 480, -0.5, 0.5, c30,
                                                 1},  // angles above 360° are reduced
                                           Bogen{-330, -240, -0.5, 0.5, c30, 1}));

TEST(Bogen, unendlicheWinkelBeendenDieAusdehnung) {
    const Arc_ arc(WCS_Z, Origin, 1, INFINITY, NAN, 7);
    Point3D emax{-1e10, -1e10, -1e10};
    Point3D emin{1e10, 1e10, 1e10};
    arc.max_min_extents(emax, emin);
    EXPECT_LE(emax.x, 1);
}

TEST(Kreis, ausdehnungUndInnenTest) {
    const Circle_ c(WCS_Z, {1, 2, 3}, 2, 7);
    Point3D emax{-1e10, -1e10, -1e10};
    Point3D emin{1e10, 1e10, 1e10};
    c.max_min_extents(emax, emin);
    expect_point(emin, -1, 0, 3);
    expect_point(emax, 3, 4, 3);
    EXPECT_TRUE(c.is_point_inside_object2D({3, 2, 0}));
    EXPECT_FALSE(c.is_point_inside_object2D({3.01, 2, 0}));
    EXPECT_FALSE(Arc_(WCS_Z, {1, 2, 3}, 2, 0, 360, 7).is_point_inside_object2D({1, 2, 3}));
}

TEST(Einfuegung, hoechstensSechzehnAttribute) {
    EXPECT_NO_THROW(Insert_(WCS_Z, Origin, {1, 1, 1}, 0, 7, attributes(16), "B"));
    try {
        Insert_(WCS_Z, Origin, {1, 1, 1}, 0, 7, attributes(17), "B");
        FAIL();
    } catch (const DXF_exception& e) {
        EXPECT_STREQ(e.what(), "This version only handles 16 ATTRIBs");
    }
}

// The block is scaled in its own axes, then turned, then moved, as CAD programs place it.
TEST(Einfuegung, skalierenDrehenVerschiebenInDieserReihenfolge) {
    const Insert_ insert(WCS_Z, {10, 0, 0}, {2, 3, 1}, 90, 7, {}, "B");
    ASSERT_NE(insert.OCS_WCS, nullptr);
    // (1, 0) scaled -> (2, 0), turned by 90° -> (0, 2), moved -> (10, 2)
    expect_point(transform_point(*insert.OCS_WCS, {1, 0, 0}), 10, 2, 0);
    // a mirrored OCS flips x after the move
    const Insert_ mirrored({0, 0, -1}, {10, 0, 0}, {1, 1, 1}, 0, 7, {}, "B");
    expect_point(transform_point(*mirrored.OCS_WCS, {1, 0, 0}), -11, 0, 0);
    const Block_ block("B", {5, 5, 0});
    ASSERT_NE(block.OCS_WCS, nullptr);
    expect_point(transform_point(*block.OCS_WCS, {5, 6, 0}), 0, 1, 0);
    EXPECT_EQ(Block_("B", Origin).OCS_WCS, nullptr);
}

TEST(Einfuegung, blockSucheUndVerknuepfung) {
    Entity_List blocks("Block_");
    blocks.add_entity_to_list(std::make_unique<Block_>("A", Origin));
    blocks.add_entity_to_list(std::make_unique<Block_>("B", Origin));
    blocks.add_entity_to_list(std::make_unique<Block_>("B", Origin));
    Insert_ insert(WCS_Z, Origin, {1, 1, 1}, 0, 7, {}, "B");
    insert.update_block_links(&blocks);
    EXPECT_EQ(insert.block(), blocks.entities[1].get());
    Insert_ missing(WCS_Z, Origin, {1, 1, 1}, 0, 7, {}, "b");
    try {
        missing.update_block_links(&blocks);
        FAIL();
    } catch (const DXF_exception& e) {
        EXPECT_STREQ(e.what(), "Block reference b not found");
    }
    // Nested: the block hands the list on to the references among its members.
    auto outer = std::make_unique<Block_>("C", Origin);
    auto inner = std::make_unique<Insert_>(WCS_Z, Origin, Point3D{1, 1, 1}, 0, 7,
                                           std::vector<std::unique_ptr<Attrib_>>{}, "A");
    Insert_* inner_ptr = inner.get();
    outer->add_entity(std::move(inner));
    outer->update_block_links(&blocks);
    EXPECT_EQ(inner_ptr->blockptr, blocks.entities[0].get());
}

TEST(Namen, properNameUndBeschreibung) {
    struct Fall {
        std::unique_ptr<DXF_Entity> e;
        const char* name;
    };
    Fall faelle[] = {{std::make_unique<Line_>(Origin, Origin, 7), "LINE"},
                     {std::make_unique<Arc_>(WCS_Z, Origin, 1, 0, 1, 7), "ARC"},
                     {std::make_unique<Attdef_>(WCS_Z, Origin, Origin, "", "", "", 0, 0, 1, 0, 7), "ATTDEF"},
                     {std::make_unique<Block_>("B", Origin), "BLOCK"},
                     {std::make_unique<Face3D_>(std::vector<Point3D>{}, 7, true), "3DFACE"},
                     {std::make_unique<Solid_>(WCS_Z, std::vector<Point3D>{}, 7, 0), "SOLID"},
                     {std::make_unique<Polygon_mesh_>(std::vector<Point3D>{}, 0, 0, 0, 7), "POLYLINE"}};
    for (const auto& f : faelle) EXPECT_EQ(f.e->proper_name(), f.name);

    const Text_ text({0, 0, -1}, {1, 2, 3}, Origin, "Hallo", 2.5, 0, 7, 0);
    EXPECT_EQ(text.details(),
              "Text_\r\nOCS Axis (0.00, 0.00, -1.00)\r\n(1.00, 2.00, 3.00)\r\nText \tHallo\r\nTextHeight = "
              "2.50000");
    const Polyline_ poly(WCS_Z, {{1, 0, 0}}, 7, false);
    EXPECT_EQ(poly.details(), "Polyline_\r\nOCS Axis WCS\r\nOpen\r\n(1.00, 0.00, 0.00)");
    const Polygon_mesh_ mesh({}, 2, 3, 32, 7);
    EXPECT_NE(mesh.details().find("Polyline_ (polygon mesh)"), std::string::npos);
    EXPECT_NE(mesh.details().find("Closed N\tTRUE"), std::string::npos);
}

// A text covers its box, as CAD programs draw it (capital height h, Arial widths), not only its insertion
// point; centred and turned texts too. The title of a drawing is whole in the full view.
TEST(Text, ausdehnungUmfasstDenTextkasten) {
    const auto extents = [](const DXF_Entity& e) {
        std::pair<Point3D, Point3D> box{{-1e10, -1e10, -1e10}, {1e10, 1e10, 1e10}};
        e.max_min_extents(box.first, box.second);
        return box;
    };
    // "HI": H 0.722 and I 0.277 of the em, the em 1/0.688 of the capital height.
    const double width = (0.722 + 0.277) / 0.688 * 10;
    EXPECT_NEAR(text_width("HI", 10), width, 1e-9);
    const auto left = extents(Text_(WCS_Z, {100, 50, 0}, Origin, "HI", 10, 0, 7, 0));
    EXPECT_NEAR(left.first.x, 100 + width, 1e-9);
    EXPECT_NEAR(left.second.x, 100, 1e-9);
    EXPECT_NEAR(left.first.y, 50 + 12.5, 1e-9);  // capitals with accents
    EXPECT_NEAR(left.second.y, 50 - 3, 1e-9);    // descenders
    const auto centred = extents(Text_(WCS_Z, {0, 0, 0}, {100, 50, 0}, "HI", 10, 0, 7, 1));
    EXPECT_NEAR(centred.first.x, 100 + width / 2, 1e-9);
    EXPECT_NEAR(centred.second.x, 0, 1e-9);  // the insertion point stays inside
    const auto turned = extents(Text_(WCS_Z, {0, 0, 0}, Origin, "HI", 10, 90, 7, 0));
    EXPECT_NEAR(turned.first.y, width, 1e-9);
    EXPECT_NEAR(turned.second.x, -12.5, 1e-9);
}

// A block reference covers its block where it lands, not its insertion point.
TEST(Einfuegung, ausdehnungDesEingefuegtenBlocks) {
    Entity_List blocks("Block_");
    auto block = std::make_unique<Block_>("B", Point3D{10, 0, 0});
    block->add_entity(std::make_unique<Line_>(Point3D{10, 0, 0}, Point3D{12, 1, 0}, 7));
    blocks.add_entity_to_list(std::move(block));
    Insert_ insert(WCS_Z, {100, 100, 0}, {1, 3, 1}, 90, 7, {}, "B");
    insert.update_block_links(&blocks);
    Point3D emax{-1e10, -1e10, -1e10}, emin{1e10, 1e10, 1e10};
    insert.max_min_extents(emax, emin);
    // (0,0)-(2,1) scaled (0,0)-(2,3), turned (0,0)-(-3,2), moved by (100,100)
    expect_point(emin, 97, 100, 0);
    expect_point(emax, 100, 102, 0);
}
