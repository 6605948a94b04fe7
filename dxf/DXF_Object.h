#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dxf/Codepage.h"
#include "dxf/DXF_Layer.h"
#include "dxf/DXF_Omissions.h"

class DXF_Messages;

// One line of a document outline; the preview finds the lists to draw through the links.
struct DXF_Outline_Line {
    std::string text;
    DXF_Layer* layer = nullptr;
    Entity_List* list = nullptr;
};

// A DXF drawing in memory: layers in creation order, each with its entity lists.
class DXF_Object {
public:
    explicit DXF_Object(const std::string& aname = "");
    // Reads a file; read errors go to messages and leave the layers read up to them. A file that cannot be
    // opened raises std::system_error, one that holds no drawing (not DXF, binary, empty) DXF_read_exception
    // with the reason.
    static DXF_Object create_from_file(const std::string& aname, DXF_Messages& messages);
    // Replaces the file atomically, streaming the drawing into it; raises std::system_error naming the reason
    // when it cannot be written, and an existing file then stays as it was.
    void save_to_file(const std::string& aname) const;

    int num_layers() const { return static_cast<int>(layer_lists.size()); }
    // Raises DXF_exception "Attempted to create layer with existing name" for a duplicate unless DUPs_OK.
    DXF_Layer& new_layer(const std::string& aname, bool DUPs_OK);
    // Raises DXF_exception "Attempted to add layer with existing name".
    bool add_layer(std::unique_ptr<DXF_Layer> layer);
    DXF_Layer* layer(const std::string& aname) const;
    // Raises DXF_exception "Attempted to add to unnamed layer" when there is no such layer.
    bool add_entity_to_layer(Entity_ptr entity, const std::string& aname);
    DXF_Layer& create_or_find_layer(const std::string& aname);
    // Moves every entity of the other document here (each list's entities arrive in reverse order).
    bool merge_files(DXF_Object& other);
    void remove_empty_layers_and_lists();
    void remove_layers_and_lists(const DXF_Layer* pLayer);
    void copy_to_strings(std::vector<DXF_Outline_Line>& ts) const;
    // Every entity list of the outline in order, with no matrix; block definitions are drawn only where a
    // reference places them.
    void draw_primitives(DXF_Canvas& canvas, const Map_Function& map_fn) const;
    Point3D get_min_extent() const { return emin; }
    Point3D get_max_extent() const { return emax; }
    void max_min_extents(Point3D& max, Point3D& min) const;

    std::string DXF_name;
    Layer_List layer_lists;
    Point3D emax;
    Point3D emin;
    // The code page of the texts: the file's after reading; written as it is (UTF-8 as Windows-1252).
    DXF_Codepage codepage = DXF_Codepage::ANSI_1252;
    // What a read file holds that the drawing does not show.
    DXF_Omissions omissions;
};
