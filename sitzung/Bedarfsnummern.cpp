#include "sitzung/Bedarfsnummern.h"

#include <optional>

#include "model/Bedarfsliste.h"
#include "model/Zahlentext.h"

namespace {

std::optional<int> Nummer(const TKStueckliste::Eintrag& eintrag) {
    return LeseInteger(Zeile(eintrag, Bedarfszeile::LfdNr));
}

}  // namespace

bool EintragVon(const TKStueckliste::Eintrag& eintrag, int nummer) {
    return Nummer(eintrag) == nummer;
}

int AnzahlEintraegeVon(const TKStueckliste& liste, int nummer) {
    int anzahl = 0;
    for (int nr = 1; nr <= liste.GetCountEintraege(); ++nr)
        anzahl += EintragVon(liste.GetEintrag(nr), nummer);
    return anzahl;
}

void PositionEntfernt(TKStueckliste& liste, int nummer, bool entfernen) {
    for (int nr = liste.GetCountEintraege(); nr >= 1; --nr) {
        TKStueckliste::Eintrag eintrag = liste.GetEintrag(nr);
        const std::optional<int> position = Nummer(eintrag);
        if (!position || *position < nummer || eintrag.size() <= Bedarfszeile::LfdNr) continue;
        if (*position == nummer && entfernen) {
            liste.RemoveEintrag(nr);
            continue;
        }
        eintrag[Bedarfszeile::LfdNr] = *position == nummer ? std::string() : std::to_string(*position - 1);
        liste.ChangeEintrag(eintrag, nr);
    }
}
