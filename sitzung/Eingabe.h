#pragma once

#include <string>
#include <vector>

#include "sitzung/Eingabefelder.h"
#include "sitzung/Lastanpassung.h"

// What a change of the project touched; views refresh what concerns them.
namespace Geaendert {
enum : unsigned {
    Eingaben = 1u << 0,      // inputs of the current position
    Ergebnisse = 1u << 1,    // results or the selected dowel type of the current position
    Positionen = 1u << 2,    // positions added, removed or renamed, or another one current
    Projektdaten = 1u << 3,  // the project header, its name included
    Bedarfsliste = 1u << 4,
    Skizze = 1u << 5,         // the sketch shown
    Ansicht = 1u << 6,        // the view mode
    Datei = 1u << 7,          // the project's file, or whether the project differs from it
    Projekt = (1u << 8) - 1,  // a new or opened project, an undo or redo: everything
};
}  // namespace Geaendert

// Which value of a load the design-value dialog edits.
enum class Lastwert { Punkt, Links, Rechts };

// The input field that holds a load value.
inline Feld FeldVon(Lastwert wert) {
    switch (wert) {
        case Lastwert::Punkt:
            return Feld::Punktlast;
        case Lastwert::Links:
            return Feld::LinienlastLinks;
        case Lastwert::Rechts:
            break;
    }
    return Feld::LinienlastRechts;
}

// The outcome of an input: refused with its message, or applied with what it changed.
struct Eingabeergebnis {
    Feldpruefung pruefung = Feldpruefung::Gueltig;
    std::string meldung;     // why the input was refused, in the user-interface language
    unsigned geaendert = 0;  // Geaendert flags; 0: the project is as it was
    // Points of the arbitrary load a new joint length moved or dropped, and the notice that names them.
    std::vector<Lastpunktaenderung> lastpunkte;
    std::string hinweis;
    // A dowel type was chosen whose spacings exceed 5 × slab thickness: the information on it is due.
    bool abstandMeldung = false;

    explicit operator bool() const { return pruefung == Feldpruefung::Gueltig; }
};
