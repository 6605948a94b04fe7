#include "output/Skizzenprimitive.h"

#include "model/Zahlentext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

int Vorzeichen(int wert) {
    return (wert > 0) - (wert < 0);
}

// Pen width and style for the line work of dimensions and arrows; the colour stays the caller's.
void LinienStift(QPainter& canvas, int linienbreite) {
    QPen stift = canvas.pen();
    stift.setWidth(linienbreite);
    stift.setStyle(Qt::SolidLine);
    canvas.setPen(stift);
}

// Draws `text` in a font of 3/4 the size, shifted vertically by the share of the small font's height.
int KleinerText(QPainter& canvas, int x, int y, const QString& text, double hoehenanteil) {
    const QFont normal = canvas.font();
    QFont klein = normal;
    klein.setPointSize(normal.pointSize() * 3 / 4);
    canvas.setFont(klein);
    const int dy = static_cast<int>(TextHoehe(canvas, QStringLiteral("Wy")) * hoehenanteil);
    TextAus(canvas, x, y + dy, text);
    canvas.setFont(normal);
    return x + TextBreite(canvas, text);
}

// The labels of a vertical dimension or arrow: main text rotated left of the line, index behind it.
void SenkrechteBeschriftung(QPainter& canvas, int x, int y1, int y2, const QString& haupt,
                            const QString& index) {
    const int hoehe = TextHoehe(canvas, haupt);
    const int y = (y1 + y2 + TextBreite(canvas, haupt + index)) / 2;
    TextGedreht(canvas, x - hoehe, y, haupt);
    const QFont normal = canvas.font();
    QFont klein = normal;
    klein.setPointSize(normal.pointSize() * 3 / 4);
    const int xIndex = x + normal.pointSize() / 2 - hoehe;
    const int yIndex = y - TextBreite(canvas, haupt);
    canvas.setFont(klein);
    TextGedreht(canvas, xIndex, yIndex, index);
    canvas.setFont(normal);
}

void WaagerechteBeschriftung(QPainter& canvas, int x1, int x2, int y, const QString& haupt,
                             const QString& index) {
    const int links = (x1 + x2 - TextBreite(canvas, haupt + index)) / 2;
    TextMitIndex(canvas, links, y - TextHoehe(canvas, haupt) - 2, haupt, index);
}

}  // namespace

void SchriftSetzen(QPainter& canvas, int punkte) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(punkte);
    canvas.setFont(schrift);
}

void TitelSchriftSetzen(QPainter& canvas) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(10);
    schrift.setItalic(true);
    schrift.setUnderline(true);
    canvas.setFont(schrift);
}

int TextBreite(const QPainter& canvas, const QString& text) {
    return canvas.fontMetrics().horizontalAdvance(text);
}

int TextHoehe(const QPainter& canvas, const QString&) {
    return canvas.fontMetrics().height();
}

void TextAus(QPainter& canvas, int x, int y, const QString& text) {
    canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
}

void TextGedreht(QPainter& canvas, int x, int y, const QString& text) {
    canvas.save();
    canvas.translate(x, y);
    canvas.rotate(-90);
    canvas.drawText(QPoint(0, canvas.fontMetrics().ascent()), text);
    canvas.restore();
}

int TextIndex(QPainter& canvas, int x, int y, const QString& text) {
    return KleinerText(canvas, x, y, text, 3.0 / 5.0);
}

int TextExponent(QPainter& canvas, int x, int y, const QString& text) {
    return KleinerText(canvas, x, y, text, -1.0 / 4.0);
}

int TextMitIndex(QPainter& canvas, int x, int y, const QString& haupt, const QString& index) {
    TextAus(canvas, x, y, haupt);
    return TextIndex(canvas, x + TextBreite(canvas, haupt), y, index);
}

void Masslinie(QPainter& canvas, QPoint p1, QPoint p2, QPoint versatz, const QString& haupt,
               const QString& index, bool vertikal, int groesse, int linienbreite) {
    p1 += versatz;
    p2 += versatz;
    if (p1.x() > p2.x()) std::swap(p1, p2);
    SchriftSetzen(canvas, 8);
    LinienStift(canvas, linienbreite);
    const int q = static_cast<std::uint16_t>(groesse) / 4;
    const int t = static_cast<std::uint16_t>(groesse) / 8;
    const int x1 = p1.x(), y1 = p1.y(), x2 = p2.x(), y2 = p2.y();
    if (vertikal) {
        canvas.drawLine(x1 - q, y1, x1 + q, y1);
        canvas.drawLine(x1 - q, y2, x1 + q, y2);
        canvas.drawLine(x1, y1 - t, x1, y2 + t);
        canvas.drawLine(x1 - t, y1 - t, x1 + t, y1 + t);
        canvas.drawLine(x1 - t, y2 - t, x1 + t, y2 + t);
        SenkrechteBeschriftung(canvas, x1, y1, y2, haupt, index);
    } else {
        canvas.drawLine(x1, y1 - q, x1, y1 + q);
        canvas.drawLine(x2, y1 - q, x2, y1 + q);
        canvas.drawLine(x1 - t, y1, x2 + t, y1);
        canvas.drawLine(x1 + t, y1 - t, x1 - t, y1 + t);
        canvas.drawLine(x2 + t, y1 - t, x2 - t, y1 + t);
        WaagerechteBeschriftung(canvas, x1, x2, y1, haupt, index);
    }
}

void Lastpfeil(QPainter& canvas, QPoint fuss, QPoint spitze, QPoint kopf, const QString& haupt,
               const QString& index, bool vertikal, int linienbreite) {
    SchriftSetzen(canvas, 8);
    LinienStift(canvas, linienbreite);
    canvas.drawLine(fuss, spitze);
    const int dx = kopf.x(), dy = kopf.y();
    const int x = spitze.x(), y = spitze.y();
    if (vertikal) {
        const int s = Vorzeichen(spitze.y() - fuss.y());
        canvas.drawPolyline(
            QPolygon({spitze, QPoint(x + dx, y - dy * s), QPoint(x - dx, y - dy * s), spitze}));
        SenkrechteBeschriftung(canvas, fuss.x(), fuss.y(), spitze.y(), haupt, index);
    } else {
        const int s = Vorzeichen(spitze.x() - fuss.x());
        if (s != 0)
            canvas.drawPolyline(
                QPolygon({spitze, QPoint(x - dx * s, y + dy), QPoint(x - dx * s, y - dy), spitze}));
        WaagerechteBeschriftung(canvas, fuss.x(), spitze.x(), y, haupt, index);
    }
}

void Positionshinweis(QPainter& canvas, const std::vector<QPoint>& punkte, const QString& haupt,
                      const QString& symbol, const QString& ende) {
    if (punkte.empty()) return;
    canvas.drawPolyline(punkte.data(), static_cast<int>(punkte.size()));
    const QPoint letzter = punkte.back();
    const int breite = TextBreite(canvas, haupt) + TextBreite(canvas, symbol) + TextBreite(canvas, ende);
    const int x =
        punkte.size() >= 3 ? (letzter.x() + punkte[punkte.size() - 2].x() - breite) / 2 : letzter.x();
    const int y = letzter.y() - TextHoehe(canvas, QStringLiteral("Wy"));
    TextAus(canvas, x, y, haupt);
    const int xSymbol = x + TextBreite(canvas, haupt);
    TextAus(canvas, xSymbol, y, symbol);
    TextAus(canvas, xSymbol + TextBreite(canvas, symbol), y, ende);
}

