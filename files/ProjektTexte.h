#pragma once

#include <array>
#include <string>

// Texts of the project file format. They are the German texts of the string table; a file written by an
// installation in another language carries that language's texts and is read with these defaults.

inline constexpr const char* ProgrammName = "ZAVR";
// Files of another version are refused: the comparison is exact.
inline constexpr const char* DateiVersion = "ZAVR - 3.1.2";
inline constexpr const char* MeldungKeineProjektdatei = "Die Datei ist keine gültige QUORVEL® - ZAVR Datei";

// The most positions a project can have. Positions hold about 20 KB each in memory, so the largest project
// takes about 200 MB; a file declaring more is refused with the notice rather than read in part.
inline constexpr int MaxPositionen = 10000;
inline const std::string MeldungZuVielePositionen =
    "Die Datei gibt mehr als " + std::to_string(MaxPositionen) +
    " Positionen an; mehr Positionen kann ein Projekt nicht haben.";

// Column titles of the bill-of-quantities list; the keys of an entry's first ten lines are built from them.
inline constexpr std::array<const char*, 10> StuecklistenTitel{
    "Position", "Anz. Pos.", "Anz. Dorne",   "Bezeichnung",        "Sum. Dorne",
    "Status",   "lfdNr",     "Deckenstärke", "statische Nutzhöhe", "Stützentyp"};
// Lines from the eleventh on are keyed with this title, the entry number and the line index.
inline constexpr int FolgezeilenTitel = 3;
