#pragma once

#include <optional>

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Typen.h"

// Cost of the dowels of a type for the position: count × price, plus the fire-protection sleeves with F90.
double Kosten(const TKAnwendung& anwendung, TsDorn dorn);

// The most economical admissible type of the design run. The search runs in type order and ends at the
// first inadmissible type once an admissible one was found; types overloaded beyond TEtaQ 1 are passed
// over; of equal costs the later type wins. Empty when no type is admissible.
std::optional<TsDorn> WirtschaftlichsterDorn(const TKAnwendung& anwendung);

// The cheapest admissible type of one family (later type on equal costs), without the early stop and the
// TEtaQ test of the design run's choice.
std::optional<TsDorn> GuenstigsterDorn(const TKAnwendung& anwendung, TsDornFamilie familie);
