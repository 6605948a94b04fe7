#pragma once

#include <string>
#include <vector>

#include "model/Tabellenzelle.h"
#include "sitzung/Projektsitzung.h"

struct Umgebung;

// The capacity tables as text for other programs: one line per cell with its grid point, the resistances,
// the governing check, the distances from which on the values hold and, for a cell where the type is not
// admissible, the reasons instead of values. Columns separated by ";", numbers with the regional decimal
// separator, lengths in cm, forces in kN, headers in the user-interface language.
std::vector<std::string> TabellenCsv(const std::vector<Tabellenzelle>& zellen, const Umgebung& umgebung);

// The bytes of the CSV file: TabellenCsv, each line ended by CR LF, in Windows-1252 (UTF-8 with a
// byte-order mark when a text needs it).
std::string TabellenCsvDatei(const std::vector<Tabellenzelle>& zellen, const Umgebung& umgebung);

// The texts of a grid point in the user-interface language: grade, joint width class, fire protection,
// method and, for an admissible cell, the governing check.
std::string GueteText(const Tabellenpunkt& punkt, const Umgebung& umgebung);
std::string FugeText(const Tabellenpunkt& punkt, const Umgebung& umgebung);
std::string BrandschutzText(const Tabellenpunkt& punkt, const Umgebung& umgebung);
std::string MethodeText(const Tabellenpunkt& punkt, const Umgebung& umgebung);
std::string NachweisText(const Tabellenzelle& zelle, const Umgebung& umgebung);
// Why a type is not admissible at a grid point: the long texts of its status codes.
std::string FehlerText(const Tabellenzelle& zelle, const Umgebung& umgebung);
