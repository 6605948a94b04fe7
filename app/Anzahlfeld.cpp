#include "app/Anzahlfeld.h"

#include <QMetaObject>
#include <algorithm>

namespace {

bool GanzeZahl(const QString& text, qlonglong& wert) {
    bool ok = false;
    wert = text.trimmed().toLongLong(&ok);
    return ok;
}

}  // namespace

// A number outside the range may be typed to the end; it is corrected when the box is left.
QValidator::State Anzahlfeld::validate(QString& text, int& pos) const {
    const QValidator::State zustand = QSpinBox::validate(text, pos);
    if (zustand != QValidator::Invalid) return zustand;
    qlonglong wert = 0;
    return GanzeZahl(text, wert) || text.trimmed() == QStringLiteral("-") ? QValidator::Intermediate
                                                                          : QValidator::Invalid;
}

void Anzahlfeld::fixup(QString& text) const {
    qlonglong wert = 0;
    if (!GanzeZahl(text, wert)) return;
    const int richtig = static_cast<int>(std::clamp<qlonglong>(wert, minimum(), maximum()));
    if (richtig == wert) return;
    const QString eingabe = text.trimmed();
    text = QString::number(richtig);
    // Told after the box has taken the value, not in the middle of its own check.
    auto* feld = const_cast<Anzahlfeld*>(this);
    QMetaObject::invokeMethod(
        feld, [feld, eingabe, richtig] { emit feld->korrigiert(eingabe, richtig); }, Qt::QueuedConnection);
}
