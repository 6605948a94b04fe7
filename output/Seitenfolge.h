#pragma once

#include <QImage>
#include <QPainter>
#include <optional>
#include <vector>

#include "output/Seitenkopf.h"
#include "output/Seitenlayout.h"

class QPagedPaintDevice;
struct Kopfdaten;

// The pages of one printout as they are drawn one after the other: a print job, a PDF, or preview images.
class Seitenfolge {
public:
    virtual ~Seitenfolge() = default;
    virtual QPainter& Canvas() = 0;
    virtual const Seitenlayout& Layout() const = 0;
    // Ends the current page and starts an empty one.
    virtual void NeueSeite() = 0;
};

// The pages of a printer or a PDF writer, laid out for the device's resolution with the printer's pen
// width.
class Geraeteseiten : public Seitenfolge {
public:
    Geraeteseiten(QPagedPaintDevice& geraet, const Seitenmasse& masse);
    bool Bereit() const { return canvas.isActive(); }  // false: the device cannot be painted on
    QPainter& Canvas() override { return canvas; }
    const Seitenlayout& Layout() const override { return *layout; }
    void NeueSeite() override;
    bool Beenden();  // ends the job; false when the device reports a failure

private:
    QPagedPaintDevice& geraet;
    QPainter canvas;
    std::optional<Seitenlayout> layout;
};

// White page images of the printable page size at a screen resolution, for the preview and the picture
// exports.
class Bildseiten : public Seitenfolge {
public:
    Bildseiten(const Seitenmasse& masse, double dpi);
    QPainter& Canvas() override { return canvas; }
    const Seitenlayout& Layout() const override { return *layout; }
    void NeueSeite() override;
    std::vector<QImage> Beenden();  // the pages drawn, in order

private:
    QImage LeereSeite() const;

    Seitenmasse masse;
    double dpi;
    std::vector<QImage> seiten;
    QPainter canvas;
    std::optional<Seitenlayout> layout;
};

// Draws every page of a document into the folge, each numbered "n von m" in its header. A document offers
// Seiten(layout), its pages as laid out for the folge's device, and SeiteZeichnen(canvas, layout, seite,
// Seitenzahl). Returns the pages drawn.
template <class Dokument>
auto AlleSeitenZeichnen(Seitenfolge& folge, const Dokument& dokument) {
    const auto seiten = dokument.Seiten(folge.Layout());
    const int anzahl = static_cast<int>(seiten.size());
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) folge.NeueSeite();
        dokument.SeiteZeichnen(folge.Canvas(), folge.Layout(), seiten[i], Seitenzahl{i + 1, anzahl});
    }
    return seiten;
}

// The size in pixels of a page image of the printable page at `dpi`.
QSize Bildgroesse(const Seitenmasse& masse, double dpi);

// Page break of list pages, before an entry `hoehe` cm high: when the current y (cm) has come too close to
// the foot of the page, or the entry would reach the line above the footer, starts a new page with its
// header and moves y to where the content of the new page starts. At the top of a page's content nothing
// breaks, however high the entry. True when it did.
bool Seitenumbruch(Seitenfolge& folge, const QString& titel, const Kopfdaten& kopf, double& y,
                   double hoehe = 0);

// Pages one below the other, each separated from the next by a band of the given height and colour.
QImage Untereinander(const std::vector<QImage>& seiten, int band, const QColor& farbe);
