#include "app/Zahleingabe.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <string>

#include "app/Dialogdienst.h"
#include "app/Zahlenfeld.h"
#include "model/Zahlentext.h"

namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("Zahleingabe", text);
}

bool Meldet(QWidget* feld, const QString& meldung, Dialogdienst& dialoge) {
    dialoge.Hinweis(feld, meldung);
    feld->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace

QString MeldungKeineZahl() {
    return QCoreApplication::translate("Zahleingabe",
                                       "Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!\n"
                                       "(eventuell Schreibweise von \".\" und \",\" beachten");
}

std::optional<double> AlsZahl(const QString& text, char trenner) {
    std::string zahl = text.trimmed().toStdString();
    if (zahl.empty()) return std::nullopt;
    for (char& zeichen : zahl) {
        if (zeichen == trenner) {
            zeichen = '.';
        } else if (zeichen == '.' || zeichen == ',') {
            return std::nullopt;  // the other separator: a typing slip, not a number
        }
    }
    const char* anfang = zahl.data();
    if (*anfang == '+') {
        ++anfang;
        if (*anfang == '+' || *anfang == '-') return std::nullopt;
    }
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(anfang, zahl.data() + zahl.size(), wert);
    if (fehler != std::errc() || ende != zahl.data() + zahl.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

bool PruefeEingabe(QWidget* feld, double maximum, double minimum, char trenner, Dialogdienst& dialoge) {
    const auto* zahlenfeld = qobject_cast<Zahlenfeld*>(feld);
    if (!zahlenfeld || zahlenfeld->text().trimmed().isEmpty()) return true;
    const auto wert = AlsZahl(zahlenfeld->text(), trenner);
    if (!wert || !std::isfinite(*wert * zahlenfeld->Faktor()))
        return Meldet(feld, MeldungKeineZahl(), dialoge);
    const int bereich = zahlenfeld->Bereich();
    const bool pruefeMinimum = bereich == -1 || bereich == 2;
    const bool pruefeMaximum = bereich == 1 || bereich == 2;
    if (pruefeMinimum && !(*wert >= minimum)) return Meldet(feld, Text(MeldungKleiner), dialoge);
    if (pruefeMaximum && *wert > maximum) return Meldet(feld, Text(MeldungGroesser), dialoge);
    return true;
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
