#pragma once

#include <QStringList>

#include "app/Anwendereinstellungen.h"

// The projects opened or saved last, newest first, at most eight, kept in the user settings ("Zuletzt1" …
// "Zuletzt8"), so the Datei menu and the navigation tree offer them at every start.
class ZuletztGeoeffnet {
public:
    static constexpr int Anzahl = 8;

    explicit ZuletztGeoeffnet(Anwendereinstellungen einstellungen)
        : einstellungen_(std::move(einstellungen)) {}

    QStringList Dateien() const;
    // The file goes to the top; the oldest falls off beyond eight.
    void Aufnehmen(const QString& datei) const;
    void Entfernen(const QString& datei) const;

private:
    void Schreiben(const QStringList& dateien) const;

    Anwendereinstellungen einstellungen_;
};
