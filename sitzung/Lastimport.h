#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/Typen.h"
#include "sitzung/Eingabefelder.h"

struct Umgebung;

// The points of an arbitrary line load read from a table of value pairs, as a frame analysis or a
// spreadsheet delivers it: one pair a line, x in m from the left end of the joint and q in kN/m. Between the
// two columns a tab, a semicolon or blanks; a comma separates them only in a table whose numbers use the
// decimal point (a line such as "0.5,80"), otherwise it is the decimal comma. A first line without any
// number (the column titles) is skipped, and so are empty lines. Every pair passes the checks of the
// arbitrary-load dialog's fields: x from 0 to the joint length, q at least 0. The first line that does not
// is named, and then no point is taken.
struct Lastimport {
    std::vector<TrFloatPoint> punkte;  // x in mm, q in kN/m, in the order of the table
    Feldpruefung pruefung = Feldpruefung::Gueltig;
    std::string fehler;  // in the user-interface language; empty when every line was taken

    explicit operator bool() const { return pruefung == Feldpruefung::Gueltig; }
};

// The limits of one value pair, as the dialog's two fields check them and as every imported line is checked:
// x from 0 to the joint length in m (range mode 2), q at least 0 (range mode -1).
struct Lastpaargrenze {
    int bereich;
    double minimum;
    double maximum;
};
// `fugenlaenge` in mm; the limits are in m.
Lastpaargrenze XGrenze(double fugenlaenge);
Lastpaargrenze QGrenze();

// A table holds at most this many pairs, and its file at most this many bytes.
inline constexpr std::size_t MaxLastpaare = 10000;
inline constexpr std::size_t MaxLastdatei = 1u << 20;

// `fugenlaenge` in mm.
Lastimport LasttabelleLesen(std::string_view text, double fugenlaenge, const Umgebung& umgebung);
// The same from a file (CSV or text); a file that cannot be read is named with the reason.
Lastimport LastdateiLesen(const std::string& pfad, double fugenlaenge, const Umgebung& umgebung);
