#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Befehle.h"
#include "app/Sitzungsadapter.h"
#include "app/ZuletztGeoeffnet.h"
#include "model/Typen.h"
#include "output/Dateiname.h"
#include "output/TKFarbe.h"

class QAction;
class QButtonGroup;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QToolButton;
class Berechnungsnachweis;
struct Projektposition;
class DesktopUmgebung;
class Ergebnisseiten;
class Eingabebereich;
class Ergebnisliste;
class Navigationsbaum;
class Sicherung;
class Skizzenbereich;
class TDXF_Anzeige_Form;
class TfrmAbout;
class TfrmBemessung;
class TfrmbeliebigeLast;
class TfrmBewehrung;
class TfrmCharakteristischeLast;
class TfrmFarbeinstellung;
class TfrmHilfe;
class TfrmHinweis5d;
class TfrmOptimalerDorn;
class TfrmProjektdaten;
class TfrmProjektverwaltung;
class TfrmStueckliste;
class TKAnwendung;
class TKModell;

// The main window: the project session with its inputs, sketch, results list and navigation tree, and the
// commands of the command table. The use cases run in the session; the window asks, shows and refreshes.
class TfrmHauptMaske : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmHauptMaske(DesktopUmgebung& umgebung, QWidget* parent = nullptr);
    ~TfrmHauptMaske() override;

    Projektsitzung& Sitzung() { return adapter_.Sitzung(); }
    const TKModell& Modell() const { return adapter_.Sitzung().Modell(); }
    const TKAnwendung& Arbeitskopie() const { return adapter_.Sitzung().Arbeitskopie(); }
    Eingabebereich& Eingaben() { return *eingabe_; }
    Navigationsbaum& Baum() { return *baum_; }
    // The printer chosen in printer setup, on which the proof is printed.
    QPrinter& Drucker() { return *drucker_; }
    QAction* Aktion(Befehl befehl) const { return aktionen_.at(befehl); }
    TfrmStueckliste& Stueckliste() { return *frmStueckliste_; }
    TsAnsicht Ansicht() const { return adapter_.Sitzung().Ansicht(); }

    void Ausfuehren(Befehl befehl);
    void AnsichtEingabeEinstellen(TsAnsicht pAnsicht);
    void EingabenAktualisieren();
    void ErgebnisUebersichtAnzeigen();
    void Neuzeichnen();
    // A file named on the command line, evaluated once at start; the arguments as the system's bytes, so
    // that any file name is opened and later saved under itself.
    void Befehlszeile(const std::vector<std::string>& argumente);
    // Opens a project without the save question (command line, project browser); false when it was not read.
    bool ProjektOeffnen(const Dateiname& datei);
    // Selects a position from the selector or the tree; a number beyond the project selects the last one.
    void PositionWaehlen(int nummer);

    // The handlers of the command table.
    void Neu();
    void Oeffnen();
    void Speichern();
    void SpeichernUnter();
    void DruckerEinrichten();
    void Drucken();
    void AlsPdf();
    void ProjektDrucken();
    void ProjektAlsPdf();
    void ErgebnisseExportieren();
    void ErgebnisseInZwischenablage();
    void Beenden();
    void Projektverwaltung();
    void PositionHinzufuegen();
    void PositionLoeschen();
    void Rueckgaengig();
    void Wiederherstellen();
    void Systemeingaben();
    void Projektdaten();
    void BedarfslisteAnzeigen();
    void BedarfslisteAufnehmen();
    void EingabebaumUmschalten();
    void Berechnen();
    void Vorschau();
    void Tragfaehigkeitstabellen();
    void DxfDorn();
    void DxfBewehrung();
    // The sketch menu's reinforcement drawing: shown in the DXF preview, saved from there.
    void DxfBewehrungVorschau();
    // Any DXF file read into the preview.
    void DxfAnzeigen();
    void Bemessung();
    void Farbeinstellungen();
    void HilfeInhalt();
    void HilfeSuchen();
    void HilfeUeberHilfe();
    void Ueber();
    void Katalog();
    void Zulassung();
    // At start, before the command line: the autosaved copy of a run that ended unexpectedly is offered.
    void SicherungAnbieten();
    Sicherung& Sicherungskopie() { return *sicherung_; }
    // A project of the recent-files list; a file that is gone is dropped from the list with a notice.
    void ZuletztOeffnen(QString datei);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BaueFenster();
    QWidget* BaueSkizzenseite();
    QLayout* BaueKnoepfe();
    void BaueBefehle();
    void BaueStatusleiste();
    void BaueDialoge();
    void ZuletztAktualisieren();
    void ZuletztAufnehmen(const QString& datei);
    QWidget* BaueErgebnisbereich(QWidget* parent);
    void VerbindeEingaben();
    QPushButton* Knopf(const char* name, const QString& text, Befehl befehl);

    // What the session changed, shown where it concerns the window.
    void SitzungGeaendert(unsigned geaendert);
    void TitelAktualisieren();
    void BaumAktualisieren();
    // The undo and redo commands name their steps and are enabled only with a step to take.
    void VerlaufAktualisieren();
    // The window's side of a view mode.
    void AnsichtZeigen(TsAnsicht pAnsicht);
    // Ctrl+Z and its kin go to the project, unless the text field with the focus has typing of its own to
    // take back.
    bool VerlaufTaste(QObject* objekt, QEvent* event);
    void PositionAnzeigen();
    void HinweiseAnzeigen(const Berechnung& berechnung);
    std::optional<std::string> SpeicherdateiWaehlen();
    bool Speicherfrage();
    void Melden(const QString& text);
    void DateifehlerMelden(const Dateiergebnis& ergebnis);
    // The reinforcement drawing of the current type into the preview's document; false after its notice.
    bool BewehrungInVorschau(TDXF_Anzeige_Form& vorschau);
    void DornGewaehlt(TsDorn dorn);
    void OptimalerDorn();
    void SkizzeWaehlen(TsSkizzeTyp typ);
    void SkizzenknopfSetzen();
    void ReferenzDokument(const QString& name);
    Berechnungsnachweis Nachweis() const;
    std::optional<QString> PdfDateiWaehlen();
    std::vector<Projektposition> ProjektBemessen();
    void SeitenZeichnen();
    double Bildschirmaufloesung() const;
    void HilfeZeigen(const QString& thema);
    bool EnterTaste(QObject* objekt, QEvent* event);
    // Window placement (TfrmHauptMaskeFenster.cpp): the saved geometry and splitter, else a size that fits
    // the screen; every dialog centred on the window.
    void GeometrieLaden();
    void GeometrieSpeichern() const;
    void DialogPlatzieren(QWidget* dialog) const;
    // F1 in a dialog opens the help topic of the dialog (its property "Hilfethema") or of the window below.
    bool HilfeTaste(QObject* objekt, QEvent* event);
    // While a text field has the focus, the keys of text editing (paste, copy, cut) act on the field, not
    // on a command that shares the key.
    bool Texttaste(QObject* objekt, QEvent* event) const;

    DesktopUmgebung& umgebung_;
    Sitzungsadapter adapter_;
    TKFarbe farbe_;
    std::unique_ptr<QPrinter> drucker_;

    TfrmProjektdaten* frmProjektdaten_;
    TfrmProjektverwaltung* frmProjektverwaltung_;
    TfrmAbout* frmAbout_;
    TfrmFarbeinstellung* frmFarbeinstellung_;
    TfrmOptimalerDorn* frmOptimalerDorn_;
    TfrmBemessung* frmBemessung_;
    TfrmCharakteristischeLast* frmCharakteristischeLast_;
    TfrmbeliebigeLast* frmbeliebigeLast_;
    TfrmBewehrung* frmBewehrung_;
    TfrmHinweis5d* frmHinweis5d_;
    TfrmStueckliste* frmStueckliste_;
    TfrmHilfe* frmHilfe_;
    Sicherung* sicherung_;
    ZuletztGeoeffnet zuletzt_;
    QMenu* zuletztMenue_ = nullptr;
    Eingabebereich* eingabe_ = nullptr;
    Skizzenbereich* skizze_ = nullptr;
    Ergebnisliste* lvLastErgebnis_ = nullptr;
    QWidget* pnlErgebnis_ = nullptr;  // the results list with its toolbar
    Navigationsbaum* baum_ = nullptr;
    QWidget* baumPanel_ = nullptr;
    QPlainTextEdit* memoHinweise_ = nullptr;
    QStackedWidget* seiten_ = nullptr;
    QSplitter* teilung_ = nullptr;
    Ergebnisseiten* ergebnisseiten_ = nullptr;
    QButtonGroup* skizzenknoepfe_ = nullptr;
    QToolButton* tbReihenAnsicht_ = nullptr;
    // Buttons below the pages, each running a command of the table.
    std::map<Befehl, QPushButton*> knoepfe_;
    std::map<Befehl, QAction*> aktionen_;
    std::map<Befehl, QAction*> skizzenaktionen_;
};
