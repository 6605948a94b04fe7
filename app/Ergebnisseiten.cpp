#include "app/Ergebnisseiten.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

// The images stacked and centred on the width the scroll area gives.
class Seitenflaeche : public QWidget {
public:
    explicit Seitenflaeche(const std::vector<QImage>& seiten) : seiten(seiten) {
        int breite = 0, hoehe = 0;
        for (const QImage& seite : seiten) {
            breite = std::max(breite, seite.width());
            hoehe += seite.height() + Ergebnisseiten::Abstand;
        }
        setMinimumSize(breite, std::max(0, hoehe - Ergebnisseiten::Abstand));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        int y = 0;
        for (const QImage& seite : seiten) {
            maler.drawImage((width() - seite.width()) / 2, y, seite);
            y += seite.height() + Ergebnisseiten::Abstand;
        }
    }

private:
    const std::vector<QImage>& seiten;
};

}  // namespace

Ergebnisseiten::Ergebnisseiten(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("Ergebnisseiten"));
    setWidgetResizable(true);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->installEventFilter(this);
    SetSeiten({});
}

void Ergebnisseiten::SetSeiten(std::vector<QImage> seiten) {
    seiten_ = std::move(seiten);
    auto* flaeche = new Seitenflaeche(seiten_);
    flaeche->installEventFilter(this);
    setWidget(flaeche);
}

bool Ergebnisseiten::Blaettern(int taste) {
    QScrollBar* senkrecht = verticalScrollBar();
    QScrollBar* waagerecht = horizontalScrollBar();
    const int hoehe = viewport()->height();
    const int breite = viewport()->width();
    switch (taste) {
        case Qt::Key_PageDown:
            senkrecht->setValue(senkrecht->value() + hoehe * 2 / 3);
            return true;
        case Qt::Key_PageUp:
            senkrecht->setValue(senkrecht->value() - hoehe * 2 / 3);
            return true;
        case Qt::Key_Down:
            senkrecht->setValue(senkrecht->value() + hoehe / 10);
            return true;
        case Qt::Key_Up:
            senkrecht->setValue(senkrecht->value() - hoehe / 10);
            return true;
        case Qt::Key_Right:
            waagerecht->setValue(waagerecht->value() + breite / 10);
            return true;
        case Qt::Key_Left:
            waagerecht->setValue(waagerecht->value() - breite / 10);
            return true;
        case Qt::Key_Home:
            waagerecht->setValue(0);
            return true;
        case Qt::Key_End:
            waagerecht->setValue(breite);
            return true;
        default:
            return false;
    }
}

void Ergebnisseiten::keyPressEvent(QKeyEvent* event) {
    if (!Blaettern(event->key())) QScrollArea::keyPressEvent(event);
}

bool Ergebnisseiten::eventFilter(QObject* objekt, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) setFocus(Qt::MouseFocusReason);
    return QScrollArea::eventFilter(objekt, event);
}
