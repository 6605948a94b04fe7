#pragma once

#include <QSize>
#include <QString>

#include "model/Typen.h"
#include "output/Ausgabe.h"
#include "output/TrDaten.h"

class QPainter;
class TKAnwendung;
class TKFarbe;
class TKModell;
class Skizzenzeichner;

// Draws the sketch of one sketch type into the rectangle: the result sketches of the position's selected
// dowel type, or the input sketch for its application case and load case. stNothing draws nothing.
void SkizzeZeichnen(Skizzenzeichner& zeichner, TsSkizzeTyp typ, const TrRechteck& rechteck,
                    const TKModell& modell, const TKAnwendung& anwendung);

// The four result sketches in the quadrants of a square: Ansicht top left, Schnitt top right, Draufsicht
// bottom left, DornReihe with its load bottom right.
void VierSkizzenZeichnen(Skizzenzeichner& zeichner, int seite, const TKAnwendung& anwendung);

// A picture of sketches to be written to a file.
struct Bildauftrag {
    const TKModell& modell;
    const TKAnwendung& anwendung;  // the position drawn
    const TKFarbe& farbe;
    TsSkizzeTyp typ = TsSkizzeTyp::stAnsicht;  // the sketch drawn alone ...
    bool alleVier = false;                     // ... or all four result sketches
    QSize groesse{500, 500};
    char dezimaltrenner = ',';
};

// Writes the picture as `format` (a vector or bitmap format, output/Ausgabe.h): the file is replaced only by
// the whole picture. Needs a QGuiApplication (fonts). Returns an empty text on success, otherwise why it
// failed (an empty picture, or the reason the file could not be written); an existing file then stays as it
// was.
QString SkizzeSpeichern(const Dateiname& datei, Ausgabeformat format, const Bildauftrag& auftrag);

// Fonts need a QGuiApplication; a tool without a display gets one on the offscreen platform.
void BildAnwendungSicherstellen();
