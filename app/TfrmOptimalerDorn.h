#pragma once

#include <QDialog>

class QLabel;
class Projektsitzung;

// The most economical admissible dowel of the current position, one for movements along the joint (ZAVR)
// and one for movements along and across it (ZAVRQ).
class TfrmOptimalerDorn : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptimalerDorn(Projektsitzung& sitzung, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Projektsitzung& sitzung_;
    QLabel* lblZAVR_;
    QLabel* lblZAVRQ_;
};
