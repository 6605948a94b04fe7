#pragma once

#include <QString>
#include <memory>

class QSettings;

// The user settings file (INI) beside the program: "<program path without extension>.INI". When that
// folder cannot be written (an installed program), the file lives in the per-user configuration folder
// instead, so settings are never lost silently. Every access opens the file, reads or writes one key and
// closes it again; nothing is cached.
class Anwendereinstellungen {
public:
    // Settings of the running program.
    static Anwendereinstellungen FuerProgramm();
    // Settings in the given file (tests, or another program location).
    explicit Anwendereinstellungen(QString datei) : datei_(std::move(datei)) {}

    const QString& Datei() const { return datei_; }

    int LeseZahl(const QString& schluessel, int standard) const;
    void SchreibeZahl(const QString& schluessel, int wert) const;
    QString LeseText(const QString& schluessel, const QString& standard) const;
    void SchreibeText(const QString& schluessel, const QString& wert) const;

    // The whole file for other sections (the sketch colours).
    std::unique_ptr<QSettings> Oeffnen() const;

private:
    QString datei_;
};

// Where the settings of a program at `programmdatei` live; see Anwendereinstellungen.
QString EinstellungsDatei(const QString& programmdatei, bool ordnerBeschreibbar,
                          const QString& benutzerOrdner);
