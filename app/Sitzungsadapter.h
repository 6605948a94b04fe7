#pragma once

#include <QObject>

#include "sitzung/Projektsitzung.h"

// The project session for the windows: the session tells it every change, and it passes the change on as a
// signal. Every view reads the session when it is told that something changed, so none keeps a pointer that
// a use case could leave dangling.
class Sitzungsadapter : public QObject {
    Q_OBJECT
public:
    explicit Sitzungsadapter(Umgebung& umgebung, QObject* parent = nullptr);

    Projektsitzung& Sitzung() { return sitzung_; }
    const Projektsitzung& Sitzung() const { return sitzung_; }
    // A change the window makes itself (the view mode), passed on like the session's.
    void Melden(unsigned aenderungen) { emit geaendert(aenderungen); }

signals:
    // `aenderungen`: the Geaendert flags of the change (sitzung/Eingabe.h); a view redraws for any and
    // refreshes what the flags concern.
    void geaendert(unsigned aenderungen);

private:
    Projektsitzung sitzung_;
};
