#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Befehle.h"
#include "cli/Kommandozeile.h"

namespace {

constexpr Befehl Befehle[] = {
    {"design",
     QT_TRANSLATE_NOOP("Kommandozeile", "Positionen eines Projekts bemessen und die Ergebnisliste ausgeben"),
     DesignBefehl},
    {"dxf", QT_TRANSLATE_NOOP("Kommandozeile", "Bewehrungsplan oder Dornzeichnung als DXF-Datei schreiben"),
     DxfBefehl},
    {"set", QT_TRANSLATE_NOOP("Kommandozeile", "Eingaben einer Position mit den Grenzen des Programms ändern"),
     SetBefehl},
#ifdef ZAVR_SKIZZEN
    {"sketch",
     QT_TRANSLATE_NOOP("Kommandozeile",
                       "eine Skizze einer Position als Bild (PNG, SVG, JPEG, BMP) schreiben"),
     SkizzeBefehl},
    {"report",
     QT_TRANSLATE_NOOP("Kommandozeile", "den Berechnungsnachweis einer Position als PDF oder Bild schreiben"),
     ReportBefehl},
    {"bill",
     QT_TRANSLATE_NOOP("Kommandozeile",
                       "Stückliste oder Ausschreibungstext der Bedarfsliste als Text oder PDF schreiben"),
     BillBefehl},
    {"table",
     QT_TRANSLATE_NOOP("Kommandozeile",
                       "Tragfähigkeitstabellen für die Vorbemessung als CSV, PDF oder JSON schreiben"),
     TableBefehl},
#endif
};

constexpr const char* Allgemein = QT_TRANSLATE_NOOP(
    "Kommandozeile",
    "Allgemeine Optionen, vor oder nach dem Befehl:\n"
    "  --language de|en|pl  die Sprache aller Ausgaben: Texte, Tabellen, Nachweis, Stückliste,\n"
    "                       Ausschreibungstext und DXF-Zeichnungen. Ohne Angabe die Sprache, die das\n"
    "                       Programm zuletzt gestartet hat (IDSprache in zavr.INI), sonst die Sprache der\n"
    "                       Ländereinstellung (LC_ALL, LC_MESSAGES, LANG), sonst Deutsch.\n"
    "  --decimal ,|.        der Dezimaltrenner der Zahlen. Ohne Angabe der der gewählten Sprache (Englisch\n"
    "                       \".\", Deutsch und Polnisch \",\"), ohne --language der der Ländereinstellung\n"
    "                       (LC_ALL, LC_NUMERIC, LANG). JSON schreibt immer \".\" und in jeder Sprache\n"
    "                       dieselben Schlüssel.\n");

void Uebersicht(std::ostream& aus) {
    aus << translate("Kommandozeile",
                     "Aufruf: zavr-cli [--language de|en|pl] [--decimal ,|.] BEFEHL [OPTIONEN]")
        << "\n\n"
        << translate("Kommandozeile", "Befehle:") << '\n';
    for (const Befehl& b : Befehle)
        aus << "  " << b.name << std::string(12 - std::strlen(b.name), ' ')
            << translate("Kommandozeile", b.beschreibung) << '\n';
    aus << '\n'
        << translate("Kommandozeile", Allgemein) << '\n'
        << translate("Kommandozeile", "`zavr-cli BEFEHL --help` beschreibt die Optionen eines Befehls.")
        << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    const Sprachoptionen optionen = SprachoptionenEntnehmen(argumente);
    std::error_code ohneProc;  // without /proc only the user's settings are looked for
    const std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", ohneProc);
    Spracheinstellung sprache = SpracheBestimmen(optionen, programm.parent_path());
    if (!SpracheFestlegen(sprache)) {
        if (optionen.kennung) {
            std::cerr
                << translate(
                       "Kommandozeile",
                       "zavr-cli: --language: dieses Programm ist ohne Qt gebaut und spricht nur Deutsch")
                << '\n';
            return ExitDateiFehler;
        }
        sprache.kennung = 1031;  // a build without catalogues speaks German unless asked for another language
        SpracheFestlegen(sprache);
    }
    if (optionen.fehler == "--language") {
        std::cerr << translate("Kommandozeile", "zavr-cli: --language braucht de, en oder pl") << '\n';
        return ExitDateiFehler;
    }
    if (optionen.fehler == "--decimal") {
        std::cerr << translate("Kommandozeile", "zavr-cli: --decimal braucht \",\" oder \".\"") << '\n';
        return ExitDateiFehler;
    }
    if (argumente.empty()) {
        Uebersicht(std::cerr);
        return ExitDateiFehler;
    }
    if (argumente[0] == "--help" || argumente[0] == "-h") {
        Uebersicht(std::cout);
        return ExitOk;
    }
    for (const Befehl& b : Befehle)
        if (argumente[0] == b.name) return b.ausfuehren({argumente.begin() + 1, argumente.end()});
    std::cerr << Einsetzen(translate("Kommandozeile", "zavr-cli: unbekannter Befehl \"%1\""), {argumente[0]})
              << "\n\n";
    Uebersicht(std::cerr);
    return ExitDateiFehler;
}
