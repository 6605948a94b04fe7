#pragma once

#include "dxf/Point_.h"

// Single-line text; p1 is the insertion point, align_pt the point the justification refers to.
class Text_ : public Point_ {
public:
    // An alignment point exactly at the origin means "none": the insertion point is taken.
    Text_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss, double height,
          double angle, int col, int ha);
    const char* class_name() const override { return "Text_"; }

    // Under the matrix of a block reference the text moves, turns and scales with the block.
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    // The box the text covers as CAD programs draw it, not only its insertion point.
    void max_min_extents(Point3D& emax, Point3D& emin) const override;

    // The point the text hangs on and how: left, centre or right (4, "middle", centres both ways; 3 and 5
    // fit the text between the two points and start it at the insertion point).
    Point3D anchor() const;
    int horizontal() const;
    int vertical() const;

    double h = 0;
    std::string textstr;
    Point3D align_pt;
    int hor_align = 0;     // 0 left, 1 centre, 2 right, 3 aligned, 4 middle, 5 fit
    int vert_align = 0;    // 0 baseline, 1 bottom, 2 middle, 3 top
    double rot_angle = 0;  // degrees

protected:
    // One line of text with its anchor at `at` (entity coordinates), under the entity's matrix combined with
    // m, aligned as given.
    void draw_line(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix m, const Point3D& at,
                   const std::string& text, int hor, int vert) const;
    // The group code of the vertical justification: 73 for texts, 74 for attributes.
    virtual int vertical_group() const { return 73; }
};
