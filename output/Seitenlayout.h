#pragma once

#include <QPageLayout>
#include <array>

class QImage;
class QPainter;

// Page geometry of the report and list pages in centimetres, measured from the origin of the printable
// area: printable width W and height H and the four margins, chosen so that text starts 1.6 cm from the
// left paper edge whatever the printer cannot print.
struct Seitenmasse {
    double W = 21.0;
    double H = 29.7;
    double L = 1.6;
    double T = 1.0;
    double R = 1.1;
    double B = 1.0;
};

// The geometry of a page of the given paper size and printable area (a printer's, or a PDF page's).
Seitenmasse SeitenmasseSetzen(const QPageLayout& seite);

// A4 upright without unprintable strips: the page of PDF files and of a preview without a printer.
QPageLayout StandardSeite();

enum class Ausgabeziel { Bildschirm, Drucker };

// Everything that depends on the output device: page geometry, resolution, the pen width of dimensions and
// the line advances. Measured on the canvas the pages are drawn on, so screen, printer and PDF lay the
// same page out with their own font metrics.
class Seitenlayout {
public:
    // Resolution of the canvas's device; pen width 1 on the screen, 2 on a printer; the height of "Wy" in
    // Arial 16, 14, 12, 10, 8 and 6 pt. Leaves the canvas font at Arial 10.
    Seitenlayout(QPainter& canvas, const Seitenmasse& masse, Ausgabeziel ziel);

    const Seitenmasse& Masse() const { return masse; }
    Ausgabeziel Ziel() const { return ziel; }
    int GetLinienbreite() const { return ziel == Ausgabeziel::Drucker ? 2 : 1; }
    double DpiX() const { return dpiX; }
    double DpiY() const { return dpiY; }

    // A length in cm as device units: the nearest integer of dpi × cm / 2.54, per axis.
    int X(double cm) const;
    int Y(double cm) const;
    // Device units as cm.
    double CmX(double einheiten) const { return einheiten * 2.54 / dpiX; }
    double CmY(double einheiten) const { return einheiten * 2.54 / dpiY; }
    // Line advance in cm of Arial at 16, 14, 12, 10, 8 or 6 pt.
    double Zeile(int punkte) const;

private:
    static constexpr std::array<int, 6> Groessen{16, 14, 12, 10, 8, 6};

    Seitenmasse masse;
    Ausgabeziel ziel;
    double dpiX;
    double dpiY;
    std::array<double, 6> zeilen{};  // cm, in the order of Groessen
};

// Gives the picture a resolution in dots per inch, so that fonts on it have their size in points.
void AufloesungSetzen(QImage& bild, double dpiX, double dpiY);

// A 1 × 1 picture of the layout's resolution, for laying pages out before they are drawn: texts measured on
// it are as wide as on the device the layout was measured on.
QImage Messbild(const Seitenlayout& layout);
