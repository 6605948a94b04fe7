#include "output/Skizzenbild.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "SkizzenTestdaten.h"
#include "datei/Fehlerschicht.h"

namespace {

class Bilddatei : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Testposition p{TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast};
    TKFarbe farbe;
    void SetUp() override { BildAnwendung(); }
};

}  // namespace

TEST_F(Bilddatei, schreibtVektorUndBitmapsInDerVerlangtenGroesse) {
    for (const Ausgabeformat format : Formate(Ausgabe::Skizze)) {
        const char* name = Format(format).endung;
        const QString datei = ordner.filePath(QStringLiteral("a.") + name);
        const Bildauftrag auftrag{p.modell, p.anwendung,      farbe, TsSkizzeTyp::stAnsicht,
                                  true,     QSize(1000, 1000)};
        ASSERT_EQ(SkizzeSpeichern(datei, format, auftrag), "") << name;
        if (format == Ausgabeformat::Svg) {
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
        ASSERT_EQ(SkizzeSpeichern(ordner.filePath("a.png"), Ausgabeformat::Png, auftrag), "");
        ASSERT_EQ(SkizzeSpeichern(ordner.filePath("a.bmp"), Ausgabeformat::Bmp, auftrag), "");
        const QImage png(ordner.filePath("a.png"));
        EXPECT_EQ(png.format() == QImage::Format_Indexed8, !alleVier);
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
                  QImage(ordner.filePath("a.bmp")).convertToFormat(QImage::Format_RGB32))
            << alleVier;
    }
}

TEST_F(Bilddatei, leeresBildWirdNichtGeschrieben) {
    const Bildauftrag leer{p.modell, p.anwendung, farbe, TsSkizzeTyp::stAnsicht, false, QSize(0, 10)};
    for (const Ausgabeformat format : {Ausgabeformat::Png, Ausgabeformat::Svg})
        EXPECT_EQ(SkizzeSpeichern(ordner.filePath("a.png"), format, leer),
                  "der Inhalt konnte nicht erzeugt werden");
    EXPECT_FALSE(QFile::exists(ordner.filePath("a.png")));
}

// A picture is replaced only by a whole one: every way writing can fail leaves the old file byte for byte
// and names the reason, for each picture type.
TEST_F(Bilddatei, misslungenesSchreibenLaesstDasAlteBild) {
    const Bildauftrag auftrag{p.modell, p.anwendung, farbe, TsSkizzeTyp::stAnsicht, true, QSize(500, 500)};
    for (const Ausgabeformat format : Formate(Ausgabe::Skizze)) {
        SCOPED_TRACE(Format(format).endung);
        QTemporaryDir eigener;
        const QString datei = eigener.filePath(QStringLiteral("a.") + Format(format).endung);
        PruefeSchreibfehler(datei.toStdString(),
                            [&] { return SkizzeSpeichern(datei, format, auftrag).toStdString(); });
    }
}
