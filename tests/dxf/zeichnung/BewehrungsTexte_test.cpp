#include "dxf/zeichnung/BewehrungsTexte.h"

#include <gtest/gtest.h>

#include "DxfTestHilfen.h"
#include "dxf/zeichnung/Bewehrungsplan.h"

namespace {

// The diameter sign and umlauts count as one character each, as in the 8-bit text of the file.
TEST(Beschriftungsbreite, zaehltZeichenNichtBytes) {
    EXPECT_EQ(Zeichenzahl("Pos. 1 (1 Bügel Ø8)"), 19);
    EXPECT_DOUBLE_EQ(Beschriftungsbreite("Pos. 1 (1 Bügel Ø8)"), 342);
    EXPECT_DOUBLE_EQ(Beschriftungsbreite(""), 0);
}

// The stirrup label of the plan view runs leftwards from x = −2·dS/3 over the estimated text width.
TEST(Beschriftungsbreite, bestimmtDieLaengeDerBeschriftungslinie) {
    const TKAnwendung anw = HandPosition(TsDorn::ZAVR60HF, 300);
    StandardUmgebung u;
    DXF_Object doc;
    std::string fehler;
    ASSERT_TRUE(BewehrungsZeichnung(anw, TsDorn::ZAVR60HF, u, doc, fehler));
    const double x = -2 * 22 / 3.0, y = 270 + 50;
    bool gefunden = false;
    for (const Line_* l : Alle<Line_>(doc))
        gefunden |= l->p1.x == x && l->p1.y == y && l->p2.x == x - 342 && l->p2.y == y;
    EXPECT_TRUE(gefunden);
}

}  // namespace
