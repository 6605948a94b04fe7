#include "output/Nachweistext.h"

#include <cmath>

#include "model/Zahlentext.h"

QString Zahl(double wert, int stellen, char dezimaltrenner) {
    const double faktor = std::pow(10.0, stellen);
    const double gerundet = std::nearbyint(wert * faktor) / faktor;
    return QString::fromStdString(FloatText(gerundet == 0 ? 0.0 : gerundet, dezimaltrenner));
}
