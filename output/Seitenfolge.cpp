#include "output/Seitenfolge.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

#include "output/Seitenkopf.h"
#include "output/Seitenmaler.h"

Geraeteseiten::Geraeteseiten(QPagedPaintDevice& geraet, const Seitenmasse& masse) : geraet(geraet) {
    if (canvas.begin(&geraet)) layout.emplace(canvas, masse, Ausgabeziel::Drucker);
}

void Geraeteseiten::NeueSeite() {
    geraet.newPage();
}

bool Geraeteseiten::Beenden() {
    return canvas.isActive() && canvas.end();
}

Bildseiten::Bildseiten(const Seitenmasse& masse, double dpi) : masse(masse), dpi(dpi) {
    seiten.push_back(LeereSeite());
    canvas.begin(&seiten.back());
    layout.emplace(canvas, masse, Ausgabeziel::Bildschirm);
}

QSize Bildgroesse(const Seitenmasse& masse, double dpi) {
    return {std::max(1, static_cast<int>(std::lround(masse.W * dpi / 2.54))),
            std::max(1, static_cast<int>(std::lround(masse.H * dpi / 2.54)))};
}

QImage Bildseiten::LeereSeite() const {
    QImage seite(Bildgroesse(masse, dpi), QImage::Format_RGB32);
    AufloesungSetzen(seite, dpi, dpi);
    seite.fill(Qt::white);
    return seite;
}

void Bildseiten::NeueSeite() {
    canvas.end();
    seiten.push_back(LeereSeite());
    canvas.begin(&seiten.back());
}

std::vector<QImage> Bildseiten::Beenden() {
    if (canvas.isActive()) canvas.end();
    return std::move(seiten);
}

bool Seitenumbruch(Seitenfolge& folge, const QString& titel, const Kopfdaten& kopf, double& y, double hoehe) {
    const Seitenlayout& layout = folge.Layout();
    const double grenze = layout.CmY(folge.Canvas().device()->height()) - 2.9 - layout.CmY(170);
    const bool passt = y <= grenze && y + hoehe <= Fusslinie(layout);
    if (passt || y <= layout.Masse().T + Kopfende(layout, titel, kopf)) return false;
    folge.NeueSeite();
    Seitenmaler seite(folge.Canvas(), layout);
    y = layout.Masse().T + Seitenkopf(seite, titel, kopf);
    return true;
}

QImage Untereinander(const std::vector<QImage>& seiten, int band, const QColor& farbe) {
    if (seiten.empty()) return {};
    int breite = 0, hoehe = 0;
    for (const QImage& seite : seiten) {
        breite = std::max(breite, seite.width());
        hoehe += seite.height();
    }
    hoehe += band * (static_cast<int>(seiten.size()) - 1);
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.setDotsPerMeterX(seiten.front().dotsPerMeterX());
    bild.setDotsPerMeterY(seiten.front().dotsPerMeterY());
    bild.fill(farbe);
    QPainter canvas(&bild);
    int y = 0;
    for (const QImage& seite : seiten) {
        canvas.drawImage(0, y, seite);
        y += seite.height() + band;
    }
    return bild;
}
