#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "dxf/DXF_Number.h"
#include "dxf/Matrix.h"

namespace {

void expect_point(const Point3D& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
    EXPECT_NEAR(p.z, z, 1e-12);
}

}  // namespace

TEST(Punkte, samePointIstExakt) {
    EXPECT_TRUE(same_point({0, 0, 1}, WCS_Z));
    EXPECT_FALSE(same_point({0, 0, 1.0000000001}, WCS_Z));
}

TEST(Punkte, normalizeDesNullvektorsBleibtNull) {
    const Point3D n = normalize(Origin);
    EXPECT_TRUE(same_point(n, Origin));
    expect_point(normalize({3, 0, 4}), 0.6, 0, 0.8);
}

TEST(Punkte, abstaendeUndSchranken) {
    EXPECT_DOUBLE_EQ(distance3D({1, 2, 3}, {4, 6, 15}), 13);
    EXPECT_DOUBLE_EQ(distance2D({1, 2, 3}, {4, 6, 15}), 5);
    EXPECT_DOUBLE_EQ(sq_distance2D({1, 2, 3}, {4, 6, 15}), 25);
    EXPECT_EQ(dmin(3, 3), 3);
    EXPECT_EQ(dmin(2, 3), 2);

    Point3D bmax{-1e10, -1e10, -1e10};
    Point3D bmin{1e10, 1e10, 1e10};
    for (const Point3D& p : {Point3D{1, -2, 3}, Point3D{-4, 5, 0}}) {
        max_bound(bmax, p);
        min_bound(bmin, p);
    }
    expect_point(bmax, 1, 5, 3);
    expect_point(bmin, -4, -2, 0);
}

TEST(Matrizen, zeilenvektorRechtsMultipliziert) {
    // rotation_matrix(cos(-θ), sin(-θ)) turns counter-clockwise by θ.
    const double t = M_PI / 2;
    const Matrix r = rotation_matrix(std::cos(-t), std::sin(-t));
    expect_point(transform_point(r, {1, 0, 0}), 0, 1, 0);
    // A · B applies A first: scale by 2, then move by (10, 0, 0).
    const Matrix m = matrix_mul(scale_matrix({2, 2, 2}), translation_matrix({10, 0, 0}));
    expect_point(transform_point(m, {1, 1, 1}), 12, 2, 2);
    const Matrix reverse = matrix_mul(translation_matrix({10, 0, 0}), scale_matrix({2, 2, 2}));
    expect_point(transform_point(reverse, {1, 1, 1}), 22, 2, 2);
}

TEST(Matrizen, combineMatricesNullIstIdentitaet) {
    const Matrix a = translation_matrix({1, 2, 3});
    const Matrix b = scale_matrix({2, 2, 2});
    EXPECT_EQ(combine_matrices(&a, nullptr), &a);
    EXPECT_EQ(combine_matrices(nullptr, &b), &b);
    EXPECT_EQ(combine_matrices(nullptr, nullptr), nullptr);
    pMatrix c = combine_matrices(&a, &b);
    expect_point(transform_point(*c, Origin), 2, 4, 6);
    // The result may be fed back in.
    c = combine_matrices(c, &b);
    expect_point(transform_point(*c, Origin), 4, 8, 12);
}

struct Achsen {
    Point3D n;
    Point3D ax;
    Point3D ay;
};
class Beliebige_Achse : public ::testing::TestWithParam<Achsen> {};

TEST_P(Beliebige_Achse, liefertRechtshaendigesSystem) {
    const auto& c = GetParam();
    const OCS_Axes axes = ocs_axes(c.n);
    expect_point(axes.ax, c.ax.x, c.ax.y, c.ax.z);
    expect_point(axes.ay, c.ay.x, c.ay.y, c.ay.z);
}

INSTANTIATE_TEST_SUITE_P(
    Schwelle, Beliebige_Achse,
    ::testing::Values(Achsen{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
                      // mirrored OCS
                      Achsen{{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
                      // both components below 1/64: world Y is the reference, ax = Y × N
                      Achsen{{0.01, 0.01, 1},
                             normalize({1, 0, -0.01}),
                             normalize(cross_product({0.01, 0.01, 1}, normalize({1, 0, -0.01})))},
                      // exactly 1/64 is not below: world Z is the reference, ax = Z × N = (0, 1/64, 0)
                      Achsen{
                          {0.015625, 0, 1}, {0, 1, 0}, normalize(cross_product({0.015625, 0, 1}, {0, 1, 0}))},
                      Achsen{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}));

struct Zahltext {
    double value;
    const char* text;
};
class Float_to_str : public ::testing::TestWithParam<Zahltext> {};

TEST_P(Float_to_str, siebenStellenFuenfNachkommastellen) {
    EXPECT_EQ(float_to_str(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rundung, Float_to_str,
    ::testing::Values(Zahltext{12.5, "12.50000"}, Zahltext{-590.123456, "-590.12350"},
                      Zahltext{1234.56789, "1234.56800"}, Zahltext{0, "0.00000"},
                      Zahltext{0.000004, "0.00000"}, Zahltext{0.000006, "0.00001"},
                      Zahltext{-0.000004, "0.00000"}, Zahltext{123456.7891, "123456.80000"},
                      Zahltext{0.123456789, "0.12346"}, Zahltext{9999999.4, "9999999.00000"},
                      Zahltext{99999.996, "100000.00000"}, Zahltext{360, "360.00000"},
                      // exact binary halves round away from zero
                      Zahltext{0.015625, "0.01563"}, Zahltext{-0.015625, "-0.01563"},
                      Zahltext{1234.5625, "1234.56300"}, Zahltext{0.5, "0.50000"}, Zahltext{2.5, "2.50000"},
                      Zahltext{-1, "-1.00000"},
                      // more than 7 integer digits, also by rounding up
                      Zahltext{1e10, "1.000000E+10"}, Zahltext{-1e10, "-1.000000E+10"},
                      Zahltext{9999999.6, "1.000000E+07"}, Zahltext{12345678, "1.234568E+07"}));

TEST(Zahltexte, exponentenformMit23Zeichen) {
    EXPECT_EQ(float_to_exp_str(0.35), " 3.50000000000000E-0001");
    EXPECT_EQ(float_to_exp_str(1.0), " 1.00000000000000E+0000");
    EXPECT_EQ(float_to_exp_str(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(float_to_exp_str(-2.5), "-2.50000000000000E+0000");
    EXPECT_EQ(float_to_exp_str(0.35).size(), 23u);
}

TEST(Zahltexte, punktUndWahrheitswert) {
    EXPECT_EQ(point_to_str({1, -2.555, 3.004}), "(1.00, -2.56, 3.00)");
    EXPECT_EQ(point_to_str({1.5, 0, 0}, ','), "(1,50, 0,00, 0,00)");
    EXPECT_EQ(bool_to_str(true), "TRUE");
    EXPECT_EQ(bool_to_str(false), "FALSE");
}

// Plain decimals are read without the general parser; the values must be the same to the last bit.
TEST(Zahlen, dxfZahlenWieDerAllgemeineLeser) {
    for (const char* text : {"0", "-0.0", "12.5", "-590.12350", "1234.56800", "0.1", "0.3", "123456.80000",
                             "9007199254740991", "90071992547409.93", "1.000000E+10", "1.5e2", "+7", ".5",
                             "  -2.5 ", "3.", "0.0000000000000000000000123", "1e-320"}) {
        double ours = 0, general = 0;
        ASSERT_TRUE(dxf_to_double(text, ours)) << text;
        std::string_view s = text;
        while (s.front() == ' ') s.remove_prefix(1);
        while (s.back() == ' ') s.remove_suffix(1);
        if (s.front() == '+') s.remove_prefix(1);
        std::from_chars(s.data(), s.data() + s.size(), general);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ours), std::bit_cast<std::uint64_t>(general)) << text;
    }
    double v = 0;
    for (const char* bad : {"", " ", "1,5", "1.5.2", "12abc", "-", "0x10", "1 2"})
        EXPECT_FALSE(dxf_to_double(bad, v)) << bad;
}
