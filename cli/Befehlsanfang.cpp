#include "cli/Befehlsanfang.h"

#include <iostream>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Kommandozeile.h"

int Befehlsfehler(const std::string& befehl, const std::string& text) {
    std::cerr << "zavr-cli " << befehl << ": " << text << '\n';
    return ExitDateiFehler;
}

std::optional<int> Befehlsanfang(const Argumente& argumente, const std::string& befehl, const char* hilfe) {
    if (!argumente.fehler.empty()) return Befehlsfehler(befehl, argumente.fehler);
    if (argumente.Hat("--help")) {
        std::cout << translate("Kommandozeile", hilfe);
        return ExitOk;
    }
    if (argumente.worte.size() != 1)
        return Befehlsfehler(befehl, translate("Kommandozeile", "genau eine Eingabedatei angeben"));
    return std::nullopt;
}
