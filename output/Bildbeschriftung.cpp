#include "output/Bildbeschriftung.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

void BildMitWorten(QPainter& maler, const QString& datei, const QRectF& ziel,
                   const std::vector<Bildwort>& worte) {
    QSvgRenderer svg(datei);
    svg.render(&maler, ziel);
    const QRectF box = svg.viewBoxF();
    if (box.isEmpty()) return;
    maler.save();
    maler.translate(ziel.topLeft());
    maler.scale(ziel.width() / box.width(), ziel.height() / box.height());
    maler.translate(-box.topLeft());
    for (const Bildwort& wort : worte) {
        QFont schrift(QStringLiteral("Arial"));
        schrift.setBold(wort.fett);
        schrift.setPixelSize(100);  // measured large, then scaled: pixel sizes are whole numbers
        const double breite = QFontMetricsF(schrift).horizontalAdvance(wort.text) / 100;
        const double groesse = std::min(wort.groesse, breite > 0 ? wort.breite / breite : wort.groesse);
        maler.save();
        maler.translate(wort.grundlinie);
        maler.scale(groesse / 100, groesse / 100);
        maler.setFont(schrift);
        maler.setPen(wort.farbe);
        const double links = wort.mittig ? -breite * 50 : 0;
        maler.drawText(QPointF(links, 0), wort.text);
        maler.restore();
    }
    maler.restore();
}

std::vector<Bildwort> DrucklogoWorte() {
    return {{QCoreApplication::translate("Bild", "Doppelschubdorn ZAVR · ZAVRQ"),
             {200, 147.6},
             15.2,
             300,
             Qt::black,
             true}};
}

std::vector<Bildwort> TitelbildWorte() {
    const QColor hell(0xdb, 0xe6, 0xf2);
    return {{QCoreApplication::translate("Bild", "Doppelschubdorne für Dehnfugen"), {168, 62}, 20, 340, hell},
            {QCoreApplication::translate("Bild", "Bemessung · Bewehrung · Ausschreibung"),
             {26, 188},
             13,
             470,
             hell}};
}
