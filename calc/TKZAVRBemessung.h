#pragma once

#include <deque>
#include <optional>
#include <string>

#include "calc/Bewehrung.h"
#include "calc/Dornkontext.h"
#include "calc/Dornverteilung.h"
#include "calc/Widerstaende.h"
#include "model/TKAnwendung.h"
#include "model/TKBelastung.h"
#include "model/Typen.h"

struct Umgebung;

// Storage for the snapshot of one type that the reinforcement loops take and restore.
struct Dornsicherung {
    TKDornDaten daten;
    Widerstandswerte werte;
};

// The design run of one position: for every dowel type the arrangement along the joint, the design shear
// per dowel, the resistances, the additional reinforcement and the admissibility status; then the choice of
// the most economical admissible type. All state lives in the position; computation messages go to
// `umgebung`.
class TKZAVRBemessung {
public:
    TKZAVRBemessung(TKAnwendung& anwendung, Umgebung& umgebung);

    // The whole run over the 21 types.
    void Berechne();
    // Arranges, loads and designs one type from its catalogue record.
    void DornAufteilung(TsDorn pDorn);
    // Recalculates resistances and status of one type; with caAuto and the optimised method it also adapts
    // the reinforcement. Returns whether the reinforcement fits into the slab thickness.
    bool BerechneDorn(TsDorn pDorn, TsCalc pCalc);
    // Layout step of one reinforcement position (for the reinforcement dialog as well).
    bool DornBewehrung(TKDornDaten& pDornDaten, const TKDornErgebnis& pDornErgebnis, TsPosTyp pPosTyp);

private:
    Dornkontext Kontext(TsDorn dorn);
    TKDornErgebnis& Ergebnis(TsDorn dorn);
    void BestimmeKennlaengen(TsDorn dorn);
    void OrdnePaarAn(TsDorn dorn, double kF);
    void OrdneReiheAn(TsDorn dorn, double kF);
    void OrdneEinzelnAn(TsDorn dorn, double kF);
    void BestimmeReihenanordnung(TsDorn dorn, double typAchs);
    void Reihendurchgang(TsDorn dorn, double kF);
    Verteilungslast& Reihenlast(double kF);
    double Tragfaehigkeit(TsDorn dorn);
    void Verstaerke(TsDorn dorn);
    void Vermindere(TsDorn dorn);
    void SpeichereVRdctVRdce(TsDorn dorn);
    bool PasstBewehrung(TsDorn dorn);

    TKAnwendung& anwendung;
    Umgebung& umgebung;
    // Types whose design reached an iteration bound in this run; they become inadmissible. (A deque: the
    // steps take its elements as bool&.)
    std::deque<bool> abgebrochen;
    // The design load as the row passes of this run walk it, prepared by the first of them.
    std::optional<Verteilungslast> reihenlast;
    Dornsicherung sicherungskopie;
};

// Load reduction factor k_F of a design load: 1.0 without permanent load, towards 0.9 for mostly
// permanent load.
double Lastfaktor(const TKBelastung& last);

// Runs the design of the position.
void BerechneErgebnis(TKAnwendung& anwendung, Umgebung& umgebung);
// Display name of the most economical admissible type of one family (1: ZAVR, any other value: ZAVRQ),
// or "Kein gültiger Dorn gefunden"; designs the position first when it has no results yet.
std::string OptimalenDornAnzeigen(TKAnwendung& anwendung, int pDornTyp, Umgebung& umgebung);
