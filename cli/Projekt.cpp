#include "cli/Projekt.h"

#include <iostream>

#include "cli/Kommandozeile.h"
#include "sitzung/Projektsitzung.h"

bool LadeProjekt(Projektsitzung& sitzung, const std::string& pfad, const std::string& befehl) {
    const Dateiergebnis ergebnis = sitzung.Oeffnen(pfad);
    if (!ergebnis && !ergebnis.grund.empty())
        std::cerr << "zavr-cli " << befehl << ": " << pfad << ": " << ergebnis.grund << '\n';
    return ergebnis.ok;
}

std::string KeinePosition(int nummer, int anzahl) {
    return Einsetzen(
        translate("Kommandozeile", "Position %1 gibt es nicht; die letzte Position des Projekts ist %2"),
        {std::to_string(nummer), std::to_string(anzahl)});
}

int WaehlePosition(const Projektsitzung& sitzung, int nummer, const std::string& befehl) {
    const int anzahl = sitzung.Modell().GetAnzAnwendung();
    if (nummer == 0) nummer = sitzung.Modell().GetAktAnwendung();
    if (nummer < 1 || nummer > anzahl) {
        std::cerr << "zavr-cli " << befehl << ": " << KeinePosition(nummer, anzahl) << '\n';
        return 0;
    }
    return nummer;
}

void MeldePruefung(const std::string& vorsatz, const Berechnung& berechnung) {
    for (const std::string& hinweis : berechnung.pruefung.Hinweise) std::cerr << vorsatz << hinweis << '\n';
    if (berechnung.bemessen && berechnung.pruefung.KonstanterAbstandFrage)
        std::cerr << vorsatz
                  << Einsetzen(
                         translate("Kommandozeile", "Warnung: %1 Die Bemessung wird trotzdem durchgeführt."),
                         {translate("Vorpruefung", HinweisKonstanterAbstand)})
                  << '\n';
}
