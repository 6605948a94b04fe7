#pragma once

#include <string>

class TKModell;

// The .ZAV project file: the complete project with the results of every position, as lines of the
// key-value store. Floats use the decimal separator of the model's surroundings.

// Writes the project atomically (an existing file stays untouched on any failure), line by line into the
// new file, never holding its text in memory. Throws std::system_error naming the reason when the file cannot
// be written ("der Datenträger ist voll", "keine Schreibberechtigung", "der Ordner existiert nicht"; EFBIG
// for a project larger than a file may be, see TKDateiTransfer::MaxDateigroesse), std::invalid_argument for a
// bill-of-quantities entry with fewer than ten lines.
void ProjektSpeichern(const TKModell& modell, const std::string& pFileName);

// The same as ProjektSpeichern, reporting any failure as false.
bool SaveToFile(const TKModell& modell, const std::string& pFileName);

// Replaces the project by the file's content. A foreign file or one of another version is refused with the
// notice "Die Datei ist keine gültige QUORVEL® - ZAVR Datei", one declaring more than MaxPositionen
// positions with its own notice; either leaves the model unchanged, as does any other failure. Throws
// std::system_error naming the reason when the file cannot be read (also for a device, a pipe, or a file
// larger than TKDateiTransfer::MaxDateigroesse).
bool ReadFromFile(TKModell& modell, const std::string& pFileName);

// Appends a copy of position `pPosition` (0-based) of another project file, with its name and results.
// Throws std::system_error when the file cannot be opened.
bool ReadPartFromFile(TKModell& modell, const std::string& pFileName, int pPosition);

// Makes position pTarget (1-based) an independent copy of position pSource, named by its number.
bool KopiereAnwendung(TKModell& modell, int pSource, int pTarget);
