#include "dxf/zeichnung/Masskette.h"

#include <algorithm>

#include "dxf/Text_Box.h"

namespace {

// One text row: the text height with its accents and descenders and a little room.
double Zeile(const DxfZeichner& s) {
    return (text_ascent + text_descent) * s.Parameter().DxfTexthoehe + Textabstand(s);
}

double Versatz(const DxfZeichner& s) {
    return s.Parameter().DxfTexthoehe / 5;
}

// The levels of the members' texts, in the members' order: those listed first keep the usual place.
std::vector<int> Ebenen(const std::vector<TrMassglied>& glieder, double hoehe, bool mitte, double abstand) {
    std::vector<std::pair<double, double>> strecken;
    for (const TrMassglied& g : glieder) {
        const double m = (g.von + g.bis) / 2, w = g.text.empty() ? 0 : text_width(g.text, hoehe);
        strecken.push_back(g.text.empty() ? std::pair(m, m)
                           : mitte        ? std::pair(m - w / 2, m + w / 2)
                                          : std::pair(m - w, m));
    }
    std::vector<int> ebenen = Staffelung(strecken, abstand);
    for (std::size_t i = 0; i < glieder.size(); ++i)
        if (glieder[i].text.empty()) ebenen[i] = 0;
    return ebenen;
}

}  // namespace

double Textabstand(const DxfZeichner& s) {
    return s.Parameter().DxfTexthoehe / 3;
}

double NaechsteZeileDarueber(const DxfZeichner& s, double y, const TrKasten& texte, double abstand) {
    const double frei = texte.Leer() ? y : texte.y2 + Textabstand(s) + s.Parameter().Strichlaenge / 2;
    return std::max(y + abstand, frei);
}

TrKasten Verankerung(const DxfZeichner& s, double x, double y, const std::string& text,
                     const TrKasten& kette) {
    const double d = s.Parameter().DxfTexthoehe, e = Versatz(s);
    const double links = std::max(x + e, kette.Leer() ? x : kette.x2 + Textabstand(s));
    const double breite = text_width(text, d);
    s.DxfMasslinie(4, 1, x, links + breite + e, y, y, 7);
    return s.DxfText(text, 7, links, y + e, 0, 0);
}

TrKasten WaagerechteKette(const DxfZeichner& s, const std::vector<TrMassglied>& glieder, double y,
                          int richtung) {
    const double d = s.Parameter().DxfTexthoehe, e = Versatz(s);
    const std::vector<int> ebenen = Ebenen(glieder, d, true, Textabstand(s));
    TrKasten kasten;
    for (std::size_t i = 0; i < glieder.size(); ++i) {
        const TrMassglied& g = glieder[i];
        const double m = (g.von + g.bis) / 2;
        if (ebenen[i] == 0) {
            kasten.Um(s.Mass(g.von, g.bis, y, y, g.text));
            continue;
        }
        // Further rows lie above the usual place, or below the line, one text row each.
        const double grundlinie = richtung > 0 ? y + e + ebenen[i] * Zeile(s)
                                               : y - e - text_ascent * d - (ebenen[i] - 1) * Zeile(s);
        s.DxfMasslinie(4, 4, g.von, g.bis, y, y, 7);
        s.Linie(m, m, y, richtung > 0 ? grundlinie - text_descent * d : grundlinie + text_ascent * d);
        kasten.Um(s.DxfText(g.text, 7, m, grundlinie, 0, 1));
    }
    return kasten;
}

TrKasten SenkrechteKette(const DxfZeichner& s, const std::vector<TrMassglied>& glieder, double x) {
    const double d = s.Parameter().DxfTexthoehe, e = Versatz(s);
    const std::vector<int> ebenen = Ebenen(glieder, d, false, Textabstand(s));
    TrKasten kasten;
    for (std::size_t i = 0; i < glieder.size(); ++i) {
        const TrMassglied& g = glieder[i];
        const double m = (g.von + g.bis) / 2;
        if (ebenen[i] == 0) {
            kasten.Um(s.Mass(x, x, g.bis, g.von, g.text, 90));
            continue;
        }
        const double grundlinie = x - e - ebenen[i] * Zeile(s);
        s.DxfMasslinie(4, 4, x, x, g.bis, g.von, 7);
        s.Linie(x, grundlinie + text_descent * d, m, m);
        kasten.Um(s.DxfText(g.text, 7, grundlinie, m, 90, 2));
    }
    return kasten;
}
