#include "model/TKErgebnisse.h"

#include <utility>

namespace {

template <std::size_t... I>
std::array<TKDornDaten, AnzahlDorne> DornDatenFuer(TsLand land, const TKGeometrie& geometrie,
                                                   std::index_sequence<I...>) {
    std::array<TKDornDaten, AnzahlDorne> daten{TKDornDaten((static_cast<void>(I), land))...};
    for (int d = 0; d < AnzahlDorne; ++d)
        daten[d].SetDorn(static_cast<TsDorn>(d), geometrie.GetFugenbreite(), geometrie.GetPlatteDicke());
    return daten;
}

template <std::size_t... I>
std::array<TKDornErgebnis, AnzahlDorne> DornErgebnisse(std::index_sequence<I...>) {
    return {TKDornErgebnis(static_cast<TsDorn>(I))...};
}

}  // namespace

TKErgebnisse::TKErgebnisse(TsLand pLand)
    : cDornDaten(DornDatenFuer(pLand, cGeometrie, std::make_index_sequence<AnzahlDorne>{})),
      cDornErgebnis(DornErgebnisse(std::make_index_sequence<AnzahlDorne>{})) {
    TAnzDorn.fill(1);
}

void TKErgebnisse::ResetAktDorn(TsDorn pAktDorn) {
    TAktDorn = pAktDorn;
    cDornDaten[Ord(pAktDorn)].SetDorn(pAktDorn, cGeometrie.GetFugenbreite(), cGeometrie.GetPlatteDicke());
}
