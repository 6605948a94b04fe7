#pragma once

#include <QObject>

#include "sitzung/Projektsitzung.h"

// The project session for the windows: every view reads the session when it is told that something changed,
// so none keeps a pointer that a use case could leave dangling.
class Sitzungsadapter : public QObject {
    Q_OBJECT
public:
    // What changed; a view redraws for any kind and refreshes what the kind concerns.
    enum class Aenderung {
        Projekt,     // a new or opened project: everything
        Position,    // another current position, or positions added or removed
        Ergebnisse,  // a design run or another selected dowel type
        Ansicht,     // the view mode or the sketch shown
        Eingabe,     // an input of the working copy
    };
    Q_ENUM(Aenderung)

    explicit Sitzungsadapter(Umgebung& umgebung, QObject* parent = nullptr);

    Projektsitzung& Sitzung() { return sitzung_; }
    const Projektsitzung& Sitzung() const { return sitzung_; }
    void Melden(Aenderung aenderung) { emit geaendert(aenderung); }

signals:
    void geaendert(Sitzungsadapter::Aenderung aenderung);

private:
    Projektsitzung sitzung_;
};
