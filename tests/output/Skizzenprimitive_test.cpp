#include "output/Skizzenprimitive.h"

#include <gtest/gtest.h>

#include "SkizzenTestdaten.h"

namespace {



// A picture with a black pen and Arial set, as the sketches draw their dimensions.
struct Zeichenblatt {
    QImage bild = (BildAnwendung(), Leinwand(120, 80));
    QPainter canvas{&bild};
    Zeichenblatt() { canvas.setPen(Qt::black); }
    bool Schwarz(int x, int y) const { return Gleich(bild.pixel(x, y), Qt::black); }
    int Dunkel(const QRect& bereich) const {
        return Zaehlen(bild, bereich, [](int, int, QRgb p) { return qGray(p) < 128; });
    }
};

}  // namespace

TEST(Skizzenprimitive, waagerechteMasslinieHatEndstricheUndTextDarueber) {
    Zeichenblatt blatt;
    Masslinie(blatt.canvas, {100, 40}, {20, 40}, {0, 10}, "30", "", false, 16, 1);
    blatt.canvas.end();
    // Points swapped and shifted by the offset: end strokes q = 4 up and down at x 20 and 100, line at y 50.
    for (int x : {20, 100}) {
        EXPECT_TRUE(blatt.Schwarz(x, 46)) << x;
        EXPECT_TRUE(blatt.Schwarz(x, 54)) << x;
    }
    EXPECT_TRUE(blatt.Schwarz(60, 50));
    EXPECT_GT(blatt.Dunkel(QRect(50, 30, 20, 18)), 5);  // the text, centred above the line
    EXPECT_EQ(blatt.Dunkel(QRect(50, 52, 20, 20)), 0);
}

TEST(Skizzenprimitive, senkrechterPfeilZeigtMitDerSpitzeZumKopfpunkt) {
    Zeichenblatt blatt;
    Lastpfeil(blatt.canvas, {60, 10}, {60, 60}, {4, 4}, "", "", true, 1);
    blatt.canvas.end();
    EXPECT_TRUE(blatt.Schwarz(64, 56));  // head base 4 above the tip
    EXPECT_TRUE(blatt.Schwarz(56, 56));
    EXPECT_FALSE(blatt.Schwarz(64, 14));
}

TEST(Skizzenprimitive, waagerechterPfeilOhneLaengeZeichnetNurDenSchaft) {
    Zeichenblatt blatt;
    Lastpfeil(blatt.canvas, {60, 40}, {60, 40}, {4, 4}, "", "", false, 1);
    blatt.canvas.end();
    EXPECT_LE(blatt.Dunkel(QRect(0, 0, 120, 80)), 1);
}

TEST(Skizzenprimitive, hinweisMitDreiPunktenSetztDenTextMittigUeberDasLetzteStueck) {
    Zeichenblatt blatt;
    Positionshinweis(blatt.canvas, {{10, 70}, {10, 50}, {110, 50}}, "Pos. 1 (2", "Ø", "8)");
    blatt.canvas.end();
    int links = 120, rechts = 0;
    for (int y = 20; y < 49; ++y)
        for (int x = 0; x < 120; ++x)
            if (blatt.Schwarz(x, y) || qGray(blatt.bild.pixel(x, y)) < 128) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
            }
    ASSERT_LT(links, rechts);
    EXPECT_NEAR((links + rechts) / 2.0, 60, 3);
}
