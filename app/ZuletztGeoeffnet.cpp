#include "app/ZuletztGeoeffnet.h"

#include <QFileInfo>

namespace {

QString Schluessel(int i) {
    return QStringLiteral("Zuletzt%1").arg(i + 1);
}

}  // namespace

QStringList ZuletztGeoeffnet::Dateien() const {
    QStringList dateien;
    for (int i = 0; i < Anzahl; ++i)
        if (const QString datei = einstellungen_.LeseText(Schluessel(i), QString()); !datei.isEmpty())
            dateien << datei;
    return dateien;
}

void ZuletztGeoeffnet::Aufnehmen(const QString& datei) const {
    const QString pfad = QFileInfo(datei).absoluteFilePath();
    QStringList dateien = Dateien();
    dateien.removeAll(pfad);
    dateien.prepend(pfad);
    Schreiben(dateien);
}

void ZuletztGeoeffnet::Entfernen(const QString& datei) const {
    QStringList dateien = Dateien();
    dateien.removeAll(datei);
    Schreiben(dateien);
}

void ZuletztGeoeffnet::Schreiben(const QStringList& dateien) const {
    for (int i = 0; i < Anzahl; ++i) einstellungen_.SchreibeText(Schluessel(i), dateien.value(i));
}
