#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "app/Anwendereinstellungen.h"

class Dialogdienst;
class Projektsitzung;
class QWidget;

// Autosave and recovery: every few minutes (user setting "Sicherungsminuten", default 5) a project with
// unsaved changes is copied beside the user settings, written through the atomic writer like every project
// file; the settings note when and for which project file. A normal end removes the copy, so a copy found at
// the next start is the work of a run that ended unexpectedly, and the user is offered to restore it.
class Sicherung : public QObject {
    Q_OBJECT
public:
    Sicherung(Projektsitzung& sitzung, Anwendereinstellungen einstellungen, QObject* parent = nullptr);

    QString Datei() const;
    // Writes the copy now when the project has unsaved changes, and removes an old copy when it has none.
    void Schreiben();
    // At start: a copy found is offered with its time and project file; Yes opens it (the project then
    // counts as changed and the copy stays until the next tick or a normal end), No discards it. True when
    // a copy was restored.
    bool Anbieten(QWidget* parent, Dialogdienst& dialoge);
    // The normal end of the program: no copy stays behind.
    void Entfernen();

private:
    Projektsitzung& sitzung_;
    Anwendereinstellungen einstellungen_;
    QTimer zeitgeber_;
};
