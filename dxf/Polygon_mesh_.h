#pragma once

#include "dxf/Polyline_.h"

// M rows of N vertices, row by row; closeM / closeN join the last row / column to the first.
class Polygon_mesh_ : public Polyline_ {
public:
    Polygon_mesh_(std::vector<Point3D> points, int Mc, int Nc, int closebits, int col);
    const char* class_name() const override { return "Polygon_mesh_"; }
    std::string proper_name() const override { return "POLYLINE"; }

    // Each row as a polyline, then each column; rows and columns beyond the vertices are left out.
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    int M = 0;
    int N = 0;
    bool closeM = false;
    bool closeN = false;
};
