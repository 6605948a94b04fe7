#pragma once

#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

// Drawing primitives of the sketches. Texts are placed by their top-left corner; the text colour is the
// current pen colour, which the caller chooses.

// Sets the canvas font to Arial of the given size in points.
void SchriftSetzen(QPainter& canvas, int punkte);
// Font for view titles: Arial 10, italic and underlined.
void TitelSchriftSetzen(QPainter& canvas);

int TextBreite(const QPainter& canvas, const QString& text);
int TextHoehe(const QPainter& canvas, const QString& text);
void TextAus(QPainter& canvas, int x, int y, const QString& text);

// Text reading upwards; (x, y) is the top-left corner of the unrotated text cell.
void TextGedreht(QPainter& canvas, int x, int y, const QString& text);
// Subscript and superscript in 3/4 of the font size. Both return the x behind the text measured in the
// normal font.
int TextIndex(QPainter& canvas, int x, int y, const QString& text);
int TextExponent(QPainter& canvas, int x, int y, const QString& text);
// Main text followed directly by its subscript.
int TextMitIndex(QPainter& canvas, int x, int y, const QString& haupt, const QString& index);

// Dimension line between two points, both shifted by `versatz`, labelled with main text and subscript.
// A vertical line is drawn at the x of the first point, a horizontal one at its y.
void Masslinie(QPainter& canvas, QPoint p1, QPoint p2, QPoint versatz, const QString& haupt,
               const QString& index, bool vertikal, int groesse, int linienbreite);

// Arrow from tail to head with an outlined head of half-width kopf.x() and depth kopf.y().
void Lastpfeil(QPainter& canvas, QPoint fuss, QPoint spitze, QPoint kopf, const QString& haupt,
               const QString& index, bool vertikal, int linienbreite);

// Leader: polyline through the points, text over its last segment (or from the last point when the
// polyline has fewer than three points). The symbol run carries the diameter sign.
void Positionshinweis(QPainter& canvas, const std::vector<QPoint>& punkte, const QString& haupt,
                      const QString& symbol, const QString& ende);

