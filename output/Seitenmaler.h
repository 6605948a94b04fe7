#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "output/Seitenlayout.h"

class QPainter;

// Font styles of the page texts (Arial); they combine: Fett | Unterstrichen.
enum Schriftstil { Normal = 0, Fett = 1, Kursiv = 2, Unterstrichen = 4 };

// Writes on a report page in centimetres from the origin of the printable area. Texts are placed by their
// top-left corner in the current font and the current pen colour; each text operation returns the x (cm)
// behind what it wrote.
class Seitenmaler {
public:
    Seitenmaler(QPainter& canvas, const Seitenlayout& layout) : canvas(canvas), layout(layout) {}

    QPainter& Canvas() const { return canvas; }
    const Seitenlayout& Layout() const { return layout; }
    const Seitenmasse& M() const { return layout.Masse(); }
    double Zeile(int punkte) const { return layout.Zeile(punkte); }

    // Arial in the given size and style, in black.
    void Schrift(int punkte, int stil = Normal);
    // The colour of the texts and lines that follow.
    void Farbe(const QColor& farbe);
    double Breite(const QString& text) const;
    double KleinBreite(const QString& text) const;  // in 3/4 of the size, as subscripts are written
    double Text(double x, double y, const QString& text);
    double TextRechts(double rechts, double y, const QString& text);
    double TextMitte(double mitte, double y, const QString& text);
    double Index(double x, double y, const QString& text);     // subscript in 3/4 of the size
    double Exponent(double x, double y, const QString& text);  // superscript in 3/4 of the size
    // A text whose "®" signs are written as superscripts, the text going on on the base line after each.
    double MarkenText(double x, double y, const QString& text);
    double MarkenBreite(const QString& text) const;
    // The text broken into lines no wider than `breite` cm in the current font: at blanks, inside a word
    // only where the word alone is wider. With `zeilen` > 0 at most that many lines, the last one cut off
    // with an ellipsis where the text goes on.
    QStringList Umbrechen(const QString& text, double breite, int zeilen = 0) const;
    void Linie(double x1, double y1, double x2, double y2);
    void Rahmen(double links, double oben, double rechts, double unten);

private:
    QPainter& canvas;
    const Seitenlayout& layout;
};

// The symbol part of an input or result line: main letter, its subscript and superscript, and the relation
// sign.
struct Formel {
    Formel(const QString& haupt = {}, const QString& index = {}, const QString& exponent = {},
           const QString& relation = QStringLiteral("="))
        : haupt(haupt), index(index), exponent(exponent), relation(relation) {}
    QString haupt;
    QString index;
    QString exponent;
    QString relation;
};

// The width of a symbol (main letter with the wider of subscript and superscript) in the current font.
double Formelbreite(Seitenmaler& seite, const Formel& formel);

// One input or result line in the current font: the label at (x, y), the symbol at x + s and, when value or
// unit is not empty, the relation sign at x + s + r followed by " " value " " unit.
double Formelzeile(Seitenmaler& seite, double x, double y, const QString& beschriftung, const Formel& formel,
                   const QString& wert, const QString& einheit, double s, double r);

// One line of a Zeilenblock: label, symbol, value and unit; `hochzahl` is written as a superscript behind
// the unit (cm²).
struct Formeleintrag {
    Formeleintrag(const QString& beschriftung, const Formel& formel, const QString& wert = {},
                  const QString& einheit = {}, const QString& hochzahl = {})
        : beschriftung(beschriftung), formel(formel), wert(wert), einheit(einheit), hochzahl(hochzahl) {}
    QString beschriftung;
    Formel formel;
    QString wert;
    QString einheit;
    QString hochzahl;
};

// A column of input or result lines at x, one line10 apart, with the symbol column at x + s and the
// relation sign at x + s + r. `y` is where the next line goes.
class Zeilenblock {
public:
    Zeilenblock(Seitenmaler& seite, double x, double y, double s, double r)
        : seite(seite), x(x), s(s), r(r), y(y) {}

    // The block title in Arial 10 italic underlined; the first line follows `abstand` lower (line10 when 0).
    void Titel(const QString& text, double abstand = 0);
    // A line in the current font.
    double Zeile(const QString& beschriftung, const Formel& formel = {}, const QString& wert = {},
                 const QString& einheit = {}, const QString& hochzahl = {});
    double Zeile(const Formeleintrag& zeile);
    // Widens s and r where the widest label or symbol of these lines would reach the next column, so that
    // labels, symbols and relation signs stay aligned (measured in the current font).
    void Anpassen(const std::vector<Formeleintrag>& zeilen);
    // The width of these lines from x to the end of the widest value.
    double Breite(const std::vector<Formeleintrag>& zeilen) const;
    // The end of a block: one more line10, so that the next block starts two line10 below the last line.
    void Ende() { y += seite.Zeile(10); }
    double Letzte() const { return y - seite.Zeile(10); }  // y of the last line written

    Seitenmaler& seite;
    double x, s, r;
    double y;
};
