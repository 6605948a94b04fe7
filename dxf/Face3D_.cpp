#include "dxf/Face3D_.h"

#include "dxf/DXF_File.h"

Face3D_::Face3D_(std::vector<Point3D> points, int col, bool closed_)
    : Polyline_(Keep_points{}, WCS_Z, std::move(points), col, closed_) {}

void Face3D_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    file.write_string(0, proper_name());
    file.write_string(8, layer);
    file.write_int(62, colinx);
    Point3D corner;
    for (int i = 0; i < 4; ++i) {
        if (static_cast<size_t>(i) < polypoints.size()) corner = polypoints[static_cast<size_t>(i)];
        write_DXF_Point(file, 10 + i, corner);
    }
}
