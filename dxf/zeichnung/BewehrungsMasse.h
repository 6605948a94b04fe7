#pragma once

#include <string>
#include <vector>

#include "model/Typen.h"

class TKAnwendung;

// Everything the reinforcement drawing reads from a position and one dowel type, in millimetres, under
// the short names of the drawing rules, plus the derived values.
struct TrBewehrungsMasse {
    double h = 0, co = 0, cu = 0, cv = 0;  // slab thickness and covers top, bottom, front
    double by = 0, bE = 0, BA = 0;         // reinforcement width, load-introduction width, width of D and A
    int dA = 0, dB1 = 0, dB2 = 0, dC = 0, dD = 0;
    int nA = 0, nB1 = 0, nB2 = 0, nC = 0, nD = 0;
    std::vector<double> DA, DB1, DB2, DD;
    double rB = 0, rC = 0;  // distances of B1 and of the stirrup from the joint face
    double bD = 0, hD = 0, dS = 0, aD = 0, L = 0, rb = 0, rh = 0;   // dowel plate, bars and sleeve
    double l1 = 0, l2 = 0, d1 = 0, d2 = 0, a1 = 0, a2 = 0, lp = 0;  // the two rods and the web plate

    // Derived: SD = 2·ΣDD, W = 2·cv + rB + ΣDB2, k = nB1 div 2, m2 = ((nB2 div 2) − 1) div k.
    double SD = 0, W = 0;
    int k = 0, m2 = 0;

    // Sum of the first `anzahl` entries of a spacing list.
    static double Summe(const std::vector<double>& liste, int anzahl);
};

// Reads the position's geometry and the data and result of `dorn`. Refuses (false, reason in `fehler`)
// when the position has no design results or the values could not give a sound drawing: not finite,
// no reinforcement width, B2 bars without B1 rows, or spacing lists shorter than their bar counts.
bool LeseBewehrungsMasse(const TKAnwendung& anw, TsDorn dorn, TrBewehrungsMasse& m, std::string& fehler);
