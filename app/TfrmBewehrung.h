#pragma once

#include <array>
#include <functional>

#include "app/Enterdialog.h"
#include "sitzung/Bewehrungsauswahl.h"

class QLabel;
class QSpinBox;
class DesktopUmgebung;
class TBST500;
class TKFarbe;

// "Bewehrung": the additional reinforcement of the current dowel type chosen by hand. Every change of a
// count or diameter lays out its position and recalculates the type; the intermediate results and the
// results overview follow at once. OK keeps the choice (after the approval's questions), "Abbrechen" puts
// back what the type had when the window opened.
class TfrmBewehrung : public Enterdialog {
    Q_OBJECT
public:
    // `uebersicht` refreshes the main window's results overview.
    TfrmBewehrung(Projektsitzung& sitzung, DesktopUmgebung& umgebung, const TKFarbe& farbe,
                  std::function<void()> uebersicht, std::function<void(const QString&)> hilfe,
                  QWidget* parent = nullptr);

    // Cancel and Escape.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The rows D, A, B1, B2, C in the window's order.
    struct Reihe {
        QSpinBox* anzahl;
        TBST500* durchmesser;
        TsPosTyp posTyp;
    };

    void BaueReihen(class QGridLayout* raster);
    void Zeigen();
    Bewehrungsauswahl::Staebe Anzahlen() const;
    Bewehrungsauswahl::Staebe Durchmesser() const;
    void Geaendert();
    void ZwischenergebnisZeigen();
    void DornZeichnen();
    void Standard();
    void Ok();

    Projektsitzung& sitzung_;
    DesktopUmgebung& umgebung_;
    const TKFarbe& farbe_;
    Bewehrungsauswahl auswahl_;
    std::function<void()> uebersicht_;
    std::array<Reihe, 5> reihen_{};
    QLabel* lblAktDorn_;
    QLabel* imgBewehrungAnzeige_;
    QLabel* imgDornKlein_;  // the joint-face sketch of the type, with its reinforcement positions
};
