#include "sitzung/Eingabefelder.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/TKAnwendung.h"
#include "model/Uebersetzung.h"

namespace {

constexpr double ohneMaximum = std::numeric_limits<double>::max();

// clang-format off
const std::array<Feldbeschreibung, AnzahlFelder> felder{{
    {"meditPlatteDicke", "Geometrie_", "TPlatteDicke", "h", QT_TRANSLATE_NOOP("Eingabebereich", "Plattendicke"), QT_TRANSLATE_NOOP("Eingabebereich", "Plattendicke"),
     "h", "[cm]", 10, -1, 16, ohneMaximum, 16, "16",
     [](const TKAnwendung& a) { return a.cGeometrie.GetPlatteDicke(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetPlatteDicke(v); }},
    {"meditWanddicke", "Geometrie_", "TWandDicke", "hw", QT_TRANSLATE_NOOP("Eingabebereich", "Wanddicke"), QT_TRANSLATE_NOOP("Eingabebereich", "Wanddicke"),
     "h<sub>w</sub>", "[cm]", 10, -1, 10, ohneMaximum, 30, "30",
     [](const TKAnwendung& a) { return a.cGeometrie.GetWandDicke(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetWandDicke(v); }},
    {"meditBauteilrandLinks", "Geometrie_", "TBauteilRandLinks", "cL", QT_TRANSLATE_NOOP("Eingabebereich", "Randabstand links"), QT_TRANSLATE_NOOP("Eingabebereich", "Randabstand links"),
     "c<sub>L</sub>", "[cm]", 10, -1, 12, ohneMaximum, 50, "0",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBauteilRandLinks(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBauteilRandLinks(v); }},
    {"meditBauteilrandRechts", "Geometrie_", "TBauteilRandRechts", "cR", QT_TRANSLATE_NOOP("Eingabebereich", "Randabstand rechts"), QT_TRANSLATE_NOOP("Eingabebereich", "Randabstand rechts"),
     "c<sub>R</sub>", "[cm]", 10, -1, 12, ohneMaximum, 50, "0",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBauteilRandRechts(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBauteilRandRechts(v); }},
    {"meditFugenlaenge", "Geometrie_", "TFugenlaenge", "fugenlaenge", QT_TRANSLATE_NOOP("Eingabebereich", "Fugenlänge"), QT_TRANSLATE_NOOP("Eingabebereich", "Fugenlänge"),
     "l<sub>f</sub>", "[m]", 1000, 2, 0.48, 30, 20, "200",
     [](const TKAnwendung& a) { return a.cGeometrie.GetFugenlaenge(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetFugenlaenge(v); }},
    {"meditBetondeckungOben", "Geometrie_", "TBetondeckungOben", "co", QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung oben"), QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung oben"),
     "c<sub>o</sub>", "[cm]", 10, -1, 2.5, ohneMaximum, 3, "3",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBetondeckungOben(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBetondeckungOben(v); }},
    {"meditBetondeckungUnten", "Geometrie_", "TBetondeckungUnten", "cu", QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung unten"), QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung unten"),
     "c<sub>u</sub>", "[cm]", 10, -1, 2.5, ohneMaximum, 3, "3",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBetondeckungUnten(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBetondeckungUnten(v); }},
    {"meditBetondeckungVorn", "Geometrie_", "TBetondeckungVorn", "c1", QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung vorn"), QT_TRANSLATE_NOOP("Eingabebereich", "Betondeckung vorn"),
     "c<sub>1</sub>", "[cm]", 10, -1, 2.5, ohneMaximum, 3, "3",
     [](const TKAnwendung& a) { return a.cGeometrie.GetBetondeckungVorn(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetBetondeckungVorn(v); }},
    {"meditDornPaarAbstand", "Geometrie_", "TDornPaarAbstand", "paarabstand", "", QT_TRANSLATE_NOOP("Eingabebereich", "Dornabstand des Paares"),
     "e", "[cm]", 10, -1, 32, ohneMaximum, 50, "30",
     [](const TKAnwendung& a) { return a.cGeometrie.GetDornPaarAbstand(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetDornPaarAbstand(v); }},
    {"meditkonstDornabstand", "Geometrie_", "TkonstDornAbstand", "dornabstand", "", QT_TRANSLATE_NOOP("Eingabebereich", "Dornabstand der Reihe"),
     "e", "[cm]", 10, -1, 32, ohneMaximum, 50, "30",
     [](const TKAnwendung& a) { return a.cGeometrie.GetkonstDornAbstand(); },
     [](TKAnwendung& a, double v) { a.cGeometrie.SetkonstDornAbstand(v); }},
    {"meditLastverteilung", "BelastungDesign_", "TLastverteilung", "lastverteilung", QT_TRANSLATE_NOOP("Eingabebereich", "Anteil ständig / veränderlich"),
     QT_TRANSLATE_NOOP("Eingabebereich", "Anteil ständig / veränderlich"), "", "", 1, -1, 0, ohneMaximum, 0, "0,0",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetLastverteilung(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetLastverteilung(v); }},
    {"meditPunktlast", "BelastungDesign_", "TPunktLast", "VEd", QT_TRANSLATE_NOOP("Eingabebereich", "Punktlast"), QT_TRANSLATE_NOOP("Eingabebereich", "Punktlast"),
     "V<sub>Ed</sub>", "[kN]", 1, -1, 0, ohneMaximum, 0, "50",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetPunktLast(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetPunktLast(v); }},
    {"meditLinienlastLinks", "BelastungDesign_", "TLinienLastLinks", "qEd", QT_TRANSLATE_NOOP("Eingabebereich", "links"), QT_TRANSLATE_NOOP("Eingabebereich", "Querkraft links"),
     "q<sub>Ed</sub>", "[kN/m]", 1, -1, 0, ohneMaximum, 0, "25",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetLinienLastLinks(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetLinienLastLinks(v); }},
    {"meditLinienlastRechts", "BelastungDesign_", "TLinienLastRechts", "qEd_rechts", QT_TRANSLATE_NOOP("Eingabebereich", "rechts"), QT_TRANSLATE_NOOP("Eingabebereich", "Querkraft rechts"),
     "q<sub>Ed</sub>", "[kN/m]", 1, -1, 0, ohneMaximum, 0, "25",
     [](const TKAnwendung& a) { return a.cBelastungDesign.GetLinienLastRechts(); },
     [](TKAnwendung& a, double v) { a.cBelastungDesign.SetLinienLastRechts(v); }},
}};
// clang-format on

}  // namespace

const Feldbeschreibung& Beschreibung(Feld feld) {
    return felder[static_cast<std::size_t>(feld)];
}

std::string Dateischluessel(Feld feld, int nummer) {
    const Feldbeschreibung& b = Beschreibung(feld);
    return b.abschnitt + std::to_string(nummer) + "." + b.schluessel;
}

std::optional<Feld> FeldMitKurzname(std::string_view kurzname) {
    for (Feld feld : AlleFelder())
        if (kurzname == Beschreibung(feld).kurzname) return feld;
    return std::nullopt;
}

const char* Meldungstext(Feldpruefung pruefung) {
    switch (pruefung) {
        case Feldpruefung::Gueltig:
            return "";
        case Feldpruefung::KeineZahl:
            return QT_TRANSLATE_NOOP("Zahleingabe",
                                     "Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!\n"
                                     "(eventuell Schreibweise von \".\" und \",\" beachten");
        case Feldpruefung::ZuKlein:
            return QT_TRANSLATE_NOOP("Zahleingabe", "Der eingegebene Wert ist kleiner als erlaubt!");
        case Feldpruefung::ZuGross:
            return QT_TRANSLATE_NOOP("Zahleingabe", "Der eingegebene Wert ist größer als erlaubt!");
        case Feldpruefung::Gesperrt:
            break;
    }
    return QT_TRANSLATE_NOOP("Projektsitzung",
                             "Dieser Wert ist beim gewählten Belastungsfall nicht einzugeben.");
}

const char* MeldungKontext(Feldpruefung pruefung) {
    return pruefung == Feldpruefung::Gesperrt ? "Projektsitzung" : "Zahleingabe";
}

Feldpruefung BereichPruefen(double wert, int bereich, double minimum, double maximum) {
    const bool pruefeMinimum = bereich == -1 || bereich == 2;
    const bool pruefeMaximum = bereich == 1 || bereich == 2;
    if (pruefeMinimum && !(wert >= minimum)) return Feldpruefung::ZuKlein;
    if (pruefeMaximum && wert > maximum) return Feldpruefung::ZuGross;
    return Feldpruefung::Gueltig;
}

std::optional<double> ZahlAusText(std::string_view text, char trenner) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return std::nullopt;
    std::string zahl(text.substr(anfang, text.find_last_not_of(' ') - anfang + 1));
    for (char& zeichen : zahl) {
        if (zeichen == trenner) {
            zeichen = '.';
        } else if (zeichen == '.' || zeichen == ',') {
            return std::nullopt;  // the other separator: a typing slip, not a number
        }
    }
    const char* beginn = zahl.data();
    if (*beginn == '+') {
        ++beginn;
        if (*beginn == '+' || *beginn == '-') return std::nullopt;
    }
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(beginn, zahl.data() + zahl.size(), wert);
    if (fehler != std::errc() || ende != zahl.data() + zahl.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

Feldpruefung FeldPruefen(Feld feld, double wert) {
    const Feldbeschreibung& b = Beschreibung(feld);
    if (!std::isfinite(wert) || !std::isfinite(wert * b.faktor)) return Feldpruefung::KeineZahl;
    return BereichPruefen(wert, b.bereich, b.minimum, b.maximum);
}

bool FeldRelevant(Feld feld, const TKAnwendung& anwendung) {
    const TsAnwendungsfall fall = anwendung.GetAnwendungsfall();
    const bool einzel = fall == TsAnwendungsfall::afEinzel;
    const TsBelastungsfall last = anwendung.cBelastungDesign.GetBelastungsfall();
    const bool punktlast = einzel || last == TsBelastungsfall::bfPunktlast;
    switch (feld) {
        case Feld::Wanddicke:
            return IstWand(fall);
        case Feld::BauteilrandLinks:
        case Feld::BauteilrandRechts:
            return einzel;
        case Feld::Fugenlaenge:
            return !einzel;
        case Feld::DornPaarAbstand:
            return IstPaar(fall) && !anwendung.cGeometrie.GetDornPaarAbstandCalc();
        case Feld::konstDornabstand:
            return IstReihe(fall) && anwendung.cGeometrie.GetDornAbstandCalc();
        case Feld::Punktlast:
            return punktlast;
        case Feld::LinienlastLinks:
        case Feld::LinienlastRechts:
            return !punktlast;
        default:
            return true;
    }
}

bool FeldEingebbar(Feld feld, const TKAnwendung& anwendung) {
    const TsBelastungsfall last = anwendung.cBelastungDesign.GetBelastungsfall();
    if (feld == Feld::LinienlastLinks) return last != TsBelastungsfall::bfbeliebigeLast;
    if (feld == Feld::LinienlastRechts)
        return last != TsBelastungsfall::bfbeliebigeLast && last != TsBelastungsfall::bfKonstanteLast;
    return true;
}

std::optional<Feldfehler> PositionPruefen(const TKAnwendung& anwendung) {
    for (Feld feld : AlleFelder()) {
        if (!FeldRelevant(feld, anwendung)) continue;
        const Feldbeschreibung& b = Beschreibung(feld);
        const double modellwert = b.lesen(anwendung);
        const Feldpruefung pruefung = FeldPruefen(feld, modellwert / b.faktor);
        if (pruefung != Feldpruefung::Gueltig) return Feldfehler{feld, pruefung};
    }
    return std::nullopt;
}

double RundeZehntel(double wert) {
    return std::nearbyint(wert * 10) / 10;
}
