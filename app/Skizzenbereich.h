#pragma once

#include <QImage>
#include <QWidget>

class QMenu;
class Dialogdienst;
class Projektsitzung;
class TKAnwendung;
class TKFarbe;
class TKModell;
class TfrmZoom;

// The sketch area of the main window: draws the model's current sketch type of the working copy, or the
// input sketch, scaled to the widget. Any click opens the sketch menu (copy, export, zoom window).
class Skizzenbereich : public QWidget {
    Q_OBJECT
public:
    // The session outlives the widget; its model and working copy keep their addresses.
    Skizzenbereich(const Projektsitzung& sitzung, const TKFarbe& farbe, Dialogdienst& dienst,
                   QWidget* parent = nullptr);
    void Neuzeichnen();  // redraw the model's current sketch type

    // The sketch menu, so that the main window can add its drawing exports.
    QMenu* Kontextmenue() const { return menue_; }
    // The sketch as drawn at the widget's size.
    QImage Skizzenbild();

    void InZwischenablage();  // "Skizze in &Zwischenablage"
    void InDateiSpeichern();  // "Skizze in &Datei speichern"
    void AlsVollbild();       // "Skizze als &Vollbild darstellen"

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const Projektsitzung& sitzung_;
    const TKFarbe& farbe_;
    Dialogdienst& dienst_;
    QMenu* menue_;
    QImage bild_;               // drawn on demand; null when it needs drawing
    TfrmZoom* zoom_ = nullptr;  // while the zoom window is open
};

// Sketch image of a size for the sketch area and the zoom window: the model's sketch type of the position
// drawn onto the whole picture.
QImage SkizzeAlsBild(QSize groesse, const TKModell& modell, const TKAnwendung& anwendung,
                     const TKFarbe& farbe, char dezimaltrenner);

// The export of the sketch area and the zoom window: asks for a file (vector, bitmap or JPEG type), gives
// it the extension of the chosen type and writes the input sketch alone (at `vektorgroesse` as vector, at
// 500 x 500 as bitmap) or, for every other sketch type, the four result sketches on 1000 x 1000.
void SkizzeExportieren(QWidget* parent, Dialogdienst& dienst, const TKModell& modell,
                       const TKAnwendung& anwendung, const TKFarbe& farbe, QSize vektorgroesse,
                       char dezimaltrenner);
