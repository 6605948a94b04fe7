#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dxf/DXF_Object.h"

// The room labels take in a drawing: boxes parallel to the axes, measured as CAD programs draw the texts
// (dxf/Text_Box.h), so the layout can keep texts apart from each other and from the outlines.
struct TrKasten {
    double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;

    bool Leer() const { return x1 > x2 || y1 > y2; }
    void Um(const Point3D& p);
    void Um(const TrKasten& k);
    // True when the insides of the two boxes come closer than `abstand`.
    bool Ueberlappt(const TrKasten& k, double abstand = 0) const;
    // True when the segment from a to b passes through the inside of the box.
    bool Schneidet(const Point3D& a, const Point3D& b) const;
};

// The box of a text at the anchor, turned by `winkel` degrees, aligned 0 left, 1 centre, 2 right.
TrKasten Textkasten(const std::string& text, const Point3D& anker, double hoehe, double winkel,
                    int ausrichtung);
// The box of every text of the document, in drawing order.
std::vector<TrKasten> Textkaesten(const DXF_Object& doc);
// What the document's entities cover, texts with their boxes.
TrKasten Ausdehnung(const DXF_Object& doc);

// Levels for texts along a chain from their extents along it, taken in the order given (the first keep the
// usual place): a text that would come closer than `abstand` to a text of a level goes one level further out.
// Level 0 is the usual place.
std::vector<int> Staffelung(const std::vector<std::pair<double, double>>& strecken, double abstand);
