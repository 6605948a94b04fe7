#include "output/Skizzenzeichner.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSvgGenerator>
#include <cmath>
#include <limits>

#include "SkizzenTestdaten.h"
#include "model/Ergebnisgrenzen.h"
#include "model/Katalog.h"
#include "output/Skizzenbild.h"
#include "output/Skizzenquelle.h"

namespace {

using E = TKFarbe::Element;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TKFarbe Grau() {
    TKFarbe farbe;
    farbe.SetWerte(TKFarbe::GrauWerte());
    return farbe;
}

std::vector<bool> Zeichnung(const QImage& bild, const QColor& hintergrund) {
    std::vector<bool> maske;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) maske.push_back(!Gleich(bild.pixel(x, y), hintergrund));
    return maske;
}

int Texthoehe() {
    int th = 0;
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    Skizze(Ansicht::Ansicht, p, TKFarbe(), 100, 100,
           [&](const Skizzenzeichner& z) { th = z.GetTexthoehe(); });
    return th;
}

struct Fall {
    TsAnwendungsfall anwendung;
    TsBelastungsfall last;
};
const Fall Faelle[] = {{TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast},
                       {TsAnwendungsfall::afPaarWand, TsBelastungsfall::bfLinienlast},
                       {TsAnwendungsfall::afEinzel, TsBelastungsfall::bfPunktlast},
                       {TsAnwendungsfall::afReiheWand, TsBelastungsfall::bfbeliebigeLast}};

class JedeAnsicht : public ::testing::TestWithParam<Ansicht> {};
INSTANTIATE_TEST_SUITE_P(Ansichten, JedeAnsicht, ::testing::ValuesIn(AlleAnsichten));

}  // namespace

TEST_P(JedeAnsicht, fuelltIhrRechteckMitDerHintergrundfarbe) {
    TKFarbe farbe;
    farbe.SetWert(E::Hintergrund, 0x102030);
    const QColor hintergrund = farbe.GetFarbe(E::Hintergrund);
    for (const Fall& fall : Faelle) {
        Testposition p(fall.anwendung, fall.last);
        const QImage bild = Skizze(GetParam(), p, farbe, 400, 300);
        EXPECT_TRUE(Gleich(bild.pixel(0, 299), hintergrund));
        EXPECT_TRUE(Gleich(bild.pixel(399, 299), hintergrund));
        const int flaeche =
            Zaehlen(bild, bild.rect(), [&](int, int, QRgb px) { return Gleich(px, hintergrund); });
        EXPECT_GT(flaeche, 400 * 300 / 4);
    }
}

TEST_P(JedeAnsicht, ohneBerechenbarenMassstabNurDenHintergrund) {
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    p.anwendung.cGeometrie.SetPlatteDicke(NaN);
    p.modell.cEingabeGeometrie.SetPlatteDicke(NaN);
    p.Ergebnis().Setbx(NaN);
    BildAnwendung();
    QImage bild = Leinwand(300, 300, Qt::magenta);
    {
        QPainter canvas(&bild);
        const TKFarbe farbe;
        Skizzenzeichner zeichner(canvas, farbe);
        Zeichnen(zeichner, GetParam(), {20, 30, 220, 230}, p);
    }
    const QRect rechteck(20, 30, 200, 200);
    EXPECT_EQ(Zaehlen(bild, rechteck, [](int, int, QRgb px) { return Gleich(px, Qt::white); }), 200 * 200);
    EXPECT_EQ(Zaehlen(bild, bild.rect(), [](int, int, QRgb px) { return Gleich(px, Qt::magenta); }),
              300 * 300 - 200 * 200);
}

TEST(Skizzenzeichner, massstabNullZeichnetNurDenHintergrund) {
    const int th = Texthoehe();
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    double massstab = -1;
    // Height 9 TH leaves no room for the slab of the Ansicht.
    const QImage bild = Skizze(Ansicht::Ansicht, p, TKFarbe(), 400, 9 * th,
                               [&](const Skizzenzeichner& z) { massstab = z.GetMassstab(); });
    EXPECT_EQ(massstab, 0);
    EXPECT_EQ(Zaehlen(bild, bild.rect(), [](int, int, QRgb px) { return Gleich(px, Qt::white); }),
              400 * 9 * th);
}

TEST(Skizzenzeichner, ansichtUndSchnittInGleichenRechteckenHabenEinenMassstab) {
    for (QSize groesse : {QSize(500, 500), QSize(300, 700), QSize(900, 250)}) {
        for (const Fall& fall : Faelle) {
            Testposition p(fall.anwendung, fall.last);
            double ansicht = 0, schnitt = 0;
            Skizze(Ansicht::Ansicht, p, TKFarbe(), groesse.width(), groesse.height(),
                   [&](const Skizzenzeichner& z) { ansicht = z.GetMassstab(); });
            Skizze(Ansicht::Schnitt, p, TKFarbe(), groesse.width(), groesse.height(),
                   [&](const Skizzenzeichner& z) { schnitt = z.GetMassstab(); });
            EXPECT_GT(ansicht, 0);
            EXPECT_EQ(ansicht, schnitt);
        }
    }
}

TEST(Skizzenzeichner, gespiegeltesRechteckSpiegeltNurDieWaagerechtenLaengen) {
    BildAnwendung();
    Testposition p(TsAnwendungsfall::afPaarPlatte, TsBelastungsfall::bfLinienlast);
    QImage bild = Leinwand(10, 10);
    QPainter canvas(&bild);
    const TKFarbe farbe;
    Skizzenzeichner zeichner(canvas, farbe);
    const Skizzenquelle quelle = EingabeQuelle(p.modell, p.anwendung);
    ASSERT_TRUE(zeichner.SkizzenDatenSetzen(4, {250, 0, 500, 200}, quelle));
    const TrDaten rechts = zeichner.GetDaten();
    ASSERT_TRUE(zeichner.SkizzenDatenSetzen(4, {250, 0, 0, 200}, quelle));
    const TrDaten links = zeichner.GetDaten();
    EXPECT_GT(rechts.DornLaenge, 0);
    EXPECT_GT(rechts.BauteilTiefe, 0);
    for (auto [r, l] : {std::pair{rechts.DornLaenge, links.DornLaenge},
                        {rechts.BauteilTiefe, links.BauteilTiefe},
                        {rechts.BetDeckungVorn, links.BetDeckungVorn},
                        {rechts.DistPosB1Rand, links.DistPosB1Rand},
                        {rechts.DistPosCRand, links.DistPosCRand},
                        {rechts.DornBreite, links.DornBreite},
                        {rechts.DornStab1a, links.DornStab1a},
                        {rechts.DornPlattel, links.DornPlattel}})
        EXPECT_EQ(l, -r);
    EXPECT_EQ(links.DistPosB2.size(), rechts.DistPosB2.size());
    for (std::size_t i = 0; i < rechts.DistPosB2.size(); ++i)
        EXPECT_EQ(links.DistPosB2[i], -rechts.DistPosB2[i]);
    for (auto [r, l] : {std::pair{rechts.PosB1d, links.PosB1d},
                        {rechts.PosDd, links.PosDd},
                        {rechts.Bauteildicke, links.Bauteildicke},
                        {rechts.DornHoehe, links.DornHoehe},
                        {rechts.BetDeckungOben, links.BetDeckungOben},
                        {rechts.FugenBreite, links.FugenBreite}})
        EXPECT_EQ(l, r);
    // The gap between the two origins is the joint width, centred one text height left of the middle.
    EXPECT_EQ(rechts.NullPunkt.x() - links.NullPunkt.x(), 2 * (rechts.FugenBreite / 2));
    EXPECT_EQ(rechts.NullPunkt.x() + links.NullPunkt.x(), 2 * (250 - zeichner.GetTexthoehe()));
}

TEST(Skizzenzeichner, gespiegelterSchnittLiegtLinksDerFuge) {
    BildAnwendung();
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    const TKFarbe farbe = Unterscheidbar();
    const QColor beton = farbe.GetFarbe(E::BetonBrush);
    for (TrRechteck r : {TrRechteck{0, 0, 600, 500}, TrRechteck{600, 0, 0, 500}}) {
        QImage bild = Leinwand(600, 500);
        QPainter canvas(&bild);
        Skizzenzeichner zeichner(canvas, farbe);
        zeichner.SkizzeSchnitt(r, p.anwendung);
        canvas.end();
        const int fuge = zeichner.GetDaten().NullPunkt.x();
        const int richtung = r.Right < r.Left ? -1 : 1;
        auto vorFuge = [&](int x, int, QRgb px) { return richtung * (x - fuge) < 0 && Gleich(px, beton); };
        auto hinterFuge = [&](int x, int, QRgb px) { return richtung * (x - fuge) > 0 && Gleich(px, beton); };
        EXPECT_EQ(Zaehlen(bild, bild.rect(), vorFuge), 0);
        EXPECT_GT(Zaehlen(bild, bild.rect(), hinterFuge), 10000);
    }
}

TEST_P(JedeAnsicht, graustufenAendernFarbenAberKeineGeometrie) {
    for (const Fall& fall : Faelle) {
        Testposition p(fall.anwendung, fall.last);
        const QImage farbig = Skizze(GetParam(), p, TKFarbe());
        const QImage grau = Skizze(GetParam(), p, Grau());
        EXPECT_NE(farbig, grau);
        EXPECT_EQ(Zeichnung(farbig, Qt::white), Zeichnung(grau, Qt::white));
    }
}

TEST(Skizzenzeichner, konstruktiveDorneSindInJedemSchemaHellgelb) {
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    p.Ergebnis().ResetDornAbstand();
    for (bool notwendig : {true, true, false, true, true}) p.Ergebnis().AddDornAbstand(400, notwendig);
    p.anwendung.cErgebnisse.SetAnzDorn(p.Akt(), 4);
    for (const TKFarbe& farbe : {TKFarbe(), Grau(), Unterscheidbar()}) {
        TrDaten daten;
        const QImage bild = Skizze(Ansicht::DornReihe, p, farbe, 600, 400,
                                   [&](const Skizzenzeichner& z) { daten = z.GetDaten(); });
        const int y0 = daten.NullPunkt.y();
        for (int i = 0; i < 4; ++i) {
            const QRgb mitte = bild.pixel(daten.NullPunkt.x() + daten.DornPosition[i], y0);
            EXPECT_TRUE(Gleich(mitte, i == 2 ? QColor(255, 255, 128) : farbe.GetFarbe(E::DornBrush))) << i;
        }
    }
}

TEST(Skizzenzeichner, ohneB2StaebeKeinB2InDraufsichtUndSchnitt) {
    const TKFarbe farbe = Unterscheidbar();
    const QColor b = farbe.GetFarbe(E::PosB);
    for (int anzB2 : {0, 6}) {
        Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
        p.Dorn().SetAnzPosB2(anzB2);
        if (anzB2 == 0) p.Dorn().SetDistPosB2({});
        TrDaten d;
        const QImage draufsicht = Skizze(Ansicht::Draufsicht, p, farbe, 500, 500,
                                         [&](const Skizzenzeichner& z) { d = z.GetDaten(); });
        const int yB1 = d.NullPunkt.y() - d.DistPosB1Rand;
        const int ausserhalbB1 = Zaehlen(draufsicht, draufsicht.rect(), [&](int, int y, QRgb px) {
            return Gleich(px, b) && std::abs(y - yB1) > d.PosB1d / 2 + 1;
        });
        const QImage schnitt =
            Skizze(Ansicht::Schnitt, p, farbe, 500, 500, [&](const Skizzenzeichner& z) { d = z.GetDaten(); });
        const int xB1 = d.NullPunkt.x() + d.DistPosB1Rand;
        const int hinterB1 = Zaehlen(schnitt, schnitt.rect(), [&](int x, int, QRgb px) {
            return Gleich(px, b) && std::abs(x - xB1) > d.PosB1d / 2 + 1;
        });
        if (anzB2 == 0) {
            EXPECT_EQ(ausserhalbB1, 0);
            EXPECT_EQ(hinterB1, 0);
        } else {
            EXPECT_GT(ausserhalbB1, 0);
            EXPECT_GT(hinterB1, 0);
        }
    }
}

TEST(Skizzenzeichner, punktlastNimmtDieRandabstaendeAlsFugenlaenge) {
    const int th = Texthoehe();
    for (TsBelastungsfall last : {TsBelastungsfall::bfPunktlast, TsBelastungsfall::bfKonstanteLast}) {
        Testposition p(TsAnwendungsfall::afEinzel, last);
        p.anwendung.cGeometrie.SetBauteilRandLinks(300);
        p.anwendung.cGeometrie.SetBauteilRandRechts(900);
        p.anwendung.cGeometrie.SetFugenlaenge(5000);
        p.Kette({300, 900});
        TrDaten d;
        double massstab = 0;
        const TKFarbe farbe = Unterscheidbar();
        const QImage bild = Skizze(Ansicht::Lastverlauf, p, farbe, 800, 400, [&](const Skizzenzeichner& z) {
            d = z.GetDaten();
            massstab = z.GetMassstab();
        });
        const bool punkt = last == TsBelastungsfall::bfPunktlast;
        const double laenge = punkt ? 1200 : 5000;
        EXPECT_DOUBLE_EQ(massstab,
                         std::min(std::abs((400.0 - 6 * th) / 240), std::abs((800.0 - 3 * th) / laenge)));
        EXPECT_EQ(d.FugenLaenge, std::lround(laenge * massstab));
        if (!punkt) continue;
        // The load arrow stands at the left edge distance: a quarter of the drawn length.
        const int oben = d.NullPunkt.y() - d.Bauteildicke / 2;
        const QRect ueberPlatte(0, oben - 4 * th, 800, 4 * th - 2);
        long summe = 0;
        const int anzahl = Zaehlen(bild, ueberPlatte, [&](int x, int, QRgb px) {
            const bool pfeil = Gleich(px, farbe.GetFarbe(E::Bemassung));
            if (pfeil) summe += x;
            return pfeil;
        });
        ASSERT_GT(anzahl, 0);
        EXPECT_NEAR(static_cast<double>(summe) / anzahl, d.NullPunkt.x() + d.FugenLaenge / 4.0, 2.0);
    }
}

TEST(Skizzenzeichner, beliebigeLastSteigtBisZuIhremGroesstenPunkt) {
    BildAnwendung();
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    TKBelastung last;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    last.ResetbeliebigeLast();
    for (TrFloatPoint punkt : {TrFloatPoint{0, 10}, {500, 100}, {2000, 10}}) last.AddbeliebigeLast(punkt);
    const TKFarbe farbe = Unterscheidbar();
    QImage bild = Leinwand(800, 400);
    QPainter canvas(&bild);
    Skizzenzeichner zeichner(canvas, farbe);
    zeichner.SkizzeLastverlauf({0, 0, 800, 400}, p.anwendung, last);
    canvas.end();
    const TrDaten& d = zeichner.GetDaten();
    int spitzeX = -1, spitzeY = 400;
    Zaehlen(bild, bild.rect(), [&](int x, int y, QRgb px) {
        if (Gleich(px, farbe.GetFarbe(E::Bemassung)) && y < spitzeY) spitzeX = x, spitzeY = y;
        return false;
    });
    // The diagram is four text heights high; its highest point stands at a quarter of the joint.
    EXPECT_NEAR(spitzeX, d.NullPunkt.x() + d.FugenLaenge / 4.0,
                4.0);  // the rising line meets the top row early
    EXPECT_NEAR(spitzeY, d.NullPunkt.y() - d.Bauteildicke / 2 - 4 * zeichner.GetTexthoehe(), 1.0);
}

TEST(Skizzenzeichner, eingabeZeigtEinenZweiOderDreiDorne) {
    const TKFarbe farbe = Unterscheidbar();
    const QColor beton = farbe.GetFarbe(E::BetonBrush);
    const std::pair<TsAnwendungsfall, int> faelle[] = {{TsAnwendungsfall::afEinzel, 1},
                                                       {TsAnwendungsfall::afPaarPlatte, 2},
                                                       {TsAnwendungsfall::afPaarWand, 2},
                                                       {TsAnwendungsfall::afReihePlatte, 3},
                                                       {TsAnwendungsfall::afReiheWand, 3}};
    for (auto [fall, dorne] : faelle) {
        for (TsBelastungsfall last : {TsBelastungsfall::bfPunktlast, TsBelastungsfall::bfKonstanteLast,
                                      TsBelastungsfall::bfLinienlast, TsBelastungsfall::bfbeliebigeLast}) {
            Testposition p(fall, last);
            TrDaten d;
            const QImage bild = Skizze(Ansicht::Eingabe, p, farbe, 500, 500,
                                       [&](const Skizzenzeichner& z) { d = z.GetDaten(); });
            const int th = Texthoehe();
            int laeufe = 0;
            bool imDorn = false;
            for (int x = th + 5; x < 500 - th - 5; ++x) {
                const bool dorn = !Gleich(bild.pixel(x, d.NullPunkt.y()), beton);
                laeufe += dorn && !imDorn;
                imDorn = dorn;
            }
            EXPECT_EQ(laeufe, dorne) << Ord(fall) << " " << Ord(last);
            EXPECT_GT(
                Zaehlen(bild, QRect(0, 0, 500, 250), [&](int, int, QRgb px) { return Gleich(px, beton); }),
                5000);
        }
    }
}

// Positions that no design run produces but files, dialogs and half-finished results may: drawing them must
// neither fault nor hang.
TEST_P(JedeAnsicht, uebersteht_leereUndExtremePositionen) {
    using Aenderung = std::function<void(Testposition&)>;
    const std::vector<Aenderung> aenderungen{
        [](Testposition& p) { p.Ergebnis().ResetDornAbstand(); },
        [](Testposition& p) { p.anwendung.cErgebnisse.SetAnzDorn(p.Akt(), 0); },
        [](Testposition& p) { p.anwendung.cErgebnisse.SetAnzDorn(p.Akt(), 65535); },
        [](Testposition& p) {
            for (TKDornDaten* d : {&p.Dorn(), &p.modell.cEingabeDornDaten}) {
                d->SetAnzPosA(0), d->SetAnzPosB1(0), d->SetAnzPosB2(4), d->SetAnzPosC(0), d->SetAnzPosD(0);
                d->SetDistPosA({}), d->SetDistPosB1({}), d->SetDistPosB2({}), d->SetDistPosD({});
            }
        },
        [](Testposition& p) {
            for (TKDornDaten* d : {&p.Dorn(), &p.modell.cEingabeDornDaten}) {
                d->SetAnzPosA(2000000), d->SetAnzPosB1(-7), d->SetAnzPosB2(2000000), d->SetAnzPosC(1 << 30);
                d->SetAnzPosD(5);
            }
        },
        [](Testposition& p) {
            p.anwendung.cGeometrie.SetPlatteDicke(1e-300);
            p.modell.cEingabeGeometrie.SetPlatteDicke(1e-300);
        },
        [](Testposition& p) {
            p.anwendung.cGeometrie.SetPlatteDicke(-240);
            p.anwendung.cGeometrie.SetFugenlaenge(1e15);
            p.Ergebnis().Setby(-1e200);
        },
        [](Testposition& p) {
            p.Dorn().SetDornLaenge(std::numeric_limits<double>::infinity());
            p.Dorn().SetDornBreite(NaN);
            p.Ergebnis().AddDornAbstand(NaN, false);
            p.anwendung.cGeometrie.SetBauteilRandLinks(0), p.anwendung.cGeometrie.SetBauteilRandRechts(0);
        },
        [](Testposition& p) {
            p.anwendung.cGeometrie.SetFugenlaenge(0);
            p.anwendung.cGeometrie.SetBauteilRandLinks(-500);
            p.anwendung.cBelastungDesign.SetLinienLastLinks(0),
                p.anwendung.cBelastungDesign.SetLinienLastRechts(0);
            p.anwendung.cBelastungDesign.ResetbeliebigeLast();
        },
        [](Testposition& p) {
            p.anwendung.cBelastungDesign.ResetbeliebigeLast();
            p.anwendung.cBelastungDesign.AddbeliebigeLast({NaN, 1e308});
            p.anwendung.cBelastungDesign.AddbeliebigeLast({1e308, -5});
            p.anwendung.cBelastungDesign.SetLastLaenge(1e-300);
        },
    };
    for (const Fall& fall : Faelle) {
        for (const Aenderung& aendern : aenderungen) {
            Testposition p(fall.anwendung, fall.last);
            aendern(p);
            // Counts beyond what a design stores never get here from a file (reading discards them); a
            // debug build stops at them, a release build still draws without hanging.
            const bool jenseits = ErsteGrenzverletzung(p.anwendung.cErgebnisse, p.Akt()).has_value();
            for (QSize groesse : {QSize(300, 300), QSize(1, 1), QSize(2000, 40)}) {
                if (jenseits)
                    EXPECT_DEBUG_DEATH(Skizze(GetParam(), p, TKFarbe(), groesse.width(), groesse.height()),
                                       "beyond their bounds");
                else
                    Skizze(GetParam(), p, TKFarbe(), groesse.width(), groesse.height());
            }
        }
    }
}

TEST(Skizzenzeichner, vierSkizzenBelegenJeEinenQuadranten) {
    BildAnwendung();
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    const TKFarbe farbe = Unterscheidbar();
    QImage bild = Leinwand(1000, 1000, Qt::magenta);
    {
        QPainter canvas(&bild);
        Skizzenzeichner zeichner(canvas, farbe);
        VierSkizzenZeichnen(zeichner, 1000, p.anwendung);
    }
    for (QRect quadrant : {QRect(0, 0, 500, 500), QRect(500, 0, 500, 500), QRect(0, 500, 500, 500),
                           QRect(500, 500, 500, 500)}) {
        EXPECT_EQ(Zaehlen(bild, quadrant, [](int, int, QRgb px) { return Gleich(px, Qt::magenta); }), 0);
        EXPECT_GT(Zaehlen(bild, quadrant,
                          [&](int, int, QRgb px) { return Gleich(px, farbe.GetFarbe(E::BetonBrush)); }),
                  3000);
    }
}

TEST(Skizzenzeichner, abstaendeDerDornreiheRundenAufGeradeMillimeter) {
    BildAnwendung();
    Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    p.Kette({412.5, 500, 413.5, 499.4, 412.5});
    QBuffer puffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(QSize(1200, 400));
    const TKFarbe farbe;
    {
        QPainter canvas(&svg);
        Skizzenzeichner zeichner(canvas, farbe);
        zeichner.SkizzeDornReihe({0, 0, 1200, 400}, p.anwendung, true);
    }
    const QByteArray text = puffer.data();
    EXPECT_EQ(text.count(">41,2<"), 2);
    EXPECT_EQ(text.count(">41,4<"), 1);
    EXPECT_EQ(text.count(">49,9<"), 1);
    EXPECT_EQ(text.count(">41,3<"), 0);
}

// Upper input sketch: the column through the dowel bars 4/5 of the dowel length into each member.
int DornPixelInSpalte(const QImage& bild, int x, const TKFarbe& farbe) {
    return Zaehlen(bild, QRect(x, 0, 1, bild.height()), [&](int, int, QRgb px) {
        return Gleich(px, farbe.GetFarbe(E::DornBrush)) || Gleich(px, farbe.GetFarbe(E::DornPen));
    });
}

TEST(Skizzenzeichner, huelseImLinkenBauteilHatDieHoeheDerDornstaebe) {
    BildAnwendung();
    const TKFarbe farbe = Unterscheidbar();
    for (TsAnwendungsfall fall : {TsAnwendungsfall::afPaarPlatte, TsAnwendungsfall::afReiheWand}) {
        Testposition p(fall, TsBelastungsfall::bfKonstanteLast);
        QImage bild = Leinwand(500, 250);
        QPainter canvas(&bild);
        Skizzenzeichner zeichner(canvas, farbe);
        zeichner.SkizzeEingabeOben({0, 0, 500, 250}, fall, TsBelastungsfall::bfKonstanteLast, p.modell,
                                   p.anwendung);
        canvas.end();
        const TrDaten& links = zeichner.GetDaten();  // the left member is drawn last, mirrored
        ASSERT_LT(links.DornLaenge, 0);
        const int weg = -links.DornLaenge * 4 / 5;
        const int fugeLinks = links.NullPunkt.x();
        const int fugeRechts = fugeLinks + links.FugenBreite;
        const int rechts = DornPixelInSpalte(bild, fugeRechts + weg, farbe);
        EXPECT_EQ(DornPixelInSpalte(bild, fugeLinks - weg, farbe), rechts) << Ord(fall);
        EXPECT_NEAR(rechts, 2 * (links.DornDurchmesser + 1), 2) << Ord(fall);
    }
}

TEST(Skizzenzeichner, lastpfeilDerEingabeBleibtImRechteck) {
    BildAnwendung();
    const TKFarbe farbe = Unterscheidbar();
    for (const Fall& fall : Faelle) {
        Testposition p(fall.anwendung, fall.last);
        QImage bild = Leinwand(500, 600, Qt::magenta);
        {
            QPainter canvas(&bild);
            Skizzenzeichner zeichner(canvas, farbe);
            zeichner.SkizzeEingabe({0, 100, 500, 600}, fall.anwendung, fall.last, p.modell, p.anwendung);
        }
        const int ausserhalb =
            Zaehlen(bild, QRect(0, 0, 500, 100), [](int, int, QRgb px) { return !Gleich(px, Qt::magenta); });
        EXPECT_EQ(ausserhalb, 0) << Ord(fall.anwendung) << " " << Ord(fall.last);
    }
}

// The anchorage arrow and the stirrup label of the section end inside the rectangle for every type, down to
// rectangles narrower than the proof's quadrant, which ends at the page margin.
TEST(Skizzenzeichner, verankerungspfeilDesSchnittsBleibtImRechteck) {
    BildAnwendung();
    const TKFarbe farbe;
    for (int d = 0; d < AnzahlDorne; ++d) {
        Testposition p(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfLinienlast,
                       static_cast<TsDorn>(d));
        for (int breite : {300, 340, 450}) {
            QImage bild = Leinwand(breite + 300, 400, Qt::magenta);
            {
                QPainter canvas(&bild);
                Skizzenzeichner zeichner(canvas, farbe);
                zeichner.SkizzeSchnitt({0, 0, breite, 400}, p.anwendung);
            }
            const int ausserhalb = Zaehlen(bild, QRect(breite, 0, 300, 400),
                                           [](int, int, QRgb px) { return !Gleich(px, Qt::magenta); });
            EXPECT_EQ(ausserhalb, 0) << DornName(static_cast<TsDorn>(d)) << " in " << breite;
        }
    }
}
