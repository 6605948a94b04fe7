#include "cli/ErgebnisTabelle.h"

#include <cstdio>
#include <string>

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Texte.h"
#include "model/Umgebung.h"
#include "sitzung/Ergebniszeilen.h"

namespace {

// Pads to `breite` characters; UTF-8 continuation bytes take no column.
std::string Spalte(const std::string& text, std::size_t breite, bool rechts) {
    std::size_t zeichen = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++zeichen;
    const std::string fuellung(zeichen < breite ? breite - zeichen : 0, ' ');
    return rechts ? fuellung + text : text + fuellung;
}

void Zeile(std::ostream& aus, const std::array<std::string, 6>& zellen) {
    aus << Spalte(zellen[0], 14, false) << Spalte(zellen[1], 7, true) << Spalte(zellen[2], 7, true)
        << Spalte(zellen[3], 7, true) << Spalte(zellen[4], 6, true) << "  " << zellen[5] << '\n';
}

}  // namespace

void SchreibeErgebnisTabelle(std::ostream& aus, const TKAnwendung& anwendung, const Dornwahl& wahl,
                             const Umgebung& umgebung) {
    const auto titel = [&umgebung](int spalte) { return Text(TextListe::ErgebnisSpalten, spalte, umgebung); };
    Zeile(aus, {titel(0), "η" + titel(1), "η" + titel(2), "η" + titel(3), "ν" + titel(4), titel(5)});
    for (const Ergebniszeile& z : Ergebniszeilen(anwendung, umgebung))
        Zeile(aus, {z.name, z.etaS, z.etaCt, z.etaCe, std::to_string(z.anzahl), z.bemerkung});
    if (wahl.zustand == Wahlzustand::KeinGueltigerDorn) {
        aus << DornwahlText(wahl, umgebung) << '\n';
        return;
    }
    aus << umgebung.translate("Kommandozeile", "Gewählter Dorn: ") << DornwahlText(wahl, umgebung);
    if (const std::string manschette = anwendung.GetManschette(); wahl.Zulaessig() && !manschette.empty())
        aus << "  +  " << manschette;
    aus << '\n';
}
