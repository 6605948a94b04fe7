#pragma once

#include <QLineEdit>

// Free-text numeric input field. `Bereich` chooses the limits PruefeEingabe applies: -1 minimum only,
// 1 maximum only, 2 minimum then maximum, anything else no range check.
class Zahlenfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Zahlenfeld(QWidget* parent = nullptr, int bereich = 0);

    int Bereich() const { return bereich_; }
    void SetBereich(int bereich) { bereich_ = bereich; }

signals:
    // The user left the field (not when the window merely lost activation or a popup opened).
    void verlassen();
    void doppelklick();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int bereich_;
};
