#pragma once

#include <nlohmann/json.hpp>

#include "calc/Wirtschaftlichkeit.h"

class TKAnwendung;
struct Umgebung;
struct Vorpruefung;

// One position for `zavr-cli design --json`: number, name, the checks, and when it was designed the selected
// type with whether it is admissible ("Zulaessig", and "Auswahl": "Zulaessig", "Unzulaessig" or
// "KeinGueltigerDorn") and for each of the 21 types its result and the reinforcement of its working
// catalogue record, keyed by the model's field names. Numbers use "."; the keys are the same in every
// language, texts (hints, status) are in the language of `umgebung`.
nlohmann::ordered_json PositionJson(int nummer, const TKAnwendung& anwendung, const Vorpruefung& pruefung,
                                    bool berechnet, const Dornwahl& wahl, const Umgebung& umgebung);
