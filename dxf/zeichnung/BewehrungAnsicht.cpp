#include <algorithm>

#include "dxf/Text_Box.h"
#include "dxf/zeichnung/BewehrungsBloecke.h"
#include "dxf/zeichnung/Masskette.h"

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

// The A chain: its top row carries the label over the outer A bars, the spacings of the bars stand in the row
// below the slab; both grow outwards from the D region.
struct KettenA {
    std::vector<TrMassglied> oben, unten;
    double q = 0, r = 0;  // the outer ends
};

KettenA KetteA(const TrBewehrungsBlatt& b, double ox) {
    const M& m = b.m;
    const double q0 = ox - (m.bE + m.SD) / 2, r0 = ox + (m.bE + m.SD) / 2;
    KettenA k;
    double w = 0;
    if (m.nA > 0) {
        w = m.DA[0];
        k.oben.push_back({q0 - w, r0 + w, b.Marke("A", std::to_string(m.nA), m.dA)});
    }
    k.q = q0 - w, k.r = r0 + w;
    const std::string erster = m.nA > 0 ? b.Cm(m.DA[0]) : "";
    k.unten.push_back({k.q, k.q + w, erster});
    k.unten.push_back({k.r - w, k.r, erster});
    for (int i = 1; i < m.nA / 2; ++i) {
        w += m.DA[i];
        const double qa = k.q, ra = k.r;
        k.q = q0 - w, k.r = r0 + w;
        k.oben.push_back({k.q, qa, ""});
        k.oben.push_back({ra, k.r, ""});
        k.unten.push_back({k.q, qa, b.Cm(m.DA[i])});
        k.unten.push_back({ra, k.r, b.Cm(m.DA[i])});
    }
    return k;
}

std::vector<TrMassglied> KetteD(const TrBewehrungsBlatt& b, double ox) {
    const M& m = b.m;
    std::vector<TrMassglied> glieder;
    double links = ox - m.bE / 2, rechts = ox + m.bE / 2;
    for (int j = 0; j <= m.nD / 2 - 2; ++j) {
        const double w = M::Summe(m.DD, j + 1);
        glieder.push_back({ox - m.bE / 2 - w, links, b.Cm(m.DD[j])});
        glieder.push_back({rechts, ox + m.bE / 2 + w, b.Cm(m.DD[j])});
        links = ox - m.bE / 2 - w, rechts = ox + m.bE / 2 + w;
    }
    return glieder;
}

// Above the slab the rows of dimensions grow outwards: the D chain, the width between the inner D bars,
// the region of A and D, the A bars with their label, then the view's name; each row stands clear of the
// texts of the row below. Below the slab: the label of the D bars, then the A spacings with the anchoring
// note.
void Beschriftungen(const TrBewehrungsBlatt& b, const DxfZeichner& s, double ox, double oy) {
    const M& m = b.m;
    // With four B1 bars the inner D pair is measured to the first D spacing. Without such a spacing
    // (only one D pair) the dimension falls back to the load-introduction width instead of reading a
    // value that does not exist.
    const double u0 = (m.nB1 % 4 != 0 || m.DD.empty()) ? m.bE / 2 : (m.bE + m.DD[0]) / 2;
    const double ob = oy + m.h / 2, ub = oy - m.h / 2;
    const double xh = ox + m.by / 2 + 50;
    s.Mass(xh, xh, ob, ub, b.Cm(m.h), 90);
    const KettenA a = KetteA(b, ox);

    double y = ob + 50;
    TrKasten texte = WaagerechteKette(s, KetteD(b, ox), y, 1);
    y = NaechsteZeileDarueber(s, y, texte, 50);
    texte = WaagerechteKette(s, {{ox - u0, ox + u0, b.Cm(2 * u0)}}, y, 1);
    y = NaechsteZeileDarueber(s, y, texte, 50);
    texte = WaagerechteKette(s, {{a.q, a.r, b.Cm(m.BA)}}, y, 1);
    if (!a.oben.empty()) {
        y = NaechsteZeileDarueber(s, y, texte, 50);
        texte = WaagerechteKette(s, a.oben, y, 1);
    }
    const double titel =
        std::max(ob + 300, texte.y2 + Textabstand(s) + text_descent * s.Parameter().DxfTexthoehe);
    s.DxfText(b.texte.Ansicht, 7, ox - m.by / 2, titel, 0, 0);

    const std::string asx1 = b.Marke("Asx1", std::to_string(m.nD), m.dD);
    const double x = ox + (m.bE + m.SD) / 2, yx = ub - 100;
    s.Linie(x, x, oy - m.h / 4, yx);
    const TrKasten bezeichnung = s.Beschriftung(x, x + Beschriftungsbreite(asx1), yx, yx, asx1);
    // The row of the spacings stands with its texts below the label.
    const double d = s.Parameter().DxfTexthoehe;
    const double ys = std::min(ub - 150, bezeichnung.y1 - text_ascent * d - d / 5);
    std::vector<TrMassglied> unten = a.unten;
    unten.push_back({ox - u0, ox + u0, "Ic"});
    Verankerung(s, a.r, ys, b.texte.Verankern, WaagerechteKette(s, unten, ys, -1));
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
