#pragma once

#include <string>

#include "model/Typen.h"

struct Umgebung;

// Writes the drawing of the dowel type, its words in the user-interface language of `umgebung`, to `datei`
// as it is, replacing an existing file. Raises std::system_error when the file cannot be written.
void DornDXFSpeichern(TsDorn dorn, const std::string& datei, const Umgebung& umgebung);

// One call for the command line and the desktop program: applies the ".dxf" rule (MitDxfEndung) and
// reports a write error as false with a message in `fehler`.
bool DornDxfSchreiben(TsDorn dorn, const std::string& datei, std::string& fehler, const Umgebung& umgebung);
