#include "dxf/zeichnung/DxfZeichner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "DxfTestHilfen.h"
#include "dxf/Arc_.h"
#include "dxf/Line_.h"
#include "dxf/Text_.h"

namespace {

constexpr double Grad = 180 / std::numbers::pi;

struct Blatt {
    DXF_Object doc;
    DxfZeichner z{doc.new_layer("0", true), TrDxfMassParameter{20, 7.5, 20, 30}};
};

bool Gleich(const Point3D& a, const Point3D& b) {
    return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9;
}

// True when a line joins a and b in either direction.
bool HatLinie(const DXF_Object& doc, Point3D a, Point3D b) {
    for (const Line_* l : Alle<Line_>(doc))
        if ((Gleich(l->p1, a) && Gleich(l->p2, b)) || (Gleich(l->p1, b) && Gleich(l->p2, a))) return true;
    return false;
}

struct Winkelfall {
    double dx, dy, winkel;
};
class Winkel : public ::testing::TestWithParam<Winkelfall> {};

TEST_P(Winkel, liegtImRichtigenQuadranten) {
    EXPECT_NEAR(DxfWinkel(GetParam().dx, GetParam().dy), GetParam().winkel, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Richtungen, Winkel,
                         ::testing::Values(Winkelfall{1, 0, 0}, Winkelfall{0, 0, 0}, Winkelfall{-1, 0, 180},
                                           Winkelfall{0, 2, 90}, Winkelfall{0, -2, 270}, Winkelfall{1, 1, 45},
                                           Winkelfall{-1, 1, 135}, Winkelfall{-1, -1, 225},
                                           Winkelfall{1, -1, 315}, Winkelfall{1, std::sqrt(3.0), 60},
                                           Winkelfall{-std::sqrt(3.0), -1, 210}));

TEST(DxfStab, kappe1SchliesstBeideEndenMitQuerlinien) {
    Blatt b;
    b.z.DxfStab(1, 1, 10, 0, 0, 0, 80, 7);
    EXPECT_EQ(Alle<Line_>(b.doc).size(), 4u);
    EXPECT_TRUE(HatLinie(b.doc, {5, 0}, {5, 80}));  // the bar's right edge, w/2 beside its axis
    EXPECT_TRUE(HatLinie(b.doc, {-5, 0}, {5, 0}));
    EXPECT_TRUE(HatLinie(b.doc, {-5, 80}, {5, 80}));
}

// Half-circle caps bulge away from the bar at both ends, whatever the direction.
struct Kappenfall {
    double x2, y2;
    double startVon, startBis, endeVon, endeBis;
};
class HalbkreisKappe : public ::testing::TestWithParam<Kappenfall> {};

TEST_P(HalbkreisKappe, woelbtSichNachAussen) {
    const Kappenfall& f = GetParam();
    Blatt b;
    b.z.DxfStab(2, 2, 10, 0, f.x2, 0, f.y2, 7);
    const auto boegen = Alle<Arc_>(b.doc);
    ASSERT_EQ(boegen.size(), 2u);
    EXPECT_TRUE(Gleich(boegen[0]->p1, {0, 0}));
    EXPECT_DOUBLE_EQ(boegen[0]->radius, 5);
    EXPECT_NEAR(boegen[0]->angle1 * Grad, f.startVon, 1e-9);
    EXPECT_NEAR(boegen[0]->angle2 * Grad, f.startBis, 1e-9);
    EXPECT_TRUE(Gleich(boegen[1]->p1, {f.x2, f.y2}));
    EXPECT_NEAR(boegen[1]->angle1 * Grad, f.endeVon, 1e-9);
    EXPECT_NEAR(boegen[1]->angle2 * Grad, f.endeBis, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Richtungen, HalbkreisKappe,
                         ::testing::Values(Kappenfall{100, 0, 90, 270, 270, 90},   // right: start bulges left
                                           Kappenfall{-100, 0, 270, 90, 90, 270},  // left
                                           Kappenfall{0, 100, 180, 360, 360, 180},  // up: start bulges down
                                           Kappenfall{0, -100, 360, 180, 180, 360}));

TEST(DxfStab, kappe3IstEinVollkreisAlsBogen) {
    Blatt b;
    b.z.DxfStab(0, 3, 8, 0, 50, 0, 0, 7);
    const auto boegen = Alle<Arc_>(b.doc);
    ASSERT_EQ(boegen.size(), 1u);
    EXPECT_TRUE(Gleich(boegen[0]->p1, {50, 0}));
    EXPECT_DOUBLE_EQ(boegen[0]->radius, 4);
    const std::string text = DxfText(b.doc);
    EXPECT_NE(text.find("ARC"), std::string::npos);
    EXPECT_EQ(text.find("CIRCLE"), std::string::npos);
    EXPECT_NE(text.find(" 50\r\n0.00000\r\n 51\r\n360.00000\r\n"), std::string::npos);
}

struct Biegefall {
    double X1, X2, Y1, Y2;
    Point3D mitte;
    double von, bis;
};
class Biegung : public ::testing::TestWithParam<Biegefall> {};

TEST_P(Biegung, legtDieMitteInDieInnenecke) {
    const Biegefall& f = GetParam();
    Blatt b;
    b.z.DxfBiegung(7, 20, 10, f.X1, f.X2, f.Y1, f.Y2);
    const auto boegen = Alle<Arc_>(b.doc);
    ASSERT_EQ(boegen.size(), 2u);
    EXPECT_DOUBLE_EQ(boegen[0]->radius, 20);
    EXPECT_DOUBLE_EQ(boegen[1]->radius, 30);
    for (const Arc_* a : boegen) {
        EXPECT_TRUE(Gleich(a->p1, f.mitte));
        EXPECT_NEAR(a->angle1 * Grad, f.von, 1e-9);
        EXPECT_NEAR(a->angle2 * Grad, f.bis, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Richtungen, Biegung,
                         ::testing::Values(Biegefall{100, 75, 25, 0, {100, 0}, 90, 180},
                                           Biegefall{100, 75, 0, 25, {75, 0}, 0, 90},
                                           Biegefall{0, 25, 25, 0, {25, 25}, 180, 270},
                                           Biegefall{0, 25, 0, 25, {0, 25}, 270, 0},
                                           Biegefall{0, 0, 0, 25, {0, 0}, 0, 0}));

// The U-bar in the box 0..100 × 0..200 (d = 10, R = 20): the open ends reach the box edge, the closed side
// and the legs stand out by d/2.
struct Buegelfall {
    int orientierung;
    Point3D min, max;
};
class Buegel : public ::testing::TestWithParam<Buegelfall> {};

TEST_P(Buegel, liegtMitDerGeschlossenenSeiteRichtig) {
    Blatt b;
    b.z.DxfBuegel(0, 0, 10, 0, 100, 0, 200, 20, GetParam().orientierung, 7);
    EXPECT_EQ(Alle<Line_>(b.doc).size(), 6u);
    EXPECT_EQ(Alle<Arc_>(b.doc).size(), 4u);
    Point3D max{-1e10, -1e10, -1e10}, min{1e10, 1e10, 1e10};
    b.doc.max_min_extents(max, min);
    EXPECT_TRUE(Gleich(min, GetParam().min)) << min.x << " " << min.y;
    EXPECT_TRUE(Gleich(max, GetParam().max)) << max.x << " " << max.y;
}

INSTANTIATE_TEST_SUITE_P(Orientierungen, Buegel,
                         ::testing::Values(Buegelfall{0, {0, -5}, {105, 205}},
                                           Buegelfall{1, {-5, -5}, {100, 205}},
                                           Buegelfall{2, {-5, -5}, {105, 200}},
                                           Buegelfall{3, {-5, 0}, {105, 205}}));

TEST(Buegel, biegtZwischenDenSchenkeln) {
    Blatt b;
    b.z.DxfBuegel(0, 0, 10, 0, 100, 0, 200, 20, 0, 7);
    const auto boegen = Alle<Arc_>(b.doc);
    ASSERT_EQ(boegen.size(), 4u);
    EXPECT_TRUE(Gleich(boegen[0]->p1, {75, 25}));
    EXPECT_NEAR(boegen[0]->angle1 * Grad, 270, 1e-9);
    EXPECT_TRUE(Gleich(boegen[2]->p1, {75, 175}));
    EXPECT_NEAR(boegen[2]->angle2 * Grad, 90, 1e-9);
    EXPECT_TRUE(HatLinie(b.doc, {0, -5}, {75, -5}));      // bottom leg, outer edge
    EXPECT_TRUE(HatLinie(b.doc, {105, 25}, {105, 175}));  // closed side, outer edge
}

TEST(Masslinie, strichUndSchraegstrichVerlaengernDieLinie) {
    Blatt b;
    b.z.DxfMasslinie(4, 4, 0, 100, 0, 0, 7);
    EXPECT_EQ(Alle<Line_>(b.doc).size(), 5u);
    EXPECT_TRUE(HatLinie(b.doc, {-5, 0}, {105, 0}));
    EXPECT_TRUE(HatLinie(b.doc, {0, -10}, {0, 10}));
    const double q = 5 / std::sqrt(2.0);
    EXPECT_TRUE(HatLinie(b.doc, {100 - q, -q}, {100 + q, q}));
}

TEST(Masslinie, pfeileZeigenMitDerSpitzeAufDieEnden) {
    Blatt b;
    b.z.DxfMasslinie(1, 3, 0, 100, 0, 0, 7);
    EXPECT_EQ(Alle<Line_>(b.doc).size(), 8u);  // line, two arrows of three, one tick
    EXPECT_TRUE(HatLinie(b.doc, {0, 0}, {20, 3.75}));
    EXPECT_TRUE(HatLinie(b.doc, {20, 3.75}, {20, -3.75}));
    EXPECT_TRUE(HatLinie(b.doc, {100, 0}, {80, -3.75}));
    EXPECT_TRUE(HatLinie(b.doc, {100, -10}, {100, 10}));
}

struct Textlage {
    double x1, x2, y1, y2;
    int ausrichtung;
    Point3D einfuege, ausrichtpunkt;
};
class Bemassung : public ::testing::TestWithParam<Textlage> {};

TEST_P(Bemassung, setztDenTextNebenDieLinie) {
    const Textlage& f = GetParam();
    Blatt b;
    b.z.DxfBemassung(0, 0, f.x1, f.x2, f.y1, f.y2, 0, "12,5", 7);
    const auto texte = Alle<Text_>(b.doc);
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0]->hor_align, f.ausrichtung);
    EXPECT_TRUE(Gleich(texte[0]->p1, f.einfuege));
    EXPECT_TRUE(Gleich(texte[0]->align_pt, f.ausrichtpunkt));
    EXPECT_DOUBLE_EQ(texte[0]->h, 30);
}

INSTANTIATE_TEST_SUITE_P(Richtungen, Bemassung,
                         ::testing::Values(Textlage{0, 100, 0, 0, 1, {0, 6}, {50, 6}},
                                           Textlage{0, 0, 100, 0, 2, {-6, 100}, {-6, 50}},
                                           Textlage{0, 0, 0, 100, 0, {6, 0}, {6, 50}}));

TEST(Bemassung, linksbuendigerTextHatImDxfKeinenAusrichtpunkt) {
    Blatt b;
    b.z.DxfBemassung(4, 4, 10, 10, 0, 100, 90, "30", 7);
    const auto paare = Gruppen(DxfText(b.doc));
    bool text = false;
    for (const auto& [code, wert] : paare) {
        if (code == 0) text = wert == "TEXT";
        if (text) {
            EXPECT_NE(code, 72);
            EXPECT_NE(code, 11);
        }
    }
}

TEST(Bemassung, leererTextWirdTrotzdemAngelegt) {
    Blatt b;
    b.z.Beschriftung(0, 50, 0, 20, "");
    EXPECT_EQ(Alle<Text_>(b.doc).size(), 1u);
}

}  // namespace
