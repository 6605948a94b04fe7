#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Befehlsanfang.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "output/Skizzenbild.h"
#include "output/TKFarbe.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Hilfe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli sketch EINGABE.ZAV [--position N] --view ANSICHT [--size PIXEL] -o "
    "AUSGABE.png|.svg|.jpg\n"
    "\n"
    "Zeichnet eine Skizze einer Position als Bild, ohne Bildschirm.\n"
    "  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)\n"
    "  --view         ansicht, draufsicht, schnitt, reihe, eingabe oder alle (die vier Ergebnisskizzen);\n"
    "                 ebenso die englischen Namen elevation, plan, section, row, input und all\n"
    "  --size PIXEL   Seitenlänge des quadratischen Bildes (Vorgabe 500, für alle 1000)\n"
    "  -o DATEI       die Bilddatei; die Endung bestimmt das Format (.png, .svg, .jpg, .bmp)\n"
    "\n"
    "Die Ergebnisskizzen einer Position ohne Ergebnisse werden wie beim Nachweis nach ihrer Bemessung\n"
    "gezeichnet.\n"
    "\n"
    "Rückgabewert: 0 geschrieben; 1 die Position hat die Prüfungen nicht bestanden; 2 die Datei ist nicht\n"
    "lesbar oder nicht schreibbar oder die Argumente sind falsch.\n");

// The names of --view and the sketches they draw, in German and in English.
struct Ansichtsname {
    std::string_view name;
    TsSkizzeTyp typ;
    bool alleVier;
};
constexpr std::array<Ansichtsname, 12> Ansichten{{{"ansicht", TsSkizzeTyp::stAnsicht, false},
                                                  {"draufsicht", TsSkizzeTyp::stDraufsicht, false},
                                                  {"schnitt", TsSkizzeTyp::stSchnitt, false},
                                                  {"reihe", TsSkizzeTyp::stDornReihe, false},
                                                  {"eingabe", TsSkizzeTyp::stEingabe, false},
                                                  {"alle", TsSkizzeTyp::stAnsicht, true},
                                                  {"elevation", TsSkizzeTyp::stAnsicht, false},
                                                  {"plan", TsSkizzeTyp::stDraufsicht, false},
                                                  {"section", TsSkizzeTyp::stSchnitt, false},
                                                  {"row", TsSkizzeTyp::stDornReihe, false},
                                                  {"input", TsSkizzeTyp::stEingabe, false},
                                                  {"all", TsSkizzeTyp::stAnsicht, true}}};

int Fehler(const std::string& text) {
    return Befehlsfehler("sketch", text);
}

}  // namespace

int SkizzeBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(argumente, {"--position", "--view", "--size", "--output"}, {"--help"},
                                      {{"-o", "--output"}, {"-h", "--help"}});
    if (const auto ende = Befehlsanfang(a, "sketch", Hilfe)) return *ende;
    const auto ansicht = a.Wert("--view");
    const auto ausgabe = a.Wert("--output");
    if (!ansicht || !ausgabe) return Fehler(translate("Kommandozeile", "--view und -o sind nötig"));
    QString formatfehler;
    const auto format = FormatWaehlen(Ausgabe::Skizze, *ausgabe, formatfehler);
    if (!format) return Fehler(formatfehler.toStdString());
    const auto wahl = std::find_if(Ansichten.begin(), Ansichten.end(),
                                   [&](const Ansichtsname& name) { return name.name == *ansicht; });
    if (wahl == Ansichten.end())
        return Fehler(Einsetzen(
            translate("Kommandozeile",
                      "unbekannte Ansicht '%1' (ansicht, draufsicht, schnitt, reihe, eingabe oder alle)"),
            {*ansicht}));
    const auto position = PositionsOption(a);
    if (!position) return Fehler(translate("Kommandozeile", "--position braucht eine Positionsnummer ab 1"));
    int nummer = *position;
    int seite = wahl->alleVier ? 1000 : 500;
    if (const auto text = a.Wert("--size")) {
        const auto p = Positionsnummer(*text);
        if (!p || *p < 50 || *p > 10000)
            return Fehler(translate("Kommandozeile", "--size braucht eine Pixelzahl von 50 bis 10000"));
        seite = *p;
    }

    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    if (!LadeProjekt(sitzung, a.worte.front(), "sketch")) return ExitDateiFehler;
    nummer = WaehlePosition(sitzung, nummer, "sketch");
    if (nummer == 0) return ExitDateiFehler;
    // The result sketches of a position without results would draw a record no design filled: as the
    // report, such a position is checked and designed first.
    if ((wahl->alleVier || wahl->typ != TsSkizzeTyp::stEingabe) &&
        !sitzung.Position(nummer).cErgebnisse.GetBerechnet()) {
        const Berechnung berechnung = sitzung.PositionBerechnen(nummer);
        MeldePruefung("zavr-cli sketch: ", berechnung);
        if (!berechnung.bemessen) return ExitPruefungFehlgeschlagen;
    }
    BildAnwendungSicherstellen();
    const TKFarbe farbe;
    const Bildauftrag auftrag{sitzung.Modell(),    sitzung.Position(nummer), farbe, wahl->typ, wahl->alleVier,
                              QSize(seite, seite), umgebung.Dezimaltrenner()};
    const QString fehler = SkizzeSpeichern(*ausgabe, *format, auftrag);
    return fehler.isEmpty()
               ? ExitOk
               : Fehler(Einsetzen(translate("Kommandozeile", "Bild konnte nicht geschrieben werden: %1: %2"),
                                  {*ausgabe, fehler.toStdString()}));
}
