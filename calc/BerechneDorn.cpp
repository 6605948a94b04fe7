#include "calc/TKZAVRBemessung.h"

#include <algorithm>

#include "calc/Bewehrung.h"
#include "calc/Ganzzahl.h"
#include "calc/Stabwahl.h"
#include "calc/Statuspruefung.h"
#include "calc/Widerstaende.h"

namespace {

// Snapshot of one type inside the result container. The steps between taking and restoring it change
// nothing but this type's catalogue record and the resistance fields of its result record, so restoring
// these restores the whole container; the records are assigned in place, so references to them stay valid.
// The copies live in the run's storage (`kopie`), whose lists keep their memory from type to type.
// Snapshots are taken only where the stored resistances belong to the catalogue record, so a restored
// state needs no new evaluation.
class Sicherung {
public:
    Sicherung(TKErgebnisse& ergebnisse, TsDorn dorn, Dornsicherung& kopie)
        : daten(ergebnisse.cDornDaten[Ord(dorn)]),
          ergebnis(ergebnisse.cDornErgebnis[Ord(dorn)]),
          kopie(kopie) {
        Nimm();
    }

    void Nimm() {
        kopie.daten = daten;
        kopie.werte = Widerstandswerte::Aus(ergebnis);
    }
    void StelleWiederHer() {
        daten = kopie.daten;
        kopie.werte.In(ergebnis);
    }

private:
    TKDornDaten& daten;
    TKDornErgebnis& ergebnis;
    Dornsicherung& kopie;
};

}  // namespace

bool TKZAVRBemessung::BerechneDorn(TsDorn pDorn, TsCalc pCalc) {
    if (!anwendung.cErgebnisse.GetBerechnet()) {
        Berechne();
        return PasstBewehrung(pDorn);
    }
    const Dornkontext k = Kontext(pDorn);
    TKDornErgebnis& e = k.ergebnis;
    e.cFehler.Reset();
    e.cWarnungen.Reset();
    e.SetVRds(VRds(k));
    e.SetVRdce(VRdce(k));
    e.SetVRDct(VRdct(k));
    if (pCalc == TsCalc::caAuto && anwendung.GetBewehrungCalc() == TsBewehrungCalc::bcOptimal) {
        if (e.GetVRdIst() > e.GetVRdct() && e.GetVRdct() < std::min(e.GetVRds(), e.GetVRdce()))
            Verstaerke(pDorn);
        else
            Vermindere(pDorn);
    }
    PruefeStatus(anwendung, pDorn, abgebrochen[Ord(pDorn)]);
    return PasstBewehrung(pDorn);
}

void TKZAVRBemessung::SpeichereVRdctVRdce(TsDorn dorn) {
    const Dornkontext k = Kontext(dorn);
    k.ergebnis.SetVRDct(VRdct(k));
    k.ergebnis.SetVRdce(VRdce(k));
}

bool TKZAVRBemessung::PasstBewehrung(TsDorn dorn) {
    const TKDornDaten& daten = anwendung.cErgebnisse.cDornDaten[Ord(dorn)];
    return Passt(anwendung.cErgebnisse.cGeometrie, daten, LeseDurchmesser(daten));
}

// More reinforcement while the punching resistance is short of the design shear. The stop test sees the
// resistances from before the step just made; the step after which the loop stops is undone.
void TKZAVRBemessung::Verstaerke(TsDorn dorn) {
    const Dornkontext k = Kontext(dorn);
    TKDornErgebnis& e = k.ergebnis;
    Sicherung sicherung(anwendung.cErgebnisse, dorn, sicherungskopie);
    for (int schritt = 0; e.GetVRdIst() > e.GetVRdct(); ++schritt) {
        if (schritt >= MaxSchritte) {
            abgebrochen[Ord(dorn)] = true;
            break;
        }
        if (!ErhoeheBewehrung(k)) break;
        if (e.GetVRdct() >= std::min(e.GetVRdce(), e.GetVRds())) break;
        SpeichereVRdctVRdce(dorn);
        sicherung.Nimm();
    }
    sicherung.StelleWiederHer();
}

// Less reinforcement while it is more than the design shear needs, with each of the three reduction steps
// in turn; the step that went too far is undone after each of them.
void TKZAVRBemessung::Vermindere(TsDorn dorn) {
    const Dornkontext k = Kontext(dorn);
    TKDornErgebnis& e = k.ergebnis;
    const auto reichtAus = [&e] { return e.GetVRdIst() < std::min(e.GetVRdct(), e.GetVRdce()); };
    Sicherung sicherung(anwendung.cErgebnisse, dorn, sicherungskopie);
    for (bool (*schritt)(const Dornkontext&) :
         {ReduziereBewehrung1, ReduziereBewehrung2, ReduziereBewehrung3}) {
        for (int n = 0; reichtAus(); ++n) {
            if (n >= MaxSchritte) {
                abgebrochen[Ord(dorn)] = true;
                break;
            }
            if (!schritt(k)) break;
            SpeichereVRdctVRdce(dorn);
            if (reichtAus()) sicherung.Nimm();
        }
        sicherung.StelleWiederHer();
    }
}
