#pragma once

#include <array>

// Texts of the project file format. They are the German texts of the string table; a file written by an
// installation in another language carries that language's texts and is read with these defaults.

inline constexpr const char* ProgrammName = "ZAVR";
// Files of another version are refused: the comparison is exact.
inline constexpr const char* DateiVersion = "ZAVR - 3.1.2";
inline constexpr const char* MeldungKeineProjektdatei = "Die Datei ist keine gültige QUORVEL® - ZAVR Datei";

// Column titles of the bill-of-quantities list; the keys of an entry's first ten lines are built from them.
inline constexpr std::array<const char*, 10> StuecklistenTitel{
    "Position", "Anz. Pos.", "Anz. Dorne",   "Bezeichnung",        "Sum. Dorne",
    "Status",   "lfdNr",     "Deckenstärke", "statische Nutzhöhe", "Stützentyp"};
// Lines from the eleventh on are keyed with this title, the entry number and the line index.
inline constexpr int FolgezeilenTitel = 3;
