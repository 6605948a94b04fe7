#include "model/TKErgebnisse.h"

#include <utility>

namespace {

template <std::size_t... I>
std::array<TKDornErgebnis, AnzahlDorne> DornErgebnisse(std::index_sequence<I...>) {
    return {TKDornErgebnis(static_cast<TsDorn>(I))...};
}

}  // namespace

TKErgebnisse::TKErgebnisse(TsLand pLand)
    : cDornErgebnis(DornErgebnisse(std::make_index_sequence<AnzahlDorne>{})) {
    for (int d = 0; d < AnzahlDorne; ++d) {
        cDornDaten[d].SetVRds_Data(pLand);
        cDornDaten[d].SetDorn(static_cast<TsDorn>(d), cGeometrie.GetFugenbreite(),
                              cGeometrie.GetPlatteDicke());
    }
    TAnzDorn.fill(1);
}

void TKErgebnisse::ResetAktDorn(TsDorn pAktDorn) {
    TAktDorn = pAktDorn;
    cDornDaten[Ord(pAktDorn)].SetDorn(pAktDorn, cGeometrie.GetFugenbreite(), cGeometrie.GetPlatteDicke());
}
