#pragma once

#include <string>

class DXF_Object;
struct Umgebung;

// A file name whose extension, in capitals, is not ".DXF" gets ".dxf" appended: "plan.txt" becomes
// "plan.txt.dxf", "plan" becomes "plan.dxf", "Plan.DXF" stays.
std::string MitDxfEndung(const std::string& datei);

// Writes the document to `datei` as it is; false with a message in the user-interface language naming the
// file and the reason when that fails ("der Datenträger ist voll"), and an existing file then stays as it
// was.
bool SpeichereDxf(const DXF_Object& doc, const std::string& datei, std::string& fehler,
                  const Umgebung& umgebung);
