#pragma once

#include <string>

#include "model/Typen.h"

// The words of the reinforcement drawing in the user's language.
struct TrBewehrungsTexte {
    std::string Titel;  // followed by the display name of the dowel type
    std::string Draufsicht, Ansicht, Schnitt;
    std::string Buegel;  // between stirrup count and diameter, with its blanks
    std::string Verankern;
};

const TrBewehrungsTexte& BewehrungsTexte(TsLand land);

// Length label in centimetres: the millimetre value / 10 in the shortest general form with the given
// decimal separator (125 → "12,5", 300 → "30").
std::string ZentimeterText(double mm, char dezimaltrenner);

// Number of characters of a UTF-8 text; the label widths are estimated from it.
int Zeichenzahl(const std::string& text);

// Estimated width of a label line: 18 per character, whatever the text height.
double Beschriftungsbreite(const std::string& text);
