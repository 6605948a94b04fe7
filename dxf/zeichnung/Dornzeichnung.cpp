#include "dxf/zeichnung/Dornzeichnung.h"

#include <algorithm>
#include <cmath>

#include "dxf/zeichnung/BewehrungsTexte.h"
#include "dxf/zeichnung/DxfZeichner.h"
#include "model/Katalog.h"
#include "model/Uebersetzung.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace {

// Product drawings keep their numbers, whatever the user's regional settings; only the words follow the
// user-interface language.
constexpr char Komma = ',';
constexpr double Plattendicke = 4;
constexpr int Achsfarbe = 1;

std::string T(double mm) {
    return FloatText(mm, Komma);
}

struct DornBlatt {
    const TrDornMasse& d;
    // Texts and dimension spacings grow with the dowel in whole steps, so every drawing prints alike at
    // its scale 1:s.
    double s;
    double a;  // between the outline and a dimension line and between two dimension lines: 12·s
    DxfZeichner achsen, dorn, masse, text, titel;
    double breit;  // half width of the front view (plate or the longer rod)
    double X0;     // joint face of the side view
};

// A vertical dimension with its text centred alongside, reading upwards.
void SenkrechtesMass(const DornBlatt& b, double x, double yOben, double yUnten, const std::string& text) {
    b.masse.DxfMasslinie(4, 4, x, x, yOben, yUnten, 7);
    const double e = b.masse.Parameter().DxfTexthoehe / 5;
    b.masse.DxfText(text, 7, x - e, (yOben + yUnten) / 2, 90, 1);
}

bool RundeHuelse(const TrDornMasse& d) {
    return d.RERohrb <= d.Durchmesser;
}
bool StaebeGleich(const TrDornMasse& d) {
    return d.Stab1l == d.Stab2l && d.Stab1d == d.Stab2d && d.Stab1a == d.Stab2a;
}

void Vorderansicht(const DornBlatt& b) {
    const TrDornMasse& d = b.d;
    b.achsen.Linie(0, 0, -d.Hoehe / 2 - 4 * b.s, d.Hoehe / 2 + 4 * b.s, Achsfarbe);
    b.achsen.Linie(-b.breit - 8 * b.s, b.breit + 8 * b.s, 0, 0, Achsfarbe);
    b.dorn.DxfRechteck(7, -d.Breite / 2, d.Breite / 2, -d.Hoehe / 2, d.Hoehe / 2);
    b.dorn.DxfStab(1, 1, d.Stab2d, -d.Stab2l / 2, d.Stab2l / 2, 0, 0, 7);
    if (!StaebeGleich(d)) b.dorn.DxfStab(1, 1, d.Stab1d, -d.Stab1l / 2, d.Stab1l / 2, 0, 0, 7);
    for (double y : {-d.Abstand / 2, d.Abstand / 2}) {
        b.dorn.DxfKreis(7, 0, y, d.Durchmesser / 2);
        if (RundeHuelse(d))
            b.dorn.DxfKreis(7, 0, y, d.RERohrh / 2);
        else
            b.dorn.DxfRechteck(7, -d.RERohrb / 2, d.RERohrb / 2, y - d.RERohrh / 2, y + d.RERohrh / 2);
        const double r = std::max(d.RERohrb, d.RERohrh) / 2 + 5 * b.s;
        b.achsen.Linie(-r, r, y, y, Achsfarbe);
    }

    double y = -d.Hoehe / 2 - b.a;
    b.masse.Mass(-d.Breite / 2, d.Breite / 2, y, y, T(d.Breite));
    y -= b.a;
    b.masse.Mass(-d.Stab2l / 2, d.Stab2l / 2, y, y, T(d.Stab2l));
    if (d.Stab1l != d.Stab2l) {
        y -= b.a;
        b.masse.Mass(-d.Stab1l / 2, d.Stab1l / 2, y, y, T(d.Stab1l));
    }
    const double xl = -b.breit - b.a, xr = b.breit + b.a;
    SenkrechtesMass(b, xl, d.Hoehe / 2, -d.Hoehe / 2, T(d.Hoehe));
    SenkrechtesMass(b, xr, d.Abstand / 2, -d.Abstand / 2, T(d.Abstand));
    const double oben = d.Abstand / 2 + d.RERohrh / 2;
    SenkrechtesMass(b, xr + b.a, oben, oben - d.RERohrh, T(d.RERohrh));
    if (!RundeHuelse(d)) {
        const double yt = d.Hoehe / 2 + b.a;
        b.masse.Mass(-d.RERohrb / 2, d.RERohrb / 2, yt, yt, T(d.RERohrb));
    }
}

void Seitenansicht(const DornBlatt& b) {
    const TrDornMasse& d = b.d;
    const double x0 = b.X0, L = d.Laenge;
    b.achsen.Linie(x0 - L - 8 * b.s, x0 + L + 8 * b.s, 0, 0, Achsfarbe);
    b.dorn.DxfRechteck(7, x0, x0 + Plattendicke, -d.Hoehe / 2, d.Hoehe / 2);
    b.dorn.DxfRechteck(7, x0 + Plattendicke, x0 + Plattendicke + d.Plattel,
                       -d.Abstand / 2 + d.Durchmesser / 2, d.Abstand / 2 - d.Durchmesser / 2);
    for (double y : {-d.Abstand / 2, d.Abstand / 2}) {
        b.achsen.Linie(x0 - L - 8 * b.s, x0 + L + 8 * b.s, y, y, Achsfarbe);
        b.dorn.DxfStab(1, 1, d.Durchmesser, x0 - L, x0 + L, y, y, 7);
        b.dorn.DxfRechteck(7, x0 - L, x0, y - d.RERohrh / 2, y + d.RERohrh / 2);
    }
    b.dorn.DxfKreis(7, x0 + d.Stab1a, 0, d.Stab1d / 2);
    if (!StaebeGleich(d)) b.dorn.DxfKreis(7, x0 + d.Stab2a, 0, d.Stab2d / 2);

    const double yb = -std::max(d.Hoehe, d.Abstand + d.RERohrh) / 2 - b.a;
    b.masse.Mass(x0 - L, x0, yb, yb, T(L));
    b.masse.Mass(x0, x0 + L, yb, yb, T(L));
    double y = d.Hoehe / 2 + b.a;
    b.masse.Mass(x0 + Plattendicke, x0 + Plattendicke + d.Plattel, y, y, T(d.Plattel));
    y += b.a;
    b.masse.Mass(x0, x0 + d.Stab1a, y, y, T(d.Stab1a));
    if (d.Stab2a != d.Stab1a) {
        y += b.a;
        b.masse.Mass(x0, x0 + d.Stab2a, y, y, T(d.Stab2a));
    }
    const double xr = x0 + L + b.a;
    SenkrechtesMass(b, xr, d.Hoehe / 2, -d.Hoehe / 2, T(d.Hoehe));
    SenkrechtesMass(b, xr + b.a, d.Abstand / 2, -d.Abstand / 2, T(d.Abstand));
}

std::string Text(const Umgebung& u, const char* text, std::initializer_list<std::string> werte = {}) {
    return Einsetzen(u.translate("Dornzeichnung", text), werte);
}

std::string Stabzeile(const Umgebung& u, int nr, double durchmesser, double laenge, double abstand) {
    return Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Stab %1: Ø%2, l = %3, Abstand zur Fuge %4"),
                {std::to_string(nr), T(durchmesser), T(laenge), T(abstand)});
}

void Texte(const DornBlatt& b, TsDorn dorn, const Umgebung& u) {
    const TrDornMasse& d = b.d;
    const double kopf = d.Hoehe / 2 + 5 * b.a;
    b.titel.DxfText(
        Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "QUORVEL® Doppelschubdorn %1"), {DornName(dorn)}), 7,
        -b.breit, kopf + 30 * b.s, 0, 0);
    b.text.DxfText(Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Zeichnung Nr. %1"),
                        {std::to_string(DornZeichnungNr(dorn))}),
                   7, -b.breit, kopf + 18 * b.s, 0, 0);
    b.text.DxfText(Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Vorderansicht")), 7, -b.breit, kopf, 0, 0);
    b.text.DxfText(Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Seitenansicht")), 7, b.X0 - d.Laenge, kopf, 0,
                   0);

    std::vector<std::string> zeilen{
        Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Schubdorn: 2 x Ø%1, Achsabstand %2"),
             {T(d.Durchmesser), T(d.Abstand)}),
        Stabzeile(u, 1, d.Stab1d, d.Stab1l, d.Stab1a),
        Stabzeile(u, 2, d.Stab2d, d.Stab2l, d.Stab2a),
        Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Hülsenrohr: %1 x %2"), {T(d.RERohrb), T(d.RERohrh)}),
        Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Ankerplatte: %1 x %2 x %3, Steg %4"),
             {T(d.Breite), T(d.Hoehe), T(Plattendicke), T(d.Plattel)}),
        Text(u, QT_TRANSLATE_NOOP("Dornzeichnung", "Maße in mm")),
    };
    double y = -std::max(d.Hoehe / 2 + 3 * b.a, (d.Abstand + d.RERohrh) / 2 + b.a) - 2 * b.a;
    for (const std::string& zeile : zeilen) {
        b.text.DxfText(zeile, 7, -b.breit, y, 0, 0);
        y -= 9 * b.s;
    }
}

}  // namespace

DXF_Object DornZeichnung(TsDorn dorn, const Umgebung& umgebung) {
    DXF_Object doc(DornDxfDatei(dorn));
    doc.codepage = DxfCodepage(umgebung);
    DXF_Layer& achsen = doc.new_layer(DornLayerAchsen, true);
    DXF_Layer& dorn_ = doc.new_layer(DornLayerDorn, true);
    DXF_Layer& masse = doc.new_layer(DornLayerMasse, true);
    DXF_Layer& text = doc.new_layer(DornLayerText, true);
    masse.layer_colinx = 3;

    const TrDornMasse& d = Katalog()[dorn].Masse;
    const double s = std::ceil(d.Hoehe / 100);
    const TrDxfMassParameter mass{4 * s, 1.5 * s, 4 * s, 5 * s};
    TrDxfMassParameter titel = mass;
    titel.DxfTexthoehe = 7 * s;
    const double a = 12 * s;
    const double breit = std::max({d.Breite, d.Stab1l, d.Stab2l}) / 2;
    const DornBlatt b{d,
                      s,
                      a,
                      DxfZeichner(achsen, mass),
                      DxfZeichner(dorn_, mass),
                      DxfZeichner(masse, mass),
                      DxfZeichner(text, mass),
                      DxfZeichner(text, titel),
                      breit,
                      breit + 7 * a + d.Laenge};
    Vorderansicht(b);
    Seitenansicht(b);
    Texte(b, dorn, umgebung);
    return doc;
}
