#pragma once

#include <filesystem>
#include <vector>

// What the project browser lists of one folder: its folders and its project files (ending in .zav in any
// letter case), each sorted by name without regard to case, hidden entries left out. Names stay the
// system's bytes: a name on Linux need not be UTF-8, and such a project must still open under its own
// name. A folder that cannot be read lists what could be read of it.
struct Ordnerliste {
    std::vector<std::filesystem::path> ordner;
    std::vector<std::filesystem::path> projekte;
};

Ordnerliste OrdnerLesen(const std::filesystem::path& ordner);
