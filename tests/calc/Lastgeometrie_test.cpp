#include "calc/Lastgeometrie.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Lastflaeche, trapezInKilonewton) {
    EXPECT_DOUBLE_EQ(Flaeche({0, 50}, {2000, 50}), 100);
    EXPECT_DOUBLE_EQ(Flaeche({0, 20}, {1000, 60}), 40);
    EXPECT_DOUBLE_EQ(Flaeche({1000, 60}, {0, 20}), 40);  // orientation does not matter
}

TEST(Lastflaeche, interpolation) {
    const TrFloatPoint p = Interpoliere({0, 0}, {1000, 100}, 250);
    EXPECT_DOUBLE_EQ(p.x, 250);
    EXPECT_DOUBLE_EQ(p.y, 25);
    EXPECT_DOUBLE_EQ(Interpoliere({1000, 80}, {2000, 40}, 1500).y, 60);
}

struct Flaechenpunkt {
    TrFloatPoint p, q;
    double v;
    TrFloatPoint erwartet;
};
class PunktGleicherFlaeche : public ::testing::TestWithParam<Flaechenpunkt> {};

TEST_P(PunktGleicherFlaeche, liegtWoDieLastErreichtIst) {
    const Flaechenpunkt& f = GetParam();
    const TrFloatPoint r = FlaechenPunkt(f.p, f.q, f.v);
    EXPECT_NEAR(r.x, f.erwartet.x, 1e-9);
    EXPECT_NEAR(r.y, f.erwartet.y, 1e-9);
}

// Worked by integrating the line load: for y = 0.1 x the load up to x is 0.05 x² / 1000 kN.
INSTANTIATE_TEST_SUITE_P(
    Segmente, PunktGleicherFlaeche,
    ::testing::Values(Flaechenpunkt{{0, 50}, {2000, 50}, 25, {500, 50}},      // constant
                      Flaechenpunkt{{0, 0}, {1000, 100}, 12.5, {500, 50}},    // increasing
                      Flaechenpunkt{{0, 100}, {1000, 0}, 37.5, {500, 50}},    // decreasing
                      Flaechenpunkt{{1000, 40}, {2000, 80}, 25, {1500, 60}},  // increasing, offset start
                      Flaechenpunkt{{0, 50}, {2000, 50}, 100.5, {2001, 50}},  // more than the segment holds
                      Flaechenpunkt{
                          {0, 10}, {1000, 20}, 1e-9, {5e-8, 10.000000001}},  // root too small: x from y_Q
                      Flaechenpunkt{{0, 100}, {1000, 0}, 50, {1000, 0}},     // ends at 0: x from the root
                      Flaechenpunkt{{500, 0}, {500, 80}, 0, {501, 80}}));    // no length: beyond Q

TEST(Schwerpunkt, rechteckDreieckUndZusammengesetzt) {
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 50}, {1000, 50}, 0, 0), 500);
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 100}, {900, 0}, 0, 0), 300);
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 0}, {900, 100}, 0, 0), 600);
    // 50 kN at 500 with 10 kN at 2000: (500·50 + 2000·10) / 60
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 50}, {1000, 50}, 10, 2000), 750);
    EXPECT_DOUBLE_EQ(Schwerpunkt({1000, 0}, {1500, 0}, 10, 400), 400);  // an unloaded stretch keeps it
    EXPECT_DOUBLE_EQ(Schwerpunkt({0, 0}, {100, 0}, 0, 0), 0);
}
