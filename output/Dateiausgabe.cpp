#include "output/Dateiausgabe.h"

#include <system_error>

#include "datei/DateiErsetzen.h"

QString DateiSchreiben(const QString& pfad, const QByteArray& inhalt) {
    try {
        DateiErsetzen(pfad.toStdString(), inhalt.toStdString());
        return {};
    } catch (const std::system_error& fehler) {
        return QString::fromStdString(fehler.what());
    }
}
