#include "output/Seitenmaler.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "output/Skizzenprimitive.h"

namespace {

const QChar Marke(0x00AE);  // ®

// The parts of a text between its "®" signs.
QStringList Markenteile(const QString& text) {
    return text.split(Marke);
}

}  // namespace

void Seitenmaler::Schrift(int punkte, int stil) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(punkte);
    schrift.setBold(stil & Fett);
    schrift.setItalic(stil & Kursiv);
    schrift.setUnderline(stil & Unterstrichen);
    canvas.setFont(schrift);
    // Page texts are black whatever colours a sketch drawn before them left on the canvas.
    canvas.setPen(QPen(Qt::black, layout.GetLinienbreite()));
    canvas.setBrush(Qt::NoBrush);
}

void Seitenmaler::Farbe(const QColor& farbe) {
    canvas.setPen(QPen(farbe, layout.GetLinienbreite()));
}

double Seitenmaler::Breite(const QString& text) const {
    return layout.CmX(TextBreite(canvas, text));
}

double Seitenmaler::Text(double x, double y, const QString& text) {
    TextAus(canvas, layout.X(x), layout.Y(y), text);
    return x + Breite(text);
}

double Seitenmaler::TextRechts(double rechts, double y, const QString& text) {
    Text(rechts - Breite(text), y, text);
    return rechts;
}

double Seitenmaler::TextMitte(double mitte, double y, const QString& text) {
    return Text(mitte - Breite(text) / 2, y, text);
}

double Seitenmaler::Index(double x, double y, const QString& text) {
    return layout.CmX(TextIndex(canvas, layout.X(x), layout.Y(y), text));
}

double Seitenmaler::Exponent(double x, double y, const QString& text) {
    return layout.CmX(TextExponent(canvas, layout.X(x), layout.Y(y), text));
}

double Seitenmaler::KleinBreite(const QString& text) const {
    const QFont normal = canvas.font();
    QFont klein = normal;
    klein.setPointSize(normal.pointSize() * 3 / 4);
    canvas.setFont(klein);
    const double breite = Breite(text);
    canvas.setFont(normal);
    return breite;
}

double Seitenmaler::MarkenText(double x, double y, const QString& text) {
    const QStringList teile = Markenteile(text);
    for (qsizetype i = 0; i < teile.size(); ++i) {
        if (i > 0) {
            Exponent(x, y, Marke);
            x += KleinBreite(Marke);
        }
        x = Text(x, y, teile[i]);
    }
    return x;
}

double Seitenmaler::MarkenBreite(const QString& text) const {
    const QStringList teile = Markenteile(text);
    double breite = (teile.size() - 1) * KleinBreite(Marke);
    for (const QString& teil : teile) breite += Breite(teil);
    return breite;
}

QStringList Seitenmaler::Umbrechen(const QString& text, double breite, int zeilen) const {
    QStringList ergebnis;
    const int grenze = layout.X(breite);
    QTextLayout satz(text, canvas.font(), canvas.device());
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    satz.setTextOption(umbruch);
    satz.beginLayout();
    for (QTextLine zeile = satz.createLine(); zeile.isValid(); zeile = satz.createLine()) {
        zeile.setLineWidth(grenze);
        if (zeilen > 0 && ergebnis.size() == zeilen - 1) {
            ergebnis << canvas.fontMetrics().elidedText(text.mid(zeile.textStart()), Qt::ElideRight, grenze);
            break;
        }
        ergebnis << text.mid(zeile.textStart(), zeile.textLength()).trimmed();
    }
    satz.endLayout();
    return ergebnis;
}

void Seitenmaler::Linie(double x1, double y1, double x2, double y2) {
    canvas.drawLine(layout.X(x1), layout.Y(y1), layout.X(x2), layout.Y(y2));
}

void Seitenmaler::Rahmen(double links, double oben, double rechts, double unten) {
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(
        QRect(QPoint(layout.X(links), layout.Y(oben)), QPoint(layout.X(rechts), layout.Y(unten))));
}

namespace {

// Space kept between label, symbol and relation sign where a column offset is too small for them.
constexpr double Mindestluecke = 0.15;
constexpr double Spaltenluecke = 0.2;

}  // namespace

double Formelbreite(Seitenmaler& seite, const Formel& formel) {
    return seite.Breite(formel.haupt) +
           std::max(seite.KleinBreite(formel.index), seite.KleinBreite(formel.exponent));
}

double Formelzeile(Seitenmaler& seite, double x, double y, const QString& beschriftung, const Formel& formel,
                   const QString& wert, const QString& einheit, double s, double r) {
    const double hinterBeschriftung = seite.Text(x, y, beschriftung);
    // A label or symbol longer than its column (a translation, a long index) pushes the rest right
    // rather than being written over.
    const double xSymbol =
        beschriftung.isEmpty() ? x + s : std::max(x + s, hinterBeschriftung + Mindestluecke);
    const double hinterHaupt = seite.Text(xSymbol, y, formel.haupt);
    seite.Index(hinterHaupt, y, formel.index);
    seite.Exponent(hinterHaupt, y, formel.exponent);
    const double hinterSymbol = std::max(hinterBeschriftung, xSymbol + Formelbreite(seite, formel));
    if (wert.isEmpty() && einheit.isEmpty()) return hinterSymbol;
    const double xRelation = std::max(xSymbol + r, hinterSymbol + Mindestluecke);
    const double hinterRelation = seite.Text(xRelation, y, formel.relation);
    return seite.Text(hinterRelation, y, " " + wert + " " + einheit);
}

void Zeilenblock::Titel(const QString& text, double abstand) {
    seite.Schrift(10, Kursiv | Unterstrichen);
    seite.Text(x, y, text);
    y += abstand > 0 ? abstand : seite.Zeile(10);
    seite.Schrift(10);
}

double Zeilenblock::Zeile(const QString& beschriftung, const Formel& formel, const QString& wert,
                          const QString& einheit, const QString& hochzahl) {
    double ende = Formelzeile(seite, x, y, beschriftung, formel, wert, einheit, s, r);
    if (!hochzahl.isEmpty()) ende = seite.Exponent(ende, y, hochzahl);
    y += seite.Zeile(10);
    return ende;
}

double Zeilenblock::Zeile(const Formeleintrag& zeile) {
    return Zeile(zeile.beschriftung, zeile.formel, zeile.wert, zeile.einheit, zeile.hochzahl);
}

void Zeilenblock::Anpassen(const std::vector<Formeleintrag>& zeilen) {
    // Lines of a label alone neither need nor move the columns.
    for (const Formeleintrag& zeile : zeilen) {
        const bool mitWert = !zeile.wert.isEmpty() || !zeile.einheit.isEmpty();
        if (!zeile.beschriftung.isEmpty() && (mitWert || !zeile.formel.haupt.isEmpty()))
            s = std::max(s, seite.Breite(zeile.beschriftung) + Spaltenluecke);
        if (mitWert) r = std::max(r, Formelbreite(seite, zeile.formel) + Spaltenluecke);
    }
}

double Zeilenblock::Breite(const std::vector<Formeleintrag>& zeilen) const {
    double wert = 0;
    for (const Formeleintrag& zeile : zeilen)
        wert = std::max(wert, seite.Breite(zeile.formel.relation + " " + zeile.wert + " " + zeile.einheit +
                                           zeile.hochzahl));
    return s + r + wert;
}
