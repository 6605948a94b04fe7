#pragma once

#include "calc/Dornkontext.h"
#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/TKGeometrie.h"
#include "model/Umgebung.h"

// One dowel type on its own, for the resistance and reinforcement steps: geometry, catalogue record and
// result record filled like a design run does before it arranges the dowels.
struct EinDorn {
    explicit EinDorn(TsDorn dorn, double plattendicke = 240, TsBetonguete guete = TsBetonguete::C20_25)
        : ergebnis(dorn), guete(guete) {
        geometrie.SetPlatteDicke(plattendicke);
        daten.SetDorn(dorn, geometrie.GetFugenbreite(), plattendicke);
    }
    Dornkontext Kontext() { return {geometrie, guete, daten, ergebnis, umgebung}; }

    TKGeometrie geometrie;
    TKDornDaten daten;
    TKDornErgebnis ergebnis;
    TsBetonguete guete;
    StandardUmgebung umgebung;
};
