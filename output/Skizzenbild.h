#pragma once

#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "model/Typen.h"
#include "output/Dateiname.h"
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

// Writes the picture through DateiErsetzen: the file is replaced only by the whole picture. The file type
// follows the extension: ".svg" vector, ".png", ".jpg"/".jpeg", ".bmp" bitmap. Needs a QGuiApplication
// (fonts). Returns an empty text on success, otherwise why it failed: an unknown extension, an
// empty picture, or the reason the file could not be written ("der Datenträger ist voll"); an existing file
// then stays as it was.
std::string SkizzeSpeichern(const Dateiname& datei, const Bildauftrag& auftrag);

// The three picture types of the export dialog and the extension each gives the chosen file name.
enum class Bildtyp { Vektor, Bitmap, JPeg };
Bildtyp BildtypAusFilter(int filter);  // dialog filter index 0, 1, 2; any other index counts as bitmap
QString Endung(Bildtyp typ);           // "svg", "bmp", "jpg"
// The file name with its extension replaced by that of the picture type: plan.png as bitmap gives plan.bmp.
QString ExportDateiname(const QString& datei, Bildtyp typ);

// Fonts need a QGuiApplication; a tool without a display gets one on the offscreen platform.
void BildAnwendungSicherstellen();
