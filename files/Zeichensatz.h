#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text encodings of project files. In memory every text is UTF-8; on disk the files are single-byte
// Windows-1252 so that they exchange with existing installations.

// The bytes of a file as UTF-8: a byte-order mark selects UTF-8 or UTF-16 (either byte order), without one
// the bytes are Windows-1252. Undecodable bytes never stop the reading; they become U+FFFD (one for each
// ill-formed UTF-8 sequence: overlong forms, surrogates and code points beyond U+10FFFF included) or, for
// the five bytes Windows-1252 leaves unassigned, the control character of the same number. The result is
// always valid UTF-8.
std::string DateiTextAlsUtf8(std::string_view bytes);

// UTF-8 text as file bytes: Windows-1252 without a byte-order mark. A text holding a character that
// Windows-1252 lacks is written as UTF-8 with its byte-order mark instead, which every reader of the format
// honours, so no character is lost.
std::string Utf8AlsDateiText(std::string_view text);

inline constexpr std::string_view BomUtf8 = "\xEF\xBB\xBF";

// Character by character, for readers and writers that keep a file's bytes as they are.

// The character of a Windows-1252 byte; the five unassigned bytes give the control character of the same
// number, which has no byte of its own when written again.
char32_t Windows1252Zeichen(unsigned char byte);

// The well-formed UTF-8 sequence at the start of `text` (not empty): its character and its length, or length
// 0 when the text starts with an ill-formed sequence.
struct Utf8Zeichen {
    char32_t zeichen;
    std::size_t laenge;
};
Utf8Zeichen LeseUtf8Zeichen(std::string_view text);

void HaengeUtf8An(std::string& ziel, char32_t zeichen);

// Appends the Windows-1252 bytes `bytes` as UTF-8.
void HaengeWindows1252An(std::string& ziel, std::string_view bytes);

// Writes UTF-8 `text` as Windows-1252 to `ziel`, which has room for text.size() bytes, and returns the end;
// nullptr when the text holds a character the code page lacks or is no valid UTF-8.
char* AlsWindows1252(std::string_view text, char* ziel);

// Whether the text is valid UTF-8.
bool IstUtf8(std::string_view text);
