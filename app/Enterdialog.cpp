#include "app/Enterdialog.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
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
