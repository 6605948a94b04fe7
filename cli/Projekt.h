#pragma once

#include <string>

class Projektsitzung;
struct Berechnung;

// Opens a project file into the session; on failure says why on standard error, prefixed with the command's
// name (a foreign file is reported once, by the reader).
bool LadeProjekt(Projektsitzung& sitzung, const std::string& pfad, const std::string& befehl);

// "Position 7 gibt es nicht; …" for a number beyond the last of `anzahl` positions.
std::string KeinePosition(int nummer, int anzahl);

// Position `nummer` (1-based; 0: the project's current position), or 0 after a message.
int WaehlePosition(const Projektsitzung& sitzung, int nummer, const std::string& befehl);

// The hints of failed checks, each after `vorsatz`, on standard error; for a design made despite a wide
// constant spacing (the question counts as answered yes) a warning.
void MeldePruefung(const std::string& vorsatz, const Berechnung& berechnung);
