#include "cli/Projekt.h"

#include <iostream>

#include "sitzung/Projektsitzung.h"

bool LadeProjekt(Projektsitzung& sitzung, const std::string& pfad, const std::string& befehl) {
    const Dateiergebnis ergebnis = sitzung.Oeffnen(pfad);
    if (!ergebnis && !ergebnis.grund.empty())
        std::cerr << "zavr-cli " << befehl << ": " << pfad << ": " << ergebnis.grund << '\n';
    return ergebnis.ok;
}

int WaehlePosition(const Projektsitzung& sitzung, int nummer, const std::string& befehl) {
    const int anzahl = sitzung.Modell().GetAnzAnwendung();
    if (nummer == 0) nummer = sitzung.Modell().GetAktAnwendung();
    if (nummer < 1 || nummer > anzahl) {
        std::cerr << "zavr-cli " << befehl << ": das Projekt hat " << anzahl << " Position(en), nicht "
                  << nummer << '\n';
        return 0;
    }
    return nummer;
}

void MeldePruefung(const std::string& vorsatz, const Berechnung& berechnung) {
    for (const std::string& hinweis : berechnung.pruefung.Hinweise) std::cerr << vorsatz << hinweis << '\n';
    if (berechnung.bemessen && berechnung.pruefung.KonstanterAbstandFrage)
        std::cerr << vorsatz << "Warnung: " << HinweisKonstanterAbstand
                  << " Die Bemessung wird trotzdem durchgeführt.\n";
}
