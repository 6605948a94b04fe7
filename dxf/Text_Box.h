#pragma once

#include <array>
#include <string_view>

#include "dxf/Point3D.h"

// How much room a text takes, as CAD programs draw it: the height of a DXF text is the height of its
// capital letters, and the widths are those of Arial (Liberation Sans) at that height. Used for the
// extents of texts and for laying out labels so that none covers another.

// Width of a one-line UTF-8 text of the given height.
double text_width(std::string_view utf8, double height);

// Below the baseline (descenders) and above it (capitals with accents), as parts of the height.
inline constexpr double text_descent = 0.3;
inline constexpr double text_ascent = 1.25;

// The four corners (counter-clockwise from the lower left) of a text's box: anchor on the baseline,
// hor 0 left / 1 centre / 2 right of the anchor, vert 0 baseline / 1 bottom / 2 middle / 3 top,
// rotated by `degrees` around the anchor.
std::array<Point3D, 4> text_box(const Point3D& anchor, double width, double height, double degrees, int hor,
                                int vert);
