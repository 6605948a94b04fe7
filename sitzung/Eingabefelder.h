#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

class TKAnwendung;

// The numeric inputs of a position: what each shows, how its value reaches the position, and the limits and
// fallbacks that guard it. The window, the command-line tool and the check of a stored position all use this
// one table. Limits, fallback and zero text are in the field's unit; the model value is the field value times
// `faktor`.
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
    const char* name;          // object name of the field in the window
    const char* abschnitt;     // where the project file keeps the value: section before the position number
    const char* schluessel;    // and key
    const char* kurzname;      // name of the field for scripts (zavr-cli set)
    const char* beschriftung;  // label text (context "Eingabebereich"); empty where the group title says it
    const char* schritt;       // name of a change of it for undo (context "Eingabebereich")
    const char* symbol;        // formula symbol, rich text
    const char* einheit;
    double faktor;
    int bereich;  // range mode: -1 minimum only, 1 maximum only, 2 minimum then maximum, else no range check
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
// The field with this script name, or nothing.
std::optional<Feld> FeldMitKurzname(std::string_view kurzname);

// The outcome of checking an input.
enum class Feldpruefung {
    Gueltig,
    KeineZahl,  // not a number, or too large for the model's unit
    ZuKlein,
    ZuGross,
    Gesperrt  // the field takes no input in the position's load case
};

// The German source text of the message for a refused input (context "Zahleingabe"; "Projektsitzung" for
// Gesperrt), empty for Gueltig.
const char* Meldungstext(Feldpruefung pruefung);
const char* MeldungKontext(Feldpruefung pruefung);

// The range test of a numeric input by its range mode, minimum first.
Feldpruefung BereichPruefen(double wert, int bereich, double minimum, double maximum);

// A number typed with the regional decimal separator `trenner` only (under ',' the text "2.5" is no
// number); blanks around it are allowed, an empty text is no number.
std::optional<double> ZahlAusText(std::string_view text, char trenner);

// A value in the field's unit against the field's limits; a value whose model value is not finite is no
// number.
Feldpruefung FeldPruefen(Feld feld, double wert);

// Whether the field belongs to the position as its application case, spacing choices and load case have it
// (the window shows exactly these fields; the front cover and the load ratio are hidden but always hold).
bool FeldRelevant(Feld feld, const TKAnwendung& anwendung);
// Whether the field takes input: the line-load values of an arbitrary load come from its points, and the end
// value of a constant load is its start value.
bool FeldEingebbar(Feld feld, const TKAnwendung& anwendung);

// The key of the field's value in the project file for position `nummer`, e.g. "Geometrie_2.TPlatteDicke".
std::string Dateischluessel(Feld feld, int nummer);

// The first field of the position, in table order, whose value lies outside its limits.
struct Feldfehler {
    Feld feld;
    Feldpruefung pruefung;
};
std::optional<Feldfehler> PositionPruefen(const TKAnwendung& anwendung);

// Rounds a design load to one decimal, halves to the even tenth (12.25 -> 12.2, 12.75 -> 12.8).
double RundeZehntel(double wert);
