#include <algorithm>

#include "dxf/Text_Box.h"
#include "dxf/zeichnung/BewehrungsBloecke.h"
#include "dxf/zeichnung/Masskette.h"

// Section: the joint face lies on x = ox, x grows into the member, y is the height.

namespace {

using M = TrBewehrungsMasse;

// Heights of the longitudinal bars of diameter d in the row s behind the top and the bottom layer.
double Oben(const M& m, double oy, double d, double s) {
    return oy + m.h / 2 - m.co - s - m.dD - d / 2;
}
double Unten(const M& m, double oy, double d, double s) {
    return oy - m.h / 2 + m.cu + s + m.dD + d / 2;
}

// x of the B2 bar i.
double XB2(const M& m, double ox, int i) {
    return ox + m.rB + M::Summe(m.DB2, i + 1);
}

// Row offsets of the B1 rows: 0, then the running sums of the B1 spacings.
std::vector<double> Reihen(const M& m) {
    std::vector<double> s{0};
    for (int i = 0; i <= m.k - 2; ++i) s.push_back(M::Summe(m.DB1, i + 1));
    return s;
}

void Umriss(const DxfZeichner& s, const M& m, double ox, double oy) {
    s.Linie(ox, ox + m.W, oy - m.h / 2, oy - m.h / 2, 5);
    s.Linie(ox, ox + m.W, oy + m.h / 2, oy + m.h / 2, 5);
    s.Linie(ox, ox, oy - m.h / 2, oy + m.h / 2, 5);
    s.Linie(ox + m.W, ox + m.W, oy - m.h / 2 - 20, oy + m.h / 2 + 20, 4);
}

void Dorn(const DxfZeichner& s, const M& m, double ox, double oy) {
    s.DxfKreis(7, ox + m.a2, oy, m.d2 / 2);
    s.DxfKreis(7, ox + m.a1, oy, m.d1 / 2);
    s.DxfRechteck(7, ox, ox + 4, oy - m.hD / 2, oy + m.hD / 2);
    s.DxfRechteck(7, ox + 4, ox + 4 + m.lp, oy - m.aD / 2 + m.dS / 2, oy + m.aD / 2 - m.dS / 2);
    s.DxfStab(1, 1, m.dS, ox - m.L, ox + m.L, oy - m.aD / 2, oy - m.aD / 2, 7);
    s.DxfStab(1, 1, m.dS, ox - m.L, ox + m.L, oy + m.aD / 2, oy + m.aD / 2, 7);
}

void PositionenB(const DxfZeichner& s, const M& m, double ox, double oy) {
    // Row by row: the B1 bars, then the B2 bars of that row.
    for (double sr : Reihen(m)) {
        s.DxfKreis(7, ox + m.rB, Oben(m, oy, m.dB1, sr), m.dB1 / 2.0);
        s.DxfKreis(7, ox + m.rB, Unten(m, oy, m.dB1, sr), m.dB1 / 2.0);
        if (m.nB2 <= 0) continue;
        for (int i = 0; i <= m.m2; ++i) {
            s.DxfKreis(7, XB2(m, ox, i), Oben(m, oy, m.dB2, sr), m.dB2 / 2.0);
            s.DxfKreis(7, XB2(m, ox, i), Unten(m, oy, m.dB2, sr), m.dB2 / 2.0);
        }
    }
}

void Buegel(const DxfZeichner& s, const M& m, double ox, double oy) {
    for (int i = 0; i < std::max(m.nC, 1); ++i) {
        const double x = ox + m.rC + i * (m.dC + 2);
        s.DxfStab(2, 2, m.dC, x, x, oy - m.h / 2 + m.cu + m.dD + m.dC / 2.0,
                  oy + m.h / 2 - m.co - m.dD - m.dC / 2.0, 7);
    }
}

// U-bars of position D; with four B1 bars a second, inner U-bar lies one row spacing closer.
void UBuegel(const DxfZeichner& s, const M& m, double ox, double oy) {
    const double xl = ox + m.cv + m.dB1 / 2.0, xr = ox + m.W;
    const double yb = oy - m.h / 2 + m.cu + m.dB1 / 2.0;
    double yt = oy + m.h / 2 - m.co - m.dB1 / 2.0;
    const double e = m.nB1 >= 3 ? m.DB1[0] : 0;
    if (m.nB1 % 4 == 0) {
        s.DxfBuegel(0, 0, m.dD, xl, xr, yb + e, yt, 2.0 * m.dD, 1, 7);
        yt -= e;
    }
    s.DxfBuegel(0, 0, m.dD, xl, xr, yb, yt, 2.0 * m.dD, 1, 7);
}

// Leaders from the B2 bars of every row to the dowel axes and the two "Pos. Asy2" labels. The labels are
// led out past the section's end, so their texts stand clear of its outline; the upper text stands over its
// line, the lower one under it, so the two never meet however close the dowel axes are.
TrKasten BeschriftungB2(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy) {
    const M& m = b.m;
    const std::string asy2 = b.Marke("Asy2", std::to_string(m.nB2 / 2), m.dB2);
    std::vector<double> versatz{0};
    for (int j = 0; j <= m.k - 2; ++j) versatz.push_back(m.DB1[j]);
    double xe = ox + m.rB;
    for (double f : versatz) {
        for (int i = 0; i <= m.m2; ++i) {
            const double x = XB2(m, ox, i);
            xe = x + m.DB2[i] / 2;
            s.Linie(x, xe, oy + m.h / 2 - m.co - f - m.dD - m.dB2 / 2.0, oy + m.aD / 2);
            s.Linie(x, xe, oy - m.h / 2 + m.cu + f + m.dD + m.dB2 / 2.0, oy - m.aD / 2);
        }
    }
    const double xs = ox + m.rB + (m.DB2.size() >= 2 ? 1.5 * m.DB2[0] : 0);
    const double d = s.Parameter().DxfTexthoehe;
    const double aussen = std::max(xe, ox + m.W + Textabstand(s));
    const double breite = Beschriftungsbreite(asy2);
    s.Linie(xs, aussen, oy + m.aD / 2, oy + m.aD / 2);
    s.Linie(xs, aussen, oy - m.aD / 2, oy - m.aD / 2);
    s.Beschriftung(aussen, aussen + breite, oy + m.aD / 2, oy + m.aD / 2, asy2);
    s.Linie(aussen, aussen + breite, oy - m.aD / 2, oy - m.aD / 2);
    return s.DxfText(asy2, 7, aussen + breite / 2, oy - m.aD / 2 - d / 5 - text_ascent * d, 0, 1);
}

// Above the section: the whole chain's length, the stirrup label, the view's name, each clear of the row
// below. Below it: the chain of the B bars with the anchoring note, clear of the lower B2 label.
void Beschriftungen(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy) {
    const M& m = b.m;
    const double ob = oy + m.h / 2, ub = oy - m.h / 2;
    const double d = s.Parameter().DxfTexthoehe;
    const TrKasten b2 = m.nB2 > 0 ? BeschriftungB2(b, s, ox, oy) : TrKasten{};
    const double yd =
        b2.Leer() ? ub - 100 : std::min(ub - 100, b2.y1 - Textabstand(s) - text_ascent * d - d / 5);
    std::vector<TrMassglied> kette{{ox, ox + m.rB, b.Cm(m.rB)}};
    double x = ox + m.rB;
    for (int i = 0; m.nB2 > 0 && i <= m.m2; ++i) {
        kette.push_back({x, x + m.DB2[i], b.Cm(m.DB2[i])});
        x += m.DB2[i];
    }
    Verankerung(s, x, yd, b.texte.Verankern, WaagerechteKette(s, kette, yd, -1));

    const TrKasten laenge = WaagerechteKette(s, {{ox, x, b.Cm(x - ox)}}, ob + 50, 1);
    const std::string buegel = b.BuegelText();
    const double yb = std::max(ob + 100, laenge.y2 + Textabstand(s) + text_descent * d - d / 5);
    const TrKasten bezeichnung =
        s.DxfBemassung(2, 0, ox + m.rC, ox + m.rC + Beschriftungsbreite(buegel), yb, yb, 0, buegel, 7);
    s.DxfText(b.texte.Schnitt, 7, ox - m.L,
              std::max(ob + 300, bezeichnung.y2 + Textabstand(s) + text_descent * d), 0, 0);
    const double xh = ox - 1.1 * m.L;
    s.Mass(xh, xh, ob, ub, b.Cm(m.h), 90);

    for (double sr : Reihen(m)) {
        s.Beschriftung(ox - m.rB, ox + m.rB, ob + m.co, Oben(m, oy, m.dB1, sr), "");
        s.Beschriftung(ox - m.rB, ox + m.rB, ub - m.cu - 50, Unten(m, oy, m.dB1, sr), "");
    }
    const std::string asy1 = b.Marke("Asy1", std::to_string(m.k), m.dB1);
    const double breite = Beschriftungsbreite(asy1);
    s.Beschriftung(ox - m.rB, ox - m.rB - breite, ub - m.cu - 50, ub - m.cu - 50, asy1);
    s.Beschriftung(ox - m.rB, ox - m.rB - breite, ob + m.co, ob + m.co, asy1);
}

}  // namespace

void ZeichneSchnitt(const TrBewehrungsBlatt& b, const TrDxfZustand& z) {
    const double ox = z.DxfUrsprung.x, oy = z.DxfUrsprung.y;
    const DxfZeichner s(b.doc.new_layer("0", true), z.DxfMassParameter);
    Umriss(s, b.m, ox, oy);
    Dorn(s, b.m, ox, oy);
    PositionenB(s, b.m, ox, oy);
    Buegel(s, b.m, ox, oy);
    UBuegel(s, b.m, ox, oy);
    Beschriftungen(b, s, ox, oy);
}
