#include <string>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Befehlsanfang.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "output/Nachweisausgabe.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Hilfe =
    "Aufruf: zavr-cli report EINGABE.ZAV [--position N] -o AUSGABE.pdf|.svg|.png\n"
    "\n"
    "Schreibt den Berechnungsnachweis einer Position für ihren gewählten Dorntyp, ohne Bildschirm.\n"
    "Eine Position ohne Ergebnisse wird zuerst bemessen, wenn sie die Prüfungen der Eingaben besteht.\n"
    "  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)\n"
    "  -o DATEI       .pdf alle Seiten, je eine PDF-Seite; .svg Kopf und erste Seite; .png, .jpg, .bmp\n"
    "                 das Bild der ersten Seite (96 dpi)\n"
    "\n"
    "Zahlen verwenden den Dezimaltrenner der Ländereinstellung (LC_ALL, LC_NUMERIC, LANG).\n"
    "\n"
    "Rückgabewert: 0 geschrieben; 1 die Position hat die Prüfungen nicht bestanden; 2 die Datei ist nicht\n"
    "lesbar oder nicht schreibbar oder die Argumente sind falsch.\n";

int Fehler(const std::string& text) {
    return Befehlsfehler("report", text);
}

}  // namespace

int ReportBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(argumente, {"--position", "--output"}, {"--help"},
                                      {{"-o", "--output"}, {"-h", "--help"}});
    if (const auto ende = Befehlsanfang(a, "report", Hilfe)) return *ende;
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return Fehler("-o ist nötig");
    const auto position = PositionsOption(a);
    if (!position) return Fehler("--position braucht eine Positionsnummer ab 1");

    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    if (!LadeProjekt(sitzung, a.worte.front(), "report")) return ExitDateiFehler;
    const int nummer = WaehlePosition(sitzung, *position, "report");
    if (nummer == 0) return ExitDateiFehler;
    // As the preview command of the program: a position without results is checked and designed first.
    if (!sitzung.Position(nummer).cErgebnisse.GetBerechnet()) {
        const Berechnung berechnung = sitzung.PositionBerechnen(nummer);
        MeldePruefung("zavr-cli report: ", berechnung);
        if (!berechnung.bemessen) return ExitPruefungFehlgeschlagen;
    }
    const std::string fehler = NachweisAlsDatei(sitzung.Modell(), nummer, *ausgabe);
    return fehler.empty() ? ExitOk : Fehler(fehler);
}
