#pragma once

#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/TKGeometrie.h"
#include "model/Typen.h"

struct Umgebung;

// What the resistance and reinforcement steps of one dowel type work on: the geometry the results are
// computed for, the concrete grade, the type's working catalogue record and its result record. Restoring a
// snapshot assigns into the same records, so a context stays valid across snapshots.
struct Dornkontext {
    const TKGeometrie& geometrie;
    TsBetonguete betonguete;
    TKDornDaten& daten;
    TKDornErgebnis& ergebnis;
    Umgebung& umgebung;
};
