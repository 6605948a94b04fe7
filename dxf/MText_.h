#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/Text_.h"

// Multi-line text: its formatting codes removed, its paragraphs wrapped to the width of its frame, hung
// at its insertion point by one of nine attachment points (1 top left ... 9 bottom right). Written as one
// TEXT per line, since a Release-12 file has no multi-line texts.
class MText_ : public Text_ {
public:
    // `text` as the file has it, formatting codes and all; width 0 wraps nothing; angle in degrees;
    // spacing the factor on the usual line pitch of 5/3 of the height.
    MText_(const Point3D& OCSaxis, const Point3D& p, std::string_view text, double height, double width,
           int attachment, double angle, double spacing, int col);
    const char* class_name() const override { return "MText_"; }
    std::string proper_name() const override { return "TEXT"; }

    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;

    // Where line i sits on its baseline, and how it is aligned across.
    Point3D line_anchor(size_t i) const;
    int line_alignment() const { return (attachment - 1) % 3; }

    double width = 0;
    int attachment = 1;
    double spacing = 1;
    std::vector<std::string> lines;  // textstr holds them joined by line ends
};

// The paragraphs of an MTEXT text without its formatting: \P and \N end a paragraph; {} groups, font,
// height, colour, alignment and underline switches are dropped; a stacked fraction \S1^2; reads "1/2";
// \~ is a space; \\, \{ and \} stand for themselves.
std::vector<std::string> mtext_paragraphs(std::string_view text);

// The paragraph as lines no wider than `width` at the height, broken between words; a word longer than a
// line stands on a line of its own.
std::vector<std::string> wrapped_lines(const std::string& paragraph, double height, double width);
