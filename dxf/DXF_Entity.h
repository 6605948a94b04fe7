#pragma once

#include <memory>
#include <string>

#include "dxf/DXF_Canvas.h"
#include "dxf/DXF_Colours.h"
#include "dxf/Matrix.h"
#include "dxf/Point3D.h"

class DXF_File;
class Entity_List;

// Base of every drawing entity: colour, extrusion direction and the OCS-to-world matrix.
// The virtual operations have neutral defaults; the entity classes override what applies to them.
class DXF_Custom_Entity {
public:
    virtual ~DXF_Custom_Entity() = default;
    DXF_Custom_Entity() = default;
    DXF_Custom_Entity(const DXF_Custom_Entity&) = delete;
    DXF_Custom_Entity& operator=(const DXF_Custom_Entity&) = delete;

    // The class name, "Line_" for a line; it names the entity list the entity goes to.
    virtual const char* class_name() const = 0;

    // Keeps no matrix for the extrusion (0, 0, 1) (or a zero vector, which has no direction).
    virtual void init_OCS_WCS_matrix(const Point3D& OCSaxis);
    virtual void update_block_links(Entity_List* /*blist*/) {}
    // Draws the entity with its own matrix followed by OCS (the matrix of an enclosing insert or block).
    virtual void Draw(DXF_Canvas& /*canvas*/, const Map_Function& /*map_fn*/, pMatrix /*OCS*/) const {}
    // Marks the entity's points with small crosses.
    virtual void DrawVertices(DXF_Canvas& /*canvas*/, const Map_Function& /*map_fn*/, pMatrix /*OCS*/) const {
    }
    virtual void setcolour_index(int col);
    virtual void setcolour(DXF_Colour col);
    virtual void translate(const Point3D& /*t*/) {}
    virtual void quantize_coords(double /*epsilon*/, int /*mask*/) {}
    virtual int count_points() const { return 1; }
    virtual int count_lines() const { return 0; }
    virtual int count_polys_open() const { return 0; }
    virtual int count_polys_closed() const { return 0; }
    // The DXF record name: the class name in capitals without its last character.
    virtual std::string proper_name() const;
    void write_DXF_Point(DXF_File& file, int code, const Point3D& p) const;
    // Common head: 0/name, 8/layer, 62/colour index and 210/220/230 when the entity has an OCS.
    virtual void write_to_DXF(DXF_File& file, const std::string& layer) const;
    virtual std::string details() const;
    virtual void max_min_extents(Point3D& /*emax*/, Point3D& /*emin*/) const {}
    virtual double closest_vertex_square_distance_2D(const Point3D& /*p*/) const { return 0; }
    virtual Point3D closest_vertex(const Point3D& p) const { return p; }
    virtual bool is_point_inside_object2D(const Point3D& /*p*/) const { return false; }
    virtual bool Move_point(const Point3D& /*p*/, const Point3D& /*newpoint*/) { return false; }

    DXF_Colour colour = 0;
    int colinx = 0;
    // A block member coloured "by block" (or by layer on layer "0") takes the colour of the reference.
    bool by_block = false;
    std::unique_ptr<Matrix> OCS_WCS;
    Point3D OCS_axis = WCS_Z;

protected:
    // "OCS Axis ..." line of the descriptions.
    std::string ocs_details() const;
    // Own matrix combined with the passed one; the pen takes the entity's colour.
    pMatrix begin_drawing(DXF_Canvas& canvas, pMatrix OCS) const;
    // The colour the entity is drawn in.
    DXF_Colour drawing_colour(const DXF_Canvas& canvas) const {
        return by_block ? canvas.block_colour : colour;
    }
    static void draw_cross(DXF_Canvas& canvas, Screen_Point p);
};

// Declared type of every entity held by lists, layers, blocks and documents.
class DXF_Entity : public DXF_Custom_Entity {};

class Entity_Pool;

// Frees an entity made with new, or one a reader's pool holds (Entity_Pool.h).
struct Entity_Deleter {
    Entity_Pool* pool = nullptr;

    Entity_Deleter() = default;
    explicit Entity_Deleter(Entity_Pool* p) : pool(p) {}
    // Entities made with std::make_unique convert as they are.
    template <typename T>
    Entity_Deleter(const std::default_delete<T>&) noexcept {}
    void operator()(DXF_Entity* entity) const noexcept;
};

using Entity_ptr = std::unique_ptr<DXF_Entity, Entity_Deleter>;

// Line separator of the descriptions.
inline constexpr const char* CRLF = "\r\n";
