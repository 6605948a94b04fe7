#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "model/TKAnwendung.h"
#include "output/Skizzenprimitive.h"
#include "output/Skizzenquelle.h"
#include "output/Skizzenzeichner.h"

void Skizzenzeichner::SkizzeSchnitt(const TrRechteck& rechteck, const TKAnwendung& anwendung) {
    Hintergrund(rechteck);
    const Skizzenquelle quelle = PositionsQuelle(anwendung);
    if (!SkizzenDatenSetzen(2, rechteck, quelle)) return;
    SchnittBauteil();
    Dornstil();
    const int x0 = Daten.NullPunkt.x();
    SchnittDornStaebe(x0 - Daten.DornLaenge, x0 + Daten.DornLaenge, Daten.DornDurchmesser);
    SchnittDornKoerper();
    SchnittBemassung(quelle);
    Titel(QCoreApplication::translate("Skizze", "Schnitt"), x0 - Daten.DornLaenge, Oben() - 6 * Texthoehe);
}

// How far the labels beyond the member reach from the joint face: the anchorage arrow from the last
// longitudinal bar, as long as its label, and the stirrup's label.
int Skizzenzeichner::SchnittReichweite(const Skizzenquelle& quelle) {
    int anker = Daten.DistPosB1Rand + Verankerungslaenge() * Richtung;
    for (int abstand : Daten.DistPosB2) anker += abstand;
    const TKDornDaten& dorn = quelle.DornDaten;
    const int stab = Daten.DistPosCRand +
                     Richtung * (Hinweisbreite(Buegelmarke(dorn.GetAnzPosC()), dorn.GetPosCd()) + Texthoehe);
    SchriftSetzen(canvas, 10);
    return std::max(Richtung * anker, Richtung * stab);
}

// Labels in any language must end inside the rectangle, so the section is drawn smaller where they would
// not.
void Skizzenzeichner::SchnittEinpassen(const TrRechteck& rechteck, const Skizzenquelle& quelle) {
    for (int versuch = 0; versuch < 4; ++versuch) {
        const int anfang = SchnittReichweite(quelle);
        const int ueber = Richtung * (Daten.NullPunkt.x() - rechteck.Right) + anfang;
        if (ueber <= 0 || anfang <= ueber) return;
        Massstab *= 1.0 - static_cast<double>(ueber) / anfang;
        DatenFuellen(2, quelle);
        NullPunktSetzen(2, rechteck, quelle);
    }
}

// Far face of the member in the section; all horizontal extents follow the rectangle's direction.
int Skizzenzeichner::SchnittEnde() const {
    return Daten.NullPunkt.x() + Daten.BauteilTiefe + Richtung * 3 * Daten.PosB2d;
}

// Concrete, suspension bars D, stirrups C and the B bars of the section.
void Skizzenzeichner::SchnittBauteil() {
    const int x0 = Daten.NullPunkt.x();
    const int ende = SchnittEnde();
    Betonflaeche(QRect(QPoint(x0, Oben()), QPoint(ende, Unten())));
    Betonkante({x0, Oben()}, {ende, Oben()}, Kante::Dick);
    Betonkante({x0, Unten()}, {ende, Unten()}, Kante::Dick);
    Betonkante({x0, Oben()}, {x0, Unten()}, Kante::Dick);
    Betonkante({ende, Oben()}, {ende, Unten()}, Kante::Geschnitten);
    SchnittPosD();
    const TrDaten& d = Daten;
    Stabstift(TKFarbe::Element::PosC, d.PosCd);
    const int y1 = Oben() + d.BetDeckungOben + d.PosDd + d.PosCd / 2;
    const int y2 = Unten() - d.BetDeckungUnten - d.PosDd - d.PosCd / 2;
    for (int i = 0; i < std::min(d.AnzPosC, MaxStaebe); ++i) {
        const int x = x0 + d.DistPosCRand + Richtung * i * (d.PosCd + 1);
        canvas.drawLine(x, y1, x, y2);
    }
    SchnittPosB();
}

// One U bar per B1 layer, open towards the far face, bent round the B1 bars at the front cover.
void Skizzenzeichner::SchnittPosD() {
    const TrDaten& d = Daten;
    const int r = 2 * d.PosDd;
    const int xRuecken = d.NullPunkt.x() + d.BetDeckungVorn + Richtung * d.PosDd / 2;
    const int ende = SchnittEnde();
    for (int k = 0; k < static_cast<int>(d.DistPosB1.size()); ++k) {
        const int s = SummeDistPosB1(k);
        const int yOben = Oben() + d.BetDeckungOben + s + d.PosDd / 2;
        const int yUnten = Unten() - d.BetDeckungUnten - s - d.PosDd / 2;
        Bewehrungsstil(TKFarbe::Element::PosD);
        for (int y : {yOben, yUnten})
            canvas.drawRect(
                QRect(QPoint(xRuecken + Richtung * r, y - d.PosDd / 2), QPoint(ende, y + d.PosDd / 2))
                    .normalized());
        Stabstift(TKFarbe::Element::PosD, d.PosDd);
        const int xMitte = Richtung > 0 ? xRuecken : xRuecken - 2 * r;
        const int winkelOben = Richtung > 0 ? 90 : 0;
        const int winkelUnten = Richtung > 0 ? 180 : 270;
        canvas.drawArc(QRect(xMitte, yOben, 2 * r, 2 * r), winkelOben * 16, 90 * 16);
        canvas.drawArc(QRect(xMitte, yUnten - 2 * r, 2 * r, 2 * r), winkelUnten * 16, 90 * 16);
        canvas.drawLine(xRuecken, yOben + r, xRuecken, yUnten - r);
    }
}

// Heights of the bar centres of layer k: in the top and bottom layer, inside the D bar.
int Skizzenzeichner::LagenHoehe(int lage, bool oben, int durchmesser) const {
    const TrDaten& d = Daten;
    const int s = SummeDistPosB1(lage);
    return oben ? Oben() + d.BetDeckungOben + d.PosDd + s + durchmesser / 2
                : Unten() - d.BetDeckungUnten - d.PosDd - s - durchmesser / 2;
}

void Skizzenzeichner::SchnittPosB() {
    const TrDaten& d = Daten;
    const int xB1 = d.NullPunkt.x() + d.DistPosB1Rand;
    const std::vector<int> summenB2 = Laufsummen(d.DistPosB2);
    Bewehrungsstil(TKFarbe::Element::PosB);
    auto kreis = [this](int x, int y, int durchmesser) {
        canvas.drawEllipse(QRect(x - durchmesser / 2, y - durchmesser / 2, durchmesser, durchmesser));
    };
    for (int k = 0; k < static_cast<int>(d.DistPosB1.size()); ++k) {
        for (bool oben : {true, false}) {
            kreis(xB1, LagenHoehe(k, oben, d.PosB1d), d.PosB1d);
            for (int s : summenB2) kreis(xB1 + s, LagenHoehe(k, oben, d.PosB2d), d.PosB2d);
        }
    }
}

// The two dowel bars between the given x values, centred at the bar spacing around the origin's height.
void Skizzenzeichner::SchnittDornStaebe(int vonX, int bisX, int hoehe) {
    const int y0 = Daten.NullPunkt.y();
    for (int y : {y0 - Daten.DornAbstand / 2, y0 + Daten.DornAbstand / 2})
        canvas.drawRect(QRect(QPoint(vonX, y - hoehe / 2), QPoint(bisX, y + hoehe / 2)).normalized());
}

// Front plate at the joint face, the web behind it and the two rods.
void Skizzenzeichner::SchnittDornKoerper() {
    const TrDaten& d = Daten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    const int platte = x0 + Richtung * PlattenTiefe;
    canvas.drawRect(
        QRect(QPoint(x0, y0 - d.DornHoehe / 2), QPoint(platte, y0 + d.DornHoehe / 2)).normalized());
    canvas.drawRect(
        QRect(QPoint(platte, y0 - d.DornAbstand / 2), QPoint(platte + d.DornPlattel, y0 + d.DornAbstand / 2))
            .normalized());
    canvas.drawEllipse(
        QRect(x0 + d.DornStab1a - d.DornStab1d / 2, y0 - d.DornStab1d / 2, d.DornStab1d, d.DornStab1d));
    canvas.drawEllipse(
        QRect(x0 + d.DornStab2a - d.DornStab2d / 2, y0 - d.DornStab2d / 2, d.DornStab2d, d.DornStab2d));
}

void Skizzenzeichner::SchnittBemassung(const Skizzenquelle& quelle) {
    const TrDaten& d = Daten;
    const TKDornDaten& dorn = quelle.DornDaten;
    const int x0 = d.NullPunkt.x(), y0 = d.NullPunkt.y();
    const int th = Texthoehe;
    const int ende = SchnittEnde();
    Bemassungsstil();
    Mass({ende, Oben()}, {ende, Unten()}, {Richtung * th, 0}, Cm(quelle.Geometrie.GetPlatteDicke()), {},
         true);

    const int xB1 = x0 + d.DistPosB1Rand;
    const QString b1 = Marke(QStringLiteral("Asy1 (%1").arg(dorn.GetAnzPosB1() / 2));
    int breite = Hinweisbreite(b1, dorn.GetPosB1d());
    for (bool oben : {true, false}) {
        const int y = oben ? Oben() - th : Unten() + th;
        Hinweis({{xB1, LagenHoehe(0, oben, d.PosB1d)}, {xB1, y}, {xB1 - Richtung * (breite + th), y}}, b1,
                dorn.GetPosB1d());
    }

    const QString buegel = Buegelmarke(dorn.GetAnzPosC());
    const int xC = x0 + d.DistPosCRand;
    breite = Hinweisbreite(buegel, dorn.GetPosCd());
    Hinweis({{xC, (y0 + Unten()) / 2}, {xC, Unten() + th}, {xC + Richtung * (breite + th), Unten() + th}},
            buegel, dorn.GetPosCd());

    // Spacings of the B1 layers, from the top and from the bottom, at the member end.
    std::vector<int> lagenOben, lagenUnten;
    std::vector<QString> lagenTexte;
    for (int k = 0; k < static_cast<int>(d.DistPosB1.size()); ++k) {
        lagenOben.push_back(LagenHoehe(k, true, d.PosB1d));
        lagenUnten.push_back(LagenHoehe(k, false, d.PosB1d));
        if (k > 0) lagenTexte.push_back(Cm(Eintrag(dorn.GetDistPosB1(), k - 1)));
    }
    Bemassungsstil();
    SenkrechteKette(ende + Richtung * th, lagenOben, lagenTexte);
    SenkrechteKette(ende + Richtung * th, lagenUnten, lagenTexte);

    std::vector<int> kette{x0, xB1};
    std::vector<QString> texte{Cm(dorn.GetDistPosB1Rand())};
    double summe = dorn.GetDistPosB1Rand();
    for (int i = 0; i < static_cast<int>(d.DistPosB2.size()); ++i) {
        kette.push_back(kette.back() + d.DistPosB2[i]);
        texte.push_back(Cm(Eintrag(dorn.GetDistPosB2(), i)));
        summe += Eintrag(dorn.GetDistPosB2(), i);
    }
    Kette(kette, Unten() + 3 * th, texte);
    Mass({x0, Oben() - 2 * th}, {kette.back(), Oben() - 2 * th}, {}, Cm(summe));
    Verankerungspfeil(kette.back(), Unten() + 3 * th);

    if (d.AnzPosB2 > 0 && kette.size() > 2) {
        const QString b2 = Marke(QStringLiteral("Asy2 (%1").arg(dorn.GetAnzPosB2() / 2));
        breite = Hinweisbreite(b2, dorn.GetPosB2d());
        const int xB2 = kette[2];
        for (bool oben : {true, false}) {
            const int y = oben ? Oben() - th : Unten() + 2 * th;
            Hinweis({{xB2, LagenHoehe(0, oben, d.PosB2d)}, {xB2, y}, {xB2 + Richtung * (breite + th), y}}, b2,
                    dorn.GetPosB2d());
        }
    }
}
