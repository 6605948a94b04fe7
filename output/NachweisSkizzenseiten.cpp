#include <QString>
#include <algorithm>
#include <cmath>

#include "model/TKAnwendung.h"
#include "output/Berechnungsnachweis.h"
#include "output/Nachweistext.h"
#include "output/Seitenkopf.h"
#include "output/Seitenmaler.h"
#include "output/Skizzenzeichner.h"

// The pages after the first: the load table of an arbitrary line load, the sketch page and the dowel
// coordinates.

namespace {

TrRechteck Rechteck(const Seitenmaler& seite, double links, double oben, double rechts, double unten) {
    const Seitenlayout& l = seite.Layout();
    return {l.X(links), l.Y(oben), l.X(rechts), l.Y(unten)};
}

constexpr double ReiheBreite = 17, ReiheHoehe = 4.5, UnterReihe = 5;
constexpr double AbstandZumFuss = 0.3;

}  // namespace

void Berechnungsnachweis::Lastseite(Seitenmaler& seite, double y, const Nachweisseite& teil) const {
    const Seitenmasse& m = seite.M();
    const char t = Trenner();
    const TKBelastung& last = anwendung.cBelastungDesign;
    Zeilenblock block(seite, m.L, y + 0.5, 4.5, 0.75);
    block.Titel(Nachweis::tr("Eingaben zur Belastung"), seite.Zeile(14));
    block.Zeile(Nachweis::tr("beliebiger Linienlastverlauf"));
    // Even points on the left, odd ones 8 cm further right, each as x and, 3 cm further right, q.
    for (int zeile = teil.von; zeile < teil.bis; ++zeile) {
        for (int i = 2 * zeile; i <= 2 * zeile + 1 && i < last.GetAnzLastPunkte(); ++i) {
            const TrFloatPoint punkt = last.GetbeliebigeLast(i);
            Zeilenblock spalte(seite, m.L + (i % 2) * 8, block.y, block.s, block.r);
            spalte.Zeile({}, {"x"}, Zahl(std::nearbyint(punkt.x / 10) / 100, 2, t), "m");
            spalte.x += 3;
            spalte.y = block.y;
            spalte.Zeile({}, {"q", "Ed"}, Zahl(punkt.y, 1, t), "kN/m");
        }
        block.y += seite.Zeile(10);
    }
    const bool letzte = teil.bis * 2 >= last.GetAnzLastPunkte();
    if (letzte)
        // One centimetre lower than the rectangle 2 cm above the table's end would be: there the peak of the
        // load diagram reached into the last row of load points.
        Zeichner(seite).SkizzeEingabeUnten(Rechteck(seite, m.L + 3, block.y - 1, m.L + 11, block.y + 7),
                                           anwendung.GetAnwendungsfall(), last.GetBelastungsfall(), modell,
                                           anwendung);
}

void Berechnungsnachweis::Dornreihe(Seitenmaler& seite, double y) const {
    const Seitenmasse& m = seite.M();
    Zeichner(seite).SkizzeDornReihe(Rechteck(seite, m.L, y, m.L + ReiheBreite, y + ReiheHoehe), anwendung,
                                    true);
}

void Berechnungsnachweis::Skizzenseite(Seitenmaler& seite, double y) const {
    const Seitenmasse& m = seite.M();
    y += 0.5;
    Dornreihe(seite, y);
    y += UnterReihe;
    const double halb = (m.W - m.L - m.R) / 2;
    // The two rows reach down to the footer: ending 5.5 cm above it, as the page was once laid out,
    // leaves the joint-face view so small that its dimension texts run into each other.
    const double hoehe = (Fusslinie(seite.Layout()) - AbstandZumFuss - y) / 2;
    const double mitte = m.L + halb;
    Skizzenzeichner zeichner = Zeichner(seite);
    zeichner.SkizzeDraufsicht(Rechteck(seite, m.L, y, mitte, y + hoehe), anwendung);
    zeichner.SkizzeAnsicht(Rechteck(seite, m.L, y + hoehe, mitte, y + 2 * hoehe), anwendung);
    zeichner.SkizzeSchnitt(Rechteck(seite, mitte, y + hoehe, mitte + halb, y + 2 * hoehe), anwendung);
    Bewehrungsuebersicht(seite, mitte + 1, y + 0.8);
}

// Marks, counts and diameters of the additional reinforcement beside the plan view.
void Berechnungsnachweis::Bewehrungsuebersicht(Seitenmaler& seite, double x, double y) const {
    const TKDornDaten& d = Dorn();
    Zeilenblock zeilen(seite, x, y, 0, 0);
    zeilen.Titel(Nachweis::tr("Übersicht der Bewehrungszulage"), seite.Zeile(14));
    seite.Schrift(10);
    const QString aufhaengung = Nachweis::tr("Aufhängebewehrung");
    const QString laengs = Nachweis::tr("Längsbewehrung");
    const QString buegel = Nachweis::tr("Bügel");
    // The columns stand where the widest label of each ends, so no language's words run into the next.
    const double abstand = 0.3;
    const double xMarke = x + std::max({4.0, seite.Breite(aufhaengung) + abstand,
                                        seite.Breite(laengs) + abstand, seite.Breite(buegel) + abstand});
    const QString pos = Nachweis::tr("Pos.");
    const QString marke = pos + QStringLiteral(" A");
    const double xAnzahl = xMarke + std::max(2.0, seite.Breite(marke) + seite.KleinBreite("sx,1") + abstand);
    auto position = [&](const QString& gruppe, const QString& marke, const QString& index, int anzahl,
                        int durchmesser) {
        seite.Text(x, zeilen.y, gruppe);
        seite.Index(seite.Text(xMarke, zeilen.y, marke), zeilen.y, index);
        seite.Text(xAnzahl, zeilen.y,
                   QString::number(anzahl) + QStringLiteral(" Ø ") + QString::number(durchmesser));
        zeilen.y += seite.Zeile(10);
    };
    const double gruppe = seite.Zeile(14) - seite.Zeile(10);
    position(aufhaengung, marke, "sx,1", d.GetAnzPosD(), d.GetPosDd());
    if (d.GetAnzPosA() > 0) position({}, marke, "sx,2", d.GetAnzPosA(), d.GetPosAd());
    zeilen.y += gruppe;
    position(laengs, marke, "sy,1", d.GetAnzPosB1(), d.GetPosB1d());
    if (d.GetAnzPosB2() > 0) position({}, marke, "sy,2", d.GetAnzPosB2(), d.GetPosB2d());
    zeilen.y += gruppe;
    position(buegel, pos + QStringLiteral(" 1"), {}, d.GetAnzPosC(), d.GetPosCd());
}

void Berechnungsnachweis::Koordinatenseite(Seitenmaler& seite, double y, const Nachweisseite& teil) const {
    const Seitenmasse& m = seite.M();
    const char t = Trenner();
    const TKDornErgebnis& e = Ergebnis();
    y += 0.5;
    Dornreihe(seite, y);
    Zeilenblock tabelle(seite, m.L, y + UnterReihe, 0, 0);
    tabelle.Titel(Nachweis::tr("Koordinaten"), seite.Zeile(14));
    // Right edges of the three columns of a group; the second group stands 9 cm further right.
    const double spalten[] = {2.5, 4.5, 7.0};
    const int anzahl = AnzDorn();
    for (int gruppe = 0; gruppe < (anzahl > 1 ? 2 : 1); ++gruppe) {
        const double x = m.L + 9 * gruppe;
        seite.TextRechts(x + spalten[0], tabelle.y, Nachweis::tr("Dorn Nr.:"));
        seite.TextRechts(x + spalten[1], tabelle.y, Nachweis::tr("Abstand"));
        seite.TextRechts(x + spalten[2], tabelle.y, Nachweis::tr("Position"));
    }
    double position = 0;
    for (int i = 0; i < 2 * teil.von && i < anzahl; ++i) position += e.GetDornAbstand(i);
    for (int zeile = teil.von; zeile < teil.bis; ++zeile) {
        tabelle.y += seite.Zeile(10);
        for (int i = 2 * zeile; i <= 2 * zeile + 1 && i < anzahl; ++i) {
            const double abstand = e.GetDornAbstand(i);
            position += abstand;
            const double x = m.L + 9 * (i % 2);
            auto cm = [t](double mm) { return Zahl(std::nearbyint(mm) / 10, 1, t) + " cm"; };
            seite.TextRechts(x + spalten[0], tabelle.y, QString::number(i + 1));
            seite.TextRechts(x + spalten[1], tabelle.y, cm(abstand));
            seite.TextRechts(x + spalten[2], tabelle.y, cm(position));
        }
    }
}
