#include "app/Ergebnisliste.h"

#include <gtest/gtest.h>

#include <QImage>

#include "app/QtUmgebung.h"
#include "model/TKAnwendung.h"
#include "model/Umgebung.h"

namespace {

TEST(Ergebnisliste, zeilenfolgeStelltJedeGroesseVorIhreQVariante) {
    for (int zeile = 0; zeile < AnzahlDorne; ++zeile) EXPECT_EQ(ZeileVon(DornInZeile(zeile)), zeile);
    EXPECT_EQ(ZeileVon(TsDorn::ZAVR20HF), 0);
    EXPECT_EQ(ZeileVon(TsDorn::ZAVRQ25HF), 2);
    EXPECT_EQ(ZeileVon(TsDorn::ZAVR450), 19);
    EXPECT_EQ(ZeileVon(TsDorn::ZAVRQ450), 20);
}

// Dark pixels inside a header section: the Greek letter and its subscript must actually reach the screen.
int Schriftpunkte(const QImage& bild, int von, int bis) {
    int punkte = 0;
    for (int x = von + 2; x < bis - 2; ++x)
        for (int y = 2; y < bild.height() - 2; ++y)
            if (qGray(bild.pixel(x, y)) < 100) ++punkte;
    return punkte;
}

TEST(Ergebnisliste, kopfZeichnetGriechischeBuchstabenMitIndex) {
    StandardUmgebung umgebung;
    Ergebnisliste liste(umgebung);
    liste.resize(600, 300);
    liste.ErgebnisUebersichtAnzeigen(TKAnwendung(umgebung));
    liste.show();
    auto* kopf = liste.header();
    const QImage bild = kopf->grab().toImage();
    for (int spalte = 1; spalte <= 4; ++spalte) {
        const int links = kopf->sectionViewportPosition(spalte);
        EXPECT_GT(Schriftpunkte(bild, links, links + kopf->sectionSize(spalte)), 10) << "Spalte " << spalte;
    }
    EXPECT_EQ(liste.headerItem()->toolTip(1), QStringLiteral("Ausnutzungsgrad der Stahltragfähigkeit"));
    EXPECT_EQ(liste.headerItem()->toolTip(4), QStringLiteral("Anzahl der Dorne"));
    EXPECT_EQ(liste.headerItem()->text(2), QStringLiteral("ct"));
}

TEST(Ergebnisliste, spaltenbreitenBleibenInIhrenGrenzen) {
    StandardUmgebung umgebung;
    Ergebnisliste liste(umgebung);
    liste.header()->resizeSection(0, 40);
    EXPECT_EQ(liste.columnWidth(0), 90);
    liste.header()->resizeSection(1, 400);
    EXPECT_EQ(liste.columnWidth(1), 150);
    EXPECT_EQ(liste.columnWidth(4), 30);
}

}  // namespace
