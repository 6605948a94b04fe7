#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "calc/Wirtschaftlichkeit.h"

class TKAnwendung;
struct Umgebung;
struct Vorpruefung;

// One position for `zavr-cli design --json`: number, name, the checks, and when it was designed the selected
// type with whether it is admissible ("Zulaessig", and "Auswahl": "Zulaessig", "Unzulaessig" or
// "KeinGueltigerDorn") and for each of the 21 types its result and the reinforcement of its working
// catalogue record, keyed by the model's field names. Numbers use "."; the keys are the same in every
// language, texts (hints, status) are in the language of `umgebung`.
// The name of a file as JSON, which holds UTF-8 only: "Datei" is the name, or for a name that is not UTF-8
// (Linux allows any bytes) the name as shown, each ill-formed byte as U+FFFD, and "DateiHex" its exact
// bytes in hexadecimal, so that a script still finds the file.
void DateinameJson(nlohmann::ordered_json& j, const std::string& name);

nlohmann::ordered_json PositionJson(int nummer, const TKAnwendung& anwendung, const Vorpruefung& pruefung,
                                    bool berechnet, const Dornwahl& wahl, const Umgebung& umgebung);
