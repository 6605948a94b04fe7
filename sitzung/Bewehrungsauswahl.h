#pragma once

#include <string>

#include "calc/Bewehrung.h"
#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/Typen.h"

class Projektsitzung;

// The manual choice of the additional reinforcement of the working copy's current dowel type (the
// reinforcement dialog): counts and diameters go into the type's working catalogue record, the record is
// laid out and the type recalculated without optimisation. While the choice is open the position's
// spacing rule is da5dmin_redF; OK brings the rule back, Cancel the record, result and rule as they were.
// The whole choice is one change of the project, recorded when it is closed with OK.
class Bewehrungsauswahl {
public:
    // Counts or diameters of the positions A, B1, B2, C (the stirrup) and D.
    struct Staebe {
        int A = 0, B1 = 0, B2 = 0, C = 0, D = 0;
    };
    enum class Standard { Gesetzt, RandabstandZuKlein, DornabstandZuKlein };

    explicit Bewehrungsauswahl(Projektsitzung& sitzung) : sitzung_(sitzung) {}

    // Keeps the working copy as it is and opens the choice.
    void Beginnen();
    TsDorn Dorn() const { return dorn_; }
    const TKDornDaten& Daten() const;
    const TKDornErgebnis& Ergebnis() const;
    Staebe Anzahlen() const;
    Staebe Durchmesser() const;
    // The diameters the selectors offer, as ∅max limits them for the slab of the results: below 300 mm
    // "6;8;10;12;14;16", from 400 mm with a front cover of at least 30 mm up to 25, otherwise up to 20.
    std::string Durchmesserliste() const;

    // Writes the counts (or diameters) into the record and lays out the position `posTyp`; only when the
    // layout accepts them (even counts, at least two B1 bars, B2 a multiple of the B1 pairs) is the type
    // recalculated and its reinforcement marked as chosen by hand. False: the record keeps what was
    // written, the results stay as they were.
    bool AnzahlenAendern(const Staebe& anzahlen, TsPosTyp posTyp);
    bool DurchmesserAendern(const Staebe& durchmesser, TsPosTyp posTyp);
    // The approval's reinforcement for the type, when the edge distances and the reinforcement width allow
    // it; the record is refilled from the catalogue, the type recalculated and the mark of a reinforcement
    // chosen by hand cleared.
    Standard StandardSetzen();

    // The approval asks for longitudinal bars (Asy) at least as thick as the hanger bars (Asx1).
    bool LaengsbewehrungDuennerAlsAufhaengung() const;
    // OK: the saved spacing rule again and the recalculation; false when the reinforcement does not fit
    // into the slab thickness.
    bool Uebernehmen();
    // The user keeps editing after a reinforcement that does not fit: the open choice's rule again.
    void Weiterbearbeiten();
    // After OK: the choice is one step of the project's history.
    void Abschliessen();
    // Cancel: record, result and spacing rule exactly as when the choice began.
    void Verwerfen();

private:
    TKDornDaten& Record();
    TKDornErgebnis& ErgebnisRecord();
    bool Neuberechnen();
    bool Auslegen(TsPosTyp posTyp);

    Projektsitzung& sitzung_;
    TsDorn dorn_ = TsDorn::ZAVR20HF;
    TsMaxDornabstand gespeicherterAbstand_ = TsMaxDornabstand::daOhne;
};
