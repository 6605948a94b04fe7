#include "output/Skizzenbild.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "SkizzenTestdaten.h"
#include "datei/Fehlerschicht.h"

namespace {

struct Umbenennung {
    const char* datei;
    Bildtyp typ;
    const char* ergebnis;
};
class Exportname : public ::testing::TestWithParam<Umbenennung> {};

class Bilddatei : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Testposition p{TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast};
    TKFarbe farbe;
    void SetUp() override { BildAnwendung(); }
};

}  // namespace

TEST_P(Exportname, bekommtDieEndungDesBildtyps) {
    EXPECT_EQ(ExportDateiname(GetParam().datei, GetParam().typ), QString(GetParam().ergebnis));
}

INSTANTIATE_TEST_SUITE_P(Endungen, Exportname,
                         ::testing::Values(Umbenennung{"C:/Temp/plan.png", Bildtyp::Bitmap,
                                                       "C:/Temp/plan.bmp"},
                                           Umbenennung{"/tmp/plan.png", Bildtyp::Vektor, "/tmp/plan.svg"},
                                           Umbenennung{"plan", Bildtyp::JPeg, "plan.jpg"},
                                           Umbenennung{"/a.b/c.tar.gz", Bildtyp::Bitmap, "/a.b/c.tar.bmp"},
                                           Umbenennung{"*.svg", Bildtyp::Bitmap, "*.bmp"}));

TEST(Bildtyp, folgtDemFilterUndJederAndereIstBitmap) {
    EXPECT_EQ(BildtypAusFilter(0), Bildtyp::Vektor);
    EXPECT_EQ(BildtypAusFilter(1), Bildtyp::Bitmap);
    EXPECT_EQ(BildtypAusFilter(2), Bildtyp::JPeg);
    EXPECT_EQ(BildtypAusFilter(7), Bildtyp::Bitmap);
    EXPECT_EQ(Endung(Bildtyp::Vektor), "svg");
}

TEST_F(Bilddatei, schreibtVektorUndBitmapsInDerVerlangtenGroesse) {
    for (const char* name : {"a.svg", "a.png", "a.jpg", "a.jpeg", "a.bmp"}) {
        const QString datei = ordner.filePath(name);
        const Bildauftrag auftrag{p.modell, p.anwendung,      farbe, TsSkizzeTyp::stAnsicht,
                                  true,     QSize(1000, 1000)};
        ASSERT_EQ(SkizzeSpeichern(datei, auftrag), "") << name;
        if (QString(name).endsWith("svg")) {
            QFile f(datei);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray svg = f.readAll();
            EXPECT_TRUE(svg.contains("<svg"));
            EXPECT_TRUE(svg.contains("Aufteilung der Dorne"));
        } else {
            EXPECT_EQ(QImage(datei).size(), QSize(1000, 1000)) << name;
        }
    }
}

// A PNG holds every pixel as drawn, the uncompressed bitmap being the reference: written with a palette
// (the plan view has fewer than 256 colours) or without (the four sketches have more), and the palette
// only where it holds every colour.
TEST_F(Bilddatei, pngGleichtDerBitmapPixelFuerPixel) {
    for (const bool alleVier : {false, true}) {
        const Bildauftrag auftrag{p.modell, p.anwendung,    farbe, TsSkizzeTyp::stDraufsicht,
                                  alleVier, QSize(600, 600)};
        ASSERT_EQ(SkizzeSpeichern(ordner.filePath("a.png"), auftrag), "");
        ASSERT_EQ(SkizzeSpeichern(ordner.filePath("a.bmp"), auftrag), "");
        const QImage png(ordner.filePath("a.png"));
        EXPECT_EQ(png.format() == QImage::Format_Indexed8, !alleVier);
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
                  QImage(ordner.filePath("a.bmp")).convertToFormat(QImage::Format_RGB32))
            << alleVier;
    }
}

TEST_F(Bilddatei, lehntUnbekannteEndungenUndLeereBilderAb) {
    const Bildauftrag auftrag{p.modell, p.anwendung, farbe};
    EXPECT_EQ(SkizzeSpeichern(ordner.filePath("a.emf"), auftrag),
              "unbekannte Endung (.svg, .png, .jpg oder .bmp)");
    EXPECT_EQ(SkizzeSpeichern(ordner.filePath("fehlt/a.png"), auftrag), "der Ordner existiert nicht");
    const Bildauftrag leer{p.modell, p.anwendung, farbe, TsSkizzeTyp::stAnsicht, false, QSize(0, 10)};
    EXPECT_EQ(SkizzeSpeichern(ordner.filePath("a.png"), leer), "das Bild konnte nicht erzeugt werden");
}

// A picture is replaced only by a whole one: every way writing can fail leaves the old file byte for byte
// and names the reason, for each picture type.
TEST_F(Bilddatei, misslungenesSchreibenLaesstDasAlteBild) {
    const Bildauftrag auftrag{p.modell, p.anwendung, farbe, TsSkizzeTyp::stAnsicht, true, QSize(500, 500)};
    for (const char* name : {"a.svg", "a.png", "a.jpg", "a.bmp"}) {
        SCOPED_TRACE(name);
        QTemporaryDir eigener;
        const QString datei = eigener.filePath(name);
        PruefeSchreibfehler(datei.toStdString(), [&] { return SkizzeSpeichern(datei, auftrag); });
    }
}

TEST_F(Bilddatei, unbekannteEndungWirdNichtGeschrieben) {
    const TKFarbe farbe;
    const Bildauftrag auftrag{p.modell, p.anwendung, farbe, TsSkizzeTyp::stDornReihe, false, QSize(320, 320)};
    EXPECT_NE(SkizzeSpeichern(ordner.filePath("x.txt"), auftrag), "");
    EXPECT_FALSE(QFile::exists(ordner.filePath("x.txt")));
    ASSERT_EQ(SkizzeSpeichern(ordner.filePath("x.png"), auftrag), "");
    EXPECT_EQ(QImage(ordner.filePath("x.png")).size(), QSize(320, 320));
}
