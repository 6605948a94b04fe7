#pragma once

#include "sitzung/Projektsitzung.h"

// Tests set up a project directly, past the session's inputs and their history.
struct Sitzungszugang {
    static TKModell& Modell(Projektsitzung& sitzung) { return sitzung.modell_; }
    static TKAnwendung& Arbeitskopie(Projektsitzung& sitzung) { return sitzung.arbeitskopie_; }
};
