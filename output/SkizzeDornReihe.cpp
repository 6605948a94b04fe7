#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/TKAnwendung.h"
#include "output/Skizzenprimitive.h"
#include "output/Skizzenquelle.h"
#include "output/Skizzenzeichner.h"

namespace {

// Constructive dowels are told apart from required ones in every colour scheme.
const QColor KonstruktiverDorn(255, 255, 128);

// Arrows of a load diagram stand every text height; a wider diagram gets fewer arrows rather than
// thousands.
constexpr int MaxPfeile = 2000;

// A diagram coordinate offset in device units; odd load values must not produce odd integers.
int Versatz(double wert) {
    return std::isfinite(wert) ? static_cast<int>(std::clamp(wert, -1e7, 1e7)) : 0;
}

}  // namespace

void Skizzenzeichner::SkizzeDornReihe(const TrRechteck& rechteck, const TKAnwendung& anwendung,
                                      bool mitLast) {
    Hintergrund(rechteck);
    const Skizzenquelle quelle = PositionsQuelle(anwendung);
    if (!SkizzenDatenSetzen(3, rechteck, quelle)) return;
    DornReiheBand(quelle, mitLast);
    const TrDaten& d = Daten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    const int anzahl = static_cast<int>(d.DornPosition.size()) - 1;
    for (int i = 0; i < anzahl; ++i) {
        if (quelle.DornErgebnis.GetDornNotwendig(i)) {
            Dornstil();
        } else {
            canvas.setPen(QPen(Qt::black, 1));
            canvas.setBrush(KonstruktiverDorn);
        }
        DornVorne(x0 + d.DornPosition[i], y0, true);
    }

    const int th = Texthoehe;
    Bemassungsstil();
    Mass({x0, Oben()}, {x0, Unten()}, {-th, 0}, Cm(quelle.Geometrie.GetPlatteDicke()), {}, true);
    std::vector<int> kette{x0};
    std::vector<QString> texte;
    for (int i = 0; i <= anzahl; ++i) {
        kette.push_back(x0 + d.DornPosition[i]);
        // Whole millimetres, ties to even: 412.5 mm reads 41,2.
        texte.push_back(Cm(std::nearbyint(quelle.DornErgebnis.GetDornAbstand(i))));
    }
    Kette(kette, Unten() + th, texte);
    if (quelle.Belastung.GetBelastungsfall() != TsBelastungsfall::bfPunktlast)
        Mass({x0, Unten() + 2 * th}, {x0 + d.FugenLaenge, Unten() + 2 * th}, {},
             Cm(quelle.Geometrie.GetFugenlaenge()));
    Titel(QCoreApplication::translate("Skizze", "Aufteilung der Dorne"), x0 - th, Oben() - 5 * th);
}

void Skizzenzeichner::SkizzeLastverlauf(const TrRechteck& rechteck, const TKAnwendung& anwendung) {
    SkizzeLastverlauf(rechteck, anwendung, anwendung.cBelastungDesign);
}

void Skizzenzeichner::SkizzeLastverlauf(const TrRechteck& rechteck, const TKAnwendung& anwendung,
                                        const TKBelastung& last) {
    Hintergrund(rechteck);
    const Skizzenquelle position = PositionsQuelle(anwendung);
    const Skizzenquelle quelle{
        position.Geometrie,      position.DornDaten,  position.DornErgebnis, position.AnzDorn, last,
        position.Anwendungsfall, position.Brandschutz};
    if (!SkizzenDatenSetzen(3, rechteck, quelle)) return;
    DornReiheBand(quelle, true);
}

// The slab along the whole joint, with the load diagram in the four text heights above it.
void Skizzenzeichner::DornReiheBand(const Skizzenquelle& quelle, bool mitLast) {
    const int x0 = Daten.NullPunkt.x();
    const int ende = x0 + Daten.FugenLaenge;
    Betonflaeche(QRect(QPoint(x0, Oben()), QPoint(ende, Unten())));
    Betonkante({x0, Oben()}, {ende, Oben()}, Kante::Dick);
    Betonkante({x0, Unten()}, {ende, Unten()}, Kante::Dick);
    Betonkante({x0, Oben()}, {x0, Unten()}, Kante::Dick);
    Betonkante({ende, Oben()}, {ende, Unten()}, Kante::Dick);
    if (mitLast) Lastbild({x0, Oben() - 4 * Texthoehe, ende, Oben()}, quelle);
}

void Skizzenzeichner::Lastbild(const TrRechteck& bereich, const Skizzenquelle& quelle) {
    Bemassungsstil();
    const TKBelastung& last = quelle.Belastung;
    switch (last.GetBelastungsfall()) {
        case TsBelastungsfall::bfPunktlast: {
            const double links = quelle.Geometrie.GetBauteilRandLinks();
            const double summe = links + quelle.Geometrie.GetBauteilRandRechts();
            // Without two edge distances to divide by, the load stands in the middle.
            const double anteil = summe != 0 && std::isfinite(links / summe) ? links / summe : 0.5;
            const int x = bereich.Left +
                          static_cast<int>((bereich.Right - bereich.Left) * std::clamp(anteil, 0.0, 1.0));
            const int vorher = Linienbreite;
            Linienbreite = 3;
            Pfeil({x, bereich.Top}, {x, bereich.Bottom - vorher});
            Linienbreite = vorher;
            break;
        }
        case TsBelastungsfall::bfKonstanteLast:
        case TsBelastungsfall::bfLinienlast:
            Linienlastbild(bereich, last);
            break;
        case TsBelastungsfall::bfbeliebigeLast:
            BeliebigesLastbild(bereich, last);
            break;
    }
}

// Arrows every text height from x1 to x2 onto the line y = unten, their tails on the straight line from
// (x1, y1) to (x2, y2), a last arrow at x2, then that line.
void Skizzenzeichner::Lastpfeile(int x1, int y1, int x2, int y2, int unten) {
    const int schritt = std::max(Texthoehe, std::abs(x2 - x1) / MaxPfeile + 1);
    for (int x = x1; x < x2; x += schritt) {
        const int y = y1 + static_cast<int>(std::lround(static_cast<double>(y2 - y1) * (x - x1) / (x2 - x1)));
        Pfeil({x, y}, {x, unten});
    }
    Pfeil({x2, y2}, {x2, unten});
    canvas.drawLine(x1, y1, x2, y2);
}

void Skizzenzeichner::Linienlastbild(const TrRechteck& bereich, const TKBelastung& last) {
    const double links = last.GetLinienLastLinks();
    const double rechts = last.GetLinienLastRechts();
    const double groesste = std::max(links, rechts);
    if (!(groesste > 0) || !std::isfinite(groesste)) return;
    const double hoehe = bereich.Bottom - bereich.Top;
    Lastpfeile(bereich.Left, bereich.Bottom - Versatz(hoehe * links / groesste), bereich.Right,
               bereich.Bottom - Versatz(hoehe * rechts / groesste), bereich.Bottom);
}

void Skizzenzeichner::BeliebigesLastbild(const TrRechteck& bereich, const TKBelastung& last) {
    const int anzahl = last.GetAnzLastPunkte();
    if (anzahl < 2) return;
    double groesste = 0;
    for (int i = 0; i < anzahl; ++i) groesste = std::max(groesste, last.GetbeliebigeLast(i).y);
    const double laenge = last.GetLastLaenge();
    if (!(groesste > 0) || !(laenge > 0) || !std::isfinite(groesste) || !std::isfinite(laenge)) return;
    const double sx = (bereich.Right - bereich.Left) / laenge;
    const double sy = (bereich.Bottom - bereich.Top) / groesste;
    auto x = [&](const TrFloatPoint& p) { return bereich.Left + Versatz(p.x * sx); };
    auto y = [&](const TrFloatPoint& p) { return bereich.Bottom - Versatz(p.y * sy); };
    for (int i = 0; i + 1 < anzahl; ++i) {
        const TrFloatPoint p1 = last.GetbeliebigeLast(i);
        const TrFloatPoint p2 = last.GetbeliebigeLast(i + 1);
        Lastpfeile(x(p1), y(p1), x(p2), y(p2), bereich.Bottom);
    }
}
