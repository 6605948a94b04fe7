#pragma once

#include "dxf/Point_.h"

// Single-line text; p1 is the insertion point, align_pt the point the justification refers to.
class Text_ : public Point_ {
public:
    // An alignment point exactly at the origin means "none": the insertion point is taken.
    Text_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss, double height,
          double angle, int col, int ha);
    const char* class_name() const override { return "Text_"; }

    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    double h = 0;
    std::string textstr;
    Point3D align_pt;
    int hor_align = 0;     // 0 left, 1 centre, 2 right
    double rot_angle = 0;  // degrees

protected:
    void draw_text(DXF_Canvas& canvas, const Map_Function& map_fn, const std::string& text) const;
};
