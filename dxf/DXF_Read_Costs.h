#pragma once

// What the reader charges for the entities it keeps, and the kinds it reads by their DXF names; shared by
// the reader's files.

#include <algorithm>
#include <string>
#include <string_view>

#include "dxf/Arc_.h"
#include "dxf/Attdef_.h"
#include "dxf/Block_.h"
#include "dxf/DXF_Reader.h"
#include "dxf/Face3D_.h"
#include "dxf/Insert_.h"
#include "dxf/Line_.h"
#include "dxf/Polyface_mesh_.h"
#include "dxf/Polygon_mesh_.h"
#include "dxf/Solid_.h"

namespace dxf_read {

// What the document holds, about as the allocator sees it: each object with the allocator's overhead and
// its pointer in a list; texts longer than a string holds inside itself; an entry of a name index; vertices
// and faces in vectors that may have twice their room.
inline constexpr std::size_t allocation_bytes = 16 + sizeof(void*);
inline constexpr std::size_t inner_text = 15;
inline constexpr std::size_t index_entry_bytes = 3 * sizeof(void*) + sizeof(std::string) + allocation_bytes;
inline constexpr std::size_t vertex_bytes = 2 * sizeof(Point3D);
inline constexpr std::size_t face_bytes = 2 * sizeof(Polyface_mesh_::Face);

inline constexpr std::size_t held(std::size_t object) {
    return object + allocation_bytes;
}

inline std::size_t text_bytes(const std::string& text) {
    return text.size() <= inner_text ? 0 : held(text.size() + 1);
}

using Kind = DXF_Reader::Kind;

struct Kind_Name {
    std::string_view name;
    Kind kind;
    std::size_t bytes;
};
// The largest class a kind may become stands for its size.
inline constexpr std::size_t entity_bytes = 256;
inline constexpr Kind_Name kind_names[] = {
    {"LINE", Kind::Line, sizeof(Line_)},
    {"LWPOLYLINE", Kind::LWPolyline, sizeof(Polyline_)},
    {"TEXT", Kind::Text, sizeof(Text_)},
    {"CIRCLE", Kind::Circle, sizeof(Circle_)},
    {"ARC", Kind::Arc, sizeof(Arc_)},
    {"INSERT", Kind::Insert, sizeof(Insert_)},
    {"POLYLINE", Kind::Polyline,
     std::max({sizeof(Polyline_), sizeof(Polygon_mesh_), sizeof(Polyface_mesh_)})},
    {"MTEXT", Kind::MText, entity_bytes},
    {"POINT", Kind::Point, sizeof(Point_)},
    {"SOLID", Kind::Solid, sizeof(Solid_)},
    {"TRACE", Kind::Solid, sizeof(Solid_)},
    {"HATCH", Kind::Hatch, entity_bytes},
    {"DIMENSION", Kind::Dimension, entity_bytes},
    {"ELLIPSE", Kind::Ellipse, entity_bytes},
    {"SPLINE", Kind::Spline, entity_bytes},
    {"ATTDEF", Kind::Attdef, sizeof(Attdef_)},
    {"ATTRIB", Kind::Attrib, sizeof(Attrib_)},
    {"3DFACE", Kind::Face3D, sizeof(Face3D_)},
};
inline constexpr std::size_t block_bytes = sizeof(Block_) + index_entry_bytes;

inline Kind kind_of(std::string_view name) {
    for (const Kind_Name& k : kind_names)
        if (k.name == name) return k.kind;
    return Kind::Other;
}

inline std::size_t size_of(Kind kind) {
    for (const Kind_Name& k : kind_names)
        if (k.kind == kind) return k.bytes;
    return entity_bytes;
}

inline const char* name_of(Kind kind) {
    for (const Kind_Name& k : kind_names)
        if (k.kind == kind) return k.name.data();
    return "ENTITY";
}

}  // namespace dxf_read
