#pragma once

#include <functional>

#include "app/Enterdialog.h"
#include "model/Bedarfsliste.h"
#include "model/TKStueckliste.h"

class Anzahlfeld;
class Dialogdienst;
class Ergebnisseiten;
class Projektsitzung;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

// "Bedarfsliste": the project's bill of quantities in a working copy. The list mode edits the entries
// (active flag, number of equal positions, deletion) and the remarks; "&Zurück" gives them to the project,
// closing any other way drops the changes. The preview mode shows the parts list or the tender text as
// printed and exports, copies or prints it; preview and print give the changes to the project first.
class TfrmStueckliste : public Enterdialog {
    Q_OBJECT
public:
    // `hilfe` opens a help topic by name; `drucker` is the printer chosen in printer setup.
    TfrmStueckliste(Projektsitzung& sitzung, Dialogdienst& dialoge, QPrinter& drucker,
                    std::function<void(const QString&)> hilfe, QWidget* parent = nullptr);

    const TKStueckliste& Arbeitsliste() const { return arbeitsliste_; }
    bool Vorschaumodus() const;
    const Ergebnisseiten& Vorschau() const { return *vorschau_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BaueListe();
    QWidget* BaueListenseite();
    QWidget* BaueVorschauseite();
    QPushButton* Knopf(const char* name, const QString& text, void (TfrmStueckliste::*aktion)());

    void ListeFuellen();
    void ListenModus();
    void Modus(bool vorschau);
    void AuswahlZeigen(bool mitManschette);
    void ZeileGewaehlt();
    void Angehakt(QTreeWidgetItem* zeile, int spalte);
    void AnzahlGeaendert(int anzahl);
    void SpalteGeaendert(int spalte, int alt, int neu);
    int GewaehlteZeile() const;

    void Zurueckschreiben();
    void Zurueck();
    void Loeschen();
    void StuecklisteZeigen();
    void AusschreibungZeigen();
    void VorschauZeigen(Bedarfsdokument art);
    void Drucken();
    void Exportieren();
    void Zwischenablage();
    void Hilfe();

    Projektsitzung& sitzung_;
    Dialogdienst& dialoge_;
    QPrinter& drucker_;
    std::function<void(const QString&)> hilfe_;
    TKStueckliste arbeitsliste_;
    Bedarfsdokument art_ = Bedarfsdokument::Stueckliste;

    QStackedWidget* seiten_;
    QTreeWidget* liste_;
    Anzahlfeld* anzahl_;
    QLabel* auswahl_;
    QPlainTextEdit* memoBemerkung_;
    Ergebnisseiten* vorschau_;
    QPushButton* btnLoeschen_;
    QPushButton* btnStueckliste_;
    QPushButton* btnAusschreibung_;
    QPushButton* btnListe_;
    QPushButton* btnExport_;
    QPushButton* btnZwischenablage_;
};
