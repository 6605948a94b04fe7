#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/Anwendereinstellungen.h"
#include "app/Enterdialog.h"
#include "output/Dateiname.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
class Projektsitzung;

// "QUORVEL® - Projektverwaltung": looks into the project files of a folder without opening them. For the
// chosen file it lists the positions; the engineer takes one over into the open project (the dialog ends
// with Accepted) or opens the file as the project (it ends with ProjektGeoeffnet). The folder is
// remembered in the user settings.
class TfrmProjektverwaltung : public Enterdialog {
    Q_OBJECT
public:
    // What the browser asks of the main window.
    struct Hauptfenster {
        std::function<bool()> speicherfrage;                   // true when the open project may be given up
        std::function<bool(const Dateiname&)> projektOeffnen;  // opens without asking; true when it was read
        std::function<void(const QString&)> hilfe;             // opens a help topic by name
    };
    static constexpr int ProjektGeoeffnet = 2;

    TfrmProjektverwaltung(Projektsitzung& sitzung, Anwendereinstellungen einstellungen,
                          Hauptfenster hauptfenster, QWidget* parent = nullptr);

    QString Verzeichnis() const;
    // Shows the folder and remembers it; a folder that does not exist changes nothing.
    void VerzeichnisWechseln(const QString& pfad);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    QWidget* BaueOrdnerwahl();
    void Zeigen();
    void LaufwerkeFuellen();
    void VerzeichnisseFuellen(const std::vector<std::filesystem::path>& unterordner);
    void DateienFuellen(const std::vector<std::filesystem::path>& projekte);
    void OrdnerWechseln(const std::filesystem::path& ordner);
    void DateiGewaehlt();
    void KnoepfeSetzen();
    void Uebernehmen();
    void Oeffnen();
    std::string GewaehlteDatei() const;  // its bytes; empty when none is chosen

    Projektsitzung& sitzung_;
    Anwendereinstellungen einstellungen_;
    Hauptfenster hauptfenster_;
    std::filesystem::path verzeichnis_;  // absolute; names are the system's bytes
    QComboBox* cbLaufwerk_;
    QLabel* lblVerzeichnis_;
    QTreeWidget* lbVerzeichnis_;
    QListWidget* lbProjekt_;
    QTreeWidget* lvProjektinhalte_;
    QPushButton* btnUebernehmen_;
    QPushButton* btnOeffnen_;
    QStatusBar* sbInfo_;
};
