#include "sitzung/Ergebniszeilen.h"

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Texte.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

std::vector<Ergebniszeile> Ergebniszeilen(const TKAnwendung& anwendung, const Umgebung& umgebung) {
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    const std::vector<std::string> status = Textliste(TextListe::StatusKurz, umgebung);
    const char trenner = umgebung.Dezimaltrenner();
    std::vector<Ergebniszeile> zeilen;
    for (const TsDorn dorn : Katalog().Zeilenfolge()) {
        const TKDornErgebnis& e = ergebnisse.cDornErgebnis[static_cast<std::size_t>(Ord(dorn))];
        const int code = e.GetStatus();
        zeilen.push_back(
            {dorn, DornName(dorn), AusnutzungText(e.GetVRdIst(), e.GetVRds(), trenner),
             AusnutzungText(e.GetVRdIst(), e.GetVRdct(), trenner),
             AusnutzungText(e.GetVRdIst(), e.GetVRdce(), trenner), ergebnisse.GetAnzDorn(dorn), code,
             code >= 0 && code < static_cast<int>(status.size()) ? status[code] : std::string()});
    }
    return zeilen;
}
