#pragma once

#include <functional>
#include <optional>

#include "app/Enterdialog.h"
#include "sitzung/Lastimport.h"
#include "sitzung/Lasttabelle.h"

class QLabel;
class QTableWidget;
class DesktopUmgebung;
class Projektsitzung;
class TKFarbe;
class Zahlenfeld;

// "Eingabe einer beliebig verlaufenden Streckenlast": the value pairs (x in m, q in kN/m) of the working
// copy's arbitrary design load as a table, with the load diagram. Every change goes through to the design
// load at once; "Abbrechen" puts back the load as it was when the window opened, OK makes the changes one
// step of the project's history. A table of a frame analysis comes in whole: pasted from a spreadsheet
// ("Einfügen", Ctrl+V in the table) or read from a CSV file ("Importieren…").
class TfrmbeliebigeLast : public Enterdialog {
    Q_OBJECT
public:
    TfrmbeliebigeLast(Projektsitzung& sitzung, DesktopUmgebung& umgebung, const TKFarbe& farbe,
                      std::function<void(const QString&)> hilfe, QWidget* parent = nullptr);

    const Lasttabelle& Tabelle() const { return *tabelle_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int ergebnis) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    QWidget* BaueEingaben();
    void TabelleZeigen(int auswahl);
    void NeuAufbauen();
    void Zeichnen();
    Lasttabelle::Zeile Felder() const;
    void Hinzufuegen();
    void Aendern();
    void Loeschen();
    void ZeileGewaehlt(int zeile);
    void Einfuegen();
    void Importieren();
    // A table read from the clipboard or a file replaces the rows; a bad line is named and changes nothing.
    void Uebernehmen(const Lastimport& tabelle);

    Projektsitzung& sitzung_;
    DesktopUmgebung& umgebung_;
    const TKFarbe& farbe_;
    bool offen_ = false;  // a Bearbeitung of the session is open
    std::optional<Lasttabelle> tabelle_;
    QLabel* imgQuerlastverlauf_;
    QTableWidget* sgQuerlastverlauf_;
    Zahlenfeld* meditxKoordinate_;
    Zahlenfeld* meditLastwert_;
};
