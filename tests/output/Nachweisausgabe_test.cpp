#include "output/Nachweisausgabe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "Nachweistestdaten.h"
#include "datei/Fehlerschicht.h"

namespace {

const QSize A4(794, 1123);  // at 96 dpi
const QColor Grau(192, 192, 192);

struct Vorschaufall {
    TsBelastungsfall last;
    int dorne;
    std::vector<int> hoehen;  // of the preview images
};
class Vorschau : public ::testing::TestWithParam<Vorschaufall> {};

}  // namespace

// The first page, the load page for an arbitrary load, and the sketch page with the coordinates pages
// below it behind 10-pixel grey bands.
TEST_P(Vorschau, stapeltDieSeitenbilder) {
    BildAnwendung();
    Nachweisprojekt projekt(TsAnwendungsfall::afReihePlatte, GetParam().last);
    projekt.Bemessen();
    projekt.Kette(std::vector<double>(GetParam().dorne + 1, 140));
    const std::vector<QImage> bilder = NachweisVorschau(projekt.Nachweis(), StandardSeite(), 96);
    ASSERT_EQ(bilder.size(), GetParam().hoehen.size());
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        EXPECT_EQ(bilder[i].width(), A4.width());
        EXPECT_EQ(bilder[i].height(), GetParam().hoehen[i]) << i;
    }
    const QImage& skizzen = bilder.back();
    for (int band = A4.height(); band < skizzen.height(); band += A4.height() + 10)
        for (int y = band; y < band + 10; ++y)
            for (int x : {0, 300, A4.width() - 1}) EXPECT_EQ(QColor(skizzen.pixel(x, y)), Grau) << y;
    EXPECT_EQ(QColor(bilder[0].pixel(0, 0)), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(
    Seitenarten, Vorschau,
    ::testing::Values(Vorschaufall{TsBelastungsfall::bfKonstanteLast, 10, {1123, 1123}},
                      Vorschaufall{TsBelastungsfall::bfbeliebigeLast, 2, {1123, 1123, 1123}},
                      Vorschaufall{TsBelastungsfall::bfKonstanteLast, 11, {1123, 2 * 1123 + 10}},
                      Vorschaufall{TsBelastungsfall::bfKonstanteLast, 200, {1123, 4 * 1123 + 30}}));

TEST(Vorschau, seitengroesseDesDruckers) {
    BildAnwendung();
    Nachweisprojekt projekt(TsAnwendungsfall::afPaarPlatte, TsBelastungsfall::bfKonstanteLast);
    projekt.Bemessen();
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                             QPageLayout::Millimeter);
    const std::vector<QImage> bilder = NachweisVorschau(projekt.Nachweis(), letter, 96);
    ASSERT_EQ(bilder.size(), 2u);
    EXPECT_EQ(bilder[0].size(), QSize(qRound((215.9 - 10) / 25.4 * 96), qRound((279.4 - 10) / 25.4 * 96)));
}

class Ergebnisexport : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Nachweisprojekt projekt{TsAnwendungsfall::afReihePlatte, TsBelastungsfall::bfKonstanteLast};
    void SetUp() override {
        BildAnwendung();
        projekt.Bemessen();
    }
    QString Exportieren(const QString& name, Ausgabeformat format) {
        return NachweisSpeichern(ordner.filePath(name), format, projekt.Nachweis(), StandardSeite(), 96);
    }
};

TEST_F(Ergebnisexport, svgMitKopfUndErsterSeiteInDerGroesseDesSeitenbilds) {
    ASSERT_EQ(Exportieren("e.svg", Ausgabeformat::Svg), "");
    QFile datei(ordner.filePath("e.svg"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray svg = datei.readAll();
    for (const char* text : {"<svg", "viewBox=\"0 0 794 1123\"", "Berechnungsnachweis für ZAVR",
                             "Eingaben zur Anwendung", "Nachweis / Dorn", "QUORVEL GmbH"})
        EXPECT_TRUE(svg.contains(text)) << text;
    EXPECT_FALSE(svg.contains("Aufteilung der Dorne"));  // the sketch page is not part of it
}

TEST_F(Ergebnisexport, bitmapUndJpegSindDasSeitenbild) {
    const QImage seite = NachweisVorschau(projekt.Nachweis(), StandardSeite(), 96).front();
    ASSERT_EQ(Exportieren("e.bmp", Ausgabeformat::Bmp), "");
    ASSERT_EQ(Exportieren("e.jpg", Ausgabeformat::Jpeg), "");
    EXPECT_EQ(QImage(ordner.filePath("e.bmp")).convertToFormat(QImage::Format_RGB32), seite);
    EXPECT_EQ(QImage(ordner.filePath("e.jpg")).size(), A4);
}

TEST_F(Ergebnisexport, schreibfehlerWerdenGemeldetUndLassenDasZielStehen) {
    EXPECT_NE(Exportieren("fehlt/e.bmp", Ausgabeformat::Bmp), "");
    EXPECT_FALSE(QFile::exists(ordner.filePath("fehlt/e.bmp")));
    ASSERT_TRUE(QDir(ordner.path()).mkdir("ziel.pdf"));
    EXPECT_EQ(Exportieren("ziel.pdf", Ausgabeformat::Pdf), "der Name bezeichnet einen Ordner");
    EXPECT_TRUE(QFileInfo(ordner.filePath("ziel.pdf")).isDir());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList());  // no temporary file left behind
}

// The command-line tool takes the format from the extension, as the table offers it for the proof.
TEST_F(Ergebnisexport, kommandozeileWaehltDasFormatNachDerEndung) {
    struct Datei {
        const char* name;
        const char* anfang;
    };
    for (Datei d : {Datei{"n.pdf", "%PDF"}, Datei{"n.svg", "<?xml"}, Datei{"n.png", "\x89PNG"},
                    Datei{"n.jpg", "\xFF\xD8"}, Datei{"n.JPEG", "\xFF\xD8"}, Datei{"n.bmp", "BM"}}) {
        const QString pfad = ordner.filePath(d.name);
        const auto format = FormatDerDatei(Ausgabe::Nachweis, pfad.toStdString());
        ASSERT_TRUE(format) << d.name;
        ASSERT_EQ(NachweisAlsDatei(projekt.modell, 1, pfad.toStdString(), *format), "") << d.name;
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        EXPECT_TRUE(datei.readAll().startsWith(d.anfang)) << d.name;
    }
    EXPECT_EQ(QImage(ordner.filePath("n.png")).size(), A4);
    EXPECT_FALSE(FormatDerDatei(Ausgabe::Nachweis, "n.txt"));
    EXPECT_NE(NachweisAlsDatei(projekt.modell, 2, ordner.filePath("m.pdf").toStdString(), Ausgabeformat::Pdf),
              "");
    EXPECT_FALSE(QFile::exists(ordner.filePath("m.pdf")));
}
