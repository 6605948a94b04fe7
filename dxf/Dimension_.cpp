#include "dxf/Dimension_.h"

Dimension_::Dimension_(const Point3D& OCSaxis, const std::string& block, int col)
    : Insert_(OCSaxis, Origin, {1, 1, 1}, 0, col, {}, block) {}
