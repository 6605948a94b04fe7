#include <algorithm>

#include "dxf/zeichnung/BewehrungsBloecke.h"

// Joint-face view: x runs along the joint, y is the height; the slab spans oy − h/2 to oy + h/2.

namespace {

using M = TrBewehrungsMasse;

void Umriss(const DxfZeichner& s, const M& m, double ox, double oy) {
    s.Linie(ox - m.by / 2, ox + m.by / 2, oy - m.h / 2, oy - m.h / 2, 5);
    s.Linie(ox - m.by / 2, ox + m.by / 2, oy + m.h / 2, oy + m.h / 2, 5);
    s.Linie(ox - m.by / 2, ox - m.by / 2, oy - m.h / 2 - 20, oy + m.h / 2 + 20, 4);
    s.Linie(ox + m.by / 2, ox + m.by / 2, oy - m.h / 2 - 20, oy + m.h / 2 + 20, 4);
}

void Dorn(const DxfZeichner& s, const M& m, double ox, double oy) {
    s.DxfStab(1, 1, m.d2, ox - m.l2 / 2, ox + m.l2 / 2, oy, oy, 7);
    s.DxfStab(1, 1, m.d1, ox - m.l1 / 2, ox + m.l1 / 2, oy, oy, 7);
    s.DxfRechteck(7, ox - m.bD / 2, ox + m.bD / 2, oy - m.hD / 2, oy + m.hD / 2);
    if (m.rb > m.dS) {
        const double unten = oy - (m.aD + m.rh) / 2, oben = oy + (m.aD + m.rh) / 2;
        s.DxfRechteck(7, ox - m.rb / 2, ox + m.rb / 2, unten, unten + m.rh);
        s.DxfRechteck(7, ox - m.rb / 2, ox + m.rb / 2, oben, oben - m.rh);
    }
    s.DxfKreis(7, ox, oy - m.aD / 2, m.dS / 2);
    s.DxfKreis(7, ox, oy + m.aD / 2, m.dS / 2);
}

void PositionA(const DxfZeichner& s, const M& m, double ox, double oy) {
    for (int i = 0; i < m.nA / 2; ++i) {
        const double xi = (m.bE + m.SD) / 2 + M::Summe(m.DA, i + 1);
        const double y1 = oy + m.h / 2 - m.co - m.dA / 2.0, y2 = oy - m.h / 2 + m.cu + m.dA / 2.0;
        s.DxfStab(2, 2, m.dA, ox - xi, ox - xi, y1, y2, 7);
        s.DxfStab(2, 2, m.dA, ox + xi, ox + xi, y1, y2, 7);
    }
}

void PositionB1(const DxfZeichner& s, const M& m, double ox, double oy) {
    const auto stab = [&](double y) { s.DxfStab(0, 0, m.dB1, ox - m.by / 2, ox + m.by / 2, y, y, 7); };
    stab(oy + m.h / 2 - m.co - m.dD - m.dB1 / 2.0);
    stab(oy - m.h / 2 + m.cu + m.dD + m.dB1 / 2.0);
    for (int i = 0; i <= m.k - 2; ++i) {
        const double si = M::Summe(m.DB1, i + 1);
        stab(oy + m.h / 2 - m.co - si - m.dA - m.dB1);
        stab(oy - m.h / 2 + m.cu + si + m.dA + m.dB1);
    }
}

void Buegel(const DxfZeichner& s, const M& m, double ox, double oy) {
    const double xl = ox - m.h / 2 + m.cu + m.dD + m.dC / 2.0, xr = ox + m.h / 2 - m.co - m.dD - m.dC / 2.0;
    const double yb = oy - m.h / 2 + m.cu + m.dD + m.dC / 2.0, yt = oy + m.h / 2 - m.co - m.dD - m.dC / 2.0;
    s.DxfBuegel(0, 0, m.dC, xl, ox, yb, yt, 2.0 * m.dC, 1, 7);
    s.DxfBuegel(0, 0, m.dC, ox, xr, yb, yt, 2.0 * m.dC, 0, 7);
}

// D bars, drawn with the B1 diameter; with more than one B1 row every other pair is shortened by the row
// spacing at alternate ends.
void PositionD(const DxfZeichner& s, const M& m, double ox, double oy) {
    const double yb = oy - m.h / 2 + m.cu + m.dB1 / 2.0, yt = oy + m.h / 2 - m.co - m.dB1 / 2.0;
    const double e = m.nB1 >= 3 ? m.DB1[0] : 0;
    const auto paar = [&](double u, double y1, double y2) {
        s.DxfStab(2, 2, m.dB1, ox - u, ox - u, y1, y2, 7);
        s.DxfStab(2, 2, m.dB1, ox + u, ox + u, y1, y2, 7);
    };
    const int paare = m.nD / 2;
    for (int j = 0; j <= paare - 2; ++j) {
        const double uj = m.bE / 2 + M::Summe(m.DD, j);
        if (j % 2 == 0)
            paar(uj, yb + e, yt);
        else
            paar(uj, yb, yt - e);
    }
    const double u = m.bE / 2 + M::Summe(m.DD, std::max(paare - 1, 0));
    paar(u, yb, m.nD % 4 != 0 ? yt : yt - e);
}

// The A chain above the slab and its spacings below it, growing outwards from the D region.
void KetteA(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy, double& q, double& r) {
    const M& m = b.m;
    const double ys = oy - m.h / 2 - 150, yo = oy + m.h / 2 + 200;
    const double q0 = ox - (m.bE + m.SD) / 2, r0 = ox + (m.bE + m.SD) / 2;
    double w = 0;
    if (m.nA > 0) {
        w = m.DA[0];
        s.Mass(q0 - w, r0 + w, yo, yo, b.Marke("A", std::to_string(m.nA), m.dA));
    }
    q = q0 - w, r = r0 + w;
    const std::string erster = m.nA > 0 ? b.Cm(m.DA[0]) : "";
    s.Mass(q, q + w, ys, ys, erster);
    s.Mass(r - w, r, ys, ys, erster);
    for (int i = 1; i < m.nA / 2; ++i) {
        w += m.DA[i];
        const double qa = q, ra = r;
        q = q0 - w, r = r0 + w;
        s.Mass(q, qa, yo, yo, "");
        s.Mass(ra, r, yo, yo, "");
        s.Mass(q, qa, ys, ys, b.Cm(m.DA[i]));
        s.Mass(ra, r, ys, ys, b.Cm(m.DA[i]));
    }
}

void KetteD(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy) {
    const M& m = b.m;
    const double y = oy + m.h / 2 + 50;
    double links = ox - m.bE / 2, rechts = ox + m.bE / 2;
    for (int j = 0; j <= m.nD / 2 - 2; ++j) {
        const double w = M::Summe(m.DD, j + 1);
        s.Mass(ox - m.bE / 2 - w, links, y, y, b.Cm(m.DD[j]));
        s.Mass(rechts, ox + m.bE / 2 + w, y, y, b.Cm(m.DD[j]));
        links = ox - m.bE / 2 - w, rechts = ox + m.bE / 2 + w;
    }
}

void Beschriftungen(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy) {
    const M& m = b.m;
    // With four B1 bars the inner D pair is measured to the first D spacing. Without such a spacing
    // (only one D pair) the dimension falls back to the load-introduction width instead of reading a
    // value that does not exist.
    const double u0 = (m.nB1 % 4 != 0 || m.DD.empty()) ? m.bE / 2 : (m.bE + m.DD[0]) / 2;
    s.DxfText(b.texte.Ansicht, 7, ox - m.by / 2, oy + m.h / 2 + 300, 0, 0);
    const double xh = ox + m.by / 2 + 50;
    s.Mass(xh, xh, oy + m.h / 2, oy - m.h / 2, b.Cm(m.h), 90);
    const double ys = oy - m.h / 2 - 150;
    s.Mass(ox - u0, ox + u0, ys, ys, "Ic");
    double q = 0, r = 0;
    KetteA(b, s, ox, oy, q, r);
    s.Mass(q, r, oy + m.h / 2 + 150, oy + m.h / 2 + 150, b.Cm(m.BA));
    s.DxfBemassung(4, 1, r, r + Beschriftungsbreite(b.texte.Verankern), ys, ys, 0, b.texte.Verankern, 7);
    s.Mass(ox - u0, ox + u0, oy + m.h / 2 + 100, oy + m.h / 2 + 100, b.Cm(2 * u0));
    KetteD(b, s, ox, oy);
    const std::string asx1 = b.Marke("Asx1", std::to_string(m.nD), m.dD);
    const double x = ox + (m.bE + m.SD) / 2, y = oy - m.h / 2 - 100;
    s.Linie(x, x, oy - m.h / 4, y);
    s.Beschriftung(x, x + Beschriftungsbreite(asx1), y, y, asx1);
}

}  // namespace

void ZeichneAnsicht(const TrBewehrungsBlatt& b, const TrDxfZustand& z) {
    const double ox = z.DxfUrsprung.x, oy = z.DxfUrsprung.y;
    const DxfZeichner s(b.doc.new_layer("0", true), z.DxfMassParameter);
    Umriss(s, b.m, ox, oy);
    Dorn(s, b.m, ox, oy);
    PositionA(s, b.m, ox, oy);
    PositionB1(s, b.m, ox, oy);
    Buegel(s, b.m, ox, oy);
    PositionD(s, b.m, ox, oy);
    Beschriftungen(b, s, ox, oy);
}
