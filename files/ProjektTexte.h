#pragma once

#include <array>
#include <string>

#include "model/Uebersetzung.h"
#include "model/Version.h"

// Texts of the project file format. They are the German texts of the string table; a file written by an
// installation in another language carries that language's texts and is read with these defaults.

inline constexpr const char* ProgrammName = "ZAVR";
// Files of another version are refused: the comparison is exact.
inline constexpr const char* DateiVersion = Versionstext;
// Notices of the reader: German source texts of the translation context "Projektdatei".
inline constexpr const char* MeldungKeineProjektdatei =
    QT_TRANSLATE_NOOP("Projektdatei", "Die Datei ist keine gültige QUORVEL® - ZAVR Datei");

// The most positions a project can have. Positions hold about 20 KB each in memory, so the largest project
// takes about 200 MB; a file declaring more is refused with the notice rather than read in part.
inline constexpr int MaxPositionen = 10000;
inline constexpr const char* MeldungZuVielePositionen = QT_TRANSLATE_NOOP(
    "Projektdatei",
    "Die Datei gibt mehr als 10000 Positionen an; mehr Positionen kann ein Projekt nicht haben.");

inline constexpr const char* MeldungKeinePositionsanzahl = QT_TRANSLATE_NOOP(
    "Projektdatei",
    "Die Datei gibt die Zahl ihrer Positionen nicht lesbar an (HauptMaske.TAnzAnwendung = %1); sie wird "
    "nicht geöffnet.");

// Column titles of the bill-of-quantities list; the keys of an entry's first ten lines are built from them.
inline constexpr std::array<const char*, 10> StuecklistenTitel{
    "Position", "Anz. Pos.", "Anz. Dorne",   "Bezeichnung",        "Sum. Dorne",
    "Status",   "lfdNr",     "Deckenstärke", "statische Nutzhöhe", "Stützentyp"};
// Lines from the eleventh on are keyed with this title, the entry number and the line index.
inline constexpr int FolgezeilenTitel = 3;
