#include "app/TBST500.h"

#include <QLineEdit>
#include <algorithm>

TBST500::TBST500(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    setAlignment(Qt::AlignRight);
    SetStabListe(QString::fromLatin1(StandardListe));
}

void TBST500::SetStabListe(const QString& liste) {
    FStabListe = liste.trimmed().isEmpty() ? QString::fromLatin1(StandardListe) : liste.trimmed();
    if (!FStabListe.endsWith(QLatin1Char(';'))) FStabListe += QLatin1Char(';');
    FStabListeReal.clear();
    for (const QString& teil : FStabListe.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool zahl = false;
        const int wert = teil.trimmed().toInt(&zahl);
        if (zahl && wert >= 0) FStabListeReal.push_back(wert);
    }
    if (FStabListeReal.empty()) FStabListeReal.push_back(0);
    const int letzter = FStabListeReal.back();
    FStabListeUp.assign(static_cast<std::size_t>(letzter) + 1, letzter);
    FStabListeDown.assign(static_cast<std::size_t>(letzter) + 1, FStabListeReal.front());
    for (int p = 0; p <= letzter; ++p) {
        for (int wert : FStabListeReal) {
            if (wert >= p) FStabListeUp[p] = std::min(FStabListeUp[p], wert);
            if (wert <= p) FStabListeDown[p] = std::max(FStabListeDown[p], wert);
        }
    }
    setRange(FStabListeReal.front(), letzter);
}

// The native step gives the raw position one further; the lists turn it into the next list value.
void TBST500::stepBy(int steps) {
    const int p = std::clamp(value() + steps, minimum(), maximum());
    if (p > value())
        setValue(FStabListeUp[static_cast<std::size_t>(p)]);
    else if (p < value())
        setValue(FStabListeDown[static_cast<std::size_t>(p)]);
}
