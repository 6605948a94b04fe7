#pragma once

#include <vector>

#include "model/Tabellenzelle.h"

class TKAnwendung;
struct Umgebung;

// The cells of the capacity tables. Each value comes from designing the reference situation below with the
// design run of this program, so a value read from a table is what the design of such a position confirms.
//
// Reference situation: one dowel under a point load in a slab-to-slab joint, with member edges on both
// sides, covers of 3 cm at top, bottom and front and no share of permanent load. Its edge distance is the
// one the table states for the grid point, from which on the design admits the table's value.

// The cells of a selection: for each type, joint width class, fire protection and method (in this order of
// nesting) the thicknesses, and for each thickness the grades in the order given. Empty when the selection
// has more than MaxTabellenpunkte grid points.
std::vector<Tabellenzelle> BerechneTabelle(const Tabellenauswahl& auswahl, Umgebung& umgebung);

// The cell of one grid point.
Tabellenzelle BerechneZelle(const Tabellenpunkt& punkt, Umgebung& umgebung);

// Sets a position to the reference situation of a grid point with the design load `vEd` (kN) and member
// edges at `rand` (mm) on both sides. The rest of the position stays as it is.
void Referenzsituation(TKAnwendung& anwendung, const Tabellenpunkt& punkt, double vEd, double rand);

// A resistance as the table gives it: rounded down to 0.01 kN, so that a design under that load passes the
// load check (which compares whole tenths) and shows the utilisation 1,00.
double AufHundertstelAbgerundet(double kN);
