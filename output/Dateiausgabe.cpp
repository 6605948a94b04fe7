#include "output/Dateiausgabe.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// Lines and texts of a PDF come out as printed.
constexpr int PdfAufloesung = 600;

}  // namespace

QByteArray Bilddaten(const QImage& bild, const char* format) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, format) ? puffer.data() : QByteArray();
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
