#pragma once

#include <QLineEdit>

// Free-text numeric input field. `Bereich` chooses the limits PruefeEingabe applies: -1 minimum only,
// 1 maximum only, 2 minimum then maximum, anything else no range check. `Faktor` converts the field's unit
// into the model's; a number that does not survive the conversion is no number.
class Zahlenfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Zahlenfeld(QWidget* parent = nullptr, int bereich = 0, double faktor = 1);

    int Bereich() const { return bereich_; }
    void SetBereich(int bereich) { bereich_ = bereich; }
    double Faktor() const { return faktor_; }

signals:
    // The user left the field (not when the window merely lost activation or a popup opened).
    void verlassen();
    void doppelklick();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int bereich_;
    double faktor_;
};
