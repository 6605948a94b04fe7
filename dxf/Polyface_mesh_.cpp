#include "dxf/Polyface_mesh_.h"

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

Polyface_mesh_::Polyface_mesh_(std::vector<Point3D> points, std::vector<Face> faces, int col)
    : Polyline_(Keep_points{}, WCS_Z, std::move(points), col, false), facelist(std::move(faces)) {}

void Polyface_mesh_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    file.write_string(0, proper_name());
    file.write_string(8, layer);
    file.write_int(62, colinx);
    file.write_int(66, 1);
    file.write_int(70, 64);
    file.write_int(71, numvertices());
    file.write_int(72, numfaces());
    for (const Point3D& p : polypoints) {
        file.write_string(0, "VERTEX");
        file.write_int(70, 192);
        write_DXF_Point(file, 10, p);
    }
    for (const Face& face : facelist) {
        file.write_string(0, "VERTEX");
        file.write_int(70, 128);
        for (int i = 0; i < 4; ++i) file.write_int(71 + i, face[static_cast<size_t>(i)] + 1);
    }
    file.write_string(0, "SEQEND");
}

std::string Polyface_mesh_::details() const {
    std::string s = std::string("Polyline_ (polyface mesh)") + CRLF + ocs_details() + CRLF + "Vertices\t" +
                    std::to_string(numvertices()) + CRLF + "Faces\t" + std::to_string(numfaces()) +
                    vertex_details();
    for (const Face& f : facelist) {
        s += CRLF;
        for (int index : f) s += std::to_string(index) + " ";
    }
    return s;
}

void Polyface_mesh_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const std::vector<Screen_Point> points = mapped(map_fn, begin_drawing(canvas, OCS));
    for (const Face& face : facelist) {
        std::vector<Screen_Point> outline;
        for (int index : face) {
            if (index < 0 || index >= numvertices()) break;
            outline.push_back(points[static_cast<size_t>(index)]);
        }
        canvas.polygon(outline);
    }
}
