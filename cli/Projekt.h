#pragma once

#include <string>

class TKModell;
class TKAnwendung;

// Reads a project file; on failure says why on standard error, prefixed with the command's name.
bool LadeProjekt(TKModell& modell, const std::string& pfad, const std::string& befehl);

// Position `nummer` (1-based; 0: the project's current position), or nullptr after a message.
TKAnwendung* WaehlePosition(TKModell& modell, int nummer, const std::string& befehl);
