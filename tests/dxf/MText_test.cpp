#include "dxf/MText_.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DXF_Test_Helfer.h"
#include "dxf/Text_Box.h"

TEST(MText, formatierungEntferntAbsaetzeGetrennt) {
    using P = std::vector<std::string>;
    EXPECT_EQ(mtext_paragraphs("Erste Zeile\\PZweite"), (P{"Erste Zeile", "Zweite"}));
    EXPECT_EQ(mtext_paragraphs("{\\fArial|b1|i0;fett} \\H2.5x;gross \\C1;rot \\A1;mitte"),
              (P{"fett gross rot mitte"}));
    EXPECT_EQ(mtext_paragraphs("\\LUnter\\l \\Oueber\\o \\Kdurch\\k"), (P{"Unter ueber durch"}));
    EXPECT_EQ(mtext_paragraphs("1\\S1^2; Zoll, \\S3#4;"), (P{"11/2 Zoll, 3/4"}));
    EXPECT_EQ(mtext_paragraphs("a\\~b \\\\ \\{x\\}"), (P{"a b \\ {x}"}));
    EXPECT_EQ(mtext_paragraphs("%%c12\\Pzweite"), (P{"Ø12", "zweite"}));
    EXPECT_EQ(mtext_paragraphs(""), (P{""}));
}

TEST(MText, umbruchZwischenWoertern) {
    const std::string text = "Bewehrung bauseits nach Plan verlegen";
    const double h = 2.5;
    const double width = text_width("Bewehrung bauseits", h) + 0.01;
    EXPECT_EQ(wrapped_lines(text, h, width),
              (std::vector<std::string>{"Bewehrung bauseits", "nach Plan verlegen"}));
    EXPECT_EQ(wrapped_lines(text, h, 0), (std::vector<std::string>{text}));
    // A word longer than the line stands alone.
    EXPECT_EQ(wrapped_lines("Doppelschubdorn ist", h, 1),
              (std::vector<std::string>{"Doppelschubdorn", "ist"}));
}

// Attachment 1 hangs the first line's capitals from the insertion point, 5 centres the block of lines on it,
// 9 stands the last line's baseline on it; lines are 5/3 of the height apart.
TEST(MText, anhaengepunktUndZeilenabstand) {
    const double h = 3;
    const MText_ top(WCS_Z, {10, 20, 0}, "eins\\Pzwei", h, 0, 1, 0, 1, 7);
    ASSERT_EQ(top.lines.size(), 2u);
    EXPECT_NEAR(top.line_anchor(0).y, 20 - h, 1e-12);
    EXPECT_NEAR(top.line_anchor(1).y, 20 - h - 5, 1e-12);
    EXPECT_EQ(top.line_alignment(), 0);
    const MText_ middle(WCS_Z, {10, 20, 0}, "eins\\Pzwei", h, 0, 5, 0, 1, 7);
    EXPECT_NEAR((middle.line_anchor(0).y + h + middle.line_anchor(1).y) / 2, 20, 1e-12);
    EXPECT_EQ(middle.line_alignment(), 1);
    const MText_ bottom(WCS_Z, {10, 20, 0}, "eins\\Pzwei", h, 0, 9, 90, 2, 7);
    EXPECT_NEAR(bottom.line_anchor(1).x, 10, 1e-12);  // turned by 90°: lines step along -x
    EXPECT_NEAR(bottom.line_anchor(1).y, 20, 1e-12);
    EXPECT_NEAR(bottom.line_anchor(0).x, 10 - 10, 1e-12);
    EXPECT_EQ(bottom.textstr, "eins\nzwei");
}

// A Release-12 file has no multi-line texts: each line becomes a TEXT where the line stood, and reads back
// so.
TEST(MText, alsEinzeiligeTexteGeschrieben) {
    DXF_Object doc;
    doc.new_layer("0", true).add_entity_to_layer(
        std::make_unique<MText_>(WCS_Z, Point3D{0, 50, 0}, "Erste\\PZweite", 2.5, 0, 2, 0, 1, 7));
    const auto back = read_text(dxf_text(doc));
    const auto texts = entities_of<Text_>(back.doc, "0", "Text_");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->textstr, "Erste");
    EXPECT_EQ(texts[1]->textstr, "Zweite");
    EXPECT_EQ(texts[0]->hor_align, 1);
    EXPECT_NEAR(texts[0]->align_pt.y, 50 - 2.5, 1e-9);
    EXPECT_NEAR(texts[1]->align_pt.y, 50 - 2.5 - 2.5 * 5 / 3, 1e-5);
}
