#include "output/Berechnungsnachweis.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cassert>
#include <cmath>

#include "model/Ergebnisgrenzen.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Nachweistext.h"
#include "output/Seitenkopf.h"
#include "output/Seitenmaler.h"
#include "output/Skizzenzeichner.h"

namespace {

// Room below the last row of a table page: the lower input sketch of the load page reaches 7 cm below
// the table.
constexpr double SkizzeUnterLasttabelle = 7.2;
constexpr double AbstandZumFuss = 0.2;

int ZeilenBis(double start, double ende, double zeile) {
    return std::max(1, static_cast<int>((ende - start) / zeile));
}

}  // namespace

Berechnungsnachweis::Berechnungsnachweis(const TKModell& modell, const TKAnwendung& anwendung,
                                         const TKFarbe& farbe)
    : modell(modell), anwendung(anwendung), farbe(farbe) {
    // Reading discards results beyond these bounds; the pages are laid out by the counts.
    assert(!anwendung.cErgebnisse.GetBerechnet() ||
           !ErsteGrenzverletzung(anwendung.cErgebnisse, anwendung.cErgebnisse.GetAktDorn()) ||
           !"results beyond their bounds reach the proof");
}

const TKDornErgebnis& Berechnungsnachweis::Ergebnis() const {
    return anwendung.cErgebnisse.cDornErgebnis[Ord(anwendung.cErgebnisse.GetAktDorn())];
}

const TKDornDaten& Berechnungsnachweis::Dorn() const {
    return anwendung.cErgebnisse.cDornDaten[Ord(anwendung.cErgebnisse.GetAktDorn())];
}

int Berechnungsnachweis::AnzDorn() const {
    return anwendung.cErgebnisse.GetAnzDorn(anwendung.cErgebnisse.GetAktDorn());
}

char Berechnungsnachweis::Trenner() const {
    return modell.GetUmgebung().Dezimaltrenner();
}

double Berechnungsnachweis::Inhalt(const Seitenlayout& layout) const {
    return layout.Masse().T + Kopfende(layout, NachweisTitel(anwendung), NachweisKopf(modell, anwendung));
}

// Two load points per row below the block title and its first line.
Berechnungsnachweis::Tabelle Berechnungsnachweis::Lasttabelle(const Seitenlayout& layout) const {
    const double start = Inhalt(layout) + 0.5 + layout.Zeile(14) + layout.Zeile(10);
    const double ende = Fusslinie(layout) - AbstandZumFuss;
    const int punkte = anwendung.cBelastungDesign.GetAnzLastPunkte();
    return {start, (punkte + 1) / 2, ZeilenBis(start, ende, layout.Zeile(10)),
            ZeilenBis(start, ende - SkizzeUnterLasttabelle, layout.Zeile(10))};
}

// Two dowels per row below the dowel arrangement, the table title and the column headers.
Berechnungsnachweis::Tabelle Berechnungsnachweis::Koordinatentabelle(const Seitenlayout& layout) const {
    const double start = Inhalt(layout) + 0.5 + 5 + layout.Zeile(14) + layout.Zeile(10);
    const int zeilen = ZeilenBis(start, Fusslinie(layout) - AbstandZumFuss, layout.Zeile(10));
    return {start, (AnzDorn() + 1) / 2, zeilen, zeilen};
}

void Berechnungsnachweis::Verteilen(const Tabelle& tabelle, Seitenart art,
                                    std::vector<Nachweisseite>& seiten) {
    int von = 0;
    while (tabelle.zeilen - von > tabelle.aufLetzter) {
        seiten.push_back({art, von, von + tabelle.jeSeite});
        von += tabelle.jeSeite;
    }
    seiten.push_back({art, von, tabelle.zeilen});
}

// The parts of the first page's content go on as long as they end above the footer; the next part then
// starts a page of its own below the header. A part taller than a page still gets one page.
void Berechnungsnachweis::ErsteSeiteVerteilen(const Seitenlayout& layout,
                                              std::vector<Nachweisseite>& seiten) const {
    QImage messung = Messbild(layout);
    QPainter canvas(&messung);
    Seitenmaler seite(canvas, layout);
    const double anfang = Inhalt(layout);
    const double grenze = Fusslinie(layout) - AbstandZumFuss;
    double y = anfang;
    int von = 0;
    for (int teil = 0; teil < ErsteSeiteTeile; ++teil) {
        Teilende ende = ErsterSeitenteil(teil, seite, Teilanfang(teil, y, teil == von));
        if (teil > von && ende.unten > grenze) {
            seiten.push_back({Seitenart::Erste, von, teil});
            von = teil;
            ende = ErsterSeitenteil(teil, seite, Teilanfang(teil, anfang, true));
        }
        y = ende.weiter;
    }
    seiten.push_back({Seitenart::Erste, von, ErsteSeiteTeile});
}

std::vector<Nachweisseite> Berechnungsnachweis::Seiten(const Seitenlayout& layout) const {
    std::vector<Nachweisseite> seiten;
    ErsteSeiteVerteilen(layout, seiten);
    if (anwendung.cBelastungDesign.GetBelastungsfall() == TsBelastungsfall::bfbeliebigeLast)
        Verteilen(Lasttabelle(layout), Seitenart::Lastverlauf, seiten);
    seiten.push_back({Seitenart::Skizzen});
    if (AnzDorn() > MaxDorneOhneKoordinaten)
        Verteilen(Koordinatentabelle(layout), Seitenart::Koordinaten, seiten);
    return seiten;
}

void Berechnungsnachweis::SeiteZeichnen(QPainter& canvas, const Seitenlayout& layout,
                                        const Nachweisseite& seite, Seitenzahl zahl) const {
    Seitenmaler maler(canvas, layout);
    Kopfdaten kopf = NachweisKopf(modell, anwendung);
    kopf.seite = zahl;
    const double y = layout.Masse().T + Seitenkopf(maler, NachweisTitel(anwendung), kopf);
    switch (seite.art) {
        case Seitenart::Erste:
            return ErsteSeite(maler, y, seite);
        case Seitenart::Lastverlauf:
            return Lastseite(maler, y, seite);
        case Seitenart::Skizzen:
            return Skizzenseite(maler, y);
        case Seitenart::Koordinaten:
            return Koordinatenseite(maler, y, seite);
    }
}

Skizzenzeichner Berechnungsnachweis::Zeichner(Seitenmaler& seite) const {
    Skizzenzeichner zeichner(seite.Canvas(), farbe, Trenner());
    zeichner.SetLinienbreite(seite.Layout().GetLinienbreite());
    return zeichner;
}

double MinRandabstandStuetze(TsDorn dorn) {
    // The catalogue's second edge-distance column holds exactly these values.
    return Katalog()[dorn].Kennung.MinRandSeiteL;
}

void ZwischenergebnisBewehrung(QPainter& canvas, const TKDornErgebnis& ergebnis, char dezimaltrenner) {
    const Seitenlayout layout(canvas, Seitenmasse{}, Ausgabeziel::Bildschirm);
    Seitenmaler seite(canvas, layout);
    const double x = layout.CmX(10);
    seite.Schrift(10, Kursiv | Unterstrichen);
    seite.Text(x, layout.CmY(10), Nachweis::tr("Zwischenergebnis Bewehrung"));
    seite.Schrift(10);
    Zeilenblock zeilen(seite, x, layout.Zeile(10) + layout.CmY(10),
                       seite.Breite(Nachweis::tr("Ausnutzung") + "  "), layout.CmX(10));
    zeilen.Zeile({}, {"A", "sx"}, Zahl(std::nearbyint(ergebnis.GetAsx()) / 100, 2, dezimaltrenner), "cm",
                 "2");
    zeilen.Zeile({}, {"A", "sy"}, Zahl(std::nearbyint(ergebnis.GetAsy()) / 100, 2, dezimaltrenner), "cm",
                 "2");
    zeilen.Zeile({}, {"ρ ", "l"}, Zahl(ergebnis.GetRhol(), 3, dezimaltrenner));
}
