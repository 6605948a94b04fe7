#include "app/Hinweiszeiten.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int Hinweispause = 500;
constexpr int HinweisAnzeigedauer = 5000;

class Hinweisstil : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* antwort) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return Hinweispause;
        return QProxyStyle::styleHint(hint, option, widget, antwort);
    }
};

// Shows a widget's own hint for the fixed time; everything else keeps Qt's handling.
class Hinweisdauer : public QObject {
public:
    explicit Hinweisdauer(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* widget = qobject_cast<QWidget*>(objekt);
        if (ereignis->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty()) return false;
        const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
        QToolTip::showText(hilfe->globalPos(), widget->toolTip(), widget, {}, HinweisAnzeigedauer);
        return true;
    }
};

}  // namespace

void HinweiszeitenEinstellen(QApplication& app) {
    QApplication::setStyle(new Hinweisstil);
    app.installEventFilter(new Hinweisdauer(&app));
}
