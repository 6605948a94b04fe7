#pragma once

#include <string>
#include <vector>

class TKAnwendung;
struct Umgebung;

// The checks a position must pass before a design run. Every failed check contributes its text, in a fixed
// order, in the user-interface language of the surroundings; the desktop program lists them under the
// inputs, the command-line tool prints them.
struct Vorpruefung {
    std::vector<std::string> Hinweise;
    // A prescribed constant spacing above 5 × slab thickness: the user is asked whether to design anyway.
    bool KonstanterAbstandFrage = false;

    bool Bestanden() const { return Hinweise.empty(); }
};

Vorpruefung PruefeVorBerechnung(const TKAnwendung& anwendung, const Umgebung& umgebung);

// The question asked when `KonstanterAbstandFrage` is set, and the hint listed when the user answers no
// (German source texts of the context "Vorpruefung").
extern const char* const FrageKonstanterAbstand;
extern const char* const HinweisKonstanterAbstand;
