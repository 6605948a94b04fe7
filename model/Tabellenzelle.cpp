#include "model/Tabellenzelle.h"

#include <algorithm>
#include <cmath>

#include "model/Katalog.h"

std::vector<double> Dicken(const Tabellenauswahl& auswahl, TsDorn dorn) {
    const double hMin = Katalog()[dorn].Kennung.MinBauteildicke;
    const double von = auswahl.hVon.value_or(hMin);
    const double bis = auswahl.hBis.value_or(std::max(500.0, hMin + 200));
    std::vector<double> dicken;
    if (!(auswahl.hSchritt > 0) || !(bis >= von)) return dicken;
    // Counted in steps, so that a step of 0.1 cm does not drift past the end.
    const double schritte =
        std::min(std::floor((bis - von) / auswahl.hSchritt + 1e-9), static_cast<double>(MaxTabellenpunkte));
    for (double i = 0; i <= schritte; ++i) dicken.push_back(von + i * auswahl.hSchritt);
    return dicken;
}

std::size_t AnzahlPunkte(const Tabellenauswahl& auswahl) {
    std::size_t dicken = 0;
    for (TsDorn dorn : auswahl.dorne) dicken += Dicken(auswahl, dorn).size();
    return dicken * auswahl.gueten.size() * auswahl.fugen.size() * auswahl.brandschutz.size() *
           auswahl.methoden.size();
}
