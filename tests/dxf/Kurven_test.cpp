#include "dxf/Curves.h"

#include <gtest/gtest.h>

#include <cmath>

// Curves checked against what is known of them: a quadratic Bézier's midpoint, a rational quarter circle, a
// curve through its fit points.

TEST(Kurven, bsplineAlsBezierUndRationalerViertelkreis) {
    const std::vector<Point3D> bezier =
        bspline_points(2, {0, 0, 0, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {2, 0, 0}}, {});
    ASSERT_GE(bezier.size(), 3u);
    EXPECT_NEAR(bezier.front().x, 0, 1e-12);
    EXPECT_NEAR(bezier.back().x, 2, 1e-12);
    EXPECT_NEAR(bezier[bezier.size() / 2].x, 1, 1e-12);  // B(1/2) = (0 + 2·(1,2) + (2,0)) / 4
    EXPECT_NEAR(bezier[bezier.size() / 2].y, 1, 1e-12);
    const double w = std::sqrt(0.5);
    const std::vector<Point3D> quarter =
        bspline_points(2, {0, 0, 0, 1, 1, 1}, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {1, w, 1});
    ASSERT_GT(quarter.size(), 8u);
    for (const Point3D& p : quarter) EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-12);
    // Knots that do not fit the control points give nothing, for the caller to fall back on.
    EXPECT_TRUE(bspline_points(3, {0, 1}, {{0, 0, 0}, {1, 1, 0}}, {}).empty());
    EXPECT_TRUE(bspline_points(2, {0, 0, 0, 2, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {2, 0, 0}}, {}).empty());
}

TEST(Kurven, kurveDurchAlleStuetzpunkte) {
    const std::vector<Point3D> fit{{0, 0, 0}, {10, 10, 0}, {20, 0, 0}, {30, 10, 0}};
    const std::vector<Point3D> curve = curve_through(fit, false);
    for (const Point3D& f : fit) {
        double nearest = 1e9;
        for (const Point3D& p : curve) nearest = std::min(nearest, distance2D(p, f));
        EXPECT_LT(nearest, 1e-9);
    }
    EXPECT_GT(curve.size(), 3 * fit.size());
    const std::vector<Point3D> closed = curve_through(fit, true);
    EXPECT_NEAR(distance2D(closed.front(), closed.back()), 0, 1e-9);
}

TEST(Kurven, ellipsenbogenMitBeidenEnden) {
    std::vector<Point3D> points;
    append_elliptic_arc(points, {1, 1, 0}, {2, 0, 0}, {0, 1, 0}, 0, M_PI / 2);
    EXPECT_NEAR(points.front().x, 3, 1e-12);
    EXPECT_NEAR(points.back().x, 1, 1e-12);
    EXPECT_NEAR(points.back().y, 2, 1e-12);
    for (const Point3D& p : points) EXPECT_NEAR(std::pow((p.x - 1) / 2, 2) + std::pow(p.y - 1, 2), 1, 1e-12);
    append_elliptic_arc(points, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0, NAN);  // nothing from nothing
    EXPECT_NEAR(points.back().y, 2, 1e-12);
}
