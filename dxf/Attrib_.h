#pragma once

#include "dxf/Text_.h"

// Attribute of a block reference: textstr holds its value, tagstr its tag.
class Attrib_ : public Text_ {
public:
    Attrib_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss,
            const std::string& tag, int flag70, int flag72, double height, double angle, int col);
    const char* class_name() const override { return "Attrib_"; }

    // Shows the attribute's value, and only when it is visible.
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    std::string tagstr;
    bool visible = true;

protected:
    int vertical_group() const override { return 74; }
};
