#pragma once

#include "dxf/Polyline_.h"

// M rows of N vertices, row by row; closeM / closeN join the last row / column to the first.
class Polygon_mesh_ : public Polyline_ {
public:
    Polygon_mesh_(std::vector<Point3D> points, int Mc, int Nc, int closebits, int col);
    const char* class_name() const override { return "Polygon_mesh_"; }
    std::string proper_name() const override { return "POLYLINE"; }

    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    int M = 0;
    int N = 0;
    bool closeM = false;
    bool closeN = false;
};
