#pragma once

#include "model/TKAnwendung.h"
#include "model/Typen.h"

// Admissibility checks of one dowel type after its design: fills the error and warning lists, the
// spacing-information flag and TEtaQ, and stores the status (the code of the last failing check, 0 when
// all pass). `abgebrochen` marks a design that hit an iteration bound; it fails like an overloaded dowel.
void PruefeStatus(TKAnwendung& anwendung, TsDorn dorn, bool abgebrochen);
