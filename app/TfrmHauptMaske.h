#pragma once

#include <QMainWindow>
#include <memory>

#include "model/Typen.h"
#include "output/TKFarbe.h"

class QAction;
class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class DesktopUmgebung;
class Eingabebereich;
class Ergebnisliste;
class Skizzenbereich;
class TfrmCharakteristischeLast;
class TfrmHinweis5d;
class TKAnwendung;
class TKModell;

// The main window: owns the project model and the working copy of the current position, shows the inputs,
// the sketch and the results list, and runs the design.
class TfrmHauptMaske : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmHauptMaske(DesktopUmgebung& umgebung, QWidget* parent = nullptr);
    ~TfrmHauptMaske() override;

    void AnsichtEingabeEinstellen(TsAnsicht pAnsicht);
    TsAnsicht Ansicht() const { return ansicht_; }
    void EingabenAktualisieren();
    void Berechnen();
    void Vorschau();
    void ErgebnisUebersichtAnzeigen();
    void Neuzeichnen();
    // A file named on the command line, evaluated once at start.
    void Befehlszeile(const QStringList& argumente);

    TKModell& Modell() { return *modell_; }
    TKAnwendung& Arbeitskopie() { return *arbeitskopie_; }
    Eingabebereich& Eingaben() { return *eingabe_; }

protected:
    bool event(QEvent* event) override;

private:
    void BaueFenster();
    void BaueBefehle();
    void BaueStatusleiste();
    QWidget* BaueSkizzenseite();
    bool Vorpruefen();
    bool Berechenbar();
    void Bemessen();
    void DornGewaehlt(TsDorn dorn);
    void SkizzeWaehlen(TsSkizzeTyp typ);
    void ArbeitskopieAnlegen();
    void ProjektOeffnen(const QString& datei);

    DesktopUmgebung& umgebung_;
    std::unique_ptr<TKModell> modell_;
    std::unique_ptr<TKAnwendung> arbeitskopie_;
    TKFarbe farbe_;
    TsAnsicht ansicht_ = TsAnsicht::anEingabe;

    TfrmCharakteristischeLast* frmCharakteristischeLast_;
    TfrmHinweis5d* frmHinweis5d_;
    Eingabebereich* eingabe_ = nullptr;
    Skizzenbereich* skizze_ = nullptr;
    Ergebnisliste* lvLastErgebnis_ = nullptr;
    QPlainTextEdit* memoHinweise_ = nullptr;
    QStackedWidget* seiten_ = nullptr;
    QButtonGroup* skizzenknoepfe_ = nullptr;
    QToolButton* tbReihenAnsicht_ = nullptr;
    QPushButton* btnBerechnen_ = nullptr;
    QPushButton* btnVorschau_ = nullptr;
    QPushButton* btnRueckkehr_ = nullptr;

    // Commands whose enabled state follows the view mode; the export, print and bill-of-quantities
    // commands attach their work to these actions.
    QAction* actBerechnen_ = nullptr;
    QAction* actVorschau_ = nullptr;
    QAction* actSystemeingaben_ = nullptr;
    QAction* actBedarfsliste_ = nullptr;
    QAction* actDrucken_ = nullptr;
    QAction* actExportDatei_ = nullptr;
    QAction* actExportZwischenablage_ = nullptr;
    QAction* actDxfBewehrung_ = nullptr;
    QAction* actDxfDorn_ = nullptr;
};
