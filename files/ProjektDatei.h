#pragma once

#include <string>

class TKModell;

// The .ZAV project file: the complete project with the results of every position, as lines of the
// key-value store. Floats use the decimal separator of the model's surroundings.

// Writes the project; false when the file could not be written (an existing file then stays untouched) or
// a bill-of-quantities entry has fewer than ten lines.
bool SaveToFile(const TKModell& modell, const std::string& pFileName);

// Replaces the project by the file's content. A foreign file or one of another version is refused with the
// notice "Die Datei ist keine gültige QUORVEL® - ZAVR Datei" and leaves the model unchanged, as does any
// other failure. Throws std::system_error when the file cannot be opened.
bool ReadFromFile(TKModell& modell, const std::string& pFileName);

// Appends a copy of position `pPosition` (0-based) of another project file, with its name and results.
// Throws std::system_error when the file cannot be opened.
bool ReadPartFromFile(TKModell& modell, const std::string& pFileName, int pPosition);

// Makes position pTarget (1-based) an independent copy of position pSource, named by its number.
bool KopiereAnwendung(TKModell& modell, int pSource, int pTarget);
