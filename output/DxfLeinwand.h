#pragma once

#include <QColor>
#include <QStaticText>
#include <QString>
#include <map>
#include <string>
#include <utility>

#include "dxf/DXF_Canvas.h"
#include "output/Ausgabe.h"

class QPainter;
class DXF_Object;
class Zoom_view;

// The DXF canvas on a QPainter: the preview window, pictures and the command-line tool draw documents
// through it. It starts with the font "Arial", a black pen of width 1 and no brush.
class DxfLeinwand : public DXF_Canvas {
public:
    explicit DxfLeinwand(QPainter& painter);

    DXF_Colour pen_colour() const override { return stift_; }
    void set_pen_colour(DXF_Colour colour) override;
    void line(Screen_Point from, Screen_Point to) override;
    void polyline(const std::vector<Screen_Point>& points) override;
    void polygon(const std::vector<Screen_Point>& points) override;
    void ellipse(Screen_Point corner1, Screen_Point corner2) override;
    void arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start, Screen_Point end) override;
    void pixel(Screen_Point p, DXF_Colour colour) override;
    void text(Screen_Point anchor, const std::string& text, int height, DXF_Colour colour, int hor_align,
              int angle_tenths) override;

    static QColor Farbe(DXF_Colour colour);

private:
    QPainter& painter_;
    DXF_Colour stift_ = 0;
    int schriftgroesse_ = 12;  // pixel size of the painter's font
    int oberlaenge_ = 0;       // its ascent: static texts are placed by their top
    std::map<std::pair<int, std::string>, QStaticText> gesetzt_;  // laid-out texts by pixel size and text
};

// Draws the document in the view onto the painter with a fresh canvas. Raises Screen_range_error when a
// point leaves the screen coordinate range.
void DxfZeichnen(QPainter& painter, const DXF_Object& doc, const Zoom_view& ansicht);

// The document in its full view (stored extents, margins of 20 pixels) as a picture file of `format`
// (output/Ausgabe.h): a square of `pixel` pixels as the full view fits the drawing into one, a PDF of one
// page that size. Needs a QGuiApplication (fonts); the file goes through the one atomic writer. Returns an
// error text, empty on success.
QString DxfBildSpeichern(const DXF_Object& doc, const QString& datei, Ausgabeformat format, int pixel);
