#include "app/Eingabefelder.h"

#include <QtGlobal>
#include <limits>

#include "model/TKAnwendung.h"

namespace {

constexpr double ohneMaximum = std::numeric_limits<double>::max();

// clang-format off
const std::array<Feldbeschreibung, AnzahlFelder> felder{{
    {"meditPlatteDicke", QT_TRANSLATE_NOOP("Eingabebereich", "Plattendicke"), "h", "[cm]", 10, -1, 16, ohneMaximum, 16, "16",
     [](const TKAnwendung& a) { return a.cGeometrie.GetPlatteDicke(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetPlatteDicke(v); }},
    {"meditWanddicke", QT_TRANSLATE_NOOP("Eingabebereich", "Wanddicke"), "h<sub>w</sub>", "[cm]", 10, -1, 10, ohneMaximum, 30, "30",
     [](const TKAnwendung& a) { return a.cGeometrie.GetWandDicke(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetWandDicke(v); }},
    {"meditBauteilrandLinks", QT_TRANSLATE_NOOP("Eingabebereich", "Randabstand links"), "c<sub>L</sub>", "[cm]", 10, -1, 12, ohneMaximum, 50, "0",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBauteilRandLinks(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBauteilRandLinks(v); }},
    {"meditBauteilrandRechts", QT_TRANSLATE_NOOP("Eingabebereich", "Randabstand rechts"), "c<sub>R</sub>", "[cm]", 10, -1, 12, ohneMaximum, 50, "0",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBauteilRandRechts(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBauteilRandRechts(v); }},
    {"meditFugenlaenge", QT_TRANSLATE_NOOP("Eingabebereich", "Fugenlänge"), "l<sub>f</sub>", "[m]", 1000, 2, 0.48, 30, 20, "200",
     [](const TKAnwendung& a) { return a.cGeometrie.GetFugenlaenge(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetFugenlaenge(v); }},
    {"meditBetondeckungOben", QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung oben"), "c<sub>o</sub>", "[cm]", 10, -1, 2.5, ohneMaximum, 3, "3",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBetondeckungOben(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBetondeckungOben(v); }},
    {"meditBetondeckungUnten", QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung unten"), "c<sub>u</sub>", "[cm]", 10, -1, 2.5, ohneMaximum, 3, "3",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBetondeckungUnten(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBetondeckungUnten(v); }},
    {"meditBetondeckungVorn", QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung vorn"), "c<sub>1</sub>", "[cm]", 10, -1, 2.5, ohneMaximum, 3, "3",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBetondeckungVorn(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBetondeckungVorn(v); }},
    {"meditDornPaarAbstand", "", "e", "[cm]", 10, -1, 32, ohneMaximum, 50, "30",
     [](const TKAnwendung& a) { return a.cGeometrie.GetDornPaarAbstand(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetDornPaarAbstand(v); }},
    {"meditkonstDornabstand", "", "e", "[cm]", 10, -1, 32, ohneMaximum, 50, "30",
     [](const TKAnwendung& a) { return a.cGeometrie.GetkonstDornAbstand(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetkonstDornAbstand(v); }},
    {"meditLastverteilung", QT_TRANSLATE_NOOP("Eingabebereich", "Anteil ständig / veränderlich"), "", "", 1, -1, 0, ohneMaximum, 0, "0,0",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetLastverteilung(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetLastverteilung(v); }},
    {"meditPunktlast", QT_TRANSLATE_NOOP("Eingabebereich", "Punktlast"), "V<sub>Ed</sub>", "[kN]", 1, -1, 0, ohneMaximum, 0, "50",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetPunktLast(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetPunktLast(v); }},
    {"meditLinienlastLinks", QT_TRANSLATE_NOOP("Eingabebereich", "links"), "q<sub>Ed</sub>", "[kN/m]", 1, -1, 0, ohneMaximum, 0, "25",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetLinienLastLinks(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetLinienLastLinks(v); }},
    {"meditLinienlastRechts", QT_TRANSLATE_NOOP("Eingabebereich", "rechts"), "q<sub>Ed</sub>", "[kN/m]", 1, -1, 0, ohneMaximum, 0, "25",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetLinienLastRechts(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetLinienLastRechts(v); }},
}};
// clang-format on

}  // namespace

const Feldbeschreibung& Beschreibung(Feld feld) {
    return felder[static_cast<int>(feld)];
}
