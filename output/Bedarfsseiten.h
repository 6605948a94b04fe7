#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>

#include "model/Bedarfsliste.h"
#include "output/Ausgabe.h"
#include "output/Seitenlayout.h"

class QPagedPaintDevice;
class TKModell;

// The parts list and the tender text of a project's bill of quantities as pages: the page frame with the
// document's title, the remarks, the column titles and one block per active entry. Printer, PDF and
// preview break pages before an entry that does not fit; the picture exports hold the whole list on one
// picture.

// The page title: "Stückliste" or "Ausschreibungstext" in the user-interface language.
QString Bedarfstitel(Bedarfsdokument art);

// Prints all pages as one job; false when the device cannot be painted on or reports a failure.
bool BedarfslisteDrucken(QPagedPaintDevice& drucker, const TKModell& modell, Bedarfsdokument art);

// The preview: the pages at `dpi`, one below the other, each new page below a 2-pixel grey line.
QImage BedarfslisteVorschau(const TKModell& modell, Bedarfsdokument art, const QPageLayout& seite,
                            double dpi);

// The bill of quantities as a file of `format` (output/Ausgabe.h): the 80-column text export
// (files/Bedarfstext.h), all pages as a PDF, or as a picture (SVG, bitmaps) the whole list without page
// breaks on a page as high as the preview at `dpi`. Returns an error text, empty on success; a failure leaves
// an existing file untouched.
QString BedarfslisteSpeichern(const Dateiname& datei, Ausgabeformat format, const TKModell& modell,
                              Bedarfsdokument art, const QPageLayout& seite = StandardSeite(),
                              double dpi = 96);
