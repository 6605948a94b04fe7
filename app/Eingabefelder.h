#pragma once

#include <array>

class TKAnwendung;

// The numeric fields of the main window: what each shows, how its value reaches the working copy, and the
// limits and fallbacks that guard it. Limits, fallback and zero text are in the field's unit; the model
// value is the field value times `faktor`.
enum class Feld {
    PlatteDicke,
    Wanddicke,
    BauteilrandLinks,
    BauteilrandRechts,
    Fugenlaenge,
    BetondeckungOben,
    BetondeckungUnten,
    BetondeckungVorn,
    DornPaarAbstand,
    konstDornabstand,
    Lastverteilung,
    Punktlast,
    LinienlastLinks,
    LinienlastRechts
};
constexpr int AnzahlFelder = 14;

struct Feldbeschreibung {
    const char* name;          // object name of the field
    const char* beschriftung;  // label text (context "Eingabebereich"); empty where the group title says it
    const char* symbol;        // formula symbol, rich text
    const char* einheit;
    double faktor;
    int bereich;  // range mode of PruefeEingabe
    double minimum;
    double maximum;
    double ersatz;
    const char* nulltext;
    double (*lesen)(const TKAnwendung&);
    void (*schreiben)(TKAnwendung&, double);
};

const Feldbeschreibung& Beschreibung(Feld feld);
constexpr std::array<Feld, AnzahlFelder> AlleFelder() {
    std::array<Feld, AnzahlFelder> felder{};
    for (int i = 0; i < AnzahlFelder; ++i) felder[i] = static_cast<Feld>(i);
    return felder;
}
