#pragma once

#include <string>

#include "dxf/DXF_Layer.h"
#include "dxf/zeichnung/Beschriftungsraum.h"

// Tick length A, arrow base width B, arrow length C and text height D of dimensions and texts.
struct TrDxfMassParameter {
    double Strichlaenge = 20;
    double Pfeilbreite = 7.5;
    double Pfeillaenge = 20;
    double DxfTexthoehe = 30;
};

// Drawing state of one block: its origin and the dimension parameters. Passed by value to every block,
// so two drawings never share it.
struct TrDxfZustand {
    Point3D DxfUrsprung;
    TrDxfMassParameter DxfMassParameter;
};

// Direction angle of (dx, dy) in degrees, in [0, 360).
double DxfWinkel(double dx, double dy);

// The drawing primitives of the reinforcement and dowel drawings: bars as double lines of their diameter,
// bends, U-bars, dimension lines and texts, all in the plane z = 0 on one layer. Colours are DXF colour
// indices; caps and end types are the numbers of the drawing rules (0 none, 1 line or arrow, ...).
class DxfZeichner {
public:
    DxfZeichner(DXF_Layer& ziel, const TrDxfMassParameter& mass) : ziel_(ziel), mass_(mass) {}

    // Caps: 0 none, 1 a line across, 2 a half circle, 3 a full circle (as an arc).
    void DxfStab(int startKappe, int endKappe, double w, double x1, double x2, double y1, double y2,
                 int farbe) const;
    // Quarter circles of radius R and R + t for a 90° bend from (X1, Y1) to (X2, Y2).
    void DxfBiegung(int farbe, double R, double t, double X1, double X2, double Y1, double Y2) const;
    // U-bar in the box U2..U3 × U4..U5; orientation 0/1: closed side at x = U3 / U2, 2/3: base at y = U4 /
    // U5.
    void DxfBuegel(int startKappe, int endKappe, double d, double U2, double U3, double U4, double U5,
                   double R, int orientierung, int farbe) const;
    // End types: 0 none, 1 arrow, 2 tick, 3 tick and arrow, 4 tick and slash (start type 4 also extends
    // the line by A/4 at both ends).
    void DxfMasslinie(int startTyp, int endTyp, double x1, double x2, double y1, double y2, int farbe) const;
    // Justification: 0 left, 1 centre, 2 right. Returns the box the text takes.
    TrKasten DxfText(const std::string& text, int farbe, double x, double y, double winkel,
                     int ausrichtung) const;
    // Returns the box its text takes.
    TrKasten DxfBemassung(int startTyp, int endTyp, double x1, double x2, double y1, double y2, double winkel,
                          const std::string& text, int farbe) const;
    void DxfRechteck(int farbe, double x1, double x2, double y1, double y2) const;
    void DxfKreis(int farbe, double x, double y, double r) const;

    // The three common forms: a plain line, a label (line with text) and a dimension (ticks and slashes).
    void Linie(double x1, double x2, double y1, double y2, int farbe = 7) const {
        DxfMasslinie(0, 0, x1, x2, y1, y2, farbe);
    }
    TrKasten Beschriftung(double x1, double x2, double y1, double y2, const std::string& text,
                          double winkel = 0) const {
        return DxfBemassung(0, 0, x1, x2, y1, y2, winkel, text, 7);
    }
    TrKasten Mass(double x1, double x2, double y1, double y2, const std::string& text,
                  double winkel = 0) const {
        return DxfBemassung(4, 4, x1, x2, y1, y2, winkel, text, 7);
    }

    const TrDxfMassParameter& Parameter() const { return mass_; }

private:
    void Strecke(const Point3D& a, const Point3D& b, int farbe) const;
    void Bogen(const Point3D& m, double r, double von, double bis, int farbe) const;
    void Kappe(int typ, bool amStart, double w, const Point3D& p, const Point3D& d, int farbe) const;
    void Ende(int typ, const Point3D& p, const Point3D& d, const Point3D& innen, int farbe) const;

    DXF_Layer& ziel_;
    TrDxfMassParameter mass_;
};
