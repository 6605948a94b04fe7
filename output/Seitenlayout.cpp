#include "output/Seitenlayout.h"

#include <QImage>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "output/Skizzenprimitive.h"

Seitenmasse SeitenmasseSetzen(const QPageLayout& seite) {
    const QRectF papier = seite.fullRect(QPageLayout::Millimeter);
    const QRectF druckbar = seite.paintRect(QPageLayout::Millimeter);
    const double links = (druckbar.left() - papier.left()) / 10;
    const double oben = (druckbar.top() - papier.top()) / 10;
    const double rechts = (papier.right() - druckbar.right()) / 10;
    const double unten = (papier.bottom() - druckbar.bottom()) / 10;
    Seitenmasse m;
    m.W = druckbar.width() / 10;
    m.H = druckbar.height() / 10;
    m.L = 1.6 - links;
    m.T = 1.0 - oben;
    m.R = std::max(0.25, 1.1 - rechts);
    m.B = std::max(0.15, 1.0 - unten);
    return m;
}

QPageLayout StandardSeite() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

Seitenlayout::Seitenlayout(QPainter& canvas, const Seitenmasse& masse, Ausgabeziel ziel)
    : masse(masse), ziel(ziel), dpiX(canvas.device()->logicalDpiX()), dpiY(canvas.device()->logicalDpiY()) {
    for (std::size_t i = 0; i < Groessen.size(); ++i) {
        SchriftSetzen(canvas, Groessen[i]);
        zeilen[i] = CmY(TextHoehe(canvas, QStringLiteral("Wy")));
    }
    SchriftSetzen(canvas, 10);
}

int Seitenlayout::X(double cm) const {
    return static_cast<int>(std::lround(dpiX * cm / 2.54));
}

int Seitenlayout::Y(double cm) const {
    return static_cast<int>(std::lround(dpiY * cm / 2.54));
}

double Seitenlayout::Zeile(int punkte) const {
    const auto stelle = std::find(Groessen.begin(), Groessen.end(), punkte);
    return stelle == Groessen.end() ? zeilen[3] : zeilen[stelle - Groessen.begin()];
}

void AufloesungSetzen(QImage& bild, double dpiX, double dpiY) {
    constexpr double ZollJeMeter = 39.3700787;
    bild.setDotsPerMeterX(static_cast<int>(std::lround(dpiX * ZollJeMeter)));
    bild.setDotsPerMeterY(static_cast<int>(std::lround(dpiY * ZollJeMeter)));
}

QImage Messbild(const Seitenlayout& layout) {
    QImage bild(1, 1, QImage::Format_RGB32);
    AufloesungSetzen(bild, layout.DpiX(), layout.DpiY());
    return bild;
}
