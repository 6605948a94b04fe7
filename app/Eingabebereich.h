#pragma once

#include <QWidget>
#include <array>

#include "app/Eingabefelder.h"
#include "model/Typen.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;
class DesktopUmgebung;
class Projektsitzung;
class TfrmCharakteristischeLast;
class TKAnwendung;
class TKBelastung;
class TKModell;
class Zahlenfeld;

// The input side of the main window: every field and selection control of one position, the rules that
// show or hide them by application case and load case, and the design-value dialog. All edits go into the
// working copy; the project model receives only the project name and the sketch choice.
class Eingabebereich : public QWidget {
    Q_OBJECT
public:
    // Which value of a load a design-value button or double click edits.
    enum class Lastwert { Punkt, Links, Rechts };

    // The session outlives the widget; its model and working copy keep their addresses.
    Eingabebereich(Projektsitzung& sitzung, DesktopUmgebung& umgebung,
                   TfrmCharakteristischeLast& bemessungswerte, QWidget* parent = nullptr);

    // Shows the working copy in every control and applies the visibility and load panel rules.
    void Aktualisieren();
    // The country variant decides which seven grade names the grade box offers.
    void BetongueteFuellen(TsLand land);

    bool LetzteEingabeGueltig() const { return gueltig_; }
    // The position selector's text: the number of the current position.
    QString PositionsText() const;
    Zahlenfeld* Eingabefeld(::Feld feld) const { return felder_[static_cast<std::size_t>(feld)]; }
    void FeldVerlassen(::Feld feld);
    void Bemessungswerte(Lastwert wert);

signals:
    void eingabeModus();  // an input changed: back to input mode
    void neuzeichnen();
    void reihenSkizzeVerfuegbar(bool verfuegbar);  // the dowel-row sketch exists only for pairs and rows
    void beliebigeLastBearbeiten();                // the user wants to edit the arbitrary load's points
    void positionGewaehlt(int nummer);             // the user set the position selector
    void positionBenannt(const QString& name);     // the position name is being typed
    void projektBenannt(const QString& name);      // the project name is being typed

private:
    QWidget* BaueKopf();
    QWidget* BaueAnwendungsfall();
    QWidget* BaueBauteil();
    QWidget* BaueFuge();
    QWidget* BaueBewehrung();
    QWidget* BaueBelastung();
    QWidget* Feldzeile(::Feld feld, QWidget* parent, QToolButton* knopf = nullptr);
    QToolButton* BemessungswertKnopf(Lastwert wert, const char* name);
    void VerbindeFelder();

    void AnwendungsfallKlick(TsAnwendungsfall fall);
    void AnwendungsfallRegeln(bool ansichtWechseln);
    void LastfallKlick(TsBelastungsfall fall, bool ansichtWechseln);
    void LastpanelRegeln(TsBelastungsfall fall);
    void KonstanteLastKlick();
    void LinienlastKlick();
    void BeliebigeLastKlick();
    void FeldAnzeigen(::Feld feld);
    void FeldSchreiben(::Feld feld, double wert);
    double FeldWert(::Feld feld, double ersatz) const;
    void Zeigen(::Feld feld, bool sichtbar);

    DesktopUmgebung& umgebung_;
    TfrmCharakteristischeLast& bemessungswerte_;
    TKModell& modell_;
    TKAnwendung& a_;
    bool gueltig_ = true;

    std::array<Zahlenfeld*, AnzahlFelder> felder_{};
    std::array<QWidget*, AnzahlFelder> zeilen_{};
    QLineEdit* editBauvorhaben_ = nullptr;
    QLineEdit* editPosition_ = nullptr;
    QSpinBox* sEditAktAnwendung_ = nullptr;
    QButtonGroup* tbarAnwendungsfall_ = nullptr;
    QButtonGroup* tbarBelastungsfall_ = nullptr;
    QWidget* pnlBelastungsfall_ = nullptr;
    QWidget* grpDornPaarAbstand_ = nullptr;
    QWidget* grpkonstDornabstand_ = nullptr;
    QCheckBox* cbDornPaarAbstand_ = nullptr;
    QCheckBox* cbkonstDornabstand_ = nullptr;
    QComboBox* cBoxFugenbreite_ = nullptr;
    QComboBox* cboxBetonguete_ = nullptr;
    QComboBox* cboxFeuerwiderstand_ = nullptr;
    QButtonGroup* rgBewehrungCalc_ = nullptr;
    QLabel* lblQuerkraftverlauf_ = nullptr;
    std::array<QToolButton*, 3> bemessungsknoepfe_{};
};
