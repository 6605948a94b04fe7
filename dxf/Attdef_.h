#pragma once

#include "dxf/Attrib_.h"

// Attribute definition inside a block: an attribute with the prompt shown when the block is inserted.
class Attdef_ : public Attrib_ {
public:
    Attdef_(const Point3D& OCSaxis, const Point3D& p, const Point3D& ap, const std::string& ss,
            const std::string& tag, const std::string& prompt, int flag70, int flag72, double height,
            double angle, int col);
    const char* class_name() const override { return "Attdef_"; }

    // A definition is not part of the drawing.
    void Draw(DXF_Canvas&, const Map_Function&, pMatrix) const override {}

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;

    std::string promptstr;
};
