#include "model/TKErgebnisse.h"

#include "model/Katalog.h"

TKErgebnisse::TKErgebnisse(TsLand pLand) {
    const Dornkatalog& katalog = Katalog();
    cDornDaten.reserve(static_cast<std::size_t>(katalog.Anzahl()));
    cDornErgebnis.reserve(static_cast<std::size_t>(katalog.Anzahl()));
    for (const TsDorn dorn : katalog.Typen()) {
        cDornDaten.emplace_back(pLand, dorn, cGeometrie.GetFugenbreite(), cGeometrie.GetPlatteDicke());
        cDornErgebnis.emplace_back(dorn);
    }
    TAnzDorn.assign(static_cast<std::size_t>(katalog.Anzahl()), 1);
}

void TKErgebnisse::ResetAktDorn(TsDorn pAktDorn) {
    TAktDorn = pAktDorn;
    cDornDaten[Ord(pAktDorn)].SetDorn(pAktDorn, cGeometrie.GetFugenbreite(), cGeometrie.GetPlatteDicke());
}
