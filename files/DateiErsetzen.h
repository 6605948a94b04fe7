#pragma once

#include <string>

// Replaces the file `pfad` by `inhalt` atomically: the bytes go to a temporary file in the same folder,
// which is flushed to disk and then renamed over the target. Any failure (no permission, disk full, a
// folder that does not exist) removes the temporary file, leaves an existing file untouched and throws
// std::system_error. A symbolic link stays in place; the file it points to is replaced.
void DateiErsetzen(const std::string& pfad, const std::string& inhalt);

// The whole content of the file `pfad`; throws std::system_error when it cannot be opened or read.
std::string DateiLesen(const std::string& pfad);
