#pragma once

#include <QImage>
#include <QScrollArea>
#include <vector>

// The result pages of the preview mode: the page images of NachweisVorschau one below the other, 10 pixels
// apart, each centred when it is narrower than the view. A click takes the keyboard focus from the
// window's input fields, so that the scroll keys act on the pages.
class Ergebnisseiten : public QScrollArea {
    Q_OBJECT
public:
    explicit Ergebnisseiten(QWidget* parent = nullptr);

    void SetSeiten(std::vector<QImage> seiten);
    const std::vector<QImage>& Seiten() const { return seiten_; }

    // Page Down / Page Up: two thirds of the visible height; Down / Up: a tenth of it; Right / Left: a tenth
    // of the visible width; Home: fully left; End: to the visible width. True when the key is one of these.
    // The main window may pass its keys here while the pages are shown.
    bool Blaettern(int taste);

    static constexpr int Abstand = 10;  // pixels between two images

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    std::vector<QImage> seiten_;
};
