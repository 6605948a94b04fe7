#pragma once

#include "model/TKAnwendung.h"
#include "model/Typen.h"

// Admissibility checks of one dowel type after its design: fills the error and warning lists, the
// spacing-information flag and TEtaQ, and stores the status (the code of the last failing check, 0 when
// all pass). A design that hit an iteration bound (`abgebrochen`) or a row without any arrangement gets code
// 2 and keeps status 2: the load could not be shown to be carried.
void PruefeStatus(TKAnwendung& anwendung, TsDorn dorn, bool abgebrochen);
