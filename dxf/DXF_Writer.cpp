#include "dxf/DXF_Writer.h"

DXF_Writer::DXF_Writer(std::ostream& out, const Layer_List& data_list, DXF_Codepage codepage)
    : IO_Chan(out, codepage),
      codepage_(codepage == DXF_Codepage::UTF8 ? DXF_Codepage::ANSI_1252 : codepage),
      DXF_Layers(data_list) {}

void DXF_Writer::write_file() {
    write_comment();
    write_header();
    write_tables();
    write_blocks();
    write_entities();
    IO_Chan.write_string(0, "EOF");
    IO_Chan.flush();
}

bool DXF_Writer::write_comment() {
    // Names only, so a drawing of any language carries no words of another.
    IO_Chan.write_string(999, "ZAVR");
    IO_Chan.write_string(999, "QUORVEL GmbH");
    IO_Chan.write_string(999, "Musterstadt");
    return true;
}

bool DXF_Writer::write_header() {
    IO_Chan.write_string(0, "SECTION");
    IO_Chan.write_string(2, "HEADER");
    for (const auto& layer : DXF_Layers) layer->max_min_extents(max_extents, min_extents);
    // Without the version CAD programs take the texts for another code page and garble "ü", "Ø" and "®";
    // the code page alone does not help them.
    IO_Chan.write_string(9, "$ACADVER");
    IO_Chan.write_string(1, "AC1009");
    IO_Chan.write_string(9, "$DWGCODEPAGE");
    IO_Chan.write_string(3, codepage_name(codepage_));
    IO_Chan.write_string(9, "$EXTMIN");
    IO_Chan.write_point(10, min_extents);
    IO_Chan.write_string(9, "$EXTMAX");
    IO_Chan.write_point(10, max_extents);
    IO_Chan.write_string(0, "ENDSEC");
    return true;
}

bool DXF_Writer::write_tables() {
    IO_Chan.write_string(0, "SECTION");
    IO_Chan.write_string(2, "TABLES");
    write_ltype_information();
    write_layer_information();
    write_style_information();
    IO_Chan.write_string(0, "ENDSEC");
    return true;
}

bool DXF_Writer::write_ltype_information() {
    IO_Chan.write_string(0, "TABLE");
    IO_Chan.write_string(2, "LTYPE");
    IO_Chan.write_int(70, 1);
    IO_Chan.write_string(0, "LTYPE");
    IO_Chan.write_string(2, "CONTINUOUS");
    IO_Chan.write_int(70, 64);
    IO_Chan.write_string(3, "Solid line");
    IO_Chan.write_int(72, 65);
    IO_Chan.write_int(73, 0);
    IO_Chan.write_real(40, 0);
    IO_Chan.write_string(0, "ENDTAB");
    return true;
}

bool DXF_Writer::write_layer_information() {
    IO_Chan.write_string(0, "TABLE");
    IO_Chan.write_string(2, "LAYER");
    IO_Chan.write_int(70, static_cast<int>(DXF_Layers.size()));
    for (auto layer = DXF_Layers.rbegin(); layer != DXF_Layers.rend(); ++layer) {
        IO_Chan.write_string(0, "LAYER");
        IO_Chan.write_string(2, (*layer)->layer_name);
        IO_Chan.write_int(70, 64);
        IO_Chan.write_int(62, (*layer)->layer_colinx);
        IO_Chan.write_string(6, "CONTINUOUS");
    }
    IO_Chan.write_string(0, "ENDTAB");
    return true;
}

bool DXF_Writer::write_style_information() {
    IO_Chan.write_string(0, "TABLE");
    IO_Chan.write_string(2, "STYLE");
    IO_Chan.write_int(70, 0);
    IO_Chan.write_string(0, "STYLE");
    IO_Chan.write_string(2, "ARIAL");
    IO_Chan.write_int(70, 64);
    IO_Chan.write_real_exp(40, 0.35);
    IO_Chan.write_real_exp(41, 1.0);
    IO_Chan.write_real_exp(50, 0.0);
    IO_Chan.write_int(71, 0);
    IO_Chan.write_real_exp(42, 0.35);
    IO_Chan.write_string(3, "arial");
    IO_Chan.write_string(4, "");
    IO_Chan.write_string(0, "ENDTAB");
    return true;
}

// Blocks live in the list "Block_" of layer "0"; a read file may name that layer twice, so every
// layer "0" is searched rather than only one of them.
bool DXF_Writer::write_blocks() {
    IO_Chan.write_string(0, "SECTION");
    IO_Chan.write_string(2, "BLOCKS");
    for (const auto& layer : DXF_Layers) {
        if (layer->layer_name != "0") continue;
        if (const Entity_List* blocks = layer->find_list("Block_")) {
            for (const auto& block : blocks->entities) block->write_to_DXF(IO_Chan, layer->layer_name);
        }
    }
    IO_Chan.write_string(0, "ENDSEC");
    return true;
}

bool DXF_Writer::write_entities() {
    IO_Chan.write_string(0, "SECTION");
    IO_Chan.write_string(2, "ENTITIES");
    for (const auto& layer : DXF_Layers) {
        for (const auto& list : layer->entity_lists) {
            if (list->list_name == "Block_") continue;
            for (const auto& e : list->entities) e->write_to_DXF(IO_Chan, layer->layer_name);
        }
    }
    IO_Chan.write_string(0, "ENDSEC");
    return true;
}
