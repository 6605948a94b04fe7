#pragma once

#include <vector>

#include "dxf/Point_.h"

// Elliptic arc in world coordinates: centre p1, the end of the major axis relative to it, the ratio of
// the minor axis to the major, and the parameters where it starts and ends (radians; 0 and 2π for a whole
// ellipse). The minor axis lies at right angles to the major in the plane of the extrusion. Written as a
// fine polyline, since a Release-12 file has no ellipses.
class Ellipse_ : public Point_ {
public:
    Ellipse_(const Point3D& extrusion, const Point3D& centre, const Point3D& major_axis, double ratio_,
             double start, double end, int col);
    const char* class_name() const override { return "Ellipse_"; }
    std::string proper_name() const override { return "POLYLINE"; }

    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    void max_min_extents(Point3D& emax, Point3D& emin) const override;

    std::vector<Point3D> points() const;

    Point3D major;
    Point3D minor;
    double ratio = 1;
    double start_param = 0;
    double end_param = 0;
};
