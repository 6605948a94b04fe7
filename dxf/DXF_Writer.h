#pragma once

#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Layer.h"

// Writes a document's layers as a classic ASCII DXF file (Release 12, Windows-1252): comment, HEADER with the
// version, code page and extents, TABLES (LTYPE, LAYER, STYLE), BLOCKS, ENTITIES, EOF. The layers are
// borrowed, never changed.
class DXF_Writer {
public:
    // Writes to the file `aname` through DateiErsetzen: the file is replaced only by the whole drawing, and
    // an existing file stays as it was when writing fails.
    DXF_Writer(const std::string& aname, const Layer_List& data_list);
    DXF_Writer(std::ostream& out, const Layer_List& data_list);

    // Raises std::system_error naming the reason when the output cannot be written.
    void write_file();
    bool write_comment();
    bool write_header();
    bool write_tables();
    bool write_ltype_information();
    bool write_layer_information();
    bool write_style_information();
    bool write_blocks();
    bool write_entities();

private:
    std::string file_name_;
    std::unique_ptr<std::ostringstream> owned_text_;  // the drawing collected for file_name_
    DXF_File IO_Chan;
    Point3D min_extents{1e10, 1e10, 1e10};
    Point3D max_extents{-1e10, -1e10, -1e10};
    const Layer_List& DXF_Layers;
};
