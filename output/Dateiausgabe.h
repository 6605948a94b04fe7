#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>

#include "output/Dateiname.h"

class QImage;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// Writes the finished bytes of an output file in one step: a failure leaves an existing file untouched.
// Returns an error text, empty on success: the name as shown and the reason in the language of the run.
// Every picture and PDF the drawing layer writes goes through here.
QString DateiSchreiben(const Dateiname& pfad, const QByteArray& inhalt);

// As DateiSchreiben; empty bytes are content that could not be made: reported, and nothing is written.
QString ErzeugtesSchreiben(const Dateiname& pfad, const QByteArray& inhalt);

// The bytes of a picture in a Qt image format ("PNG", "JPG", "BMP"); empty when it cannot be encoded.
QByteArray Bilddaten(const QImage& bild, const char* format);

// A vector PDF of the pages `drucken` draws on the device (false: it failed), at the resolution of an office
// printer; empty on failure.
QByteArray PdfDaten(const QString& titel, const QPageLayout& seite,
                    const std::function<bool(QPagedPaintDevice&)>& drucken);

// An SVG picture of `groesse` pixels at `dpi` of what `zeichnen` draws.
QByteArray SvgDaten(const QString& titel, QSize groesse, double dpi,
                    const std::function<void(QPainter&)>& zeichnen);
