#pragma once

#include <QDialog>
#include <functional>

#include "app/Anwendereinstellungen.h"

class QButtonGroup;
class QCheckBox;
class Projektsitzung;

// "Einstellung zur Bemessung": the maximum dowel spacing of the current position, which also becomes the
// default of new positions (user setting Bemessung), and whether the information on spacings above five
// slab thicknesses appears after a design run (user setting InfoHinweis5d).
class TfrmBemessung : public QDialog {
    Q_OBJECT
public:
    TfrmBemessung(Projektsitzung& sitzung, Anwendereinstellungen einstellungen,
                  std::function<void(const QString&)> hilfe, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Uebernehmen();

    Projektsitzung& sitzung_;
    Anwendereinstellungen einstellungen_;
    QButtonGroup* rgMaxDornabstand_;
    QCheckBox* cbInfoHinweis5d_;
    bool beimOeffnen_ = true;
};
