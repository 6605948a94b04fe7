#include "calc/Wirtschaftlichkeit.h"

#include "model/Katalog.h"
#include "model/Texte.h"
#include "model/Umgebung.h"

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

Dornwahl GewaehlterDorn(const TKAnwendung& anwendung) {
    const TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    Dornwahl wahl;
    wahl.dorn = ergebnisse.GetAktDorn();
    wahl.status = ergebnisse.cDornErgebnis[Ord(wahl.dorn)].GetStatus();
    if (!ergebnisse.GetBerechnet())
        wahl.zustand = Wahlzustand::NichtBemessen;
    else if (wahl.status == 0)
        wahl.zustand = Wahlzustand::Zulaessig;
    else if (WirtschaftlichsterDorn(anwendung))
        wahl.zustand = Wahlzustand::Unzulaessig;
    else
        wahl.zustand = Wahlzustand::KeinGueltigerDorn;
    return wahl;
}

std::string DornwahlText(const Dornwahl& wahl, const Umgebung& umgebung) {
    switch (wahl.zustand) {
        case Wahlzustand::NichtBemessen:
            return umgebung.translate("Bemessung", "nicht bemessen");
        case Wahlzustand::Zulaessig:
            return DornName(wahl.dorn);
        case Wahlzustand::Unzulaessig:
            return DornName(wahl.dorn) + " " + umgebung.translate("Bemessung", "nicht zulässig") + " (" +
                   Text(TextListe::StatusKurz, wahl.status, umgebung) + ")";
        case Wahlzustand::KeinGueltigerDorn:
            break;
    }
    return umgebung.translate("Bemessung", "Kein gültiger Dorn gefunden");
}
