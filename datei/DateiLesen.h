#pragma once

#include <cstddef>
#include <string>

// The whole content of a file of at most `hoechstens` bytes. Throws std::system_error in the category
// Lesefehler() when the file cannot be opened or read, when it is larger (EFBIG), or when the name is no
// regular file (a device such as /dev/zero, a pipe, a socket: KeineGewoehnlicheDatei; a folder: EISDIR).
// A pipe without a writer does not block.
std::string DateiLesen(const std::string& pfad, std::size_t hoechstens);

// Throws as DateiLesen does when `pfad` names no regular file, for readers that read a file in pieces.
void GewoehnlicheDateiPruefen(const std::string& pfad);
