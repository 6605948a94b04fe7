#include "output/DxfLeinwand.h"

#include <QCoreApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>

#include "dxf/DXF_Object.h"
#include "dxf/DXF_Omissions.h"
#include "dxf/Zoom_view.h"

namespace {

// Glyphs larger than this are drawn at this size and scaled, so the font engine never renders a giant.
constexpr int GroessteSchrift = 1000;
constexpr int Rand = 20;
// Pictures are laid out for 96 dots per inch, as the sketches are.
constexpr int Aufloesung = 96;
// What a drawing call adds to a vector picture, measured on SVG, the larger of the two: an element, each
// point's two numbers, a text's own bytes, and for a call that changes the pen or brush and back (a text, a
// fill, a single pixel, a line of no length, which the painter draws as a square) two groups with their
// attributes.
constexpr std::int64_t BytesJeAufruf = 80;
constexpr std::int64_t BytesJePunkt = 12;
constexpr std::int64_t BytesJeZustand = 400;

QPoint Punkt(Screen_Point p) {
    return {p.x, p.y};
}

QPolygon Polygon(const std::vector<Screen_Point>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Screen_Point& p : points) polygon << Punkt(p);
    return polygon;
}

QRect Box(Screen_Point a, Screen_Point b) {
    return QRect(Punkt(a), Punkt(b)).normalized();
}

// Direction of a screen point from the box centre in degrees, counter-clockwise as the screen shows it.
double Winkel(const QRect& box, Screen_Point p) {
    const QPointF mitte = QRectF(box).center();
    return qRadiansToDegrees(std::atan2(mitte.y() - p.y, p.x - mitte.x()));
}

// The document in the view, on a white ground where the picture has none of its own; a vector picture
// bounded by `bytes`.
void Zeichnen(QPainter& painter, const DXF_Object& doc, const Zoom_view& ansicht, bool fuellen,
              std::int64_t bytes = std::numeric_limits<std::int64_t>::max()) {
    if (fuellen)
        painter.fillRect(QRect(QPoint(0, 0), QSize(ansicht.area_width(), ansicht.area_height())), Qt::white);
    DxfZeichnen(painter, doc, ansicht, bytes);
}

Ausgabeinhalt Inhalt(const DXF_Object& doc, const Zoom_view& ansicht) {
    const QSize groesse(ansicht.area_width(), ansicht.area_height());
    Ausgabeinhalt inhalt;
    inhalt.bitmap = [&doc, &ansicht, groesse] {
        QImage bild(groesse, QImage::Format_RGB32);
        QPainter painter;
        if (bild.isNull() || !painter.begin(&bild)) return QImage();
        Zeichnen(painter, doc, ansicht, true);
        return painter.end() ? bild : QImage();
    };
    inhalt.vektorgroesse = groesse;
    inhalt.dpi = Aufloesung;
    inhalt.vektor = [&doc, &ansicht](QPainter& painter) {
        Zeichnen(painter, doc, ansicht, true, Vektorbildgrenze);
    };
    inhalt.seite = QPageLayout(QPageSize(QSizeF(groesse) * 72.0 / Aufloesung, QPageSize::Point),
                               QPageLayout::Portrait, QMarginsF());
    inhalt.pdfAufloesung = Aufloesung;
    inhalt.seiten = [&doc, &ansicht](QPagedPaintDevice& pdf) {
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        Zeichnen(painter, doc, ansicht, false, Vektorbildgrenze);
        return painter.end();
    };
    return inhalt;
}

}  // namespace

DxfLeinwand::DxfLeinwand(QPainter& painter, std::int64_t bytes) : painter_(painter), grenze_(bytes) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(schriftgroesse_);
    painter_.setFont(schrift);
    Schriftmasse();
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setBrush(Qt::NoBrush);
}

// Pixels from the anchor up to the baseline: a text standing on its bottom has its baseline a descent above
// it, one hung by the middle or the top of its capitals below it.
int DxfLeinwand::GrundlinieUeberAnker(int vert_align) const {
    switch (vert_align) {
        case 1:
            return unterlaenge_;
        case 2:
            return -versalhoehe_ / 2;
        case 3:
            return -versalhoehe_;
        default:
            return 0;
    }
}

void DxfLeinwand::Schriftmasse() {
    const QFontMetrics masse = painter_.fontMetrics();
    oberlaenge_ = masse.ascent();
    versalhoehe_ = masse.capHeight();
    unterlaenge_ = masse.descent();
}

void DxfLeinwand::Verbrauchen(std::size_t punkte, bool zustand, std::size_t zeichen) {
    bytes_ += BytesJeAufruf + BytesJePunkt * static_cast<std::int64_t>(punkte) +
              (zustand ? BytesJeZustand : 0) + static_cast<std::int64_t>(zeichen);
    if (bytes_ > grenze_) throw Vektorbild_zu_gross();
}

QColor DxfLeinwand::Farbe(DXF_Colour colour) {
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

void DxfLeinwand::set_pen_colour(DXF_Colour colour) {
    stift_ = colour;
    QPen stift = painter_.pen();
    stift.setColor(Farbe(colour));
    painter_.setPen(stift);
}

void DxfLeinwand::set_pen_width(int pixels) {
    QPen stift = painter_.pen();
    stift.setWidth(pixels);
    stift.setCapStyle(pixels > 1 ? Qt::FlatCap : Qt::SquareCap);
    painter_.setPen(stift);
}

void DxfLeinwand::line(Screen_Point from, Screen_Point to) {
    Verbrauchen(2, from == to);
    painter_.drawLine(Punkt(from), Punkt(to));
}

void DxfLeinwand::polyline(const std::vector<Screen_Point>& points) {
    Verbrauchen(points.size());
    painter_.drawPolyline(Polygon(points));
}

void DxfLeinwand::polygon(const std::vector<Screen_Point>& points) {
    Verbrauchen(points.size());
    painter_.drawPolygon(Polygon(points));
}

void DxfLeinwand::fill(const std::vector<std::vector<Screen_Point>>& loops) {
    std::size_t punkte = 0;
    for (const auto& loop : loops) punkte += loop.size();
    Verbrauchen(punkte, true);
    QPainterPath flaeche;
    flaeche.setFillRule(Qt::OddEvenFill);
    for (const auto& loop : loops) flaeche.addPolygon(QPolygonF(Polygon(loop)));
    painter_.fillPath(flaeche, Farbe(stift_));
}

void DxfLeinwand::ellipse(Screen_Point corner1, Screen_Point corner2) {
    Verbrauchen(2);
    painter_.drawEllipse(Box(corner1, corner2));
}

// Equal directions of start and end give the whole ellipse, as the platform's arc does.
void DxfLeinwand::arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start, Screen_Point end) {
    Verbrauchen(4);
    const QRect box = Box(corner1, corner2);
    const double von = Winkel(box, start);
    double spanne = Winkel(box, end) - von;
    while (spanne <= 0) spanne += 360;
    painter_.drawArc(box, qRound(von * 16), qRound(spanne * 16));
}

void DxfLeinwand::pixel(Screen_Point p, DXF_Colour colour) {
    Verbrauchen(1, true);
    const QPen stift = painter_.pen();
    painter_.setPen(QPen(Farbe(colour), 1));
    painter_.drawPoint(Punkt(p));
    painter_.setPen(stift);
}

// Texts are the bulk of a redraw, and drawings repeat their labels: each text is laid out once per height
// and redraw, the font changes only with the height, and only rotated or very large texts go through the
// transformation.
void DxfLeinwand::text(Screen_Point anchor, const std::string& text, int height, DXF_Colour colour,
                       int hor_align, int vert_align, int angle_tenths) {
    Verbrauchen(1, true, text.size());
    const int groesse = std::min(height, GroessteSchrift);
    if (groesse != schriftgroesse_) {
        QFont schrift = painter_.font();
        schrift.setPixelSize(groesse);
        painter_.setFont(schrift);
        schriftgroesse_ = groesse;
        Schriftmasse();
    }
    auto [eintrag, neu] = gesetzt_.try_emplace({groesse, text});
    QStaticText& zeile = eintrag->second;
    if (neu) {
        zeile.setText(QString::fromStdString(text));
        zeile.setTextFormat(Qt::PlainText);
        zeile.prepare(QTransform(), painter_.font());
    }
    const int breite = hor_align == 0 ? 0 : qRound(zeile.size().width());
    const QPoint links(hor_align == 1   ? -breite / 2
                       : hor_align == 2 ? -breite
                                        : 0,
                       -oberlaenge_ - GrundlinieUeberAnker(vert_align));
    const QPen stift = painter_.pen();
    painter_.setPen(Farbe(colour));
    if (angle_tenths == 0 && height <= GroessteSchrift) {
        painter_.drawStaticText(QPoint(anchor.x, anchor.y) + links, zeile);
    } else {
        const double massstab = height > GroessteSchrift ? double(height) / GroessteSchrift : 1.0;
        const QTransform vorher = painter_.transform();
        painter_.translate(anchor.x, anchor.y);
        painter_.rotate(-angle_tenths / 10.0);
        painter_.scale(massstab, massstab);
        painter_.drawStaticText(links, zeile);
        painter_.setTransform(vorher);
    }
    painter_.setPen(stift);
}

void DxfZeichnen(QPainter& painter, const DXF_Object& doc, const Zoom_view& ansicht, std::int64_t bytes) {
    DxfLeinwand leinwand(painter, bytes);
    doc.draw_primitives(leinwand,
                        [&ansicht](const Point3D& p, pMatrix m) { return ansicht.real_to_screen(p, m); });
}

QString DxfBildSpeichern(const DXF_Object& doc, const Dateiname& datei, Ausgabeformat format, int pixel) {
    const View_extents e = stored_extents(doc);
    Zoom_view ansicht;
    ansicht.set_area(pixel, pixel);
    ansicht.set_parameters(e.emin.x, e.emax.x, e.emin.y, e.emax.y, Rand, Rand);
    try {
        return AusgabeSchreiben(datei, format, Inhalt(doc, ansicht));
    } catch (const Screen_range_error&) {
        return QCoreApplication::translate("DxfLeinwand", "die Zeichnung ist zu groß für ein Bild");
    } catch (const Vektorbild_zu_gross&) {
        return QCoreApplication::translate(
            "DxfLeinwand",
            "die Zeichnung hat zu viele Elemente für ein SVG- oder PDF-Bild; als PNG speichern");
    }
}

namespace {

int Zahl(long anzahl) {
    return static_cast<int>(std::min<long>(anzahl, std::numeric_limits<int>::max()));
}

// The catalogues hold the plural forms of each language; where no catalogue is loaded (the German source
// texts), the German singular is chosen here.
QString MitEinzahl(const QString& uebersetzt, const char* quelle, const char* einzahl, int n) {
    if (n == 1 && uebersetzt == QString::fromUtf8(quelle).replace(QLatin1String("%n"), QLatin1String("1")))
        return QString::fromUtf8(einzahl);
    return uebersetzt;
}

}  // namespace

QStringList DxfNichtDargestellt(const DXF_Omissions& fehlend) {
    QStringList zeilen;
    for (const auto& [art, anzahl] : fehlend.kinds) {
        const int n = Zahl(anzahl);
        zeilen << MitEinzahl(QCoreApplication::translate(
                                 "DxfLeinwand", "%n Objekte vom Typ %1 nicht dargestellt", nullptr, n),
                             "%n Objekte vom Typ %1 nicht dargestellt",
                             "1 Objekt vom Typ %1 nicht dargestellt", n)
                      .arg(QString::fromStdString(art));
    }
    if (fehlend.paper_space > 0) {
        const int n = Zahl(fehlend.paper_space);
        zeilen << MitEinzahl(QCoreApplication::translate(
                                 "DxfLeinwand", "%n Objekte im Papierbereich nicht dargestellt", nullptr, n),
                             "%n Objekte im Papierbereich nicht dargestellt",
                             "1 Objekt im Papierbereich nicht dargestellt", n);
    }
    if (fehlend.hatch_patterns > 0) {
        const int n = Zahl(fehlend.hatch_patterns);
        zeilen << MitEinzahl(QCoreApplication::translate(
                                 "DxfLeinwand", "%n Schraffurmuster nur als Umriss dargestellt", nullptr, n),
                             "%n Schraffurmuster nur als Umriss dargestellt",
                             "1 Schraffurmuster nur als Umriss dargestellt", n);
    }
    return zeilen;
}
