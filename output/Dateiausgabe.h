#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>

class QImage;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// The bytes of a picture in a Qt image format ("PNG", "JPG", "BMP"); empty when it cannot be encoded.
QByteArray Bilddaten(const QImage& bild, const char* format);

// A vector PDF of the pages `drucken` draws on the device (false: it failed), at `aufloesung` dots per inch
// (0: that of an office printer); empty on failure.
QByteArray PdfDaten(const QString& titel, const QPageLayout& seite,
                    const std::function<bool(QPagedPaintDevice&)>& drucken, int aufloesung = 0);

// An SVG picture of `groesse` pixels at `dpi` of what `zeichnen` draws.
QByteArray SvgDaten(const QString& titel, QSize groesse, double dpi,
                    const std::function<void(QPainter&)>& zeichnen);
