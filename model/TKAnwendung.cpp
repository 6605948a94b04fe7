#include "model/TKAnwendung.h"

#include <cassert>

#include "model/Katalog.h"
#include "model/Umgebung.h"

namespace {
// Ordinal distance of the Polish grade names from the German ones.
constexpr int PolnischeGueten = Ord(TsBetonguete::PB25);
constexpr int AnzahlAuswahlGueten = 7;
}  // namespace

TsLand LandAusSprache(unsigned long pSprache) {
    switch (pSprache) {
        case 21:
            return TsLand::plk;
        case 2057:
            return TsLand::eng;
        default:
            return TsLand::deu;
    }
}

TKAnwendung::TKAnwendung(const Umgebung& umgebung)
    : TKAnwendung(LandAusSprache(static_cast<unsigned long>(umgebung.IDSprache())),
                  AusOrdinal(umgebung.Bemessung(), TsMaxDornabstand::daOhne)) {}

TKAnwendung::TKAnwendung(TsLand pLand, TsMaxDornabstand pMaxDornabstand)
    : cErgebnisse(pLand), TAktLand(pLand), TMaxDornabstand(pMaxDornabstand) {}

void TKAnwendung::SetBetongueteAuswahl(int pAuswahl, TsLand pLand) {
    const bool gueltig = pAuswahl >= 0 && pAuswahl < AnzahlAuswahlGueten;
    assert(gueltig && "concrete grade selection out of range");
    if (!gueltig) return;
    TBetonguete = static_cast<TsBetonguete>(pLand == TsLand::plk ? pAuswahl + PolnischeGueten : pAuswahl);
}

int TKAnwendung::GetBetongueteAuswahl(TsLand pLand) const {
    return pLand == TsLand::plk ? Ord(TBetonguete) - PolnischeGueten : Ord(TBetonguete);
}

std::string TKAnwendung::GetManschette() const {
    if (TFeuerwiderstand == TsFeuerwiderstand::F0) return "";
    return DornName(cErgebnisse.GetAktDorn()) + "-" +
           ManschettenName(cErgebnisse.cGeometrie.GetFugenbreite());
}
