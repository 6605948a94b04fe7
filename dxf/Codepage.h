#pragma once

#include <string>
#include <string_view>

// DXF text is stored in the 8-bit Windows-1252 code page ("Ø", "ü", "®" take one byte);
// the program's strings are UTF-8. Characters without a counterpart become "?".
void append_cp1252(std::string& out, std::string_view utf8);
std::string cp1252_to_utf8(std::string_view cp1252);
