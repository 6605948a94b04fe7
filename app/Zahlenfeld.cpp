#include "app/Zahlenfeld.h"

#include <QFocusEvent>

Zahlenfeld::Zahlenfeld(QWidget* parent, int bereich, double faktor)
    : QLineEdit(parent), bereich_(bereich), faktor_(faktor) {}

void Zahlenfeld::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another application or opening a menu does not leave the field; checking then would
    // pop up messages while the user is elsewhere.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    emit verlassen();
}

void Zahlenfeld::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doppelklick();
}
