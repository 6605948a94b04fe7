#pragma once

#include <QWidget>

class TKAnwendung;
class TKFarbe;
class TKModell;

// The sketch area of the main window: draws the model's current sketch type of the working copy, or the
// input sketch, scaled to the widget.
class Skizzenbereich : public QWidget {
    Q_OBJECT
public:
    explicit Skizzenbereich(QWidget* parent = nullptr);
    // What is drawn: the model (sketch type, input sketch data) and the working copy; both outlive the
    // widget's use.
    void SetDaten(const TKModell* modell, const TKAnwendung* arbeitskopie, const TKFarbe* farbe);
    void Neuzeichnen();  // redraw the model's current sketch type

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TKModell* modell_ = nullptr;
    const TKAnwendung* arbeitskopie_ = nullptr;
    const TKFarbe* farbe_ = nullptr;
};
