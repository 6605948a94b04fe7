#pragma once

#include <ostream>

#include "calc/Wirtschaftlichkeit.h"

class TKAnwendung;
struct Umgebung;

// The results list of a designed position as a text table: one row per dowel type in the list's row order
// (each size followed by its ZAVRQ variant) with the three utilisations and the number of dowels, then the
// chosen type with its fire-protection sleeve, or "Kein gültiger Dorn gefunden" when no type is admissible.
// Numbers use the decimal separator of `umgebung`.
void SchreibeErgebnisTabelle(std::ostream& aus, const TKAnwendung& anwendung, const Dornwahl& wahl,
                             const Umgebung& umgebung);
