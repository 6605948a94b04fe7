#include <algorithm>

#include "dxf/zeichnung/BewehrungsBloecke.h"
#include "dxf/zeichnung/Masskette.h"

// Plan view: the joint face lies on y = oy, y grows into the member, x runs along the joint.

namespace {

void Umriss(const DxfZeichner& s, const TrBewehrungsMasse& m, double ox, double oy) {
    s.Linie(ox - m.by / 2, ox + m.by / 2, oy, oy, 5);
    s.Linie(ox - m.by / 2, ox - m.by / 2, oy - 20, oy + m.W + 20, 4);
    s.Linie(ox + m.by / 2, ox + m.by / 2, oy - 20, oy + m.W + 20, 4);
    s.Linie(ox - m.by / 2 - 20, ox + m.by / 2 + 20, oy + m.W, oy + m.W, 4);
}

void Dorn(const DxfZeichner& s, const TrBewehrungsMasse& m, double ox, double oy) {
    s.DxfStab(1, 1, m.d2, ox - m.l2 / 2, ox + m.l2 / 2, oy + m.a2, oy + m.a2, 7);
    s.DxfStab(1, 1, m.d1, ox - m.l1 / 2, ox + m.l1 / 2, oy + m.a1, oy + m.a1, 7);
    s.DxfRechteck(7, ox - m.bD / 2, ox + m.bD / 2, oy, oy + 4);
    s.DxfRechteck(7, ox - 2, ox + 2, oy + 4, oy + 4 + m.lp);
    s.DxfStab(1, 1, m.rb, ox, ox, oy + m.L, oy, 7);
    s.DxfStab(1, 1, m.dS, ox, ox, oy, oy - m.L / 3, 7);
}

void PositionA(const DxfZeichner& a, const TrBewehrungsMasse& m, double ox, double oy) {
    for (int i = 0; i < m.nA / 2; ++i) {
        const double xi = (m.bE + m.SD) / 2 + TrBewehrungsMasse::Summe(m.DA, i + 1);
        a.DxfStab(2, 0, m.dA, ox - xi, ox - xi, oy + m.cv + m.dA / 2.0, oy + m.W, 7);
        a.DxfStab(2, 0, m.dA, ox + xi, ox + xi, oy + m.cv + m.dA / 2.0, oy + m.W, 7);
    }
}

void PositionenB(const DxfZeichner& s, const TrBewehrungsMasse& m, double ox, double oy) {
    s.DxfStab(0, 0, m.dB1, ox - m.by / 2, ox + m.by / 2, oy + m.rB, oy + m.rB, 7);
    if (m.nB2 <= 0) return;
    for (int i = 0; i <= m.m2; ++i) {
        const double yi = oy + m.rB + TrBewehrungsMasse::Summe(m.DB2, i + 1);
        s.DxfStab(0, 0, m.dB2, ox - m.by / 2, ox + m.by / 2, yi, yi, 7);
    }
}

void Buegel(const DxfZeichner& s, const TrBewehrungsMasse& m, double ox, double oy) {
    for (int i = 0; i < std::max(m.nC, 1); ++i) {
        const double yi = oy + m.rC + i * (m.dC + 2);
        s.DxfStab(2, 2, m.dC, ox - m.h / 2 + m.cu + m.dD + m.dC / 2.0,
                  ox + m.h / 2 - m.co - m.dD - m.dC / 2.0, yi, yi, 7);
    }
}

void PositionD(const DxfZeichner& s, const TrBewehrungsMasse& m, double ox, double oy) {
    for (int j = 0; j < std::max(m.nD / 2, 1); ++j) {
        const double uj = m.bE / 2 + TrBewehrungsMasse::Summe(m.DD, j);
        s.DxfStab(2, 0, m.dD, ox - uj, ox - uj, oy + m.cv + m.dD / 2.0, oy + m.W, 7);
        s.DxfStab(2, 0, m.dD, ox + uj, ox + uj, oy + m.cv + m.dD / 2.0, oy + m.W, 7);
    }
}

// Horizontal offset of the B labels from the edge of the D region: into the first A spacings, so the
// leader does not run along a bar.
double VersatzInA(const TrBewehrungsMasse& m, int anzahlAbstaende) {
    const int nA = std::min(m.nA / 2, anzahlAbstaende);
    if (nA <= 0) return 0;
    return nA == 1 ? m.DA[0] / 2 : m.DA[0] / 2 + m.DA[1];
}

void Beschriftungen(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy) {
    const TrBewehrungsMasse& m = b.m;
    s.DxfText(b.texte.Draufsicht, 7, ox - m.by / 2, oy + m.W + 200, 0, 0);

    const std::string buegel = b.BuegelText();
    const double xb = ox - 2 * m.dS / 3, yb = oy + m.W + 50;
    s.Linie(xb, xb, oy + m.rC, yb);
    s.Beschriftung(xb, xb - Beschriftungsbreite(buegel), yb, yb, buegel);

    const double xd = ox + (m.bE + m.SD) / 2;
    if (m.nB2 > 0) {
        const std::string asy2 = b.Marke("Asy2", "2x" + std::to_string(m.nB2 / 2), m.dB2);
        const double x = xd + VersatzInA(m, 1);
        s.Linie(x, x, oy + m.rB + (m.DB2.empty() ? 0 : m.DB2[0]), yb);
        s.Beschriftung(x, x + Beschriftungsbreite(asy2), yb, yb, asy2);
    }
    const std::string asy1 = b.Marke("Asy1", "2x" + std::to_string(m.k), m.dB1);
    const double x1 = xd + VersatzInA(m, 2);
    s.Linie(x1, x1, oy + m.rB, oy - 100);
    s.Beschriftung(x1, x1 + Beschriftungsbreite(asy1), oy - 100, oy - 100, asy1);

    std::vector<TrMassglied> kette{{oy, oy + m.rB, b.Cm(m.rB)}};
    double y = oy + m.rB;
    for (int i = 0; m.nB2 > 0 && i <= m.m2; ++i) {
        kette.push_back({y, y + m.DB2[i], b.Cm(m.DB2[i])});
        y += m.DB2[i];
    }
    SenkrechteKette(s, kette, ox + m.by / 2 + 50);
}

}  // namespace

void ZeichneDraufsicht(const TrBewehrungsBlatt& b, const TrDxfZustand& z) {
    const double ox = z.DxfUrsprung.x, oy = z.DxfUrsprung.y;
    const DxfZeichner s(b.doc.new_layer("0", true), z.DxfMassParameter);
    Umriss(s, b.m, ox, oy);
    Dorn(s, b.m, ox, oy);
    PositionA(DxfZeichner(b.doc.new_layer("PosA", true), z.DxfMassParameter), b.m, ox, oy);
    PositionenB(s, b.m, ox, oy);
    Buegel(s, b.m, ox, oy);
    PositionD(s, b.m, ox, oy);
    Beschriftungen(b, s, ox, oy);
}
