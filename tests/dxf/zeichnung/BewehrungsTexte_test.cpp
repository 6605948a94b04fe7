#include "dxf/zeichnung/BewehrungsTexte.h"

#include <gtest/gtest.h>

#include "DxfTestHilfen.h"
#include "dxf/Text_Box.h"
#include "dxf/zeichnung/Bewehrungsplan.h"

namespace {

// A label line is as long as its text drawn by a CAD program, and a third of the text height more: "Ø" and
// "ü" count as the characters they are, not as their bytes.
TEST(Beschriftungsbreite, soLangWieDerText) {
    const std::string text = "Pos. 1 (1 Bügel Ø8)";
    EXPECT_DOUBLE_EQ(Beschriftungsbreite(text), text_width(text, 30) + 10);
    EXPECT_LT(text_width("ü", 30), text_width("uu", 30));  // two bytes, one character
    EXPECT_GT(text_width("Bügel", 30), text_width("Bgel", 30));
    EXPECT_DOUBLE_EQ(Beschriftungsbreite(""), 0);
}

// The stirrup label of the plan view runs leftwards from x = −2·dS/3 over the text's width.
TEST(Beschriftungsbreite, bestimmtDieLaengeDerBeschriftungslinie) {
    const TKAnwendung anw = HandPosition(TsDorn::ZAVR60HF, 300);
    StandardUmgebung u;
    DXF_Object doc;
    std::string fehler;
    ASSERT_TRUE(BewehrungsZeichnung(anw, TsDorn::ZAVR60HF, u, doc, fehler));
    const double x = -2 * 22 / 3.0, y = 270 + 50;
    std::string buegel;
    for (const std::string& t : Texte(doc))
        if (t.starts_with("Pos. 1 (")) buegel = t;
    bool gefunden = false;
    for (const Line_* l : Alle<Line_>(doc))
        gefunden |=
            l->p1.x == x && l->p1.y == y && l->p2.x == x - Beschriftungsbreite(buegel) && l->p2.y == y;
    EXPECT_TRUE(gefunden);
}

}  // namespace
