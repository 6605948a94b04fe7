#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>

class QKeyEvent;
class QMenu;
class QPushButton;
class QScrollArea;
class QWidget;
class Dialogdienst;
class Projektsitzung;
class TKFarbe;

// The zoom window: the main window's current sketch in a large, resizable window, zoomed in and out by
// resizing the sketch picture; the sketch always fits its picture, so zooming changes its scale.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    // Largest side of the sketch picture; zooming in stops before a picture would pass it.
    static constexpr int MaxSeite = 5000;

    TfrmZoom(const Projektsitzung& sitzung, const TKFarbe& farbe, Dialogdienst& dienst,
             QWidget* parent = nullptr);

    void Neuzeichnen();
    void ZoomIn();       // picture x 1.25
    void ZoomOut();      // picture x 0.8
    void Kopieren();     // picture to the clipboard
    void Exportieren();  // picture to a file, as the main window exports its sketch
    QSize GetBildgroesse() const { return bild_.size(); }
    const QImage& GetBild() const { return bild_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void BaueSchalter();
    bool Taste(const QKeyEvent* ereignis);
    void Skalieren(double faktor);
    // A zoom step that keeps the picture point under `punkt` (in the visible area) where it is.
    void UmPunktSkalieren(double faktor, QPoint punkt);
    void SetBildgroesse(QSize groesse);

    const Projektsitzung& sitzung_;
    const TKFarbe& farbe_;
    Dialogdienst& dienst_;
    QImage bild_;
    QScrollArea* bereich_;
    QWidget* imgZoom_;
    QWidget* pnlSchalter_;
    QMenu* menue_;
};
