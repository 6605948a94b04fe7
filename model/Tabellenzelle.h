#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/Typen.h"
#include "model/Uebersetzung.h"

// Capacity tables for pre-design: the design resistance of one dowel for every grid point of type, concrete
// grade, slab thickness, joint width class, fire protection and reinforcement method, as the design run
// finds it for the reference situation (calc/Tragfaehigkeitstabelle.h computes the cells).

// One grid point of a table. Thicknesses in mm.
struct Tabellenpunkt {
    TsDorn dorn = TsDorn::ZAVR20HF;
    TsBetonguete guete = TsBetonguete::C20_25;
    double h = 160;
    TsFugenbreite fuge = TsFugenbreite::fb20bis30;
    TsFeuerwiderstand brandschutz = TsFeuerwiderstand::F0;
    TsBewehrungCalc methode = TsBewehrungCalc::bcZulassung;
};

// Which of the three resistances governs.
enum class Massgebend { Stahl, Durchstanzen, Betonkante };

// One cell: the resistances of one dowel in kN, rounded down to 0.01 kN, and the edge distance and spacing
// (mm, whole cm) from which on they hold.
struct Tabellenzelle {
    Tabellenpunkt punkt;
    // Status codes of the checks the type fails at this grid point whatever its load (thickness below the
    // minimum, reinforcement that does not fit, ...). Not empty: the type is not admissible here and the
    // cell holds no values.
    std::vector<std::uint16_t> fehler;
    double VRds = 0;
    double VRdct = 0;
    double VRdce = 0;
    double VRd = 0;  // the smallest of the three: the design load one dowel may carry
    Massgebend massgebend = Massgebend::Stahl;
    double minRand = 0;  // distance of the dowel axis from a member edge or from the end of the joint
    double minAchs = 0;  // axis spacing of two dowels from which on each counts as a single dowel

    bool Zulaessig() const { return fehler.empty(); }
};

// The covers of the reference situation at top, bottom and front, mm.
inline constexpr double ReferenzDeckung = 30;

// What a table covers. Thicknesses in mm; without `hVon` each type starts at its minimum thickness, and
// without `hBis` it ends at 50 cm, or 20 cm above its minimum thickness where that is more.
struct Tabellenauswahl {
    std::vector<TsDorn> dorne;
    std::vector<TsBetonguete> gueten;
    std::optional<double> hVon;
    std::optional<double> hBis;
    double hSchritt = 10;
    std::vector<TsFugenbreite> fugen{TsFugenbreite::fb20bis30};
    std::vector<TsFeuerwiderstand> brandschutz{TsFeuerwiderstand::F0};
    std::vector<TsBewehrungCalc> methoden{TsBewehrungCalc::bcZulassung};
};

// The most grid points one table holds; a larger selection is refused.
inline constexpr std::size_t MaxTabellenpunkte = 200000;

// The slab thicknesses of the table of one type, ascending; none for a step that is not positive.
std::vector<double> Dicken(const Tabellenauswahl& auswahl, TsDorn dorn);

// Number of grid points of a selection.
std::size_t AnzahlPunkte(const Tabellenauswahl& auswahl);

// Texts of the tables on the pages, in the window and in the exports: German source texts of the
// translation context "Tragfaehigkeitstabelle".
namespace Tabellentexte {
inline constexpr const char* Titel = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Tragfähigkeitstabelle %1");
inline constexpr const char* Bezug = QT_TRANSLATE_NOOP(
    "Tragfaehigkeitstabelle",
    "Bezugssituation: ein einzelner Doppelschubdorn unter Punktlast, Anschluss Platte an Platte");
inline constexpr const char* Randbedingungen = QT_TRANSLATE_NOOP(
    "Tragfaehigkeitstabelle",
    "Fugenbreite ≤ %1, Brandschutz: %2, Bewehrung: %3, Betondeckung oben, unten und vorn je %4 cm");
inline constexpr const char* Abstaende = QT_TRANSLATE_NOOP(
    "Tragfaehigkeitstabelle",
    "Die Werte gelten ab dem Randabstand a_r,min und dem Dornabstand e_min der Zeile; Rand- und "
    "Dornabstände ab diesen Werten mindern den Widerstand nicht.");
inline constexpr const char* Werte = QT_TRANSLATE_NOOP(
    "Tragfaehigkeitstabelle",
    "V_Rd: Bemessungswiderstand eines Dorns in kN, auf 0,01 kN abgerundet; Index: maßgebender Nachweis "
    "(s Stahl, ct Durchstanzen, ce Betonkantenbruch)");
inline constexpr const char* Bestaetigung = QT_TRANSLATE_NOOP(
    "Tragfaehigkeitstabelle",
    "Jeder Wert ist das Ergebnis der Bemessung dieser Bezugssituation mit diesem Programm.");
inline constexpr const char* Dorn = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Dorn");
inline constexpr const char* Betonguete = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Betongüte");
inline constexpr const char* Dicke = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "h [cm]");
inline constexpr const char* Fugenbreite = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Fugenbreite");
inline constexpr const char* Brandschutz = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Brandschutz");
inline constexpr const char* Bewehrung = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Bewehrung");
inline constexpr const char* Massgebend = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "maßgebend");
inline constexpr const char* MinRand = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "a_r,min [cm]");
inline constexpr const char* MinAchs = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "e_min [cm]");
inline constexpr const char* Bemerkung = QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Bemerkung");
// The governing check, long (exports) and as the index of V_Rd (pages, window), in the order of Massgebend.
inline constexpr const char* Nachweise[] = {
    QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Stahl"),
    QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Durchstanzen"),
    QT_TRANSLATE_NOOP("Tragfaehigkeitstabelle", "Betonkantenbruch"),
};
inline constexpr const char* NachweisIndex[] = {"s", "ct", "ce"};
}  // namespace Tabellentexte
