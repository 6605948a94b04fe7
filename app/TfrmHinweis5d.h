#pragma once

#include <QDialog>

#include "app/Anwendereinstellungen.h"

class QCheckBox;

// "Information zur Bemessung der Dornabstände": explains spacings above five slab thicknesses and lets the
// user stop it from appearing after every design run (user setting InfoHinweis5d).
class TfrmHinweis5d : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHinweis5d(Anwendereinstellungen einstellungen, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Anwendereinstellungen einstellungen_;
    QCheckBox* cbWiederAnzeigen_;
    bool beimOeffnen_ = true;
};
