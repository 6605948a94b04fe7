#include "output/Dateiausgabe.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <array>
#include <cstring>
#include <optional>

namespace {

// Lines and texts of a PDF come out as printed.
constexpr int PdfAufloesung = 600;
// Qt writes PNG at quality 80 with zlib's fastest level.
constexpr int PngQualitaet = 80;
constexpr std::size_t MaxPalette = 256;

// The colours of an opaque picture, when there are no more than a palette holds. Sketches and drawings are
// line drawings: a run of pixels mostly repeats its colour, so the table is asked only where the colour
// changes.
std::optional<QList<QRgb>> Palette(const QImage& bild) {
    constexpr std::size_t Plaetze = 4 * MaxPalette;  // a power of two, at most a quarter used
    std::array<QRgb, Plaetze> tabelle{};             // 0 marks a free slot: every pixel is opaque
    QList<QRgb> farben;
    QRgb letzte = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb farbe = zeile[x];
            if (farbe == letzte) continue;
            letzte = farbe;
            std::size_t i = (farbe * 0x9E3779B1u) >> 22 & (Plaetze - 1);
            while (tabelle[i] != 0 && tabelle[i] != farbe) i = (i + 1) & (Plaetze - 1);
            if (tabelle[i] == farbe) continue;
            if (static_cast<std::size_t>(farben.size()) == MaxPalette) return std::nullopt;
            tabelle[i] = farbe;
            farben.push_back(farbe);
        }
    }
    return farben;
}

// An opaque picture of no more than 256 colours takes a palette of exactly those (a quarter of the bytes
// to compress, no filtering); any other stays as it is. Either way every pixel stays as drawn.
bool SpeicherePng(const QImage& bild, QIODevice& ziel) {
    if (bild.format() == QImage::Format_RGB32)
        if (const std::optional<QList<QRgb>> farben = Palette(bild))
            return bild.convertToFormat(QImage::Format_Indexed8, *farben, Qt::ThresholdDither)
                .save(&ziel, "PNG", PngQualitaet);
    return bild.save(&ziel, "PNG", PngQualitaet);
}

}  // namespace

QByteArray Bilddaten(const QImage& bild, const char* format) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    const bool gespeichert =
        std::strcmp(format, "PNG") == 0 ? SpeicherePng(bild, puffer) : bild.save(&puffer, format);
    return gespeichert ? puffer.data() : QByteArray();
}

QByteArray PdfDaten(const QString& titel, const QPageLayout& seite,
                    const std::function<bool(QPagedPaintDevice&)>& drucken, int aufloesung) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(seite);
        pdf.setResolution(aufloesung > 0 ? aufloesung : PdfAufloesung);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("ZAVR 3.1.2"));
        if (!drucken(pdf)) return {};
    }
    return puffer.data();
}

QByteArray SvgDaten(const QString& titel, QSize groesse, double dpi,
                    const std::function<void(QPainter&)>& zeichnen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(static_cast<int>(dpi));
    svg.setTitle(titel);
    QPainter canvas(&svg);
    zeichnen(canvas);
    canvas.end();
    return puffer.data();
}
