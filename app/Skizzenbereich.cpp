#include "app/Skizzenbereich.h"

#include <QPainter>

#include "output/TKFarbe.h"

Skizzenbereich::Skizzenbereich(QWidget* parent) : QWidget(parent) {}

void Skizzenbereich::SetDaten(const TKModell* modell, const TKAnwendung* arbeitskopie, const TKFarbe* farbe) {
    modell_ = modell;
    arbeitskopie_ = arbeitskopie;
    farbe_ = farbe;
    update();
}

void Skizzenbereich::Neuzeichnen() {
    update();
}

void Skizzenbereich::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), farbe_ ? farbe_->GetFarbe(TKFarbe::Element::Hintergrund) : QColor(Qt::white));
}
