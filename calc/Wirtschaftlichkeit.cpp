#include "calc/Wirtschaftlichkeit.h"

#include "model/Katalog.h"

double Kosten(const TKAnwendung& anwendung, TsDorn dorn) {
    const double n = anwendung.cErgebnisse.GetAnzDorn(dorn);
    double kosten = n * DornPreis(dorn);
    if (anwendung.GetFeuerwiderstand() == TsFeuerwiderstand::F90)
        kosten = kosten + n * ManschettenPreis(dorn);
    return kosten;
}

std::optional<TsDorn> WirtschaftlichsterDorn(const TKAnwendung& anwendung) {
    std::optional<TsDorn> gewaehlt;
    double beste = -1;
    for (const TsDorn dorn : Katalog().Typen()) {
        const TKDornErgebnis& ergebnis = anwendung.cErgebnisse.cDornErgebnis[Ord(dorn)];
        if (ergebnis.GetEtaQ() > 1) continue;
        if (ergebnis.GetStatus() != 0) {
            if (gewaehlt) break;
            continue;
        }
        const double kosten = Kosten(anwendung, dorn);
        if (kosten <= beste || beste < 0) {
            beste = kosten;
            gewaehlt = dorn;
        }
    }
    return gewaehlt;
}

std::optional<TsDorn> GuenstigsterDorn(const TKAnwendung& anwendung, TsDornFamilie familie) {
    std::optional<TsDorn> gewaehlt;
    double beste = -1;
    for (const TsDorn dorn : Katalog().Typen()) {
        if (Familie(dorn) != familie || anwendung.cErgebnisse.cDornErgebnis[Ord(dorn)].GetStatus() != 0)
            continue;
        const double kosten = Kosten(anwendung, dorn);
        if (kosten <= beste || beste < 0) {
            beste = kosten;
            gewaehlt = dorn;
        }
    }
    return gewaehlt;
}
