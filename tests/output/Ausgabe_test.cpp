#include "output/Ausgabe.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>

#include "SkizzenTestdaten.h"
#include "datei/Fehlerschicht.h"

namespace {

// A picture of 80 x 60 pixels, white with a red square above a band of noise, some lines on a page, a
// text. Each kind comes to more than a kilobyte, so that a disk filling up after the first kilobyte stops
// every writer halfway.
Ausgabeinhalt Probe() {
    Ausgabeinhalt inhalt;
    inhalt.titel = QStringLiteral("Probe");
    inhalt.bitmap = [] {
        QImage bild(80, 60, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter(&bild).fillRect(10, 10, 5, 5, Qt::red);
        quint32 zufall = 1;
        for (int y = 30; y < 60; ++y)
            for (int x = 0; x < 80; ++x) bild.setPixel(x, y, zufall = zufall * 1664525u + 1013904223u);
        return bild;
    };
    inhalt.vektorgroesse = QSize(80, 60);
    inhalt.vektor = [](QPainter& canvas) {
        for (int i = 0; i < 20; ++i) canvas.drawText(5, 3 * i, QStringLiteral("Probe %1").arg(i));
    };
    inhalt.seite = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    inhalt.seiten = [](QPagedPaintDevice& pdf) {
        QPainter canvas(&pdf);
        for (int i = 0; i < 100; ++i) canvas.drawLine(0, 10 * i, 100 * i, 0);
        return canvas.end();
    };
    inhalt.text = [] {
        std::string text;
        for (int i = 0; i < 300; ++i) text += "a;b\r\n";
        return text;
    };
    return inhalt;
}

QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Ausgabedatei : public ::testing::Test {
protected:
    void SetUp() override { BildAnwendung(); }
    QTemporaryDir ordner;
};

struct Schreiber {
    Ausgabeformat format;
    const char* anfang;
};
class JederSchreiber : public Ausgabedatei, public ::testing::WithParamInterface<Schreiber> {};

TEST_P(JederSchreiber, schreibtSeinFormat) {
    const QString datei = ordner.filePath(QStringLiteral("probe.") + Format(GetParam().format).endung);
    ASSERT_EQ(AusgabeSchreiben(datei, GetParam().format, Probe()), QString());
    EXPECT_TRUE(Inhalt(datei).startsWith(GetParam().anfang));
}

// A file is replaced only by a whole one: every way writing can fail leaves the old file byte for byte and
// names the reason, for every kind of writer.
TEST_P(JederSchreiber, misslungenesSchreibenLaesstDieAlteDatei) {
    const QString datei = ordner.filePath(QStringLiteral("probe.") + Format(GetParam().format).endung);
    PruefeSchreibfehler(datei.toStdString(),
                        [&] { return AusgabeSchreiben(datei, GetParam().format, Probe()).toStdString(); });
}

// Content an output does not have for the format is refused, and nothing is written.
TEST_P(JederSchreiber, ohneInhaltNichts) {
    const QString datei = ordner.filePath(QStringLiteral("leer.") + Format(GetParam().format).endung);
    EXPECT_EQ(AusgabeSchreiben(datei, GetParam().format, Ausgabeinhalt{}),
              "der Inhalt konnte nicht erzeugt werden");
    EXPECT_FALSE(QFile::exists(datei));
}

INSTANTIATE_TEST_SUITE_P(
    Formate, JederSchreiber,
    ::testing::Values(Schreiber{Ausgabeformat::Pdf, "%PDF"}, Schreiber{Ausgabeformat::Svg, "<?xml"},
                      Schreiber{Ausgabeformat::Png, "\x89PNG"}, Schreiber{Ausgabeformat::Jpeg, "\xFF\xD8"},
                      Schreiber{Ausgabeformat::Bmp, "BM"}, Schreiber{Ausgabeformat::Csv, "a;b\r\n"}));

TEST_F(Ausgabedatei, bitmapIstDasBildDesInhalts) {
    const QString datei = ordner.filePath("probe.bmp");
    ASSERT_EQ(AusgabeSchreiben(datei, Ausgabeformat::Bmp, Probe()), QString());
    const QImage bild(datei);
    EXPECT_EQ(bild.size(), QSize(80, 60));
    EXPECT_EQ(bild.pixel(12, 12), qRgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(30, 5), qRgb(255, 255, 255));
}

TEST(Formatwahl, unbekannteEndungNenntDieMoeglichen) {
    QString fehler;
    EXPECT_EQ(FormatWaehlen(Ausgabe::DxfBild, QStringLiteral("plan.PNG"), fehler), Ausgabeformat::Png);
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_FALSE(FormatWaehlen(Ausgabe::DxfBild, QStringLiteral("plan.gif"), fehler));
    EXPECT_EQ(fehler, "unbekannte Endung von plan.gif (möglich: .png, .jpg, .jpeg, .svg, .pdf)");
}

TEST(Formatwahl, dialogUndDateiname) {
    EXPECT_EQ(Dateifilter(Ausgabe::Bildexport),
              (QStringList{"Exportieren in SVG Format (*.svg)", "Exportieren in Bitmap Format (*.bmp)",
                           "Exportieren in JPeg Format (*.jpg)"}));
    struct Fall {
        const char* datei;
        Ausgabeformat format;
        const char* ergebnis;
    };
    for (const Fall& f : {Fall{"C:/Temp/plan.png", Ausgabeformat::Bmp, "C:/Temp/plan.bmp"},
                          Fall{"/tmp/plan.png", Ausgabeformat::Svg, "/tmp/plan.svg"},
                          Fall{"plan", Ausgabeformat::Jpeg, "plan.jpg"},
                          Fall{"/a.b/c.tar.gz", Ausgabeformat::Bmp, "/a.b/c.tar.bmp"},
                          Fall{"*.svg", Ausgabeformat::Bmp, "*.bmp"}})
        EXPECT_EQ(MitEndung(f.datei, f.format), f.ergebnis) << f.datei;
    EXPECT_EQ(MitPassenderEndung("plan", Ausgabe::PdfExport), "plan.pdf");
    EXPECT_EQ(MitPassenderEndung("plan.v2", Ausgabe::PdfExport), "plan.v2.pdf");
    EXPECT_EQ(MitPassenderEndung("plan.PDF", Ausgabe::PdfExport), "plan.PDF");
}

}  // namespace
