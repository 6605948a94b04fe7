#include "model/TKStueckliste.h"

#include <cassert>

TKStueckliste::Eintrag TKStueckliste::GetEintrag(int pNr) const {
    const bool gueltig = GueltigeNr(pNr);
    assert(gueltig && "bill-of-quantities entry number out of range");
    if (!gueltig) return {};
    return TEintrag[pNr - 1];
}

void TKStueckliste::ChangeEintrag(const Eintrag& pEintrag, int pNr) {
    const bool gueltig = GueltigeNr(pNr);
    assert(gueltig && "bill-of-quantities entry number out of range");
    if (!gueltig) return;
    TEintrag[pNr - 1] = pEintrag;
}

void TKStueckliste::RemoveEintrag(int pNr) {
    const bool gueltig = GueltigeNr(pNr);
    assert(gueltig && "bill-of-quantities entry number out of range");
    if (!gueltig) return;
    TEintrag.erase(TEintrag.begin() + (pNr - 1));
}
