#pragma once

#include <string>
#include <vector>

#include "model/Typen.h"

class TKAnwendung;
struct Umgebung;

// One row of the results list: a dowel type with its three utilisations, its number of dowels and its
// status, as the window and the command-line table show it.
struct Ergebniszeile {
    TsDorn dorn;
    std::string name;
    std::string etaS, etaCt, etaCe;  // two decimals, the regional separator
    int anzahl = 0;
    int status = 0;
    std::string bemerkung;  // the short status text in the user-interface language
};

// The rows in the list's order (each size followed by its ZAVRQ variant).
std::vector<Ergebniszeile> Ergebniszeilen(const TKAnwendung& anwendung, const Umgebung& umgebung);
