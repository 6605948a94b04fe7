#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"

namespace {

constexpr Befehl Befehle[] = {
    {"design", "Positionen eines Projekts bemessen und die Ergebnisliste ausgeben", DesignBefehl},
    {"dxf", "Bewehrungsplan oder Dornzeichnung als DXF-Datei schreiben", DxfBefehl},
#ifdef ZAVR_SKIZZEN
    {"sketch", "eine Skizze einer Position als Bild (PNG, SVG, JPEG, BMP) schreiben", SkizzeBefehl},
    {"report", "den Berechnungsnachweis einer Position als PDF oder Bild schreiben", ReportBefehl},
    {"bill", "Stückliste oder Ausschreibungstext der Bedarfsliste als Text oder PDF schreiben", BillBefehl},
    {"table", "Tragfähigkeitstabellen für die Vorbemessung als CSV, PDF oder JSON schreiben", TableBefehl},
#endif
};

void Uebersicht(std::ostream& aus) {
    aus << "Aufruf: zavr-cli BEFEHL [OPTIONEN]\n\nBefehle:\n";
    for (const Befehl& b : Befehle)
        aus << "  " << b.name << std::string(12 - std::strlen(b.name), ' ') << b.beschreibung << '\n';
    aus << "\n`zavr-cli BEFEHL --help` beschreibt die Optionen eines Befehls.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
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
    std::cerr << "zavr-cli: unbekannter Befehl \"" << argumente[0] << "\"\n\n";
    Uebersicht(std::cerr);
    return ExitDateiFehler;
}
