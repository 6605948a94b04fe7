#include "dxf/Polygon_mesh_.h"

#include <algorithm>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Number.h"

Polygon_mesh_::Polygon_mesh_(std::vector<Point3D> points, int Mc, int Nc, int closebits, int col)
    : Polyline_(Keep_points{}, WCS_Z, std::move(points), col, false),
      M(Mc),
      N(Nc),
      closeM((closebits & 1) != 0),
      closeN((closebits & 32) != 0) {}

void Polygon_mesh_::write_to_DXF(DXF_File& file, const std::string& layer) const {
    file.write_string(0, proper_name());
    file.write_string(8, layer);
    file.write_int(62, colinx);
    file.write_int(66, 1);
    file.write_int(70, 16 + (closeM ? 1 : 0) + (closeN ? 32 : 0));
    file.write_int(71, M);
    file.write_int(72, N);
    for (const Point3D& p : polypoints) {
        file.write_string(0, "VERTEX");
        file.write_int(70, 64);
        write_DXF_Point(file, 10, p);
    }
    file.write_string(0, "SEQEND");
}

std::string Polygon_mesh_::details() const {
    return std::string("Polyline_ (polygon mesh)") + CRLF + ocs_details() + CRLF + "Vertices\t" +
           std::to_string(numvertices()) + CRLF + "M\t" + std::to_string(M) + CRLF + "N\t" +
           std::to_string(N) + CRLF + "Closed M\t" + bool_to_str(closeM) + CRLF + "Closed N\t" +
           bool_to_str(closeN) + vertex_details();
}

void Polygon_mesh_::Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const {
    const std::vector<Screen_Point> points = mapped(map_fn, begin_drawing(canvas, OCS));
    const int rows = (M > 0 && N > 0) ? std::min(M, numvertices() / N) : 0;
    for (int i = 0; i < rows; ++i) {
        const auto first = points.begin() + static_cast<std::ptrdiff_t>(i) * N;
        const std::vector<Screen_Point> row(first, first + N);
        if (closeN) {
            canvas.polygon(row);
        } else {
            canvas.polyline(row);
        }
    }
    for (int j = 0; rows > 0 && j < N; ++j) {
        std::vector<Screen_Point> column;
        for (int i = 0; i < rows; ++i) column.push_back(points[static_cast<size_t>(i * N + j)]);
        if (closeM) column.push_back(column.front());
        canvas.polyline(column);
    }
}
