#pragma once

#include "dxf/Face3D_.h"

// Filled outline of three or four corners in its OCS plane, with an extrusion thickness.
class Solid_ : public Face3D_ {
public:
    Solid_(const Point3D& OCSaxis, std::vector<Point3D> points, int col, double t);
    const char* class_name() const override { return "Solid_"; }
    std::string proper_name() const override { return "SOLID"; }

    // Filled; the corners are given in the order 1, 2, 4, 3 round the outline (a zigzag).
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    double thickness = 0;
};
