#pragma once

#include <string>

#include "cli/Sprachwahl.h"
#include "model/Uebersetzung.h"

// The language of the run, chosen once at start and then used by every command and its surroundings, as
// the program's language is chosen once in its start window. False when this build has no catalogue for
// it (a build without Qt speaks German only).
bool SpracheFestlegen(const Spracheinstellung& sprache);
const Spracheinstellung& Sprache();

// The German source text `text` of the catalogue context `kontext` in the language of the run, with "%n"
// standing for `anzahl`. Named and shaped like Qt's function, so the catalogue tools collect every text
// passed here: the tool's own texts are marked as translate("Kommandozeile", "...").
std::string translate(const char* kontext, const char* text, const char* unterscheidung = nullptr,
                      int anzahl = -1);
