#include "output/Dateiausgabe.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <system_error>

#include "datei/DateiErsetzen.h"
#include "datei/Dateifehler.h"
#include "output/Nachweistext.h"

namespace {

// Lines and texts of a PDF come out as printed.
constexpr int PdfAufloesung = 600;

}  // namespace

QString DateiSchreiben(const Dateiname& pfad, const QByteArray& inhalt) {
    try {
        DateiErsetzen(pfad.Bytes(), inhalt.toStdString());
        return {};
    } catch (const std::system_error& fehler) {
        return pfad.Anzeige() + QStringLiteral(": ") +
               QCoreApplication::translate("Dateifehler", Fehlergrund(fehler).c_str());
    }
}

QString ErzeugtesSchreiben(const Dateiname& pfad, const QByteArray& inhalt) {
    if (inhalt.isEmpty()) return pfad.Anzeige() + ": " + Nachweis::tr("Inhalt konnte nicht erzeugt werden");
    return DateiSchreiben(pfad, inhalt);
}

QByteArray Bilddaten(const QImage& bild, const char* format) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, format) ? puffer.data() : QByteArray();
}

QByteArray PdfDaten(const QString& titel, const QPageLayout& seite,
                    const std::function<bool(QPagedPaintDevice&)>& drucken) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(seite);
        pdf.setResolution(PdfAufloesung);
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
