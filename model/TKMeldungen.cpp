#include "model/TKMeldungen.h"

#include <algorithm>

void TKMeldungen::SetMeldung(std::uint16_t pMeldung) {
    if (std::find(TMeldungen.begin(), TMeldungen.end(), pMeldung) == TMeldungen.end())
        TMeldungen.push_back(pMeldung);
}
