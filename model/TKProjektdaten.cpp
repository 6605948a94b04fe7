#include "model/TKProjektdaten.h"

#include "model/Umgebung.h"

TKProjektdaten::TKProjektdaten(const Umgebung& umgebung) : TDatum(umgebung.HeuteKurz()) {}
