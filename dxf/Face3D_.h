#pragma once

#include "dxf/Polyline_.h"

// Three- or four-cornered 3D face in world coordinates.
class Face3D_ : public Polyline_ {
public:
    Face3D_(std::vector<Point3D> points, int col, bool closed_);
    const char* class_name() const override { return "Face3D_"; }
    std::string proper_name() const override { return "3DFACE"; }

    // Always four corners; missing ones repeat the last given (a triangle writes its third twice).
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
};
