#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

#include "dxf/Zoom_view.h"

class QLabel;
class QPainter;
class QScrollBar;
class QTimer;
class QWheelEvent;
class QToolButton;

// The zoomable, scrollable drawing panel of the DXF preview: a paint area with a cross-hair cursor, the two
// scroll bars, the buttons zoom out, zoom in, last view and reset (held down they zoom on), the coordinate
// and zoom labels. A left-button drag zooms to the rubber band, a double click re-centres. The owner draws
// through FOnPaint; the panel keeps the picture until the view or the size changes.
class Zoom_panel : public QWidget {
    Q_OBJECT
public:
    explicit Zoom_panel(char dezimaltrenner, QWidget* parent = nullptr);

    // Draws the drawing in the current view onto a painter on a white picture of the paint area's size.
    std::function<void(QPainter&, const Zoom_view&)> FOnPaint;

    // The full view of the extents with margins of 20 pixels. Until the user changes the view it follows
    // the size of the paint area.
    void Anzeigen(const View_extents& extents);
    const Zoom_view& Ansicht() const { return view_; }
    QWidget* ClientArea() const { return ClientArea_; }
    QString Zoomtext() const;
    QString Koordinatentext() const;

    void Zoom_in_out(QToolButton* Sender);
    void Zoom_last();
    void ReCentre(int mx, int my);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    QToolButton* Knopf(const char* name, const QString& text, const QString& hinweis);
    void Ansichtgeaendert();
    void ScrollBarsAktualisieren();
    void ScrollBars_Scroll(QScrollBar* bar, int wert);
    void Zoom_mousedown(QToolButton* knopf);
    void Zoom_mouseup();
    void Zoom_timer_event();
    void WMPaint();
    void Zeichnen();
    void Mouse_Down(QMouseEvent* event);
    void Mouse_Move(QMouseEvent* event);
    void Mouse_Up(QMouseEvent* event);
    void Mouse_Wheel(QWheelEvent* event);

    char trenner_;
    Zoom_view view_;
    std::optional<View_extents> gesamt_;  // the extents while the view follows the size
    QImage bild_;
    bool bildGueltig_ = false;
    bool Zooming_in = false;
    bool Zooming_out = false;
    bool zooming_rect = false;
    QPoint Ini_Point;
    QPoint Old_Point;
    QWidget* ClientArea_;
    QScrollBar* hBar_;
    QScrollBar* vBar_;
    QToolButton* btnZoomOut_;
    QToolButton* btnZoomIn_;
    QToolButton* btnZoomLast_;
    QToolButton* btnZoomReset_;
    QLabel* Coords_;
    QLabel* Zoomtext_;
    QTimer* zoomtimer_;
    int hWert_ = 0;
    int vWert_ = 0;
};
