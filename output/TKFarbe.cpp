#include "output/TKFarbe.h"

#include <QColor>
#include <QSettings>
#include <QString>

namespace {

constexpr const char* Abschnitt = "Farbeinstellung";

constexpr std::array<const char*, TKFarbe::AnzahlFarben> SchluesselTexte{
    "Hintergrund", "BetonPen", "BetonBrush", "PosA",      "PosB",       "PosC",
    "PosD",        "DornPen",  "DornBrush",  "Bemassung", "Brandschutz"};

// A stored value the program could have written: a plain colour, no system-colour flags in the top byte.
bool IstFarbwert(long long wert) {
    return wert >= 0 && wert <= 0xFFFFFF;
}

}  // namespace

const TKFarbe::Werte& TKFarbe::StandardWerte() {
    static const Werte werte{16777215, 0, 14737632, 6710886, 496376, 14500352, 204, 0, 16776960, 0, 65535};
    return werte;
}

const TKFarbe::Werte& TKFarbe::GrauWerte() {
    static const Werte werte{16777215, 0, 12632256, 0, 0, 0, 0, 0, 8421504, 0, 8421504};
    return werte;
}

const char* TKFarbe::Schluessel(Element e) {
    return SchluesselTexte[static_cast<int>(e)];
}

QColor TKFarbe::GetFarbe(Element e) const {
    return AlsQColor(GetWert(e));
}

void TKFarbe::SetFarbe(Element e, const QColor& farbe) {
    SetWert(e, AlsFarbwert(farbe));
}

void TKFarbe::SetWerte(const Werte& werte) {
    for (int i = 0; i < AnzahlFarben; ++i) SetWert(static_cast<Element>(i), werte[i]);
}

void TKFarbe::Lesen(QSettings& settings) {
    settings.beginGroup(Abschnitt);
    for (int i = 0; i < AnzahlFarben; ++i) {
        bool ok = false;
        const long long wert = settings.value(SchluesselTexte[i]).toString().trimmed().toLongLong(&ok);
        TWerte[i] = ok && IstFarbwert(wert) ? static_cast<std::uint32_t>(wert) : StandardWerte()[i];
    }
    settings.endGroup();
}

void TKFarbe::Schreiben(QSettings& settings) const {
    settings.beginGroup(Abschnitt);
    for (int i = 0; i < AnzahlFarben; ++i) settings.setValue(SchluesselTexte[i], QString::number(TWerte[i]));
    settings.endGroup();
}

QColor AlsQColor(std::uint32_t wert) {
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

std::uint32_t AlsFarbwert(const QColor& farbe) {
    return static_cast<std::uint32_t>(farbe.red()) | static_cast<std::uint32_t>(farbe.green()) << 8 |
           static_cast<std::uint32_t>(farbe.blue()) << 16;
}
