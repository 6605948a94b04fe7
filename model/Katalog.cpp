#include "model/Katalog.h"

#include <cctype>

namespace {
const TrDornKennung& Kennung(TsDorn dorn) {
    return DornKennung[Ord(dorn)];
}
}  // namespace

double Querschnitt(int durchmesser) {
    for (std::size_t i = 0; i < StabDurchmesser.size(); ++i)
        if (StabDurchmesser[i] == durchmesser) return StabQuerschnitt[i];
    return StabQuerschnitt.back();
}

int DickenKlasse(TsDorn dorn, double bauteildicke) {
    const auto& schwellen = Kennung(dorn).Dickenschwellen;
    if (bauteildicke >= schwellen[2]) return 3;
    if (bauteildicke >= schwellen[1]) return 2;
    return 1;
}

std::string DornName(TsDorn dorn) {
    return Kennung(dorn).Name;
}
std::optional<TsDorn> DornAusName(std::string_view name) {
    const auto Schluessel = [](std::string_view text) {
        std::string ohneLeer;
        for (const char c : text)
            if (c != ' ') ohneLeer += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return ohneLeer;
    };
    const std::string gesucht = Schluessel(name);
    for (int d = 0; d < AnzahlDorne; ++d)
        if (Schluessel(DornName(static_cast<TsDorn>(d))) == gesucht) return static_cast<TsDorn>(d);
    return std::nullopt;
}

std::string DornDxfDatei(TsDorn dorn) {
    return Kennung(dorn).DxfDatei;
}
int DornZeichnungNr(TsDorn dorn) {
    return Kennung(dorn).ZeichnungNr;
}
double DornPreis(TsDorn dorn) {
    return Kennung(dorn).Preis;
}
double ManschettenPreis(TsDorn dorn) {
    return Kennung(dorn).ManschettenPreis;
}
double StandardBereichPosA(TsDorn dorn) {
    return Kennung(dorn).BereichPosA;
}
int MinStabDurchmesser(TsDorn dorn) {
    return Kennung(dorn).MinStabDurchmesser;
}

std::string ManschettenName(TsFugenbreite fugenbreite) {
    static constexpr std::array<const char*, 5> namen{"PRYL-20", "PRYL-20", "PRYL-40", "PRYL-40", "PRYL-60"};
    return namen[Ord(fugenbreite)];
}
