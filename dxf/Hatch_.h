#pragma once

#include <vector>

#include "dxf/DXF_Entity.h"

// A hatched area in its OCS plane: boundary loops (arcs, ellipses and splines of the boundary already as
// fine polylines), filled in its colour when solid; a pattern is shown by its boundary only. Written as
// closed polylines of the loops, since a Release-12 file has no hatches.
class Hatch_ : public DXF_Entity {
public:
    using Loop = std::vector<Point3D>;
    Hatch_(const Point3D& OCSaxis, std::vector<Loop> boundary, bool solid_, int col);
    const char* class_name() const override { return "Hatch_"; }
    std::string proper_name() const override { return "POLYLINE"; }

    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    int count_points() const override;

    std::vector<Loop> loops;
    bool solid = false;
};
