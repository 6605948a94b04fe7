#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "model/TKAnwendung.h"
#include "output/Skizzenprimitive.h"
#include "output/Skizzenquelle.h"
#include "output/Skizzenzeichner.h"

void Skizzenzeichner::SkizzeDraufsicht(const TrRechteck& rechteck, const TKAnwendung& anwendung) {
    Hintergrund(rechteck);
    const Skizzenquelle quelle = PositionsQuelle(anwendung);
    if (!SkizzenDatenSetzen(1, rechteck, quelle)) return;
    const int x0 = Daten.NullPunkt.x(), y0 = Daten.NullPunkt.y();
    const int links = x0 - Daten.BauteilBreite / 2;
    const int rechts = x0 + Daten.BauteilBreite / 2;
    const int hinten = y0 - Daten.BauteilTiefe;
    Betonflaeche(QRect(QPoint(links, hinten), QPoint(rechts, y0)));
    Betonkante({links, y0}, {rechts, y0}, Kante::Dick);
    Betonkante({links, hinten}, {rechts, hinten}, Kante::Geschnitten);
    Betonkante({links, hinten}, {links, y0}, Kante::Geschnitten);
    Betonkante({rechts, hinten}, {rechts, y0}, Kante::Geschnitten);
    DraufsichtDorn();
    if (Daten.AnzPosB1 >= 3) DraufsichtPosD(true);
    DraufsichtBewehrung();
    DraufsichtPosD(false);
    DraufsichtBemassung(quelle);
    Titel(QCoreApplication::translate("Skizze", "Draufsicht"), links, hinten - 3 * Texthoehe);
}

// The dowel seen from above: sleeve tube, bar stub in the joint, front plate, web and the two rods.
void Skizzenzeichner::DraufsichtDorn() {
    const TrDaten& d = Daten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    const int tiefe = PlattenTiefe;
    Dornstil();
    canvas.drawRect(
        QRect(QPoint(x0 - d.DornRERohrb / 2, y0 - d.DornLaenge), QPoint(x0 + d.DornRERohrb / 2, y0)));
    canvas.drawRect(x0 - d.DornDurchmesser / 2, y0, d.DornDurchmesser, Texthoehe);
    canvas.drawRect(
        QRect(QPoint(x0 - d.DornBreite / 2, y0 - tiefe), QPoint(x0 + d.DornBreite / 2, y0)).normalized());
    canvas.drawRect(
        QRect(QPoint(x0 - tiefe / 2, y0 - tiefe - d.DornPlattel), QPoint(x0 + tiefe / 2, y0 - tiefe))
            .normalized());
    canvas.drawRect(x0 - d.DornStab1l / 2, y0 - d.DornStab1a - d.DornStab1d / 2, d.DornStab1l, d.DornStab1d);
    canvas.drawRect(x0 - d.DornStab2l / 2, y0 - d.DornStab2a - d.DornStab2d / 2, d.DornStab2l, d.DornStab2d);
}

// The D bars from the far edge to the front cover. With more than two B1 bars the odd bars lie below the
// B layers and the even ones above; otherwise all of them are drawn in the second pass.
void Skizzenzeichner::DraufsichtPosD(bool ungerade) {
    const TrDaten& d = Daten;
    const int y0 = d.NullPunkt.y();
    const int hinten = y0 - d.BauteilTiefe;
    const int vorn = y0 - d.BetDeckungVorn;
    const std::vector<int> summen = Laufsummen(d.DistPosD);
    Bewehrungsstil(TKFarbe::Element::PosD);
    for (int k = 0; k < static_cast<int>(summen.size()); ++k) {
        if (d.AnzPosB1 >= 3 && (k % 2 == 1) != ungerade) continue;
        for (int seite : {-1, 1}) {
            const int x = d.NullPunkt.x() + seite * (d.EinflussBereich / 2 + summen[k]) - d.PosDd / 2;
            canvas.drawRoundedRect(QRect(QPoint(x, hinten), QPoint(x + d.PosDd, vorn)).normalized(),
                                   d.PosDd / 2.0, d.PosDd / 2.0);
            canvas.drawRect(x, hinten, d.PosDd, d.PosDd);
        }
    }
}

// B2 bands drawn in the plan: the first n + 1 spacings, n = (B2 pairs - 1) div B1 layers.
int Skizzenzeichner::AnzahlB2Baender() const {
    const int lagen = Daten.AnzPosB1 / 2;
    if (Daten.AnzPosB2 < 1 || lagen < 1) return 0;
    return std::clamp((Daten.AnzPosB2 / 2 - 1) / lagen + 1, 0, static_cast<int>(Daten.DistPosB2.size()));
}

// Stirrups C, the B bands and the A bars.
void Skizzenzeichner::DraufsichtBewehrung() {
    const TrDaten& d = Daten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    Stabstift(TKFarbe::Element::PosC, d.PosCd);
    const int xC1 = x0 - d.Bauteildicke / 2 + d.BetDeckungOben + d.PosCd / 2;
    const int xC2 = x0 + d.Bauteildicke / 2 - d.BetDeckungUnten - d.PosCd / 2;
    for (int i = 0; i < std::min(d.AnzPosC, MaxStaebe); ++i) {
        const int y = y0 - d.DistPosCRand - i * (d.PosCd + 1);
        canvas.drawLine(xC1, y, xC2, y);
    }

    Bewehrungsstil(TKFarbe::Element::PosB);
    const int links = x0 - d.BauteilBreite / 2;
    int y = y0 - d.DistPosB1Rand;
    canvas.drawRect(links, y - d.PosB1d / 2, d.BauteilBreite, d.PosB1d);
    for (int i = 0; i < AnzahlB2Baender(); ++i) {
        y -= d.DistPosB2[i];
        canvas.drawRect(links, y - d.PosB2d / 2, d.BauteilBreite, d.PosB2d);
    }

    Bewehrungsstil(TKFarbe::Element::PosA);
    const int hinten = y0 - d.BauteilTiefe;
    const int vorn = y0 - d.BetDeckungVorn;
    for (int s : Laufsummen(d.DistPosA)) {
        for (int seite : {-1, 1}) {
            const int x = x0 + seite * (d.BereichPosD / 2 + s) - d.PosAd / 2;
            canvas.drawRoundedRect(QRect(QPoint(x, hinten), QPoint(x + d.PosAd, vorn)).normalized(),
                                   d.PosAd / 2.0, d.PosAd / 2.0);
            canvas.drawRect(x, hinten, d.PosAd, d.PosDd);
        }
    }
}

void Skizzenzeichner::DraufsichtBemassung(const Skizzenquelle& quelle) {
    const TrDaten& d = Daten;
    const TKDornDaten& dorn = quelle.DornDaten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    const int th = Texthoehe;
    const int hinten = y0 - d.BauteilTiefe;
    Bemassungsstil();

    std::vector<int> yWerte{y0, y0 - d.DistPosB1Rand};
    std::vector<QString> texte{Cm(dorn.GetDistPosB1Rand())};
    for (int i = 0; i < AnzahlB2Baender(); ++i) {
        yWerte.push_back(yWerte.back() - d.DistPosB2[i]);
        texte.push_back(Cm(Eintrag(dorn.GetDistPosB2(), i)));
    }
    SenkrechteKette(x0 + d.BauteilBreite / 2 + th, yWerte, texte);

    const QString buegel = Buegelmarke(dorn.GetAnzPosC());
    const int xC = x0 + 2 * d.DornDurchmesser / 3;
    int breite = Hinweisbreite(buegel, dorn.GetPosCd());
    Hinweis({{xC, y0 - d.DistPosCRand}, {xC, hinten - th}, {xC - breite - th, hinten - th}}, buegel,
            dorn.GetPosCd());

    const int xB = x0 + d.BauteilBreite / 4;
    if (d.AnzPosB2 > 0) {
        const QString b2 = Marke(QStringLiteral("Asy2 (2x%1").arg(dorn.GetAnzPosB2() / 2));
        const int yB2 = y0 - d.DistPosB1Rand - (d.DistPosB2.empty() ? 0 : d.DistPosB2[0]);
        breite = Hinweisbreite(b2, dorn.GetPosB2d());
        Hinweis({{xB, yB2}, {xB, hinten - th}, {xB + breite + th, hinten - th}}, b2, dorn.GetPosB2d());
    }
    const QString b1 = Marke(QStringLiteral("Asy1 (2x%1").arg(dorn.GetAnzPosB1() / 2));
    breite = Hinweisbreite(b1, dorn.GetPosB1d());
    Hinweis({{xB, y0 - d.DistPosB1Rand}, {xB, y0 + th}, {xB + breite + th, y0 + th}}, b1, dorn.GetPosB1d());
}
