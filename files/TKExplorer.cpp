#include "files/TKExplorer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <system_error>

#include "files/ProjektTexte.h"
#include "files/TKDateiTransfer.h"
#include "model/Texte.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace {

// No project of this program holds more positions; a larger count is a damaged file, listed up to here.
constexpr int HoechstePositionen = UINT16_MAX;

}  // namespace

std::string FugenlaengeText(double millimeter, char dezimaltrenner) {
    const double meter = millimeter / 1000;
    if (!std::isfinite(meter)) return FloatText(meter, dezimaltrenner) + " m";
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", meter);
    std::string ergebnis(text);
    if (const auto punkt = ergebnis.find('.'); punkt != std::string::npos) ergebnis[punkt] = dezimaltrenner;
    return ergebnis + " m";
}

bool TKExplorer::ReadFromFile(const std::string& pFileName) {
    TKDateiTransfer s(umgebung_->Dezimaltrenner());
    try {
        s.ReadFile(pFileName);
    } catch (const std::system_error&) {
        throw;
    } catch (const std::exception&) {
        return false;  // read, but its text could not be held
    }
    const std::string version = s.ReadString("Programm", "Version");
    const std::string programm = s.ReadString("Programm", "Name");
    if (version != DateiVersion) {
        umgebung_->Meldung(MeldungKeineProjektdatei);
        return false;
    }
    const int anzahl = s.ReadInteger("HauptMaske", "TAnzAnwendung", 0);
    const std::string bauvorhaben = s.ReadString("ProjektDaten", "TBauvorhaben");
    const std::string datum = s.ReadString("ProjektDaten", "TDatum");
    // What was listed before a failure stays listed.
    try {
        for (int p = 1; p <= std::min(anzahl, HoechstePositionen); ++p) {
            const std::string nr = std::to_string(p);
            Projekt zeilen(AnzahlZeilen);
            zeilen[Position] = s.ReadString("Position_" + nr, "TPosition");
            zeilen[Programm] = programm;
            zeilen[Bauvorhaben] = bauvorhaben;
            zeilen[Anwendungsfall] = Text(TextListe::Anwendungsfall,
                                          s.ReadInteger("Position_" + nr, "TAnwendungsfall", 0), *umgebung_);
            zeilen[Fugenlaenge] = FugenlaengeText(s.ReadFloat("Geometrie_" + nr, "TFugenlaenge", 0),
                                                  umgebung_->Dezimaltrenner());
            zeilen[Datum] = datum;
            AddProjekt(zeilen);
        }
    } catch (const std::exception&) {
    }
    return true;
}
