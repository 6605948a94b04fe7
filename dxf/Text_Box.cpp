#include "dxf/Text_Box.h"

#include <cmath>

namespace {

// Advance widths of the printable ASCII characters in thousandths of the em square.
constexpr short ascii_widths[95] = {
    277, 277, 354, 556, 556, 889, 666, 190, 333, 333, 389, 583, 277, 333,  277, 277, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 277, 277, 583, 583, 583, 556, 1015, 666, 666, 722, 722, 666,
    610, 777, 722, 277, 500, 666, 556, 833, 722, 777, 666, 777, 722, 666,  610, 722, 666, 943, 666,
    666, 610, 277, 277, 277, 469, 556, 333, 556, 556, 500, 556, 556, 277,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 277, 556, 500, 722, 500, 500,  500, 333, 259, 333, 583};
// Letters beyond ASCII (ü, Ø, ł, ...) are about as wide as a wide lower-case letter or a narrow capital.
constexpr short other_width = 700;
// Capital height of Arial in the em square: a text of height h is set in an em of h / 0.688.
constexpr double cap_height = 0.688;

}  // namespace

double text_width(std::string_view utf8, double height) {
    long thousandths = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) == 0x80) continue;
        thousandths += c >= 32 && c < 127 ? ascii_widths[c - 32] : other_width;
    }
    return thousandths / 1000.0 * height / cap_height;
}

std::array<Point3D, 4> text_box(const Point3D& anchor, double width, double height, double degrees, int hor,
                                int vert) {
    const double left = hor == 1 ? -width / 2 : hor == 2 ? -width : 0;
    double bottom = -text_descent * height;
    double top = text_ascent * height;
    // The anchor of the other vertical alignments lies at the bottom, middle or top of the capitals.
    const double shift = vert == 1   ? text_descent * height
                         : vert == 2 ? -height / 2
                         : vert == 3 ? -height
                                     : 0;
    bottom += shift;
    top += shift;
    const double a = degrees * 3.14159265358979323846 / 180;
    const double c = std::cos(a), s = std::sin(a);
    const auto at = [&](double x, double y) {
        return Point3D{anchor.x + x * c - y * s, anchor.y + x * s + y * c, anchor.z};
    };
    return {at(left, bottom), at(left + width, bottom), at(left + width, top), at(left, top)};
}
