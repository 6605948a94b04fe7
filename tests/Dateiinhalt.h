#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The bytes of a file as written, for comparing outputs; empty when the file cannot be read.
inline std::string DateiInhalt(const std::filesystem::path& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << f.rdbuf();
    return inhalt.str();
}
