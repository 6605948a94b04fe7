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
