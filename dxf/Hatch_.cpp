#include "dxf/Hatch_.h"

#include "dxf/DXF_Number.h"
#include "dxf/Polyline_.h"

Hatch_::Hatch_(const Point3D& OCSaxis, std::vector<Loop> boundary, bool solid_, int col)
    : loops(std::move(boundary)), solid(solid_) {
    init_OCS_WCS_matrix(OCSaxis);
    setcolour_index(col);
}

void Hatch_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const pMatrix combined = begin_drawing(canvas, OCS);
    const Matrix m = combined ? *combined : Identity;
    std::vector<std::vector<Screen_Point>> screen;
    for (const Loop& loop : loops) {
        auto& s = screen.emplace_back();
        for (const Point3D& p : loop) s.push_back(map_fn(p, &m));
    }
    if (solid) {
        canvas.fill(screen);
        return;
    }
    for (const auto& s : screen) canvas.polygon(s);
}

// Each loop in world coordinates: a polyline written by this writer carries no extrusion of its own.
void Hatch_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    for (const Loop& loop : loops) {
        Loop world;
        for (const Point3D& p : loop) world.push_back(OCS_WCS ? transform_point(*OCS_WCS, p) : p);
        Polyline_ outline(WCS_Z, std::move(world), colinx, true);
        outline.write_to_DXF(file, layer);
    }
}

std::string Hatch_::details() const {
    return DXF_Entity::details() + CRLF + (solid ? "Solid" : "Pattern") + CRLF + "Loops " +
           std::to_string(loops.size());
}

void Hatch_::max_min_extents(Point3D& emax, Point3D& emin) const {
    for (const Loop& loop : loops) {
        for (const Point3D& p : loop) {
            max_bound(emax, p);
            min_bound(emin, p);
        }
    }
}

int Hatch_::count_points() const {
    int n = 0;
    for (const Loop& loop : loops) n += static_cast<int>(loop.size());
    return n;
}
