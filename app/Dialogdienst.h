#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "model/Umgebung.h"

class QPrinter;
class QWidget;

// Every message box and file dialog of the windows goes through this service, so tests can answer them
// without a screen and never block on a modal box.
class Dialogdienst {
public:
    // A file chosen in a file dialog and the index of the filter that was selected with it.
    struct Dateiwahl {
        QString datei;
        int filter = 0;
    };

    virtual ~Dialogdienst() = default;

    virtual void Hinweis(QWidget* parent, const QString& text) = 0;               // notice with OK
    virtual bool Frage(QWidget* parent, const QString& text) = 0;                 // Yes/No; true on Yes
    virtual Antwort FrageMitAbbrechen(QWidget* parent, const QString& text) = 0;  // Yes/No/Cancel
    virtual bool Bestaetigung(QWidget* parent, const QString& text) = 0;          // OK/Cancel; true on OK

    // Filters are Qt filter texts such as "Projektdateien (*.ZAV)"; `filter` preselects one of them.
    // An empty result means the user cancelled.
    virtual std::optional<Dateiwahl> DateiOeffnen(QWidget* parent, const QString& titel,
                                                  const QString& vorschlag, const QStringList& filter,
                                                  int filter_index) = 0;
    virtual std::optional<Dateiwahl> DateiSpeichern(QWidget* parent, const QString& titel,
                                                    const QString& vorschlag, const QStringList& filter,
                                                    int filter_index) = 0;
    // The platform's printer setup for `drucker`; false when cancelled.
    virtual bool DruckerEinrichten(QWidget* parent, QPrinter& drucker) = 0;
    // Opens a document with the program the desktop associates with it; false when none could.
    virtual bool DokumentOeffnen(const QString& pfad) = 0;
};

// The title of the program's message boxes.
QString Anwendungstitel();

// The real boxes and dialogs of the desktop program.
class QtDialogdienst : public Dialogdienst {
public:
    void Hinweis(QWidget* parent, const QString& text) override;
    bool Frage(QWidget* parent, const QString& text) override;
    Antwort FrageMitAbbrechen(QWidget* parent, const QString& text) override;
    bool Bestaetigung(QWidget* parent, const QString& text) override;
    std::optional<Dateiwahl> DateiOeffnen(QWidget* parent, const QString& titel, const QString& vorschlag,
                                          const QStringList& filter, int filter_index) override;
    std::optional<Dateiwahl> DateiSpeichern(QWidget* parent, const QString& titel, const QString& vorschlag,
                                            const QStringList& filter, int filter_index) override;
    bool DruckerEinrichten(QWidget* parent, QPrinter& drucker) override;
    bool DokumentOeffnen(const QString& pfad) override;
};
