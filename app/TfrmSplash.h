#pragma once

#include <QDialog>
#include <QTranslator>
#include <vector>

#include "app/Anwendereinstellungen.h"
#include "app/Sprachmodule.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

// The start window: title, standards, the choice of the user-interface language among the modules beside
// the program, and the start button. The choice is remembered in the user setting IDSprache.
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    TfrmSplash(QString programmdatei, Anwendereinstellungen einstellungen, QWidget* parent = nullptr);

    // The locale chosen for this run (0 for none); the start button loads its module.
    int GewaehlteKennung() const { return kennung_; }
    QGroupBox* Sprachgruppe() const { return rgSprache_; }

protected:
    void reject() override {}  // no way out but the start button

private:
    void SpracheWaehlen(int index);
    void Beschriften();

    QString programmdatei_;
    Anwendereinstellungen einstellungen_;
    std::vector<Sprache> sprachen_;
    int kennung_ = 0;
    QGroupBox* rgSprache_;
    QButtonGroup* knoepfe_;
    QLabel* imgTitelbild_;
    QLabel* lblPrgName_;
    QLabel* lblNormen_;
    QPushButton* btnWeiter_;
    // The chosen language's module while the window is open, so the window speaks the language picked.
    QTranslator vorschau_;
};
