#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Typen.h"

struct Umgebung;

// Cost of the dowels of a type for the position: count × price, plus the fire-protection sleeves with F90.
double Kosten(const TKAnwendung& anwendung, TsDorn dorn);

// The most economical admissible type of the design run. The search runs in type order and ends at the
// first inadmissible type once an admissible one was found; types overloaded beyond TEtaQ 1 are passed
// over; of equal costs the later type wins. Empty when no type is admissible.
std::optional<TsDorn> WirtschaftlichsterDorn(const TKAnwendung& anwendung);

// The cheapest admissible type of one family (later type on equal costs), without the early stop and the
// TEtaQ test of the design run's choice.
std::optional<TsDorn> GuenstigsterDorn(const TKAnwendung& anwendung, TsDornFamilie familie);

// What a position delivers as its dowel. Only an admissible selected type is a choice: shown as chosen,
// drawn without a note, ordered in the bill of quantities.
enum class Wahlzustand {
    NichtBemessen,     // the position has no design results
    Zulaessig,         // the selected type passed every check
    Unzulaessig,       // the selected type failed a check, while another type would be admissible
    KeinGueltigerDorn  // no type is admissible: the selected type is only what the design run left
};

struct Dornwahl {
    Wahlzustand zustand = Wahlzustand::NichtBemessen;
    TsDorn dorn = TsDorn::ZAVR20HF;  // the selected type, also when it is not admissible
    std::uint16_t status = 0;        // its status code
    bool Zulaessig() const { return zustand == Wahlzustand::Zulaessig; }
};

Dornwahl GewaehlterDorn(const TKAnwendung& anwendung);

// The choice in words: the type's name; for a type that is not admissible its name with "nicht zulässig"
// and the short status text; "Kein gültiger Dorn gefunden"; "nicht bemessen".
std::string DornwahlText(const Dornwahl& wahl, const Umgebung& umgebung);
