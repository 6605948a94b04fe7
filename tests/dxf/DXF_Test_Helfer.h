#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "dxf/DXF_Object.h"
#include "dxf/DXF_Reader.h"
#include "dxf/DXF_Writer.h"

// The file text the writer makes of a document.
inline std::string dxf_text(const DXF_Object& doc) {
    std::ostringstream out;
    DXF_Writer(out, doc.layer_lists, doc.codepage).write_file();
    return out.str();
}

// The record of one entity as written on a layer.
inline std::string record_text(const DXF_Entity& e, const std::string& layer = "0",
                               DXF_Codepage codepage = DXF_Codepage::ANSI_1252) {
    std::ostringstream out;
    {
        DXF_File file(out, codepage);
        e.write_to_DXF(file, layer);
        file.flush();
    }
    return out.str();
}

// Lines of a text with CR LF line ends.
inline std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// Joins lines with the given line end (test files are written with LF unless a test needs CR LF).
inline std::string dxf_lines(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const auto& l : lines) text += l + end;
    return text;
}

struct Gelesen {
    DXF_Object doc;
    DXF_Message_Log log;
    bool readable = true;
    std::string reason;       // why it is not readable
    std::uint64_t drawn = 0;  // the units of the drawing bound the reader charged
};

// Reads a file text as the document would from a file.
inline Gelesen read_text(const std::string& text, bool continue_on_error = true) {
    Gelesen g{DXF_Object("test.dxf"), DXF_Message_Log(continue_on_error), true, ""};
    std::istringstream in(text);
    DXF_Reader reader(in, g.log);
    reader.read_file();
    g.readable = reader.readable();
    g.reason = reader.unreadable_reason();
    g.drawn = reader.drawn_entities();
    g.doc.layer_lists = reader.release_control_of_layers();
    g.doc.emax = reader.get_max_extent();
    g.doc.emin = reader.get_min_extent();
    g.doc.codepage = reader.codepage();
    g.doc.omissions = reader.omissions();
    return g;
}

// The entities of one class on one layer, or none.
template <typename T>
std::vector<const T*> entities_of(const DXF_Object& doc, const std::string& layer, const std::string& list) {
    std::vector<const T*> result;
    const DXF_Layer* l = doc.layer(layer);
    const Entity_List* el = l ? l->find_list(list) : nullptr;
    if (!el) return result;
    for (const auto& e : el->entities) result.push_back(dynamic_cast<const T*>(e.get()));
    return result;
}
