#include "dxf/MText_.h"

#include <cmath>

#include "dxf/Codepage.h"
#include "dxf/DXF_File.h"
#include "dxf/Text_Box.h"

namespace {

constexpr double deg_to_rad = 0.017453292519943295769;
// The usual pitch of CAD programs: the height of a line and two thirds of it between lines.
constexpr double line_pitch = 5.0 / 3.0;

// Skips a code's argument up to and including its semicolon (or to the end).
size_t after_argument(std::string_view text, size_t i) {
    const size_t end = text.find(';', i);
    return end == std::string_view::npos ? text.size() : end + 1;
}

}  // namespace

std::vector<std::string> mtext_paragraphs(std::string_view text) {
    std::vector<std::string> paragraphs(1);
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '{' || c == '}') {
            ++i;
            continue;
        }
        if (c != '\\' || i + 1 == text.size()) {
            paragraphs.back().push_back(c);
            ++i;
            continue;
        }
        const char code = text[i + 1];
        i += 2;
        switch (code) {
            case 'P':
            case 'N':
            case 'X':
                paragraphs.emplace_back();
                break;
            case '~':
                paragraphs.back().push_back(' ');
                break;
            case '\\':
            case '{':
            case '}':
                paragraphs.back().push_back(code);
                break;
            case 'L':  // switches without argument: underline, overline, strike-through
            case 'l':
            case 'O':
            case 'o':
            case 'K':
            case 'k':
                break;
            case 'S': {
                const size_t end = after_argument(text, i);
                std::string stacked(text.substr(i, end - i));
                if (!stacked.empty() && stacked.back() == ';') stacked.pop_back();
                for (char& s : stacked)
                    if (s == '^' || s == '#') s = '/';
                paragraphs.back() += stacked;
                i = end;
                break;
            }
            case 'A':  // alignment, colour, font, height, paragraph, slant, tracking, width up to ';'
            case 'C':
            case 'c':
            case 'f':
            case 'F':
            case 'H':
            case 'p':
            case 'Q':
            case 'T':
            case 'W':
                i = after_argument(text, i);
                break;
            default:
                paragraphs.back().push_back(code);
        }
    }
    for (std::string& p : paragraphs) p = without_control_codes(p);
    return paragraphs;
}

std::vector<std::string> wrapped_lines(const std::string& paragraph, double height, double width) {
    if (!(width > 0) || text_width(paragraph, height) <= width) return {paragraph};
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start <= paragraph.size()) {
        size_t end = paragraph.find(' ', start);
        if (end == std::string::npos) end = paragraph.size();
        const std::string word = paragraph.substr(start, end - start);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && text_width(longer, height) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    lines.push_back(line);
    return lines;
}

MText_::MText_(const Point3D& OCSaxis, const Point3D& p, std::string_view text, double height, double width_,
               int attachment_, double angle, double spacing_, int col)
    : Text_(OCSaxis, p, p, "", height, angle, col, 0),
      width(width_),
      attachment(attachment_ >= 1 && attachment_ <= 9 ? attachment_ : 1),
      spacing(spacing_ > 0 && std::isfinite(spacing_) ? spacing_ : 1) {
    for (const std::string& paragraph : mtext_paragraphs(text))
        for (std::string& line : wrapped_lines(paragraph, height, width)) lines.push_back(std::move(line));
    for (const std::string& line : lines) textstr += (textstr.empty() ? "" : "\n") + line;
}

Point3D MText_::line_anchor(size_t i) const {
    const double pitch = h * line_pitch * spacing;
    const double block = h + pitch * static_cast<double>(lines.size() - 1);
    const int row = (attachment - 1) / 3;
    const double top = row == 0 ? 0 : row == 1 ? block / 2 : block;
    const double y = top - h - pitch * static_cast<double>(i);
    const double a = rot_angle * deg_to_rad;
    return {p1.x - y * std::sin(a), p1.y + y * std::cos(a), p1.z};
}

void MText_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    begin_drawing(canvas, nullptr);
    for (size_t i = 0; i < lines.size(); ++i)
        draw_line(canvas, map_fn, OCS, line_anchor(i), lines[i], line_alignment(), 0);
}

void MText_::max_min_extents(Point3D& emax, Point3D& emin) const {
    Point_::max_min_extents(emax, emin);
    if (!(h > 0)) return;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const Point3D& corner :
             text_box(line_anchor(i), text_width(lines[i], h), h, rot_angle, line_alignment(), 0)) {
            max_bound(emax, corner);
            min_bound(emin, corner);
        }
    }
}

void MText_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    for (size_t i = 0; i < lines.size(); ++i) {
        const Point3D at = line_anchor(i);
        Text_ line(OCS_axis, at, at, lines[i], h, rot_angle, colinx, line_alignment());
        line.write_to_DXF(file, layer);
    }
}

std::string MText_::details() const {
    return Text_::details() + CRLF + "Width = " + std::to_string(width) + CRLF +
           "Attachment = " + std::to_string(attachment);
}
