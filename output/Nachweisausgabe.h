#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Seitenlayout.h"

class Berechnungsnachweis;
class QPagedPaintDevice;
class TKModell;

// The calculation proof on its ways out: printer, preview, PDF, pictures and the clipboard. All of them
// draw the same pages; only the page size of the device and the resolution differ.

// Prints all pages as one job on the printer (or any paged device) with its paper and printable area.
// False when the device cannot be painted on or reports a failure.
bool NachweisDrucken(QPagedPaintDevice& drucker, const Berechnungsnachweis& nachweis);

// The preview images of the result pages, top to bottom, each of the printable page size at `dpi` (the
// screen's pixels per inch): the first page; for an arbitrary load the load page; the sketch page, which
// for more than ten dowels carries the coordinates page below a 10-pixel grey band. The page is the
// printer's (`QPrinter::pageLayout()`), or StandardSeite() without a printer.
std::vector<QImage> NachweisVorschau(const Berechnungsnachweis& nachweis, const QPageLayout& seite,
                                     double dpi);

// The proof as a file of `format` (output/Ausgabe.h): PDF all pages, one page each; SVG the header and
// first page on the size of the page image; a bitmap the page image itself at `dpi`. Returns an error text,
// empty on success; a failure leaves an existing file untouched.
QString NachweisSpeichern(const Dateiname& datei, Ausgabeformat format, const Berechnungsnachweis& nachweis,
                          const QPageLayout& seite = StandardSeite(), double dpi = 96);

// Puts the page image on the clipboard, replacing its content.
void ErgebnisseInZwischenablage(const QImage& seitenbild);

// For the command-line tool, without a display: the proof of position `position` (1-based) of the model
// into `datei` as `format`, pictures at 96 dpi. Returns an error text, empty on success.
std::string NachweisAlsDatei(const TKModell& modell, int position, const Dateiname& datei,
                             Ausgabeformat format);
