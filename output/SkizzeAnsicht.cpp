#include <QCoreApplication>
#include <QPainter>
#include <vector>

#include "model/TKAnwendung.h"
#include "output/Skizzenprimitive.h"
#include "output/Skizzenquelle.h"
#include "output/Skizzenzeichner.h"

void Skizzenzeichner::SkizzeAnsicht(const TrRechteck& rechteck, const TKAnwendung& anwendung) {
    Hintergrund(rechteck);
    const Skizzenquelle quelle = PositionsQuelle(anwendung);
    if (!SkizzenDatenSetzen(0, rechteck, quelle)) return;
    const int x0 = Daten.NullPunkt.x();
    const int links = x0 - Daten.BauteilBreite / 2;
    const int rechts = x0 + Daten.BauteilBreite / 2;
    Betonflaeche(QRect(QPoint(links, Oben()), QPoint(rechts, Unten())));
    Betonkante({links, Oben()}, {rechts, Oben()}, Kante::Dick);
    Betonkante({links, Unten()}, {rechts, Unten()}, Kante::Dick);
    Betonkante({links, Oben()}, {links, Unten()}, Kante::Geschnitten);
    Betonkante({rechts, Oben()}, {rechts, Unten()}, Kante::Geschnitten);
    AnsichtBewehrung();
    Dornstil();
    DornVorne(x0, Daten.NullPunkt.y(), false);
    AnsichtPosD();
    AnsichtBemassung(quelle);
    Titel(QCoreApplication::translate("Skizze", "Rand- und Aufhängebewehrung des Dorns"), links,
          Oben() - 6 * Texthoehe);
}

// Stirrup C around the dowel, the B layers over the member width and the A bars.
void Skizzenzeichner::AnsichtBewehrung() {
    const TrDaten& d = Daten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    const int innenOben = d.Bauteildicke / 2 - d.BetDeckungOben - d.PosDd - d.PosCd / 2;
    const int innenUnten = d.Bauteildicke / 2 - d.BetDeckungUnten - d.PosDd - d.PosCd / 2;
    Stabstift(TKFarbe::Element::PosC, d.PosCd);
    Schleife(x0 - innenOben, y0 - innenOben, x0 + innenUnten, y0 + innenUnten, 2 * d.PosCd);

    Bewehrungsstil(TKFarbe::Element::PosB);
    const int links = x0 - d.BauteilBreite / 2;
    for (int k = 0; k < static_cast<int>(d.DistPosB1.size()); ++k) {
        const int s = SummeDistPosB1(k);
        canvas.drawRect(links, Oben() + d.BetDeckungOben + d.PosDd + s, d.BauteilBreite, d.PosB1d);
        canvas.drawRect(links, Unten() - d.BetDeckungUnten - d.PosDd - s - d.PosB1d, d.BauteilBreite,
                        d.PosB1d);
    }

    Bewehrungsstil(TKFarbe::Element::PosA);
    const int y1 = Oben() + d.BetDeckungOben;
    const int y2 = Unten() - d.BetDeckungUnten;
    for (int s : Laufsummen(d.DistPosA)) {
        for (int seite : {-1, 1}) {
            const int x = x0 + seite * (d.BereichPosD / 2 + s);
            canvas.drawRoundedRect(QRect(x - d.PosAd / 2, y1, d.PosAd, y2 - y1), d.PosAd / 2.0,
                                   d.PosAd / 2.0);
        }
    }
}

// Suspension bars D in pairs; with more than two B1 bars they alternate in height so that the B layers
// pass, and the outermost pair reaches the full height.
void Skizzenzeichner::AnsichtPosD() {
    const TrDaten& d = Daten;
    const int a = d.AnzPosB1 >= 3 && d.DistPosB1.size() > 1 ? d.DistPosB1[1] : 0;
    const int oben = Oben() + d.BetDeckungOben;
    const int unten = Unten() - d.BetDeckungUnten;
    const std::vector<int> summen = Laufsummen(d.DistPosD);
    Bewehrungsstil(TKFarbe::Element::PosD);
    for (int k = 0; k < static_cast<int>(summen.size()); ++k) {
        int y1 = k % 2 == 0 ? oben : oben + a;
        int y2 = k % 2 == 0 ? unten - a : unten;
        if (k + 1 == static_cast<int>(summen.size())) {
            y1 = d.AnzPosD % 4 == 0 ? oben + a : oben;
            y2 = unten;
        }
        for (int seite : {-1, 1}) {
            const int x = d.NullPunkt.x() + seite * (d.EinflussBereich / 2 + summen[k]);
            canvas.drawRoundedRect(QRect(x - d.PosDd / 2, y1, d.PosDd, y2 - y1), d.PosDd / 2.0,
                                   d.PosDd / 2.0);
        }
    }
}

void Skizzenzeichner::AnsichtBemassung(const Skizzenquelle& quelle) {
    const TrDaten& d = Daten;
    const TKDornDaten& dorn = quelle.DornDaten;
    const int x0 = d.NullPunkt.x();
    const int th = Texthoehe;
    Bemassungsstil();
    Mass({x0 + d.BauteilBreite / 2, Oben()}, {x0 + d.BauteilBreite / 2, Unten()}, {2 * th, 0},
         Cm(quelle.Geometrie.GetPlatteDicke()), {}, true);

    // Chains over the A bars below the slab, outwards from the edge of the D area on both sides.
    const std::vector<int> summenA = Laufsummen(d.DistPosA);
    std::vector<QString> texteA;
    for (int k = 0; k < static_cast<int>(summenA.size()); ++k)
        texteA.push_back(Cm(Eintrag(dorn.GetDistPosA(), k)));
    const int aussenA = d.BereichPosD / 2 + (summenA.empty() ? 0 : summenA.back());
    for (int seite : {-1, 1}) {
        std::vector<int> xWerte{x0 + seite * d.BereichPosD / 2};
        for (int s : summenA) xWerte.push_back(x0 + seite * (d.BereichPosD / 2 + s));
        Kette(xWerte, Unten() + 3 * th, texteA);
    }

    // Influence width, widened by the next D spacing when the B1 bars come in fours.
    const bool breiter = d.AnzPosB1 % 4 == 0 && d.DistPosD.size() > 1;
    const int spanne = d.EinflussBereich + (breiter ? d.DistPosD[1] : 0);
    const double wert = dorn.GetEinflussBereich() + (breiter ? Eintrag(dorn.GetDistPosD(), 0) : 0.0);
    Mass({x0 - spanne / 2, Unten() + 3 * th}, {x0 + spanne / 2, Unten() + 3 * th}, {}, QStringLiteral("I"),
         QStringLiteral("c"));
    Mass({x0 - spanne / 2, Oben() - 2 * th}, {x0 + spanne / 2, Oben() - 2 * th}, {}, Cm(wert));
    Mass({x0 - aussenA, Oben() - 3 * th}, {x0 + aussenA, Oben() - 3 * th}, {}, Cm(dorn.GetBereichPosA()));

    // Untexted chain over all A bars with the A label centred over the innermost pair.
    std::vector<int> alleA;
    for (auto s = summenA.rbegin(); s != summenA.rend(); ++s) alleA.push_back(x0 - d.BereichPosD / 2 - *s);
    for (int s : summenA) alleA.push_back(x0 + d.BereichPosD / 2 + s);
    Kette(alleA, Oben() - 4 * th, {});
    const int innenA = d.BereichPosD / 2 + (summenA.empty() ? 0 : summenA.front());
    SchriftSetzen(canvas, 8);
    Hinweis({{x0 - innenA, Oben() + d.BetDeckungOben},
             {x0 - innenA, Oben() - 4 * th},
             {x0 + innenA, Oben() - 4 * th}},
            Marke(QStringLiteral("Asx2 (%1").arg(dorn.GetAnzPosA())), dorn.GetPosAd());

    // D spacings above the slab on both sides.
    const std::vector<int> summenD = Laufsummen(d.DistPosD);
    std::vector<QString> texteD;
    for (std::size_t k = 1; k < summenD.size(); ++k)
        texteD.push_back(Cm(Eintrag(dorn.GetDistPosD(), static_cast<int>(k) - 1)));
    for (int seite : {-1, 1}) {
        std::vector<int> xWerte;
        for (int s : summenD) xWerte.push_back(x0 + seite * (d.EinflussBereich / 2 + s));
        Kette(xWerte, Oben() - th, texteD);
    }

    Verankerungspfeil(x0 + aussenA, Unten() + 3 * th);

    const QString haupt = Marke(QStringLiteral("Asx1 (%1").arg(dorn.GetAnzPosD()));
    const int xD = x0 + d.BereichPosD / 2;
    const int yHinweis = Unten() + 2 * th;
    const int breite = Hinweisbreite(haupt, dorn.GetPosDd());
    Hinweis({{xD, (d.NullPunkt.y() + Unten()) / 2}, {xD, yHinweis}, {xD + breite + th, yHinweis}}, haupt,
            dorn.GetPosDd());
}
