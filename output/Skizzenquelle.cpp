#include "output/Skizzenquelle.h"

#include <cassert>

#include "model/Ergebnisgrenzen.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"

Skizzenquelle PositionsQuelle(const TKAnwendung& anwendung) {
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    const TsDorn dorn = ergebnisse.GetAktDorn();
    // Reading discards results beyond these bounds; the drawing loops over the counts.
    assert(!ErsteGrenzverletzung(ergebnisse, dorn) && "results beyond their bounds reach a sketch");
    return {anwendung.cGeometrie,
            ergebnisse.cDornDaten[Ord(dorn)],
            ergebnisse.cDornErgebnis[Ord(dorn)],
            ergebnisse.GetAnzDorn(dorn),
            anwendung.cBelastungDesign,
            anwendung.GetAnwendungsfall(),
            anwendung.GetFeuerwiderstand() != TsFeuerwiderstand::F0};
}

Skizzenquelle EingabeQuelle(const TKModell& modell, const TKAnwendung& anwendung) {
    Skizzenquelle quelle = PositionsQuelle(anwendung);
    return {modell.cEingabeGeometrie, modell.cEingabeDornDaten, quelle.DornErgebnis, quelle.AnzDorn,
            quelle.Belastung,         quelle.Anwendungsfall,    quelle.Brandschutz};
}
