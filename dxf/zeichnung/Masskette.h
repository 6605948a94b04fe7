#pragma once

#include <string>
#include <vector>

#include "dxf/zeichnung/Beschriftungsraum.h"
#include "dxf/zeichnung/DxfZeichner.h"

// One dimension of a chain, from `von` to `bis` along the chain's line, and its text.
struct TrMassglied {
    double von = 0, bis = 0;
    std::string text;
};

// A horizontal chain of dimensions (ticks and slashes) along y, each text centred over its dimension. A
// text that would run into a neighbour stands one text row further out (richtung 1: above the line,
// -1: below it), led to the middle of its dimension by a line, so neighbouring labels never read as one;
// the members listed first keep their usual place.
// Returns the box of the texts (empty without texts).
TrKasten WaagerechteKette(const DxfZeichner& s, const std::vector<TrMassglied>& glieder, double y,
                          int richtung);

// A vertical chain along x, each member measured downwards from `bis` to `von`, its text turned by 90° left
// of the line; a text that would run into its neighbour moves one text row further left, led by a line.
TrKasten SenkrechteKette(const DxfZeichner& s, const std::vector<TrMassglied>& glieder, double x);

// The anchoring note at the right end x of a chain along y: a line with tick and slash at x and an arrow at
// its end, the text over it starting right of the chain's texts. Returns the text's box.
TrKasten Verankerung(const DxfZeichner& s, double x, double y, const std::string& text,
                     const TrKasten& kette);

// The free room kept between texts: a third of the text height.
double Textabstand(const DxfZeichner& s);
// The line of the next row of dimensions above one at y whose texts take the box: at least `abstand` above
// it, and with its ticks clear of those texts.
double NaechsteZeileDarueber(const DxfZeichner& s, double y, const TrKasten& texte, double abstand);
