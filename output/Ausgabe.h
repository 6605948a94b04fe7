#pragma once

#include <QImage>
#include <QPageLayout>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "datei/Ausgabeformat.h"
#include "output/Dateiname.h"

class QPagedPaintDevice;
class QPainter;

// What an output looks like in each kind of file (datei/Ausgabeformat.h); an output fills the parts of the
// formats it offers.
struct Ausgabeinhalt {
    QString titel;
    std::function<QImage()> bitmap;                  // PNG, JPEG, BMP
    QSize vektorgroesse;                             // SVG: pixels ...
    double dpi = 96;                                 // ... at this resolution
    std::function<void(QPainter&)> vektor;           // ... and what is drawn on them
    QPageLayout seite;                               // PDF: the page ...
    int pdfAufloesung = 0;                           // ... the device's resolution (0: an office printer's)
    std::function<bool(QPagedPaintDevice&)> seiten;  // ... and the pages printed on it (false: failed)
    std::function<std::string()> text;               // TXT, CSV, JSON: the bytes of the file
};

// Writes `inhalt` as `format` to `datei` (its bytes, exactly as given) with the one writer of the format's
// kind; the file is replaced only by the whole content, never a read-only one. Returns an empty text on
// success, otherwise why it failed, translated, without the file's name: content that could not be made, or
// the reason the file could not be written ("der Datenträger ist voll"); an existing file then stays as it
// was.
QString AusgabeSchreiben(const Dateiname& datei, Ausgabeformat format, const Ausgabeinhalt& inhalt);

// The format of `datei` for `ausgabe`; without one `fehler` says which extensions it takes (translated).
std::optional<Ausgabeformat> FormatWaehlen(Ausgabe ausgabe, const Dateiname& datei, QString& fehler);

// The choices of a file dialog for `ausgabe` (translated), in the order of Formate(ausgabe).
QStringList Dateifilter(Ausgabe ausgabe);

// `datei` with the extension of `format` in place of its own: plan.png as bitmap gives plan.bmp.
QString MitEndung(const QString& datei, Ausgabeformat format);

// `datei` as it is when its extension is one `ausgabe` offers, else with the extension of its first format
// appended: "plan" and "plan.v2" for a PDF give "plan.pdf" and "plan.v2.pdf".
QString MitPassenderEndung(const QString& datei, Ausgabe ausgabe);
