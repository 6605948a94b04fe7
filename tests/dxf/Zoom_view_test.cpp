#include "dxf/Zoom_view.h"

#include <gtest/gtest.h>

#include "dxf/DXF_Object.h"
#include "dxf/Line_.h"

namespace {

// A paint area of 440 × 340 pixels showing the box (0, 0) … (200, 100) with margins of 20 pixels: the box
// fills 300 pixels of the smaller side, so both scales are 300 / 200 = 1.5.
Zoom_view Ansicht() {
    Zoom_view v;
    v.set_area(440, 340);
    v.set_parameters(0, 200, 0, 100, 20, 20);
    return v;
}

TEST(Zoom_view, volleAnsichtNimmtDenKleinerenMassstab) {
    const Zoom_view v = Ansicht();
    const auto& p = v.current();
    EXPECT_DOUBLE_EQ(p.xscale, 1.5);
    EXPECT_DOUBLE_EQ(p.yscale, 1.5);
    EXPECT_DOUBLE_EQ(p.xmid, 100);
    EXPECT_DOUBLE_EQ(p.xmin, 100 - 220 / 1.5);
    EXPECT_DOUBLE_EQ(p.ymax, 50 + 170 / 1.5);
    EXPECT_EQ(v.real_to_screen({0, 0, 0}, nullptr), (Screen_Point{70, 245}));
    EXPECT_EQ(v.real_to_screen({200, 100, 0}, nullptr), (Screen_Point{370, 95}));
    const Point2D zurueck = v.screen_to_real({70, 245});
    EXPECT_NEAR(zurueck.x, 0, 1e-9);
    EXPECT_NEAR(zurueck.y, 0, 1e-9);
    EXPECT_EQ(v.zoom_text(','), "1 : 1");
    EXPECT_EQ(v.coords_text({220, 170}, ','), "X= 100,000   Y= 50,000");
}

// A horizontal line has no height: yscale 1, xscale S / 100, and both the smaller one.
TEST(Zoom_view, waagerechteLinieOhneHoehe) {
    Zoom_view v;
    v.set_area(440, 340);
    v.set_parameters(0, 100, 0, 0, 20, 20);
    EXPECT_DOUBLE_EQ(v.current().xscale, 1);
    EXPECT_DOUBLE_EQ(v.current().yscale, 1);
    v.set_area(90, 90);
    v.set_parameters(0, 100, 0, 0, 20, 20);
    EXPECT_DOUBLE_EQ(v.current().xscale, 0.5);
    EXPECT_DOUBLE_EQ(v.current().yscale, 0.5);
}

struct Stufen {
    int hinein;
    int heraus;
    const char* text;
};
class Zoomtext : public ::testing::TestWithParam<Stufen> {};

TEST_P(Zoomtext, zeigtDasVerhaeltnisZurVollenAnsicht) {
    Zoom_view v = Ansicht();
    for (int i = 0; i < GetParam().hinein; ++i) v.zoom_in();
    for (int i = 0; i < GetParam().heraus; ++i) v.zoom_out();
    EXPECT_EQ(v.zoom_text(','), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Schritte, Zoomtext,
                         ::testing::Values(Stufen{10, 0, "9,31 : 1"}, Stufen{0, 1, "1 : 1,25"},
                                           Stufen{1, 0, "1,25 : 1"}, Stufen{0, 2, "1 : 1,56"},
                                           Stufen{3, 3, "1 : 1"}, Stufen{21, 0, "108 : 1"}));

TEST(Zoom_view, zoomSchrittBehaeltMitteUndBildschirmgroesse) {
    Zoom_view v = Ansicht();
    const auto vorher = v.current();
    v.zoom_in();
    const auto& p = v.current();
    EXPECT_DOUBLE_EQ(p.xscale, 1.5 * 1.25);
    EXPECT_DOUBLE_EQ((p.xmin + p.xmax) / 2, 100);
    EXPECT_NEAR((p.xmax - p.xmin) * p.xscale, 440, 1e-9);
    EXPECT_NEAR((p.ymax - p.ymin) * p.yscale, 340, 1e-9);
    EXPECT_EQ(v.previous(), vorher);
    EXPECT_EQ(v.horizontal_bar().page, 800);
    EXPECT_EQ(v.vertical_bar().page, 800);
    EXPECT_EQ(v.horizontal_bar().position, 500);
}

// Wider and taller than two pixels zooms; 2 × 50 does not.
TEST(Zoom_view, gummibandMitSchwelle) {
    Zoom_view v = Ansicht();
    const auto voll = v.current();
    EXPECT_FALSE(v.zoom_window({100, 100}, {102, 150}));
    EXPECT_FALSE(v.zoom_window({100, 100}, {150, 102}));
    EXPECT_EQ(v.current(), voll);
    ASSERT_TRUE(v.zoom_window({70, 245}, {220, 95}));  // model (0, 0) … (100, 100)
    const auto& p = v.current();
    EXPECT_NEAR(p.xscale, 3.4, 1e-9);
    EXPECT_NEAR(p.xmid, 50, 1e-9);
    EXPECT_NEAR(p.ymid, 50, 1e-9);
    EXPECT_EQ(v.previous(), voll);
    EXPECT_EQ(v.zoom_text(','), "2,27 : 1");
}

// After a reset the last-view button brings back the view before it.
TEST(Zoom_view, ruecksetzenUndLetzteAnsicht) {
    Zoom_view v = Ansicht();
    v.zoom_in();
    v.zoom_in();
    const auto gezoomt = v.current();
    v.zoom_reset();
    EXPECT_EQ(v.zoom_text(','), "1 : 1");
    EXPECT_NEAR(v.current().ymid, v.original().ymid, 1e-9);
    EXPECT_EQ(v.previous(), gezoomt);
    v.Zoom_last();
    EXPECT_EQ(v.current(), gezoomt);
}

TEST(Zoom_view, neuZentrierenAufDenPunktUnterDerMaus) {
    Zoom_view v = Ansicht();
    v.ReCentre(70, 245);
    const auto& p = v.current();
    EXPECT_NEAR(p.xmid, 0, 1e-9);
    EXPECT_NEAR(p.ymid, 0, 1e-9);
    EXPECT_NEAR(p.xmax - p.xmin, 440 / 1.5, 1e-9);
    EXPECT_EQ(v.previous(), v.original());
}

// A page click moves by eleven twelfths of the page; a line click by one model unit per position.
TEST(Zoom_view, rollbalkenVerschiebenDieMitte) {
    Zoom_view v = Ansicht();
    v.zoom_in();
    v.scroll_horizontal(800, 800);  // t = 800 · 293.3 / 1000 = 234.7, less a twelfth: 215
    EXPECT_DOUBLE_EQ(v.current().xmid, 315);
    v.scroll_vertical(5, 800);
    EXPECT_DOUBLE_EQ(v.current().ymid, 45);
}

TEST(Zoom_view, punktAusserhalbDesBildschirmsNimmtDieLetzteAnsicht) {
    Zoom_view v = Ansicht();
    v.zoom_in();
    EXPECT_THROW(v.real_to_screen({1e12, 0, 0}, nullptr), Screen_range_error);
    EXPECT_TRUE(v.restore_previous());
    EXPECT_EQ(v.current(), v.original());
    EXPECT_FALSE(v.restore_previous());
}

TEST(Zoom_view, ausdehnungenVonGespeichertenUndGezeichnetenDokumenten) {
    DXF_Object leer;
    const View_extents nichts = entity_extents(leer);
    EXPECT_EQ(nichts.emin.x, 0);
    EXPECT_EQ(nichts.emax.x, 0);
    DXF_Object doc;
    doc.new_layer("0", true);
    doc.add_entity_to_layer(std::make_unique<Line_>(Point3D{-5, 2, 0}, Point3D{30, 40, 0}, 7), "0");
    const View_extents e = stored_extents(doc);
    EXPECT_EQ(e.emin.x, -5);
    EXPECT_EQ(e.emax.y, 40);
}

}  // namespace

namespace {

// The wheel zooms about the cursor: the model point under (70, 245), the box's corner (0, 0), stays there
// while the scale grows by 1.25; the last-view button returns to the view before.
TEST(Zoom_view, radZoomtUmDenMauszeiger) {
    Zoom_view v = Ansicht();
    const Zoom_view::params vorher = v.current();
    v.Zoom_about(1 / Zoom_view::zoom_factor, {70, 245});
    EXPECT_DOUBLE_EQ(v.current().xscale, 1.5 * 1.25);
    EXPECT_EQ(v.real_to_screen({0, 0, 0}, nullptr), (Screen_Point{70, 245}));
    EXPECT_EQ(v.zoom_text(','), "1,25 : 1");
    // The window keeps its screen size: 440 pixels at 1.875 pixels per unit.
    EXPECT_DOUBLE_EQ(v.current().xmax - v.current().xmin, 440 / 1.875);
    const Point2D unter = v.screen_to_real({370, 95});
    v.Zoom_about(Zoom_view::zoom_factor, {370, 95});
    EXPECT_DOUBLE_EQ(v.current().xscale, 1.5);
    EXPECT_EQ(v.real_to_screen({unter.x, unter.y, 0}, nullptr), (Screen_Point{370, 95}));
    v.Zoom_last();
    EXPECT_EQ(v.real_to_screen({0, 0, 0}, nullptr), (Screen_Point{70, 245}));
    EXPECT_NE(v.current(), vorher);
}

}  // namespace
