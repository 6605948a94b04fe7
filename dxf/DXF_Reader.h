#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "dxf/DXF_Layer.h"
#include "dxf/DXF_Line_Reader.h"
#include "dxf/DXF_Messages.h"

class Attrib_;
class Block_;

// Reads a classic (Release 12) ASCII DXF file into layers, entity lists and entities: HEADER extents,
// LAYER table, BLOCKS and the entities POINT, LINE, CIRCLE, ARC, TEXT, ATTDEF, ATTRIB, INSERT,
// POLYLINE (plain, polygon mesh, polyface mesh), 3DFACE and SOLID; everything else is passed over.
// Errors are reported through the messages interface with the line number; after a bad entity
// the user may continue. Whatever the input, the reader ends with a complete or partial result.
class DXF_Reader {
public:
    // Raises std::system_error when the file cannot be opened.
    DXF_Reader(const std::string& aName, DXF_Messages& messages);
    DXF_Reader(std::istream& in, DXF_Messages& messages);

    // Reads the whole input; reports errors itself and always returns true.
    bool read_file();
    Point3D get_min_extent() const { return min_extents; }
    Point3D get_max_extent() const { return max_extents; }
    Layer_List release_control_of_layers();
    // Drops layers without lists; true when layers remain.
    bool remove_empty_layers();
    // Receives each name of a skipped section, table or entity once.
    void set_skipped_list(std::vector<std::string>* s) { skipped = s; }
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

private:
    // The groups of one entity.
    struct abstract_entity {
        Point3D p1, p2, p3, p4;
        double rad_hgt = 0;
        double angle1 = 0, angle2 = 0;
        double fv1 = 0, fv2 = 0, fv3 = 0;
        double thickness = 0;
        int colour = 0;
        int flag_70 = 0, flag_71 = 0, flag_72 = 0, flag_73 = 0, flag_74 = 0;
        int attflag = 0;
        std::string namestr, tagstr, promptstr, layer;
        double elev = 0;
        Point3D OCS_Z = WCS_Z;
    };

    // Groups.
    bool read_group();
    void push_back() { backflag = true; }
    double real_value() const;
    int int_value() const;
    std::string string_value() const;
    bool is_marker(const char* name) const { return fCode == 0 && fLine == name; }
    void skip(const std::string& name);
    bool skip_entity_groups();
    bool read_entity_groups(abstract_entity& ae);
    void store_group(abstract_entity& ae);

    // Sections.
    void restore(const DXF_Line_Reader::Mark& mark);
    bool move_to_section(const char* name);
    bool move_to_header_section() { return move_to_section("HEADER"); }
    bool read_header();
    bool read_point_group(Point3D& p);
    bool move_to_tables_section() { return move_to_section("TABLES"); }
    bool read_tables();
    bool read_layer_information();
    bool read_vport_information();
    bool skip_table();
    bool move_to_blocks_section() { return move_to_section("BLOCKS"); }
    bool read_blocks();
    bool read_block();
    bool move_to_entity_section() { return move_to_section("ENTITIES"); }
    bool read_entities();
    bool read_entities_until(const char* end_marker, Block_* block);

    // What an entity adds to the document: entities drawn and bytes held.
    struct Cost {
        std::uint64_t drawn = 0;
        std::size_t bytes = 0;
    };
    static Cost entity_cost(std::string_view kind, const abstract_entity& ae);

    // Entities.
    void read_entity(Block_* block);
    void read_entity_record(abstract_entity& ae, const std::string& kind);
    static std::unique_ptr<Attrib_> make_attrib(const abstract_entity& ae);
    static Entity_ptr make_entity(const std::string& kind, const abstract_entity& ae);
    Entity_ptr read_insert(const abstract_entity& ae, Block_* block, Cost& cost);
    Entity_ptr read_polyline(const abstract_entity& header, Cost& cost);
    DXF_Layer& entity_layer(const std::string& name);
    DXF_Layer& append_layer(const std::string& name);
    void add_entity(Entity_ptr entity, const std::string& layer, Block_* block, Cost cost);
    void count_reference(const Block_& referenced, const Block_* block, Cost& cost);
    void charge(const Cost& cost);
    void compute_extents();

    std::unique_ptr<std::ifstream> owned_file_;
    DXF_Line_Reader IO_chan;
    DXF_Messages& messages_;
    int fCode = 0;
    std::string fLine;
    bool backflag = false;
    Point3D min_extents;
    Point3D max_extents;
    Layer_List DXF_Layers;
    std::unordered_map<std::string, size_t> layer_index_;   // first layer of each name
    std::unordered_map<std::string, Block_*> block_index_;  // first block of each name
    Entity_List* blocks_ = nullptr;                         // the block list, once there is one
    // What drawing a block takes: entities including expanded references, and how deep they nest.
    struct Block_Weight {
        std::uint64_t entities = 0;
        int depth = 0;
    };
    std::unordered_map<const Block_*, Block_Weight> block_weight_;
    Cost document_cost_;
    std::vector<std::string>* skipped = nullptr;
    std::unordered_set<std::string> skipped_names_;
};
