#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>

#include "model/Bedarfsliste.h"
#include "output/Dateiname.h"
#include "output/Seitenlayout.h"
#include "output/Skizzenbild.h"

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

// All pages as a vector PDF. Returns an error text, empty on success.
QString BedarfslisteAlsPdf(const Dateiname& datei, const TKModell& modell, Bedarfsdokument art,
                           const QPageLayout& seite = StandardSeite());

// The picture export: the whole list without page breaks on a picture of the preview's size, as SVG,
// bitmap or JPEG. Returns an error text, empty on success.
QString BedarfslisteBildExport(const Dateiname& datei, Bildtyp typ, const TKModell& modell,
                               Bedarfsdokument art, const QPageLayout& seite, double dpi);
