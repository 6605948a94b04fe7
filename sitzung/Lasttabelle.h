#pragma once

#include <string>
#include <vector>

#include "model/Typen.h"

class TKBelastung;

// The value pairs of the arbitrary-load dialog as the user typed them: x in m from the left end of the
// joint and q in kN/m, in the order entered (the load keeps its points sorted by x). Rows are found by the
// text of x, not by its value, so "1" and "1,0" are two rows. There is always at least one row; an empty
// first row stands for a load without points.
class Lasttabelle {
public:
    struct Zeile {
        std::string x;
        std::string q;
        bool operator==(const Zeile&) const = default;
    };

    // The points of the load, x / 1000 and q in the program's number texts.
    Lasttabelle(const TKBelastung& last, char dezimaltrenner);

    // The table becomes these points (a table pasted or imported), in their order.
    void Ersetzen(const std::vector<TrFloatPoint>& punkte, char dezimaltrenner);

    const std::vector<Zeile>& Zeilen() const { return zeilen_; }
    // The first row whose x text is exactly `x`, or -1.
    int Suche(const std::string& x) const;
    // Into the empty first row, otherwise a new last row; returns its index.
    int Anhaengen(const Zeile& zeile);
    void Setzen(int index, const Zeile& zeile);
    // The only row is emptied, any other removed; returns the row selected afterwards. An index outside
    // the table changes nothing.
    int Loeschen(int index);
    // The load's points in mm and kN/m, row by row; stops at a row whose x is empty or a text no number.
    std::vector<TrFloatPoint> Punkte() const;

private:
    std::vector<Zeile> zeilen_;
};
