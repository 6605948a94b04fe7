#include <QPainter>
#include <algorithm>

#include "model/TKAnwendung.h"
#include "output/Skizzenprimitive.h"
#include "output/Skizzenquelle.h"
#include "output/Skizzenzeichner.h"

void Skizzenzeichner::SkizzeEingabe(const TrRechteck& rechteck, TsAnwendungsfall fall, TsBelastungsfall last,
                                    const TKModell& modell, const TKAnwendung& anwendung) {
    Hintergrund(rechteck);
    const Skizzenquelle quelle = EingabeQuelle(modell, anwendung);
    const int mitte = rechteck.Top + (rechteck.Bottom - rechteck.Top) / 2;
    EingabeOben({rechteck.Left, rechteck.Top, rechteck.Right, mitte}, fall, last, quelle);
    EingabeUnten({rechteck.Left, mitte, rechteck.Right, rechteck.Bottom}, fall, last, quelle);
}

void Skizzenzeichner::SkizzeEingabeOben(const TrRechteck& rechteck, TsAnwendungsfall fall,
                                        TsBelastungsfall last, const TKModell& modell,
                                        const TKAnwendung& anwendung) {
    EingabeOben(rechteck, fall, last, EingabeQuelle(modell, anwendung));
}

void Skizzenzeichner::SkizzeEingabeUnten(const TrRechteck& rechteck, TsAnwendungsfall fall,
                                         TsBelastungsfall last, const TKModell& modell,
                                         const TKAnwendung& anwendung) {
    EingabeUnten(rechteck, fall, last, EingabeQuelle(modell, anwendung));
}

// Section through the joint: the right member with the dowel, the left member (slab or wall) with the
// sleeve, mirrored about the joint gap.
void Skizzenzeichner::EingabeOben(const TrRechteck& haelfte, TsAnwendungsfall fall, TsBelastungsfall last,
                                  const Skizzenquelle& quelle) {
    const int m = haelfte.Left + (haelfte.Right - haelfte.Left) / 2;
    const int unten = haelfte.Bottom - (haelfte.Bottom - haelfte.Top) / 5;
    if (!SkizzenDatenSetzen(4, {m, haelfte.Top, haelfte.Right, unten}, quelle)) return;
    SchnittBauteil();
    Dornstil();
    const int fugeRechts = Daten.NullPunkt.x();
    SchnittDornStaebe(fugeRechts - Daten.DornLaenge, fugeRechts + Daten.DornLaenge, Daten.DornDurchmesser);
    const int endeRechts = SchnittEnde();

    if (!SkizzenDatenSetzen(4, {m, haelfte.Top, haelfte.Left, unten}, quelle)) return;
    const int fugeLinks = Daten.NullPunkt.x();
    if (Daten.Brandschutz) {
        canvas.setPen(QPen(farbe.GetFarbe(TKFarbe::Element::BetonPen), 1));
        canvas.setBrush(farbe.GetFarbe(TKFarbe::Element::Brandschutz));
        canvas.drawRect(QRect(QPoint(fugeLinks, Oben()), QPoint(fugeRechts, Unten())).normalized());
    }
    if (IstWand(fall))
        EingabeWand();
    else
        SchnittBauteil();
    EingabeHuelse();
    EingabeObenBemassung(fall, last, fugeLinks, fugeRechts, endeRechts, haelfte.Top);
}

// The wall of the slab-to-wall cases, a little higher than the slab, with a closed bar loop per B1 layer
// and its vertical bars at both faces.
void Skizzenzeichner::EingabeWand() {
    const TrDaten& d = Daten;
    const int th = Texthoehe;
    const int x0 = d.NullPunkt.x();
    const int xWand = WandEnde();
    const int oben = Oben() - th / 2;
    const int unten = Unten() + th / 2;
    Betonflaeche(QRect(QPoint(x0, oben), QPoint(xWand, unten)));
    Betonkante({x0, oben}, {x0, unten}, Kante::Dick);
    Betonkante({xWand, oben}, {xWand, unten}, Kante::Dick);
    Betonkante({x0, oben}, {xWand, oben}, Kante::Verkuerzt);
    Betonkante({x0, unten}, {xWand, unten}, Kante::Verkuerzt);

    const int xVorn = x0 + d.BetDeckungVorn + Richtung * d.PosDd / 2;
    const int xHinten = xWand - d.BetDeckungVorn - Richtung * d.PosDd / 2;
    const int innen = d.PosDd / 2 + d.PosB1d / 2;
    for (int k = 0; k < static_cast<int>(d.DistPosB1.size()); ++k) {
        const int s = SummeDistPosB1(k);
        const int yOben = Oben() + d.BetDeckungOben + s + d.PosDd / 2;
        const int yUnten = Unten() - d.BetDeckungUnten - s - d.PosDd / 2;
        Stabstift(TKFarbe::Element::PosD, d.PosDd);
        Schleife(std::min(xVorn, xHinten), yOben, std::max(xVorn, xHinten), yUnten, 2 * d.PosDd);
        Bewehrungsstil(TKFarbe::Element::PosB);
        for (int x : {xVorn + Richtung * innen, xHinten - Richtung * innen})
            for (int y : {yOben + innen, yUnten - innen})
                canvas.drawEllipse(QRect(x - d.PosB1d / 2, y - d.PosB1d / 2, d.PosB1d, d.PosB1d));
    }
    Stabstift(TKFarbe::Element::PosD, d.PosDd);
    for (int x : {xVorn, xHinten}) canvas.drawLine(x, oben, x, unten);
}

int Skizzenzeichner::WandEnde() const {
    return Daten.NullPunkt.x() + Daten.BauteilTiefe - Richtung * Texthoehe;
}

// The sleeve part of the dowel in the left member: the two dowel bars from the far gap edge into the
// member, front plate, web and rods.
void Skizzenzeichner::EingabeHuelse() {
    const int x0 = Daten.NullPunkt.x();
    Dornstil();
    SchnittDornStaebe(x0 + Daten.FugenBreite, x0 + Daten.DornLaenge, Daten.DornDurchmesser);
    SchnittDornKoerper();
}

void Skizzenzeichner::EingabeObenBemassung(TsAnwendungsfall fall, TsBelastungsfall last, int fugeLinks,
                                           int fugeRechts, int endeRechts, int oben) {
    const TrDaten& d = Daten;
    const int th = Texthoehe;
    Bemassungsstil();
    if (IstWand(fall))
        Mass({fugeLinks, Unten() + 2 * th}, {WandEnde(), Unten() + 2 * th}, {}, QStringLiteral("h"),
             QStringLiteral("W"));
    Mass({endeRechts, Oben()}, {endeRechts, Unten()}, {3 * th, 0}, QStringLiteral("h"), {}, true);
    Mass({endeRechts, Oben()}, {endeRechts, Oben() + d.BetDeckungOben}, {th, 0}, QStringLiteral("c"),
         QStringLiteral("o"), true);
    Mass({endeRechts, Unten() - d.BetDeckungUnten}, {endeRechts, Unten()}, {th, 0}, QStringLiteral("c"),
         QStringLiteral("u"), true);
    Mass({endeRechts, Oben()}, {endeRechts, Unten() - d.BetDeckungOben - d.PosDd}, {2 * th, 0},
         QStringLiteral("d"), QStringLiteral("m"), true);
    Mass({fugeLinks, Unten() + 2 * th}, {fugeRechts, Unten() + 2 * th}, {}, QStringLiteral("f"));

    const bool punktlast = last == TsBelastungsfall::bfPunktlast;
    const int vorher = Linienbreite;
    Linienbreite = punktlast ? 3 : 1;
    // A slab that fills the height leaves less than the arrow's length above it; the arrow then starts at
    // the top of the sketch instead of being cut off there.
    const int fuss = std::max(Oben() - 3 * th - 2 * vorher, oben + Linienbreite);
    Pfeil({fugeRechts, fuss}, {fugeRechts, Oben() - 2 * vorher},
          punktlast ? QStringLiteral("V") : QStringLiteral("q"),
          punktlast ? QStringLiteral("Ed,p") : QStringLiteral("Ed"));
    Linienbreite = vorher;
}

// The joint face with schematic dowels and the load of the load case.
void Skizzenzeichner::EingabeUnten(const TrRechteck& haelfte, TsAnwendungsfall fall, TsBelastungsfall last,
                                   const Skizzenquelle& quelle) {
    const int l = haelfte.Left, r = haelfte.Right;
    if (!SkizzenDatenSetzen(4, {l + (r - l) / 2, haelfte.Top, l, haelfte.Bottom}, quelle)) return;
    Daten.NullPunkt.setY(haelfte.Top + (haelfte.Bottom - haelfte.Top) / 2 + Texthoehe);
    const int links = l + Texthoehe;
    const int rechts = r - Texthoehe;
    Betonflaeche(QRect(QPoint(links, Oben()), QPoint(rechts, Unten())));
    Betonkante({links, Oben()}, {rechts, Oben()}, Kante::Dick);
    Betonkante({links, Unten()}, {rechts, Unten()}, Kante::Dick);
    const Kante ende = IstReihe(fall) ? Kante::Geschnitten : Kante::Dick;
    Betonkante({links, Oben()}, {links, Unten()}, ende);
    Betonkante({rechts, Oben()}, {rechts, Unten()}, ende);

    std::vector<int> dorne;
    if (IstReihe(fall))
        dorne = {l + (r - l) / 6, l + (r - l) / 2, l + 5 * ((r - l) / 6)};
    else if (IstPaar(fall))
        dorne = {l + (r - l) / 4, l + 3 * ((r - l) / 4)};
    else
        dorne = {(l + r) / 2};
    Dornstil();
    for (int x : dorne) DornVorne(x, Daten.NullPunkt.y(), false);
    EingabeLast(haelfte, fall, last, dorne, quelle);
}

void Skizzenzeichner::EingabeLast(const TrRechteck& haelfte, TsAnwendungsfall fall, TsBelastungsfall last,
                                  const std::vector<int>& dorne, const Skizzenquelle& quelle) {
    const int th = Texthoehe;
    const int links = haelfte.Left + th;
    const int rechts = haelfte.Right - th;
    const int mitte = (haelfte.Left + haelfte.Right) / 2;
    const int oben = Oben();
    const int vorher = Linienbreite;
    Bemassungsstil();
    auto fugenlaenge = [&] {
        Mass({links, Unten() + th}, {rechts, Unten() + th}, {}, QStringLiteral("l"), QStringLiteral("f"));
    };
    switch (last) {
        case TsBelastungsfall::bfPunktlast:
            Linienbreite = 3;
            Pfeil({mitte, oben - 2 * th - 6}, {mitte, oben - 6}, QStringLiteral("     V"),
                  QStringLiteral("Ed,p"));
            Linienbreite = 1;
            Mass({links, oben - th}, {mitte, oben - th}, {}, QStringLiteral("c"), QStringLiteral("L"));
            Mass({mitte, oben - th}, {rechts, oben - th}, {}, QStringLiteral("c"), QStringLiteral("R"));
            break;
        case TsBelastungsfall::bfKonstanteLast:
        case TsBelastungsfall::bfLinienlast: {
            // Schematic line: 10 units higher on the side with the larger load.
            const int neigung = Ord(Daten.LinienLast) * 10 - 10;
            const int yMitte = oben - 2 * th - 6;
            const int yLinks = yMitte + neigung / 2;
            const int yRechts = yMitte - neigung / 2;
            Lastpfeile(links, yLinks, rechts, yRechts, oben - 6);
            SchriftSetzen(canvas, 8);
            const int hoehe = TextHoehe(canvas, QStringLiteral("q"));
            TextMitIndex(canvas, links, yLinks - hoehe - 2, QStringLiteral("q"), QStringLiteral("Ed,L"));
            TextMitIndex(canvas, rechts - TextBreite(canvas, QStringLiteral("qEd,R")), yRechts - hoehe - 2,
                         QStringLiteral("q"), QStringLiteral("Ed,R"));
            const int sechstel = (haelfte.Right - haelfte.Left) / 6;
            if (Daten.RandLinks && Daten.RandRechts) {
                Mass({links, oben - 2 * th}, {haelfte.Left + sechstel, oben - 2 * th}, {},
                     QStringLiteral("c"), QStringLiteral("L"));
                Mass({haelfte.Right - sechstel, oben - 2 * th}, {rechts, oben - 2 * th}, {},
                     QStringLiteral("c"), QStringLiteral("R"));
            } else if (IstReihe(fall)) {
                const int y = Unten() + th;
                Pfeil({haelfte.Left + th / 2, y}, {haelfte.Right - th / 2, y}, QStringLiteral("l"),
                      QStringLiteral("f"), false);
                Pfeil({haelfte.Right - th / 2, y}, {haelfte.Left + th / 2, y}, {}, {}, false);
            } else {
                fugenlaenge();
                if (dorne.size() >= 2)
                    Mass({dorne[0], Unten() - th}, {dorne[1], Unten() - th}, {}, QStringLiteral("e"));
            }
            break;
        }
        case TsBelastungsfall::bfbeliebigeLast:
            Lastbild({links, oben - 4 * th, rechts, oben}, quelle);
            fugenlaenge();
            break;
    }
    Linienbreite = vorher;
}
