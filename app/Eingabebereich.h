#pragma once

#include <QWidget>
#include <array>

#include "model/Typen.h"
#include "sitzung/Eingabe.h"

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
class TKModell;
class Zahlenfeld;

// The input side of the main window: every field and selection control of one position, shown or hidden as
// the position's application case and load case have it, and the design-value dialog. Every input goes to
// the session, which checks and applies it; the area shows what the session then holds.
class Eingabebereich : public QWidget {
    Q_OBJECT
public:
    // The session outlives the widget; its model and working copy keep their addresses.
    Eingabebereich(Projektsitzung& sitzung, DesktopUmgebung& umgebung,
                   TfrmCharakteristischeLast& bemessungswerte, QWidget* parent = nullptr);

    // Shows the working copy in every control and applies the visibility and load panel rules. A field whose
    // text already says the stored value keeps it as typed; with `nurGelesene`, a field the user is typing in
    // (or left refused) keeps its text too.
    void Aktualisieren(bool nurGelesene = false);
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
    void AnwendungsfallRegeln();
    void LastfallKlick(TsBelastungsfall fall);
    void LastpanelRegeln(TsBelastungsfall fall);
    void BeliebigeLastKlick();
    // A value typed into a field and not yet taken (a tool button takes no focus, a double click leaves
    // nothing) is taken before the click acts; false when it was refused.
    bool OffenesFeldUebernehmen();
    // Shows a refused input's message; with `feld` the focus goes back into it.
    bool Angenommen(const Eingabeergebnis& ergebnis, QWidget* feld = nullptr);
    void FeldAnzeigen(::Feld feld, bool nurGelesene);
    void Zeigen(::Feld feld, bool sichtbar);

    Projektsitzung& sitzung_;
    DesktopUmgebung& umgebung_;
    TfrmCharakteristischeLast& bemessungswerte_;
    const TKModell& modell_;
    const TKAnwendung& a_;
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
