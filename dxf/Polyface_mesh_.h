#pragma once

#include <array>

#include "dxf/Polyline_.h"

// Shared vertices plus faces of up to four zero-based vertex indices; a negative index ends a face early.
class Polyface_mesh_ : public Polyline_ {
public:
    using Face = std::array<int, 4>;
    Polyface_mesh_(std::vector<Point3D> points, std::vector<Face> faces, int col);
    const char* class_name() const override { return "Polyface_mesh_"; }
    std::string proper_name() const override { return "POLYLINE"; }

    // Each face as a polygon of its vertices up to the first negative (or missing) index.
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    int numfaces() const { return static_cast<int>(facelist.size()); }
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    std::vector<Face> facelist;
};
