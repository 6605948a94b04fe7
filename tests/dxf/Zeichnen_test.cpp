#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "dxf/Arc_.h"
#include "dxf/Attdef_.h"
#include "dxf/Block_.h"
#include "dxf/DXF_Object.h"
#include "dxf/Entity_List.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"
#include "dxf/Text_.h"

namespace {

// Writes every drawing call as one line of text.
class Recording_Canvas : public DXF_Canvas {
public:
    DXF_Colour pen_colour() const override { return pen; }
    void set_pen_colour(DXF_Colour colour) override {
        pen = colour;
        out << "pen " << colour << "\n";
    }
    void set_pen_width(int pixels) override { out << "width " << pixels << "\n"; }
    void line(Screen_Point a, Screen_Point b) override { out << "line " << pt(a) << " " << pt(b) << "\n"; }
    void polyline(const std::vector<Screen_Point>& p) override { out << "polyline" << pts(p) << "\n"; }
    void polygon(const std::vector<Screen_Point>& p) override { out << "polygon" << pts(p) << "\n"; }
    void fill(const std::vector<std::vector<Screen_Point>>& loops) override {
        out << "fill";
        for (const auto& l : loops) out << " [" << pts(l) << " ]";
        out << "\n";
    }
    void ellipse(Screen_Point a, Screen_Point b) override {
        out << "ellipse " << pt(a) << " " << pt(b) << "\n";
    }
    void arc(Screen_Point a, Screen_Point b, Screen_Point s, Screen_Point e) override {
        out << "arc " << pt(a) << " " << pt(b) << " " << pt(s) << " " << pt(e) << "\n";
    }
    void pixel(Screen_Point p, DXF_Colour c) override { out << "pixel " << pt(p) << " " << c << "\n"; }
    void text(Screen_Point anchor, const std::string& s, int height, DXF_Colour c, int align, int vert,
              int angle) override {
        out << "text " << pt(anchor) << " " << s << " " << height << " " << c << " " << align
            << (vert ? "/" + std::to_string(vert) : "") << " " << angle << "\n";
    }

    std::string take() {
        const std::string s = out.str();
        out.str("");
        return s;
    }
    DXF_Colour pen = 0;

private:
    static std::string pt(Screen_Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    static std::string pts(const std::vector<Screen_Point>& p) {
        std::string s;
        for (const auto& q : p) s += " " + pt(q);
        return s;
    }
    std::ostringstream out;
};

// One model unit per pixel, y pointing down, like the zoom panel at scale 1 with the origin at the top left.
Screen_Point to_screen(const Point3D& p, pMatrix m) {
    const Point3D q = m ? transform_point(*m, p) : p;
    return {static_cast<int>(std::nearbyint(q.x)), static_cast<int>(std::nearbyint(-q.y))};
}

std::string drawn(const DXF_Entity& e, pMatrix OCS = nullptr) {
    Recording_Canvas canvas;
    e.Draw(canvas, to_screen, OCS);
    std::string s = canvas.take();
    if (s.rfind("pen ", 0) == 0) s.erase(0, s.find('\n') + 1);  // the pen colour line
    return s;
}

}  // namespace

TEST(Zeichnen, punktKreuzUndStiftfarbe) {
    const Point_ p(WCS_Z, {10, 20, 0}, 1);
    Recording_Canvas canvas;
    p.Draw(canvas, to_screen, nullptr);
    EXPECT_EQ(canvas.take(), "pen 255\nline 8,-22 13,-17\nline 8,-18 13,-23\n");
    p.Draw(canvas, to_screen, nullptr);  // same colour: the pen stays
    EXPECT_EQ(canvas.take().substr(0, 4), "line");
}

TEST(Zeichnen, kreisAlsEllipseOderPixel) {
    EXPECT_EQ(drawn(Circle_(WCS_Z, {0, 0, 0}, 5, 7)), "ellipse -5,5 5,-5\n");
    EXPECT_EQ(drawn(Circle_(WCS_Z, {0, 0, 0}, 0.4, 7)), "pixel 0,0 0\n");
    // a mirrored OCS draws the circle around the mirrored centre, and an arc the other way round
    EXPECT_EQ(drawn(Circle_({0, 0, -1}, {10, 0, 0}, 5, 7)), "ellipse -15,5 -5,-5\n");
    EXPECT_EQ(drawn(Arc_({0, 0, -1}, {0, 0, 0}, 10, 0, 90, 7)), "arc -10,10 10,-10 0,-10 -10,0\n");
    EXPECT_EQ(drawn(Arc_(WCS_Z, {0, 0, 0}, 10, 0, 90, 7)), "arc -10,10 10,-10 10,0 0,-10\n");
}

TEST(Zeichnen, textHoeheAusrichtungUndDrehung) {
    EXPECT_EQ(drawn(Text_(WCS_Z, {1, 2, 0}, {5, 6, 0}, "Pos", 10, 90, 1, 2)), "text 5,-6 Pos 12 255 2 900\n");
    EXPECT_EQ(drawn(Text_(WCS_Z, {1, 2, 0}, Origin, "klein", 0.4, 0, 7, 0)), "");
    EXPECT_EQ(drawn(Attrib_(WCS_Z, {1, 2, 0}, Origin, "A1", "POS", 0, 0, 10, 0, 7)),
              "text 1,-2 A1 12 0 0 0\n");
    EXPECT_EQ(drawn(Attrib_(WCS_Z, {1, 2, 0}, Origin, "A1", "POS", 1, 0, 10, 0, 7)), "");
    EXPECT_EQ(drawn(Attdef_(WCS_Z, {1, 2, 0}, Origin, "", "POS", "?", 0, 0, 10, 0, 7)), "");
}

TEST(Zeichnen, einfuegungDrehtSkaliertUndVerschiebtDenBlock) {
    Entity_List blocks("Block_");
    auto block = std::make_unique<Block_>("B", Point3D{1, 1, 0});
    block->add_entity(std::make_unique<Line_>(Point3D{1, 1, 0}, Point3D{2, 1, 0}, 7));
    blocks.add_entity_to_list(std::move(block));
    Insert_ insert(WCS_Z, {10, 0, 0}, {2, 2, 1}, 90, 7, {}, "B");
    insert.update_block_links(&blocks);
    // (1,1)-(2,1) -> base point to the origin (0,0)-(1,0) -> turned (0,0)-(0,1) -> scaled (0,2) -> moved by
    // (10,0)
    EXPECT_EQ(drawn(insert), "line 10,0 10,-2\n");
    // an enclosing matrix applies after the insert's own
    const Matrix shift = translation_matrix({0, 100, 0});
    EXPECT_EQ(drawn(insert, &shift), "line 10,-100 10,-102\n");
    Recording_Canvas canvas;
    blocks.draw_vertices(canvas, to_screen, nullptr);
    EXPECT_EQ(canvas.take(), "line -2,-2 3,3\nline -2,2 3,-3\nline -1,-2 4,3\nline -1,2 4,-3\n");
    Insert_ unresolved(WCS_Z, {0, 0, 0}, {1, 1, 1}, 0, 7, {}, "fehlt");
    EXPECT_EQ(drawn(unresolved), "");
}

TEST(Zeichnen, polylinienUndNetze) {
    EXPECT_EQ(drawn(Polyline_(WCS_Z, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 7, false)),
              "polyline 0,0 1,0 1,-1\n");
    EXPECT_EQ(drawn(Polyline_(WCS_Z, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 7, true)), "polygon 0,0 1,0 1,-1\n");
    const Polygon_mesh_ mesh({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 1, 0}}, 2, 3, 1 + 32,
                             7);
    EXPECT_EQ(drawn(mesh),
              "polygon 0,0 1,0 2,0\npolygon 0,-1 1,-1 2,-1\n"
              "polyline 0,0 0,-1 0,0\npolyline 1,0 1,-1 1,0\npolyline 2,0 2,-1 2,0\n");
    // counts larger than the vertices are not followed past them
    const Polygon_mesh_ short_mesh({{0, 0, 0}, {1, 0, 0}}, 3, 2, 0, 7);
    EXPECT_EQ(drawn(short_mesh), "polyline 0,0 1,0\npolyline 0,0\npolyline 1,0\n");
    const Polyface_mesh_ face({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{0, 1, 2, -1}, {2, 7, 0, 1}}, 7);
    EXPECT_EQ(drawn(face), "polygon 0,0 1,0 1,-1\npolygon 1,-1\n");
}

namespace {

// A hundred pixels per model unit: fine enough to check curves point by point.
Screen_Point fine(const Point3D& p, pMatrix m) {
    const Point3D q = m ? transform_point(*m, p) : p;
    return {static_cast<int>(std::nearbyint(q.x * 100)), static_cast<int>(std::nearbyint(-q.y * 100))};
}

// The screen points of the one polyline an entity draws, in model units again.
std::vector<Point3D> polyline_points(const DXF_Entity& e, pMatrix OCS = nullptr) {
    Recording_Canvas canvas;
    e.Draw(canvas, fine, OCS);
    std::istringstream calls(canvas.take());
    std::vector<Point3D> points;
    for (std::string word; calls >> word;) {
        const auto comma = word.find(',');
        if (comma == std::string::npos || word.find_first_not_of("-0123456789,") != std::string::npos)
            continue;
        points.push_back(
            {std::stoi(word.substr(0, comma)) / 100.0, -std::stoi(word.substr(comma + 1)) / 100.0, 0});
    }
    return points;
}

}  // namespace

// A bulge is the tangent of a quarter of the segment's included angle: 1 is a half circle, counter-clockwise
// (to the right of the way from (0,0) to (10,0)), -1 the other way round; 0 a straight segment.
TEST(Zeichnen, polylinienbogenAusDerAusbauchung) {
    for (double bulge : {1.0, -1.0, 0.41421356}) {
        Polyline_ p(WCS_Z, {{0, 0, 0}, {10, 0, 0}}, 7, false);
        p.set_bulges({bulge, 0});
        const std::vector<Point3D> points = polyline_points(p);
        ASSERT_GT(points.size(), 10u) << bulge;
        const double sweep = 4 * std::atan(bulge);
        const double radius = 5 / std::sin(sweep / 2);
        const Point3D centre{5, 5 / std::tan(sweep / 2), 0};
        for (const Point3D& q : points) EXPECT_NEAR(distance2D(q, centre), std::fabs(radius), 0.02) << bulge;
        // The arc's height over the middle of the chord is half the chord times the bulge.
        const Point3D middle = points[points.size() / 2];
        EXPECT_NEAR(middle.y, -5 * bulge, 0.02) << bulge;
        Point3D emax{-1e10, -1e10, -1e10}, emin{1e10, 1e10, 1e10};
        p.max_min_extents(emax, emin);
        EXPECT_NEAR(bulge > 0 ? emin.y : emax.y, middle.y, 0.05) << bulge;
    }
    Polyline_ straight(WCS_Z, {{0, 0, 0}, {10, 0, 0}}, 7, false);
    straight.set_bulges({0, 0});
    EXPECT_TRUE(straight.bulges.empty());
    EXPECT_EQ(drawn(straight), "polyline 0,0 10,0\n");
}

// A SOLID's corners run 1, 2, 4, 3 round its outline: (0,0) (10,0) (0,10) (10,10) is a square, not a bow tie.
TEST(Zeichnen, solidGefuelltInDerReihenfolgeEinsZweiVierDrei) {
    const Solid_ square(WCS_Z, {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}}, 1, 0);
    EXPECT_EQ(drawn(square), "fill [ 0,0 10,0 10,-10 0,-10 ]\npolygon 0,0 10,0 10,-10 0,-10\n");
    const Solid_ triangle(WCS_Z, {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}}, 1, 0);
    EXPECT_EQ(drawn(triangle), "fill [ 0,0 10,0 0,-10 ]\npolygon 0,0 10,0 0,-10\n");
}

// A block definition is drawn where a reference puts it, not once more at the origin.
TEST(Zeichnen, blockdefinitionNurWoEingefuegt) {
    DXF_Object doc;
    DXF_Layer& zero = doc.new_layer("0", true);
    auto block = std::make_unique<Block_>("B", Origin);
    block->add_entity(std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{1, 0, 0}, 7));
    zero.add_entity_to_layer(std::move(block));
    Recording_Canvas canvas;
    doc.draw_primitives(canvas, to_screen);
    EXPECT_EQ(canvas.take().find("line"), std::string::npos);
    auto insert = std::make_unique<Insert_>(WCS_Z, Point3D{5, 5, 0}, Point3D{1, 1, 1}, 0, 7,
                                            std::vector<std::unique_ptr<Attrib_>>{}, "B");
    insert->update_block_links(zero.find_list("Block_"));
    zero.add_entity_to_layer(std::move(insert));
    doc.draw_primitives(canvas, to_screen);
    EXPECT_EQ(canvas.take(), "line 5,-5 6,-5\n");
}

// A circle of radius 1 in a block scaled by (2, 1) and turned by 90°: scaled first, it is an ellipse 2 wide
// and 1 high, turned it stands 1 wide and 2 high. An arc turns its ends with the block.
TEST(Zeichnen, kreisInGedrehterUngleichSkalierterEinfuegung) {
    Entity_List blocks("Block_");
    auto block = std::make_unique<Block_>("K", Origin);
    block->add_entity(std::make_unique<Circle_>(WCS_Z, Point3D{0, 0, 0}, 1, 7));
    block->add_entity(std::make_unique<Arc_>(WCS_Z, Point3D{0, 0, 0}, 1, 0, 90, 7));
    blocks.add_entity_to_list(std::move(block));
    Insert_ insert(WCS_Z, {10, 0, 0}, {2, 1, 1}, 90, 7, {}, "K");
    insert.update_block_links(&blocks);
    const Block_& k = static_cast<const Block_&>(*blocks.entities[0]);
    const std::vector<Point3D> circle = polyline_points(*k.entities[0], insert.OCS_WCS.get());
    Point3D emax{-1e10, -1e10, 0}, emin{1e10, 1e10, 0};
    for (const Point3D& p : circle) max_bound(emax, p), min_bound(emin, p);
    EXPECT_NEAR(emin.x, 9, 0.01);
    EXPECT_NEAR(emax.x, 11, 0.01);
    EXPECT_NEAR(emin.y, -2, 0.01);
    EXPECT_NEAR(emax.y, 2, 0.01);
    const std::vector<Point3D> arc = polyline_points(*k.entities[1], insert.OCS_WCS.get());
    ASSERT_FALSE(arc.empty());
    // from (1,0) -> (2,0) -> turned (0,2) to (0,1) -> (0,1) -> turned (-1,0), moved by (10,0)
    EXPECT_NEAR(arc.front().x, 10, 0.01);
    EXPECT_NEAR(arc.front().y, 2, 0.01);
    EXPECT_NEAR(arc.back().x, 9, 0.01);
    EXPECT_NEAR(arc.back().y, 0, 0.01);
}

// A text in a block lands where the reference puts it, turned and scaled with it; members coloured "by
// block" take the reference's colour.
TEST(Zeichnen, textUndFarbeImBlockFolgenDerEinfuegung) {
    Entity_List blocks("Block_");
    auto block = std::make_unique<Block_>("T", Origin);
    block->add_entity(std::make_unique<Text_>(WCS_Z, Point3D{1, 0, 0}, Origin, "Pos", 10, 0, 0, 0));
    block->entities.back()->by_block = true;
    blocks.add_entity_to_list(std::move(block));
    Insert_ insert(WCS_Z, {100, 0, 0}, {2, 2, 1}, 90, 1, {}, "T");
    insert.update_block_links(&blocks);
    EXPECT_EQ(drawn(insert), "text 100,-2 Pos 22 255 0 900\n");
}
