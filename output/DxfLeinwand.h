#pragma once

#include <QColor>
#include <QStaticText>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>

#include "dxf/DXF_Canvas.h"
#include "output/Ausgabe.h"

class QPainter;
class DXF_Object;
struct DXF_Omissions;
class Zoom_view;

// A vector picture grows with every drawing call, and a few kilobytes of nested blocks can stand for millions
// of calls; a canvas given a bound raises this when the picture would grow beyond it.
struct Vektorbild_zu_gross {};

// The DXF canvas on a QPainter: the preview window, pictures and the command-line tool draw documents
// through it. It starts with the font "Arial", a black pen of width 1 and no brush.
class DxfLeinwand : public DXF_Canvas {
public:
    // `bytes`: about how large the picture the painter makes may grow, each call counted with its points
    // and its text; unbounded for the screen and raster pictures, whose size is their pixels.
    explicit DxfLeinwand(QPainter& painter, std::int64_t bytes = std::numeric_limits<std::int64_t>::max());

    DXF_Colour pen_colour() const override { return stift_; }
    void set_pen_colour(DXF_Colour colour) override;
    void set_pen_width(int pixels) override;
    void line(Screen_Point from, Screen_Point to) override;
    void polyline(const std::vector<Screen_Point>& points) override;
    void polygon(const std::vector<Screen_Point>& points) override;
    void fill(const std::vector<std::vector<Screen_Point>>& loops) override;
    void ellipse(Screen_Point corner1, Screen_Point corner2) override;
    void arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start, Screen_Point end) override;
    void pixel(Screen_Point p, DXF_Colour colour) override;
    void text(Screen_Point anchor, const std::string& text, int height, DXF_Colour colour, int hor_align,
              int vert_align, int angle_tenths) override;

    static QColor Farbe(DXF_Colour colour);
    // About how many bytes the calls so far add to a vector picture.
    std::int64_t Bytes() const { return bytes_; }

private:
    void Schriftmasse();
    void Verbrauchen(std::size_t punkte, bool zustand = false, std::size_t zeichen = 0);
    int GrundlinieUeberAnker(int vert_align) const;

    QPainter& painter_;
    std::int64_t grenze_;
    std::int64_t bytes_ = 0;
    DXF_Colour stift_ = 0;
    int schriftgroesse_ = 12;  // pixel size of the painter's font
    int oberlaenge_ = 0;       // its ascent: static texts are placed by their top
    int versalhoehe_ = 0;      // the height of its capitals, for texts hung by their top or middle
    int unterlaenge_ = 0;      // its descent, for texts standing on their bottom
    std::map<std::pair<int, std::string>, QStaticText> gesetzt_;  // laid-out texts by pixel size and text
};

// Draws the document in the view onto the painter with a fresh canvas, bounded as DxfLeinwand is. Raises
// Screen_range_error when a point leaves the screen coordinate range.
void DxfZeichnen(QPainter& painter, const DXF_Object& doc, const Zoom_view& ansicht,
                 std::int64_t bytes = std::numeric_limits<std::int64_t>::max());

// The bound of an SVG or PDF picture of a drawing, in bytes: room for about 600,000 lines, and memory to
// spare beside a drawing as large as the reader takes.
inline constexpr std::int64_t Vektorbildgrenze = std::int64_t{64} << 20;

// The document in its full view (stored extents, margins of 20 pixels) as a picture file of `format`
// (output/Ausgabe.h): a square of `pixel` pixels as the full view fits the drawing into one, a PDF of one
// page that size. A vector picture (SVG, PDF) that would exceed Vektorbildgrenze is not written. Needs a
// QGuiApplication (fonts); the file goes through the one atomic writer. Returns an error text, empty on
// success.
QString DxfBildSpeichern(const DXF_Object& doc, const Dateiname& datei, Ausgabeformat format, int pixel);

// What a read drawing holds and does not show, one line per kind: "12 Objekte vom Typ ACAD_TABLE nicht
// dargestellt", the entities of paper space, hatch patterns shown by their boundary.
QStringList DxfNichtDargestellt(const DXF_Omissions& fehlend);
