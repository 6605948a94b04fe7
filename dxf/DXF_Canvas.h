#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dxf/DXF_Colours.h"
#include "dxf/Matrix.h"

struct Screen_Point {
    int x = 0;
    int y = 0;
    bool operator==(const Screen_Point&) const = default;
};

// Model point, taken through the matrix when there is one, to the screen (the zoom panel's real_to_screen).
using Map_Function = std::function<Screen_Point(const Point3D&, pMatrix)>;

// The drawing surface entities draw on; the preview supplies one on its toolkit's painter,
// so the entities themselves stay free of any window system.
class DXF_Canvas {
public:
    virtual ~DXF_Canvas() = default;
    virtual DXF_Colour pen_colour() const = 0;
    virtual void set_pen_colour(DXF_Colour colour) = 0;
    // Lines drawn after this are `pixels` wide (1 unless a polyline has widths).
    virtual void set_pen_width(int pixels) = 0;
    virtual void line(Screen_Point from, Screen_Point to) = 0;
    virtual void polyline(const std::vector<Screen_Point>& points) = 0;
    // Closed outline, filled with the current brush.
    virtual void polygon(const std::vector<Screen_Point>& points) = 0;
    // Areas filled in the pen colour, without outline; where loops overlap, every other one is a hole.
    virtual void fill(const std::vector<std::vector<Screen_Point>>& loops) = 0;
    // Ellipse in the box spanned by two corners.
    virtual void ellipse(Screen_Point corner1, Screen_Point corner2) = 0;
    // Elliptic arc in the box, counter-clockwise from the direction of start to the direction of end.
    virtual void arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start, Screen_Point end) = 0;
    virtual void pixel(Screen_Point p, DXF_Colour colour) = 0;
    // Text at the anchor: hor_align 0 left, 1 centre, 2 right of it; vert_align 0 on the baseline, 1 the
    // bottom, 2 the middle, 3 the top of the capitals at it; angle in tenths of a degree.
    virtual void text(Screen_Point anchor, const std::string& text, int height, DXF_Colour colour,
                      int hor_align, int vert_align, int angle_tenths) = 0;

    // The colour of the block reference being drawn, which members coloured "by block" take.
    DXF_Colour block_colour = 0;
};
