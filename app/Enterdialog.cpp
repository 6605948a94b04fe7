#include "app/Enterdialog.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>

bool IstEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int taste = static_cast<const QKeyEvent*>(event)->key();
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}

void Enterdialog::EnterWeiterschalten() {
    for (auto* control : findChildren<QWidget*>()) control->installEventFilter(this);
}

bool Enterdialog::eventFilter(QObject* objekt, QEvent* event) {
    if (!IstEnter(event) || qobject_cast<QPlainTextEdit*>(objekt) || qobject_cast<QTextEdit*>(objekt))
        return QDialog::eventFilter(objekt, event);
    focusNextPrevChild(!(static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier));
    return true;
}

QStatusBar* Enterdialog::Hinweisleiste() {
    if (!sbInfo_) {
        sbInfo_ = new QStatusBar(this);
        sbInfo_->setObjectName(QStringLiteral("sbInfo"));
        sbInfo_->setSizeGripEnabled(false);
    }
    return sbInfo_;
}

bool Enterdialog::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && sbInfo_) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        sbInfo_->showMessage(tip.isEmpty() ? tip : QStringLiteral("  ") + tip);
        return true;
    }
    return QDialog::event(event);
}

void HinweisSetzen(QWidget* control, const QString& hinweis) {
    const qsizetype strich = hinweis.indexOf(QLatin1Char('|'));
    control->setToolTip(strich < 0 ? hinweis : hinweis.left(strich));
    control->setStatusTip(strich < 0 ? hinweis : hinweis.mid(strich + 1));
}

QPushButton* Dialogknopf(const char* name, const QString& text, const QString& hinweis, QWidget* parent) {
    auto* knopf = new QPushButton(text, parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAutoDefault(false);
    HinweisSetzen(knopf, hinweis);
    return knopf;
}
