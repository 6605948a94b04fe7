#pragma once

#include <string>

// Text encodings of project files. In memory every text is UTF-8; on disk the files are single-byte
// Windows-1252 so that they exchange with existing installations.

// The bytes of a file as UTF-8: a byte-order mark selects UTF-8 or UTF-16 (either byte order), without one
// the bytes are Windows-1252. Undecodable bytes never stop the reading; they become U+FFFD (one for each
// ill-formed UTF-8 sequence: overlong forms, surrogates and code points beyond U+10FFFF included) or, for
// the five bytes Windows-1252 leaves unassigned, the control character of the same number. The result is
// always valid UTF-8.
std::string DateiTextAlsUtf8(const std::string& bytes);

// UTF-8 text as file bytes: Windows-1252 without a byte-order mark. A text holding a character that
// Windows-1252 lacks is written as UTF-8 with its byte-order mark instead, which every reader of the format
// honours, so no character is lost.
std::string Utf8AlsDateiText(const std::string& text);
