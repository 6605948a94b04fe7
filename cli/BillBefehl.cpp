#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Befehlsanfang.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "cli/Projekt.h"
#include "output/Bedarfsseiten.h"
#include "output/Skizzenbild.h"
#include "sitzung/Projektsitzung.h"

namespace {

constexpr const char* Hilfe = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Aufruf: zavr-cli bill EINGABE.ZAV --kind stueckliste|ausschreibung [--add-all] -o "
    "AUSGABE.txt|.pdf|.png\n"
    "\n"
    "Schreibt die Stückliste oder den Ausschreibungstext der Bedarfsliste eines Projekts, ohne Bildschirm.\n"
    "Nur aktive Einträge erscheinen.\n"
    "  --kind ART     stueckliste oder ausschreibung (englisch parts-list oder tender-text)\n"
    "  --add-all      nimmt zuerst jede Position der Reihe nach mit ihrer Nummer in die Bedarfsliste auf; "
    "ein\n"
    "                 Eintrag mit derselben Nummer wird ersetzt. Positionen ohne Ergebnisse werden zuerst\n"
    "                 geprüft und bemessen. Hat eine Position keinen zulässigen Dorn oder besteht sie die\n"
    "                 Prüfungen nicht, wird nichts geschrieben. Die Projektdatei bleibt unverändert.\n"
    "  -o DATEI       .txt der Textexport (80 Spalten, Windows-1252, CR LF); .pdf die gedruckten Seiten;\n"
    "                 .svg, .png, .jpg, .bmp die ganze Liste als ein Bild wie der Bildexport des Programms\n"
    "\n"
    "Rückgabewert: 0 geschrieben; 1 eine Position hat die Prüfungen nicht bestanden oder keinen zulässigen\n"
    "Dorn (nichts geschrieben);\n"
    "2 die Datei ist nicht lesbar oder nicht schreibbar oder die Argumente sind falsch.\n");

int Fehler(const std::string& text) {
    return Befehlsfehler("bill", text);
}

std::optional<Bedarfsdokument> Dokumentart(const std::string& text) {
    if (text == "stueckliste" || text == "parts-list") return Bedarfsdokument::Stueckliste;
    if (text == "ausschreibung" || text == "tender-text") return Bedarfsdokument::Ausschreibungstext;
    return std::nullopt;
}

// Names every position that kept the bill from being written, and why.
void MeldeNichtAufgenommen(const Projektsitzung& sitzung, const Sammelaufnahme& aufnahme) {
    const auto name = [&](int nummer) {
        return Einsetzen(translate("Kommandozeile", "Position %1 \"%2\""),
                         {std::to_string(nummer), sitzung.Position(nummer).GetPosition()});
    };
    for (int nummer : aufnahme.nichtBemessen)
        std::cerr << "zavr-cli bill: "
                  << Einsetzen(translate("Kommandozeile", "%1 hat die Prüfungen nicht bestanden"),
                               {name(nummer)})
                  << '\n';
    for (int nummer : aufnahme.unzulaessig)
        std::cerr << "zavr-cli bill: " << name(nummer) << ": " << sitzung.GewaehltText(nummer) << '\n';
    std::cerr << "zavr-cli bill: "
              << translate("Kommandozeile",
                           "die Bedarfsliste wird nicht geschrieben; ein unzulässiger Dorn wird nie bestellt")
              << '\n';
}

}  // namespace

int BillBefehl(const std::vector<std::string>& argumente) {
    const Argumente a = LeseArgumente(argumente, {"--kind", "--output"}, {"--add-all", "--help"},
                                      {{"-o", "--output"}, {"-h", "--help"}});
    if (const auto ende = Befehlsanfang(a, "bill", Hilfe)) return *ende;
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return Fehler(translate("Kommandozeile", "-o ist nötig"));
    const auto art = Dokumentart(a.Wert("--kind").value_or(""));
    if (!art) return Fehler(translate("Kommandozeile", "--kind braucht stueckliste oder ausschreibung"));
    const Dateiname datei(*ausgabe);
    QString formatfehler;
    const auto format = FormatWaehlen(Ausgabe::Bedarfsliste, datei, formatfehler);
    if (!format) return Fehler(formatfehler.toStdString());

    KonsolenUmgebung umgebung;
    Projektsitzung sitzung(umgebung);
    if (!LadeProjekt(sitzung, a.worte.front(), "bill")) return ExitDateiFehler;
    // Replacing an entry of the same number is the answer Yes to the program's question.
    umgebung.standardAntwort = Antwort::Ja;
    if (a.Hat("--add-all")) {
        const std::vector<Berechnung> berechnungen = sitzung.AlleBemessen();
        for (std::size_t i = 0; i < berechnungen.size(); ++i)
            MeldePruefung("zavr-cli bill: " +
                              Einsetzen(translate("Kommandozeile", "Position %1"), {std::to_string(i + 1)}) +
                              ": ",
                          berechnungen[i]);
        const Sammelaufnahme aufnahme = sitzung.AllePositionenAufnehmen(berechnungen);
        if (!aufnahme.Aufgenommen()) {
            MeldeNichtAufgenommen(sitzung, aufnahme);
            return ExitPruefungFehlgeschlagen;
        }
    }
    BildAnwendungSicherstellen();
    const QString fehler = BedarfslisteSpeichern(datei, *format, sitzung.Modell(), *art);
    return fehler.isEmpty() ? ExitOk : Fehler(*ausgabe + ": " + fehler.toStdString());
}
