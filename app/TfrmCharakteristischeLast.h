#pragma once

#include <QDialog>

#include <array>

#include "model/TKLast.h"
#include "sitzung/Eingabefelder.h"

class QLabel;
class Zahlenfeld;

// "Eingabe der Bemessungswerte": derives a design load from characteristic permanent and variable loads and
// their partial factors, for the position's scratch load record.
class TfrmCharakteristischeLast : public QDialog {
    Q_OBJECT
public:
    TfrmCharakteristischeLast(char dezimaltrenner, QWidget* parent = nullptr);

    void SetPunktlast();
    void SetLinielast();
    // The values the dialog opens with. It edits a copy; after OK GetLast() holds the edited values, exactly
    // as given where the user left a field as it was shown.
    void SetLast(const TKLast& last) { last_ = last; }
    const TKLast& GetLast() const { return last_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Beschriften(const QString& g, const QString& gIndex, const QString& q, const QString& qIndex,
                     const QString& ed, const QString& edIndex, const QString& einheit);
    void FelderFuellen();
    void FelderLesen();
    void ErgebnisseZeigen();
    QString Text(double wert) const;

    char trenner_;
    TKLast last_;
    std::array<QString, 4> gezeigt_;  // the texts the fields were filled with
    Zahlenfeld* editGk_;
    Zahlenfeld* editQk_;
    Zahlenfeld* editGammaG_;
    Zahlenfeld* editGammaQ_;
    QLabel* lblGk_;
    QLabel* lblQk_;
    QLabel* lblEd_;
    QLabel* lblGdesign_;
    QLabel* lblQdesign_;
    QLabel* lblFd_;
    QList<QLabel*> einheiten_;
};
