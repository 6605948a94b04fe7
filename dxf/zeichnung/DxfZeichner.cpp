#include "dxf/zeichnung/DxfZeichner.h"

#include <cmath>
#include <memory>

#include "dxf/Arc_.h"
#include "dxf/Circle_.h"
#include "dxf/Line_.h"
#include "dxf/Text_.h"

namespace {

struct Richtung {
    Point3D d;  // unit vector from start to end
    Point3D n;  // its right-hand normal
};

// A zero-length stretch has no direction; both vectors are then zero.
Richtung RichtungVon(const Point3D& s, const Point3D& e) {
    const Point3D v = vec_sub(e, s);
    const double l = std::sqrt(v.x * v.x + v.y * v.y);
    if (l == 0) return {};
    const Point3D d{v.x / l, v.y / l, 0};
    return {d, {d.y, -d.x, 0}};
}

Point3D P(double x, double y) {
    return {x, y, 0};
}

}  // namespace

double DxfWinkel(double dx, double dy) {
    if (dy == 0) return dx >= 0 ? 0 : 180;
    if (dx == 0) return dy >= 0 ? 90 : 270;
    const double t = std::atan(std::fabs(dy / dx)) * 180 / 3.1415927;
    if (dx > 0 && dy > 0) return t;
    if (dx < 0 && dy > 0) return 180 - t;
    if (dx < 0) return 180 + t;
    return 360 - t;
}

void DxfZeichner::Strecke(const Point3D& a, const Point3D& b, int farbe) const {
    ziel_.add_entity_to_layer(std::make_unique<Line_>(a, b, farbe));
}

void DxfZeichner::Bogen(const Point3D& m, double r, double von, double bis, int farbe) const {
    ziel_.add_entity_to_layer(std::make_unique<Arc_>(WCS_Z, m, r, von, bis, farbe));
}

void DxfZeichner::Kappe(int typ, bool amStart, double w, const Point3D& p, const Point3D& d,
                        int farbe) const {
    const Point3D n{d.y, -d.x, 0};
    switch (typ) {
        case 1:
            Strecke(vec_add(p, vec_scale(n, w / 2)), vec_sub(p, vec_scale(n, w / 2)), farbe);
            break;
        case 2: {
            double s = DxfWinkel(d.x, d.y) + 90;
            const double gegen = s > 180 ? s - 180 : s + 180;
            if (s > 360) s -= 360;
            if (amStart)
                Bogen(p, w / 2, s, gegen, farbe);
            else
                Bogen(p, w / 2, gegen, s, farbe);
            break;
        }
        case 3:
            Bogen(p, w / 2, 0, 360, farbe);
            break;
        default:
            break;
    }
}

void DxfZeichner::DxfStab(int startKappe, int endKappe, double w, double x1, double x2, double y1, double y2,
                          int farbe) const {
    const Point3D s = P(x1, y1), e = P(x2, y2);
    const Richtung r = RichtungVon(s, e);
    const Point3D versatz = vec_scale(r.n, w / 2);
    Strecke(vec_add(s, versatz), vec_add(e, versatz), farbe);
    Strecke(vec_sub(s, versatz), vec_sub(e, versatz), farbe);
    Kappe(startKappe, true, w, s, r.d, farbe);
    Kappe(endKappe, false, w, e, r.d, farbe);
}

void DxfZeichner::DxfBiegung(int farbe, double R, double t, double X1, double X2, double Y1,
                             double Y2) const {
    Point3D m = P(X2, Y1);
    double von = 0, bis = 0;
    if (X1 > X2 && Y1 > Y2) {
        m = P(X1, Y2), von = 90, bis = 180;
    } else if (X1 > X2 && Y1 < Y2) {
        von = 0, bis = 90;
    } else if (X1 < X2 && Y1 > Y2) {
        von = 180, bis = 270;
    } else if (X1 < X2 && Y1 < Y2) {
        m = P(X1, Y2), von = 270, bis = 0;
    }
    Bogen(m, R, von, bis, farbe);
    Bogen(m, R + t, von, bis, farbe);
}

void DxfZeichner::DxfBuegel(int startKappe, int endKappe, double d, double U2, double U3, double U4,
                            double U5, double R, int orientierung, int farbe) const {
    const double k = R + d / 2;
    // Axis points of the three legs: start and end of each.
    struct Schenkel {
        double xa, ya, xe, ye;
    };
    Schenkel s[3];
    switch (orientierung) {
        case 0:
            s[0] = {U2, U4, U3 - k, U4}, s[1] = {U3, U4 + k, U3, U5 - k}, s[2] = {U3 - k, U5, U2, U5};
            break;
        case 1:
            s[0] = {U3, U5, U2 + k, U5}, s[1] = {U2, U5 - k, U2, U4 + k}, s[2] = {U2 + k, U4, U3, U4};
            break;
        case 2:
            s[0] = {U2, U5, U2, U4 + k}, s[1] = {U2 + k, U4, U3 - k, U4}, s[2] = {U3, U4 + k, U3, U5};
            break;
        default:
            s[0] = {U3, U4, U3, U5 - k}, s[1] = {U3 - k, U5, U2 + k, U5}, s[2] = {U2, U5 - k, U2, U4};
            break;
    }
    for (int i = 0; i < 3; ++i) {
        DxfStab(i == 0 ? startKappe : 0, i == 2 ? endKappe : 0, d, s[i].xa, s[i].xe, s[i].ya, s[i].ye, farbe);
        if (i < 2) DxfBiegung(farbe, R, d, s[i].xe, s[i + 1].xa, s[i].ye, s[i + 1].ya);
    }
}

void DxfZeichner::Ende(int typ, const Point3D& p, const Point3D& d, const Point3D& innen, int farbe) const {
    const Point3D n{d.y, -d.x, 0};
    if (typ == 2 || typ == 3 || typ == 4) {
        const Point3D a = vec_scale(n, mass_.Strichlaenge / 2);
        Strecke(vec_add(p, a), vec_sub(p, a), farbe);
    }
    if (typ == 1 || typ == 3) {
        const Point3D basis = vec_add(p, vec_scale(innen, mass_.Pfeillaenge));
        const Point3D b = vec_scale(n, mass_.Pfeilbreite / 2);
        const Point3D links = vec_add(basis, b), rechts = vec_sub(basis, b);
        Strecke(p, links, farbe);
        Strecke(links, rechts, farbe);
        Strecke(rechts, p, farbe);
    }
    if (typ == 4) {
        const double f = mass_.Strichlaenge / 4 / std::sqrt(2.0);
        const Point3D q{f * (d.x + d.y), f * (d.x - d.y), 0};
        Strecke(vec_sub(p, q), vec_add(p, q), farbe);
    }
}

void DxfZeichner::DxfMasslinie(int startTyp, int endTyp, double x1, double x2, double y1, double y2,
                               int farbe) const {
    const Point3D s = P(x1, y1), e = P(x2, y2);
    const Richtung r = RichtungVon(s, e);
    if (startTyp == 4) {
        const Point3D ueberstand = vec_scale(r.d, mass_.Strichlaenge / 4);
        Strecke(vec_sub(s, ueberstand), vec_add(e, ueberstand), farbe);
    } else {
        Strecke(s, e, farbe);
    }
    Ende(startTyp, s, r.d, r.d, farbe);
    Ende(endTyp, e, r.d, vec_scale(r.d, -1), farbe);
}

TrKasten DxfZeichner::DxfText(const std::string& text, int farbe, double x, double y, double winkel,
                              int ausrichtung) const {
    const Point3D p = P(x, y);
    ziel_.add_entity_to_layer(
        std::make_unique<Text_>(WCS_Z, p, p, text, mass_.DxfTexthoehe, winkel, farbe, ausrichtung));
    return Textkasten(text, p, mass_.DxfTexthoehe, winkel, ausrichtung);
}

TrKasten DxfZeichner::DxfBemassung(int startTyp, int endTyp, double x1, double x2, double y1, double y2,
                                   double winkel, const std::string& text, int farbe) const {
    DxfMasslinie(startTyp, endTyp, x1, x2, y1, y2, farbe);
    const double e = mass_.DxfTexthoehe / 5;
    Point3D versatz{e, 0, 0};
    int ausrichtung = 0;
    if (x1 != x2) {
        versatz = {0, e, 0}, ausrichtung = 1;
    } else if (y1 >= y2) {
        versatz = {-e, 0, 0}, ausrichtung = 2;
    }
    const Point3D s = vec_add(P(x1, y1), versatz), en = vec_add(P(x2, y2), versatz);
    const Point3D mitte = vec_scale(vec_add(s, en), 0.5);
    ziel_.add_entity_to_layer(
        std::make_unique<Text_>(WCS_Z, s, mitte, text, mass_.DxfTexthoehe, winkel, farbe, ausrichtung));
    // A left-justified text hangs at its insertion point, the others at the alignment point.
    return Textkasten(text, ausrichtung == 0 ? s : mitte, mass_.DxfTexthoehe, winkel, ausrichtung);
}

void DxfZeichner::DxfRechteck(int farbe, double x1, double x2, double y1, double y2) const {
    Strecke(P(x1, y1), P(x1, y2), farbe);
    Strecke(P(x1, y2), P(x2, y2), farbe);
    Strecke(P(x2, y2), P(x2, y1), farbe);
    Strecke(P(x2, y1), P(x1, y1), farbe);
}

void DxfZeichner::DxfKreis(int farbe, double x, double y, double r) const {
    ziel_.add_entity_to_layer(std::make_unique<Circle_>(WCS_Z, P(x, y), r, farbe));
}
