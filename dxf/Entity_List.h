#pragma once

#include <string>
#include <vector>

#include "dxf/DXF_Entity.h"

class DXF_Layer;

// The entities of one class on one layer, in insertion order; the list owns them.
class Entity_List {
public:
    explicit Entity_List(const std::string& l_name) : list_name(l_name) {}

    bool add_entity_to_list(Entity_ptr entity);
    void draw_primitives(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const;
    void draw_vertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const;
    // Destroys the entity when it is in the list.
    bool remove_entity(const DXF_Entity* ent);
    int num_entities() const { return static_cast<int>(entities.size()); }
    int count_points() const;
    int count_lines() const;
    int count_polys_open() const;
    int count_polys_closed() const;
    void max_min_extents(Point3D& emax, Point3D& emin) const;
    // Display colour of every entity; the colour indices stay.
    void setcolour(DXF_Colour col);
    // Smallest squared distance below 1e10 and the entity it belongs to (cl unchanged when none is nearer).
    double closest_vertex_square_distance_2D(const Point3D& p, DXF_Entity*& cl) const;
    DXF_Entity* find_bounding_object(const Point3D& p) const;

    std::string list_name;
    DXF_Layer* parent_layer = nullptr;
    std::vector<Entity_ptr> entities;
};
