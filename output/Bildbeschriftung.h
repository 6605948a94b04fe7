#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

// A word of a picture, drawn over it in the language of the run instead of being part of the drawing.
// Position, size and width are in the picture's own units (its view box).
struct Bildwort {
    QString text;
    QPointF grundlinie;  // left end of the base line, or its middle when `mittig`
    double groesse;      // font size in picture units, reduced where the text would be wider than `breite`
    double breite;
    QColor farbe;
    bool mittig = false;
    bool fett = false;
};

// Renders the SVG picture `datei` into `ziel` and its words over it, scaled with the picture.
void BildMitWorten(QPainter& maler, const QString& datei, const QRectF& ziel,
                   const std::vector<Bildwort>& worte);

// The words of the page logo (Drucklogo.svg) and of the title picture (Titelbild.svg).
std::vector<Bildwort> DrucklogoWorte();
std::vector<Bildwort> TitelbildWorte();
