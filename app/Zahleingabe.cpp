#include "app/Zahleingabe.h"

#include <QCoreApplication>
#include <cmath>

#include "app/Dialogdienst.h"
#include "app/Zahlenfeld.h"
#include "model/Zahlentext.h"
#include "sitzung/Eingabefelder.h"

namespace {

bool Meldet(QWidget* feld, Feldpruefung pruefung, Dialogdienst& dialoge) {
    dialoge.Hinweis(feld, QCoreApplication::translate(MeldungKontext(pruefung), Meldungstext(pruefung)));
    feld->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace

QString MeldungKeineZahl() {
    return QCoreApplication::translate("Zahleingabe", Meldungstext(Feldpruefung::KeineZahl));
}

std::optional<double> AlsZahl(const QString& text, char trenner) {
    return ZahlAusText(text.trimmed().toStdString(), trenner);
}

bool PruefeEingabe(QWidget* feld, double maximum, double minimum, char trenner, Dialogdienst& dialoge) {
    const auto* zahlenfeld = qobject_cast<Zahlenfeld*>(feld);
    if (!zahlenfeld || zahlenfeld->text().trimmed().isEmpty()) return true;
    const auto wert = AlsZahl(zahlenfeld->text(), trenner);
    if (!wert || !std::isfinite(*wert * zahlenfeld->Faktor()))
        return Meldet(feld, Feldpruefung::KeineZahl, dialoge);
    const Feldpruefung pruefung = BereichPruefen(*wert, zahlenfeld->Bereich(), minimum, maximum);
    return pruefung == Feldpruefung::Gueltig || Meldet(feld, pruefung, dialoge);
}

double LeseZahl(const QString& text, double ersatz, char trenner) {
    return AlsZahl(text, trenner).value_or(ersatz);
}

QString ZahlText(double wert, const QString& nulltext, char trenner) {
    if (std::fabs(wert) < 0.000001) return nulltext;
    return QString::fromStdString(FloatText(wert, trenner));
}

bool IstEins(int wert) {
    return wert == 1;
}
