#include "cli/ErgebnisTabelle.h"

#include <cstdio>
#include <string>

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Texte.h"
#include "model/Zahlentext.h"

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

void SchreibeErgebnisTabelle(std::ostream& aus, const TKAnwendung& anwendung, char dezimaltrenner) {
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    Zeile(aus, {Text(TextListe::ErgebnisSpalten, 0), "η" + Text(TextListe::ErgebnisSpalten, 1),
                "η" + Text(TextListe::ErgebnisSpalten, 2), "η" + Text(TextListe::ErgebnisSpalten, 3),
                "ν" + Text(TextListe::ErgebnisSpalten, 4), Text(TextListe::ErgebnisSpalten, 5)});
    for (const int d : Zeilenfolge) {
        const auto dorn = static_cast<TsDorn>(d);
        const TKDornErgebnis& e = ergebnisse.cDornErgebnis[d];
        Zeile(aus, {DornName(dorn), AusnutzungText(e.GetVRdIst(), e.GetVRds(), dezimaltrenner),
                    AusnutzungText(e.GetVRdIst(), e.GetVRdct(), dezimaltrenner),
                    AusnutzungText(e.GetVRdIst(), e.GetVRdce(), dezimaltrenner),
                    std::to_string(ergebnisse.GetAnzDorn(dorn)), Text(TextListe::StatusKurz, e.GetStatus())});
    }
    aus << "Gewählter Dorn: " << DornName(ergebnisse.GetAktDorn());
    if (const std::string manschette = anwendung.GetManschette(); !manschette.empty())
        aus << "  +  " << manschette;
    aus << '\n';
}
