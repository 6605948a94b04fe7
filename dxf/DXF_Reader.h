#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dxf/Codepage.h"
#include "dxf/DXF_Layer.h"
#include "dxf/DXF_Line_Reader.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Omissions.h"
#include "dxf/Entity_Pool.h"

class Attrib_;
class Block_;
class Insert_;

// Reads an ASCII DXF file of any release from 12 to 2018 into layers, entity lists and entities: the
// HEADER's version, code page and extents, the LAYER table, BLOCKS and the entities POINT, LINE, CIRCLE,
// ARC, TEXT, MTEXT, ATTDEF, ATTRIB, INSERT, DIMENSION, POLYLINE (plain, polygon mesh, polyface mesh),
// LWPOLYLINE, ELLIPSE, SPLINE, HATCH, 3DFACE, SOLID and TRACE. Sections the drawing does not need (CLASSES,
// OBJECTS, THUMBNAILIMAGE, ACDSDATA, ...) are passed over; every other entity is counted as not shown.
// Texts are decoded by the file's code page (Windows-1252 or -1250; UTF-8 from Release 2007 on).
// Errors are reported through the messages interface with the line number; after a bad entity the user may
// continue. Input that holds no drawing at all (not DXF, binary DXF, empty) is unreadable rather than an
// empty drawing. Whatever the input, the reader ends with a complete or partial result.
class DXF_Reader {
public:
    // Raises std::system_error when the file cannot be opened.
    DXF_Reader(const std::string& aName, DXF_Messages& messages);
    DXF_Reader(std::istream& in, DXF_Messages& messages);

    // Reads the whole input; reports errors itself and always returns true.
    bool read_file();
    // After read_file: false when the input held no drawing (no ENTITIES section, a binary file), with the
    // reason.
    bool readable() const { return unreadable_.empty(); }
    const std::string& unreadable_reason() const { return unreadable_; }
    const DXF_Omissions& omissions() const { return omissions_; }
    DXF_Codepage codepage() const { return codepage_; }
    Point3D get_min_extent() const { return min_extents; }
    Point3D get_max_extent() const { return max_extents; }
    Layer_List release_control_of_layers();
    // Drops layers without lists; true when layers remain.
    bool remove_empty_layers();
    Entity_List* block_list() const;
    int layer_num(const std::string& layername) const;

    static constexpr int max_vertices = 8192;
    static constexpr int max_faces = 4 * max_vertices;
    static constexpr int max_block_depth = 64;
    // What one document may cost, whatever the file: the entities drawn when every list is drawn once, a
    // reference counting its whole block and a polyline its vertices and faces; and the memory its layers,
    // entities and texts hold, estimated from their sizes. Either limit ends the reading with a message; the
    // layers read so far remain.
    static constexpr std::uint64_t max_drawn_entities = 5'000'000;
    static constexpr std::size_t max_held_bytes = std::size_t{256} << 20;
    // A unit of that bound makes at most two canvas calls: a point draws its cross as two lines, a solid its
    // fill and its outline, a hatch its fill and an outline per loop of at least two points; a line, circle,
    // arc, text, line of a multi-line text, polyline vertex or face makes one at most.
    static constexpr std::uint64_t most_canvas_calls_per_drawn = 2;
    // After read_file: the units of that bound the document was charged.
    std::uint64_t drawn_entities() const { return document_cost_.drawn; }

    // The entity kinds the reader draws.
    enum class Kind {
        Point,
        Line,
        Circle,
        Arc,
        Text,
        Attdef,
        Attrib,
        Face3D,
        Solid,
        Insert,
        Polyline,
        LWPolyline,
        MText,
        Ellipse,
        Spline,
        Hatch,
        Dimension,
        Other
    };

private:
    // The groups of one entity of the classic kinds.
    struct abstract_entity {
        Point3D p1, p2, p3, p4;
        double rad_hgt = 0;
        double angle1 = 0, angle2 = 0;
        double fv1 = 0, fv2 = 0, fv3 = 0;
        double thickness = 0;
        int colour = 256;  // by layer when the file gives none
        long truecolour = -1;
        int flag_70 = 0, flag_71 = 0, flag_72 = 0, flag_73 = 0, flag_74 = 0;
        int attflag = 0;
        bool paper = false;
        std::string namestr, tagstr, promptstr, layer;
        double elev = 0;
        double bulge = 0;
        double start_width = 0, end_width = 0;
        Point3D OCS_Z = WCS_Z;
    };
    // One group kept as it stands, for the kinds whose codes repeat (LWPOLYLINE, SPLINE, HATCH, MTEXT).
    struct Raw_Group {
        int code = 0;
        std::string value;
    };
    class Raw_Cursor;

    // What an entity adds to the document: entities drawn and bytes held.
    struct Cost {
        std::uint64_t drawn = 0;
        std::size_t bytes = 0;
    };

    // Groups.
    bool read_group();
    void push_back() { backflag = true; }
    double real_value() const;
    int int_value() const;
    long long_value() const;
    std::string string_value() const;
    bool is_marker(std::string_view name) const { return fCode == 0 && fLine == name; }
    bool skip_entity_groups(bool* paper = nullptr);
    bool read_entity_groups(abstract_entity& ae);
    void store_group(abstract_entity& ae);
    bool read_raw_groups();

    // Sections.
    bool binary_input();
    bool next_section(std::string& name);
    bool skip_section();
    bool read_header();
    bool read_point_group(Point3D& p);
    bool read_tables();
    bool read_layer_information();
    bool skip_table();
    bool read_blocks();
    bool read_block();
    bool read_entities();
    bool read_entities_until(std::string_view end_marker, Block_* block);
    // References inside blocks may name blocks defined later: they are linked once all blocks are read.
    void link_block_references();
    void drop_unlinked_references();

    static Cost entity_cost(Kind kind, const abstract_entity& ae);

    // Entities.
    void read_entity(Block_* block);
    void skip_entity(std::string_view kind, bool count);
    void read_entity_record(abstract_entity& ae, Kind kind);
    static std::unique_ptr<Attrib_> make_attrib(const abstract_entity& ae);
    Entity_ptr make_entity(Kind kind, const abstract_entity& ae);
    Entity_ptr read_insert(const abstract_entity& ae, Block_* block, Cost& cost);
    Entity_ptr read_polyline(const abstract_entity& header, Cost& cost);
    Entity_ptr read_modern(Kind kind, Block_* block, abstract_entity& common, Cost& cost);
    // Each reads the groups of its kind; the layer, colour, space and extrusion go into `common`.
    Entity_ptr make_lwpolyline(Raw_Cursor& c, abstract_entity& common, Cost& cost);
    Entity_ptr make_mtext(Raw_Cursor& c, abstract_entity& common, Cost& cost);
    Entity_ptr make_ellipse(Raw_Cursor& c, abstract_entity& common);
    Entity_ptr make_spline(Raw_Cursor& c, abstract_entity& common, Cost& cost);
    Entity_ptr make_hatch(Raw_Cursor& c, abstract_entity& common, Cost& cost);
    Entity_ptr make_dimension(Raw_Cursor& c, abstract_entity& common, Block_* block, Cost& cost);
    // Links a reference to its block now, or later when inside a block; raises the undefined-block error.
    void link_reference(Insert_& insert, Block_* block, Cost& cost);
    DXF_Layer& entity_layer(const std::string& name);
    DXF_Layer& append_layer(const std::string& name);
    void add_entity(Entity_ptr entity, const abstract_entity& ae, Block_* block, Cost cost);
    void set_colour(DXF_Entity& e, const abstract_entity& ae, Block_* block);
    void count_reference(const Block_& referenced, const Block_* block, Cost& cost);
    void charge(const Cost& cost);
    void compute_extents();

    std::unique_ptr<std::ifstream> owned_file_;
    DXF_Line_Reader IO_chan;
    DXF_Messages& messages_;
    int fCode = 0;
    std::string_view fLine;  // the value line of the last group, inside the line reader's buffer
    bool backflag = false;
    Point3D min_extents;
    Point3D max_extents;
    std::string version_ = "AC1009";
    DXF_Codepage codepage_ = DXF_Codepage::ANSI_1252;
    Layer_List DXF_Layers;
    std::unordered_map<std::string, size_t> layer_index_;   // first layer of each name
    DXF_Layer* last_layer_ = nullptr;                       // the layer of the entity read last
    std::unordered_map<std::string, Block_*> block_index_;  // first block of each name
    Entity_List* blocks_ = nullptr;                         // the block list, once there is one
    bool paper_block_ = false;                              // reading a block of a layout's paper space
    struct Pending_Reference {
        Insert_* insert;
        Block_* owner;
        long line;
    };
    std::vector<Pending_Reference> pending_;
    // What drawing a block takes: entities including expanded references, and how deep they nest.
    struct Block_Weight {
        std::uint64_t entities = 0;
        int depth = 0;
    };
    std::unordered_map<const Block_*, Block_Weight> block_weight_;
    Cost document_cost_;
    std::vector<Raw_Group> raw_;
    size_t raw_count_ = 0;
    Entity_Pool::Handle pool_ = Entity_Pool::create();
    DXF_Omissions omissions_;
    std::string unreadable_;
};
