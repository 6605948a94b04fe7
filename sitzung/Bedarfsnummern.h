#pragma once

#include <string>

#include "model/TKStueckliste.h"

// Entries of the bill of quantities name the position they were made from by its number (line 6, as the
// project file stores it). These keep that name true when positions are removed.

// Whether line 6 of the entry names position `nummer`; blanks around the number do not count.
bool EintragVon(const TKStueckliste::Eintrag& eintrag, int nummer);
// The number of entries made from position `nummer`.
int AnzahlEintraegeVon(const TKStueckliste& liste, int nummer);

// The bill after position `nummer` was removed: its entries are removed (`entfernen`) or keep no position
// (an empty number, so that no later position is taken for theirs), and entries of later positions take the
// numbers their positions have now.
void PositionEntfernt(TKStueckliste& liste, int nummer, bool entfernen);
