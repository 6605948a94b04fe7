#pragma once

#include <ostream>

#include "dxf/DXF_File.h"
#include "dxf/DXF_Layer.h"

// Writes a document's layers as a classic ASCII DXF file (Release 12, texts in Windows-1252 or, for Central
// European texts, Windows-1250): comment, HEADER with the version, code page and extents, TABLES (LTYPE,
// LAYER, STYLE), BLOCKS, ENTITIES, EOF. The layers are borrowed, never changed.
class DXF_Writer {
public:
    // A UTF-8 code page (a document read from a file of Release 2007 or later) is written as Windows-1252.
    DXF_Writer(std::ostream& out, const Layer_List& data_list,
               DXF_Codepage codepage = DXF_Codepage::ANSI_1252);

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
    DXF_File IO_Chan;
    DXF_Codepage codepage_;
    Point3D min_extents{1e10, 1e10, 1e10};
    Point3D max_extents{-1e10, -1e10, -1e10};
    const Layer_List& DXF_Layers;
};
