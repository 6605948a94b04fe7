#pragma once

#include <string>
#include <string_view>

// The 8-bit code page of a DXF file's texts, named by the header variable $DWGCODEPAGE; files from
// Release 2007 on are UTF-8 whatever that variable says. The program's strings are UTF-8.
enum class DXF_Codepage { ANSI_1252, ANSI_1250, UTF8 };

// "ANSI_1250" is Central European; every other name reads as Windows-1252, the Western code page.
DXF_Codepage codepage_named(std::string_view dwgcodepage);
// The $DWGCODEPAGE value of an 8-bit code page ("ANSI_1252", "ANSI_1250").
const char* codepage_name(DXF_Codepage codepage);

// Appends a UTF-8 text in the code page; a character the code page lacks is written as the DXF escape
// \U+XXXX (Ø in Windows-1250 as \U+00D8), which CAD programs show as that character.
void append_in_codepage(std::string& out, std::string_view utf8, DXF_Codepage codepage);
// A file's text as UTF-8, its \U+XXXX escapes decoded; bytes the code page leaves unassigned become U+FFFD.
std::string text_from_codepage(std::string_view text, DXF_Codepage codepage);

// The control codes of single-line texts: %%c the diameter sign, %%d the degree sign, %%p plus-minus,
// %%% a percent sign, %%nnn the character nnn; the switches %%u, %%o and %%k (underline, overline,
// strike-through) are dropped.
std::string without_control_codes(std::string_view text);

// Appends one character as UTF-8.
void append_utf8(std::string& out, char32_t c);
