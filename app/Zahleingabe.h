#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;
class Dialogdienst;

// Numeric input of every window: checked when a field is left, read with a fallback, shown compactly.
// Numbers use the regional decimal separator `trenner` only; under ',' the text "2.5" is not a number. The
// rules and messages are the session's (sitzung/Eingabefelder.h), which the main window's fields reach
// through the session itself.

QString MeldungKeineZahl();

std::optional<double> AlsZahl(const QString& text, char trenner);

// True when the field's text is acceptable. A failed check shows its message through `dialoge` and puts the
// focus back into the field. Only a Zahlenfeld is checked; an empty text always passes; a number too large
// for the model's unit is no number.
bool PruefeEingabe(QWidget* feld, double maximum, double minimum, char trenner, Dialogdienst& dialoge);

double LeseZahl(const QString& text, double ersatz, char trenner);
QString ZahlText(double wert, const QString& nulltext, char trenner);
bool IstEins(int wert);
