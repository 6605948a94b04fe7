#pragma once

#include "dxf/Insert_.h"

// A dimension, drawn as the anonymous block its program made of it (lines, arrows, text). Written as a
// reference to that block.
class Dimension_ : public Insert_ {
public:
    Dimension_(const Point3D& OCSaxis, const std::string& block, int col);
    const char* class_name() const override { return "Dimension_"; }
    std::string proper_name() const override { return "INSERT"; }
};
