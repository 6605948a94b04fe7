#include "model/Bedarfsliste.h"

#include <algorithm>

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Zahlentext.h"

namespace {

const std::string Leer;
const std::string EinePosition = "1";  // an entry is made for one position; the user may raise it

}  // namespace

const char* Dokumenttitel(Bedarfsdokument art) {
    return art == Bedarfsdokument::Stueckliste ? Bedarfstexte::Stueckliste : Bedarfstexte::Ausschreibungstext;
}

TKStueckliste::Eintrag Bedarfseintrag(const TKAnwendung& anwendung, const std::string& nummer,
                                      char dezimaltrenner) {
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    const TsDorn dorn = ergebnisse.GetAktDorn();
    const std::string dorne = std::to_string(ergebnisse.GetAnzDorn(dorn));
    TKStueckliste::Eintrag eintrag(Bedarfszeile::Anzahl);
    eintrag[Bedarfszeile::Position] = anwendung.GetPosition();
    eintrag[Bedarfszeile::AnzPos] = EinePosition;
    eintrag[Bedarfszeile::AnzDorne] = dorne;
    eintrag[Bedarfszeile::Bezeichnung] = DornName(dorn);
    eintrag[Bedarfszeile::SumDorne] = dorne;
    eintrag[Bedarfszeile::Status] = StatusAktiv;
    eintrag[Bedarfszeile::LfdNr] = nummer;
    eintrag[Bedarfszeile::Manschette] = anwendung.GetManschette();
    eintrag[Bedarfszeile::VRdZul] =
        FestkommaText(ergebnisse.cDornErgebnis[Ord(dorn)].GetVRdZul(), 1, dezimaltrenner);
    eintrag[Bedarfszeile::Dorn] = std::to_string(Ord(dorn));
    return eintrag;
}

const std::string& Zeile(const TKStueckliste::Eintrag& eintrag, std::size_t zeile) {
    return zeile < eintrag.size() ? eintrag[zeile] : Leer;
}

bool IstAktiv(const TKStueckliste::Eintrag& eintrag) {
    return Zeile(eintrag, Bedarfszeile::Status) == StatusAktiv;
}

bool MitManschette(const TKStueckliste::Eintrag& eintrag) {
    return !Zeile(eintrag, Bedarfszeile::Manschette).empty();
}

void AktivSetzen(TKStueckliste::Eintrag& eintrag, bool aktiv) {
    eintrag.resize(std::max(eintrag.size(), std::size_t{Bedarfszeile::Anzahl}));
    eintrag[Bedarfszeile::Status] = aktiv ? StatusAktiv : StatusNichtAktiv;
}

void AnzahlGleicherPositionSetzen(TKStueckliste::Eintrag& eintrag, int anzahl) {
    eintrag.resize(std::max(eintrag.size(), std::size_t{Bedarfszeile::Anzahl}));
    // A count that is not a number (a hand-edited file) counts no dowels rather than guessing.
    const long long dorne = LeseInteger(eintrag[Bedarfszeile::AnzDorne]).value_or(0);
    eintrag[Bedarfszeile::AnzPos] = std::to_string(anzahl);
    eintrag[Bedarfszeile::SumDorne] = std::to_string(dorne * anzahl);
}

std::vector<TKStueckliste::Eintrag> AktiveEintraege(const TKStueckliste& liste) {
    std::vector<TKStueckliste::Eintrag> aktive;
    for (int nr = 1; nr <= liste.GetCountEintraege(); ++nr) {
        TKStueckliste::Eintrag eintrag = liste.GetEintrag(nr);
        if (IstAktiv(eintrag)) aktive.push_back(std::move(eintrag));
    }
    return aktive;
}
