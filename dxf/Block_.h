#pragma once

#include <vector>

#include "dxf/DXF_Entity.h"

// Named group of entities; its matrix moves the base point to the origin before an insert places it.
class Block_ : public DXF_Entity {
public:
    Block_(const std::string& bname, const Point3D& refpoint);
    const char* class_name() const override { return "Block_"; }

    void add_entity(Entity_ptr entity) { entities.push_back(std::move(entity)); }
    // Hands the block list to the block references among the members (nested blocks).
    void update_block_links(Entity_List* blist) override;
    // Members drawn with the block's matrix (base point to the origin) followed by OCS.
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void DrawVertices(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;
    // The extents of the members in the block's own coordinates (a definition itself has none).
    void members_extents(Point3D& emax, Point3D& emin) const;
    double closest_vertex_square_distance_2D(const Point3D&) const override { return 1e9; }
    Point3D closest_vertex(const Point3D&) const override { return {1e9, 1e9, 1e9}; }

    std::string name;
    Point3D basepoint;
    std::vector<Entity_ptr> entities;

private:
    Matrix drawing_matrix(pMatrix OCS) const;
};
