#include <string>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Befehlsanfang.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "output/Nachweisausgabe.h"
#include "output/Projektnachweis.h"
#include "output/Skizzenbild.h"
#include "output/TKFarbe.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Hilfe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli report EINGABE.ZAV [--position N] -o AUSGABE.pdf|.svg|.png\n"
    "       zavr-cli report EINGABE.ZAV --all -o AUSGABE.pdf\n"
    "\n"
    "Schreibt den Berechnungsnachweis einer Position für ihren gewählten Dorntyp, ohne Bildschirm.\n"
    "Eine Position ohne Ergebnisse wird zuerst bemessen, wenn sie die Prüfungen der Eingaben besteht.\n"
    "  --position N   die Position (gezählt ab 1; ohne Angabe die aktuelle Position des Projekts)\n"
    "  --all          der Nachweis des ganzen Projekts als ein PDF-Dokument: ein Deckblatt mit den\n"
    "                 Projektdaten und einer Übersicht aller Positionen, dann die Seiten jeder Position;\n"
    "                 die Seitenzahlen laufen durch das ganze Dokument. Eine Position, die die Prüfungen\n"
    "                 nicht besteht, steht mit ihren Hinweisen auf dem Deckblatt und hat keine Seiten.\n"
    "  -o DATEI       .pdf alle Seiten, je eine PDF-Seite; .svg Kopf und erste Seite; .png, .jpg, .bmp\n"
    "                 das Bild der ersten Seite (96 dpi)\n"
    "\n"
    "Texte und Zahlen folgen der Sprache und dem Dezimaltrenner des Aufrufs (siehe `zavr-cli --help`).\n"
    "\n"
    "Rückgabewert: 0 geschrieben; 1 eine Position hat die Prüfungen nicht bestanden (mit --all ist das\n"
    "Dokument trotzdem geschrieben); 2 die Datei ist nicht lesbar oder nicht schreibbar oder die Argumente\n"
    "sind falsch.\n");

int Fehler(const std::string& text) {
    return Befehlsfehler("report", text);
}

// The whole project: positions without results are designed first; one that fails its checks is named
// here and on the cover page.
int Projekt(Projektsitzung& sitzung, const std::string& ausgabe, Ausgabeformat format) {
    const std::vector<Berechnung> berechnungen = sitzung.AlleBemessen();
    std::vector<Projektposition> positionen;
    bool bestanden = true;
    for (int nummer = 1; nummer <= static_cast<int>(berechnungen.size()); ++nummer) {
        const Berechnung& b = berechnungen[static_cast<std::size_t>(nummer - 1)];
        MeldePruefung("zavr-cli report: " +
                          Einsetzen(translate("Kommandozeile", "Position %1"), {std::to_string(nummer)}) +
                          ": ",
                      b);
        bestanden = bestanden && b.bemessen;
        positionen.push_back({sitzung.Position(nummer), b.pruefung.Hinweise});
    }
    BildAnwendungSicherstellen();
    const TKFarbe farbe;
    const Projektnachweis nachweis(sitzung.Modell(), std::move(positionen), farbe);
    const QString fehler = ProjektnachweisSpeichern(ausgabe, format, nachweis);
    if (!fehler.isEmpty()) return Fehler(ausgabe + ": " + fehler.toStdString());
    return bestanden ? ExitOk : ExitPruefungFehlgeschlagen;
}

}  // namespace

int ReportBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(argumente, {"--position", "--output"}, {"--help", "--all"},
                                      {{"-o", "--output"}, {"-h", "--help"}});
    if (const auto ende = Befehlsanfang(a, "report", Hilfe)) return *ende;
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return Fehler(translate("Kommandozeile", "-o ist nötig"));
    const auto position = PositionsOption(a);
    if (!position) return Fehler(translate("Kommandozeile", "--position braucht eine Positionsnummer ab 1"));

    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    if (a.Hat("--all") && a.Wert("--position"))
        return Fehler(translate("Kommandozeile", "--all und --position schließen sich aus"));
    QString formatfehler;
    const auto format =
        FormatWaehlen(a.Hat("--all") ? Ausgabe::Projektnachweis : Ausgabe::Nachweis, *ausgabe, formatfehler);
    if (!format) return Fehler(formatfehler.toStdString());
    if (!LadeProjekt(sitzung, a.worte.front(), "report")) return ExitDateiFehler;
    if (a.Hat("--all")) return Projekt(sitzung, *ausgabe, *format);
    const int nummer = WaehlePosition(sitzung, *position, "report");
    if (nummer == 0) return ExitDateiFehler;
    // As the preview command of the program: a position without results is checked and designed first.
    if (!sitzung.Position(nummer).cErgebnisse.GetBerechnet()) {
        const Berechnung berechnung = sitzung.PositionBerechnen(nummer);
        MeldePruefung("zavr-cli report: ", berechnung);
        if (!berechnung.bemessen) return ExitPruefungFehlgeschlagen;
    }
    const std::string fehler = NachweisAlsDatei(sitzung.Modell(), nummer, *ausgabe, *format);
    return fehler.empty() ? ExitOk : Fehler(*ausgabe + ": " + fehler);
}
