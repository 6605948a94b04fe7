#include <gtest/gtest.h>

#include <QPdfWriter>

#include "Nachweistestdaten.h"
#include "output/Seitenfolge.h"
#include "output/Seitenkopf.h"
#include "output/Seitenlayout.h"
#include "output/Seitenmaler.h"

namespace {

struct Rand {
    QMarginsF unbedruckbar;  // mm
    double W, H, L, T, R, B;
};
class Seitenmasse_ : public ::testing::TestWithParam<Rand> {};

}  // namespace

TEST_P(Seitenmasse_, folgenAusPapierUndDruckbaremBereich) {
    const Rand& r = GetParam();
    const Seitenmasse m = SeitenmasseSetzen(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                        r.unbedruckbar, QPageLayout::Millimeter));
    EXPECT_NEAR(m.W, r.W, 1e-9);
    EXPECT_NEAR(m.H, r.H, 1e-9);
    EXPECT_NEAR(m.L, r.L, 1e-9);
    EXPECT_NEAR(m.T, r.T, 1e-9);
    EXPECT_NEAR(m.R, r.R, 1e-9);
    EXPECT_NEAR(m.B, r.B, 1e-9);
}

// Text starts 1.6 cm from the left and 1 cm from the top paper edge; right and bottom margins never get
// smaller than 0.25 and 0.15 cm.
INSTANTIATE_TEST_SUITE_P(Drucker, Seitenmasse_,
                         ::testing::Values(Rand{{}, 21.0, 29.7, 1.6, 1.0, 1.1, 1.0},
                                           Rand{{4.2, 4.2, 4.2, 4.2}, 20.16, 28.86, 1.18, 0.58, 0.68, 0.58},
                                           Rand{{6, 3, 15, 12}, 18.9, 28.2, 1.0, 0.7, 0.25, 0.15}));

TEST(Seitenlayout, aufloesungLinienbreiteUndZeilenhoehenDesGeraets) {
    BildAnwendung();
    QTemporaryDir ordner;
    QPdfWriter pdf(ordner.filePath("a.pdf"));
    pdf.setResolution(600);
    QPainter drucker(&pdf);
    const Seitenlayout papier(drucker, Seitenmasse{}, Ausgabeziel::Drucker);
    QImage bild = Leinwand(100, 100);
    QPainter schirm(&bild);
    const Seitenlayout bildschirm(schirm, Seitenmasse{}, Ausgabeziel::Bildschirm);

    EXPECT_EQ(papier.GetLinienbreite(), 2);
    EXPECT_EQ(bildschirm.GetLinienbreite(), 1);
    EXPECT_EQ(papier.X(2.54), 600);
    EXPECT_EQ(papier.Y(1.0), 236);  // 236.2 rounded
    EXPECT_EQ(bildschirm.X(2.54), 96);
    EXPECT_EQ(bildschirm.Y(1.0), 38);  // 37.8 rounded
    // Line advances grow with the font size and are about the same on both devices.
    for (int groesse : {6, 8, 10, 12, 14, 16}) {
        EXPECT_NEAR(papier.Zeile(groesse), bildschirm.Zeile(groesse), 0.03) << groesse;
        EXPECT_NEAR(papier.Zeile(groesse), groesse * 1.15 / 72 * 2.54, 0.03) << groesse;
    }
}

TEST(Seitenfolge, untereinanderMitBandZwischenDenSeiten) {
    QImage rot(10, 5, QImage::Format_RGB32), blau(8, 5, QImage::Format_RGB32);
    rot.fill(Qt::red);
    blau.fill(Qt::blue);
    const QImage bild = Untereinander({rot, blau, rot}, 10, QColor(192, 192, 192));
    ASSERT_EQ(bild.size(), QSize(10, 35));
    for (int y : {0, 4, 30, 34}) EXPECT_EQ(QColor(bild.pixel(0, y)), QColor(Qt::red)) << y;
    for (int y : {15, 19}) EXPECT_EQ(QColor(bild.pixel(0, y)), QColor(Qt::blue)) << y;
    EXPECT_EQ(QColor(bild.pixel(9, 17)), QColor(192, 192, 192));  // beside the narrower page
    for (int y : {5, 14, 20, 29}) EXPECT_EQ(QColor(bild.pixel(5, y)), QColor(192, 192, 192)) << y;
}

// A list page of the bill of quantities: one entry per line, the page break before each.
TEST(Seitenumbruch, langeListeGehtMitKopfAufNeuenSeitenWeiter) {
    BildAnwendung();
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    const Kopfdaten kopf = NachweisKopf(projekt.modell, projekt.Position());
    const QString titel = QStringLiteral("Bedarfsliste");
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("liste.pdf");
    {
        QPdfWriter pdf(datei);
        pdf.setPageLayout(StandardSeite());
        pdf.setResolution(600);
        Geraeteseiten folge(pdf, SeitenmasseSetzen(StandardSeite()));
        ASSERT_TRUE(folge.Bereit());
        Seitenmaler erste(folge.Canvas(), folge.Layout());
        double y = folge.Layout().Masse().T + Seitenkopf(erste, titel, kopf);
        const double start = y;
        int umbrueche = 0;
        for (int i = 1; i <= 120; ++i) {
            if (Seitenumbruch(folge, titel, kopf, y)) {
                ++umbrueche;
                EXPECT_DOUBLE_EQ(y, start);
            }
            Seitenmaler seite(folge.Canvas(), folge.Layout());
            seite.Schrift(10);
            seite.Text(seite.M().L, y, QStringLiteral("Eintrag %1").arg(i));
            y += seite.Zeile(10);
        }
        EXPECT_GE(umbrueche, 2);
        EXPECT_TRUE(folge.Beenden());
    }
    const auto seiten = Woerter(datei);
    ASSERT_GE(seiten.size(), 3u);
    const Seitenmasse m = SeitenmasseSetzen(StandardSeite());
    std::vector<int> gefunden(121, 0);
    for (const auto& seite : seiten) {
        EXPECT_TRUE(
            std::any_of(seite.begin(), seite.end(), [](const Wort& w) { return w.text == "Bauvorhaben:"; }));
        EXPECT_FALSE(
            std::any_of(seite.begin(), seite.end(), [](const Wort& w) { return w.text == "Position:"; }));
        for (std::size_t i = 0; i + 1 < seite.size(); ++i) {
            if (seite[i].text != "Eintrag") continue;
            ++gefunden.at(seite[i + 1].text.toInt());
            EXPECT_LT(seite[i].box.bottom(), Punkte(m.H - m.B - 2.9 + 1));  // well above the footer
        }
    }
    for (int i = 1; i <= 120; ++i) EXPECT_EQ(gefunden[i], 1) << i;
}

TEST(Seitenkopf, langesBauvorhabenBleibtImKopffeld) {
    BildAnwendung();
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.modell.cProjektdaten.SetBauvorhaben(
        "Neubau eines Parkhauses mit Tiefgarage und Dehnfugen in allen Geschossdecken, Bauabschnitt Nord 2, "
        "Fugen zwischen den Achsen 1 bis 17");
    projekt.Bemessen();
    const PdfNachweis pdf(projekt.Nachweis());
    const auto woerter = Woerter(pdf.datei).at(0);
    const Seitenmasse m = SeitenmasseSetzen(StandardSeite());
    for (const Wort& w : woerter) {
        const bool imKopffeld = w.box.left() > Punkte(m.L + 5.25) && w.box.right() < Punkte(m.L + 13.5) &&
                                w.box.top() < Punkte(m.T + 1.33);
        if (imKopffeld) {
            EXPECT_LT(w.box.bottom(), Punkte(m.T + 1.33)) << w.text.toStdString();
        }
    }
    EXPECT_PRED2(Enthaelt, pdf.seiten.at(0), "Neubau eines Parkhauses");
    EXPECT_PRED2(Enthaelt, pdf.seiten.at(0), "…");  // the rest is cut off visibly
}
