#include "cli/Projekt.h"

#include <iostream>
#include <system_error>

#include "files/ProjektDatei.h"
#include "model/TKModell.h"

bool LadeProjekt(TKModell& modell, const std::string& pfad, const std::string& befehl) {
    try {
        if (ReadFromFile(modell, pfad)) return true;
        std::cerr << "zavr-cli " << befehl << ": " << pfad << " ist kein lesbares Projekt dieses Programms\n";
    } catch (const std::system_error& e) {
        std::cerr << "zavr-cli " << befehl << ": " << pfad
                  << " kann nicht gelesen werden: " << e.code().message() << '\n';
    }
    return false;
}

TKAnwendung* WaehlePosition(TKModell& modell, int nummer, const std::string& befehl) {
    const int anzahl = modell.GetAnzAnwendung();
    if (nummer == 0) nummer = modell.GetAktAnwendung();
    if (nummer < 1 || nummer > anzahl) {
        std::cerr << "zavr-cli " << befehl << ": das Projekt hat " << anzahl << " Position(en), nicht "
                  << nummer << '\n';
        return nullptr;
    }
    return &modell.cAnwendung[nummer - 1];
}
