#include "output/DxfLeinwand.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "SkizzenTestdaten.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Object.h"
#include "dxf/DXF_exception.h"
#include "dxf/Line_.h"
#include "dxf/Zoom_view.h"

namespace {

constexpr int Breite = 400;
constexpr int Hoehe = 300;

int FarbigePixel(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

// Draws the view the way the panel does: a view whose points leave the screen range is given up for the
// one before it.
QImage Zeichnen(const DXF_Object& doc, Zoom_view& ansicht) {
    for (;;) {
        QImage bild(Breite, Hoehe, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter painter(&bild);
        try {
            DxfZeichnen(painter, doc, ansicht);
            return bild;
        } catch (const Screen_range_error&) {
            if (!ansicht.restore_previous()) return bild;
        }
    }
}

class Korpus : public ::testing::TestWithParam<std::string> {};

// A seed of the corpus; false for the seeds that hold no drawing (their reading ends before the entities).
bool Lesen(const std::string& datei, DXF_Object& doc) {
    DXF_Message_Log meldungen;
    try {
        doc = DXF_Object::create_from_file(datei, meldungen);
        return true;
    } catch (const DXF_read_exception&) {
        return false;
    }
}

// Every file of the fuzz corpus, with every entity class the reader knows, is drawn in full and zoomed in
// far beyond any screen coordinate without a crash.
TEST_P(Korpus, zeichnetJedeEntitaetInJederZoomstufe) {
    BildAnwendung();
    DXF_Object doc;
    if (!Lesen(GetParam(), doc)) GTEST_SKIP() << "no drawing";
    const View_extents e = stored_extents(doc);
    Zoom_view ansicht;
    ansicht.set_area(Breite, Hoehe);
    ansicht.set_parameters(e.emin.x, e.emax.x, e.emin.y, e.emax.y, 20, 20);
    EXPECT_GT(FarbigePixel(Zeichnen(doc, ansicht)), 0);
    for (int i = 0; i < 200; ++i) {
        ansicht.zoom_in();
        Zeichnen(doc, ansicht);
    }
    for (int i = 0; i < 400; ++i) ansicht.zoom_out();
    Zeichnen(doc, ansicht);
}

std::vector<std::string> Korpusdateien() {
    std::vector<std::string> dateien;
    for (const auto& eintrag :
         std::filesystem::directory_iterator(std::string(ZAVR_SOURCE_DIR) + "/fuzz/dxf/corpus"))
        dateien.push_back(eintrag.path().string());
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

INSTANTIATE_TEST_SUITE_P(Dateien, Korpus, ::testing::ValuesIn(Korpusdateien()),
                         [](const auto& info) { return std::filesystem::path(info.param).stem().string(); });

DXF_Object Linie() {
    DXF_Object doc;
    doc.new_layer("0", true);
    doc.add_entity_to_layer(std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{100, 50, 0}, 1), "0");
    return doc;
}

TEST(DxfBild, quadratInDerVollenAnsicht) {
    BildAnwendung();
    QTemporaryDir ordner;
    const QString png = ordner.filePath(QStringLiteral("linie.png"));
    ASSERT_EQ(DxfBildSpeichern(Linie(), png, Ausgabeformat::Png, 500), QString());
    const QImage bild(png);
    EXPECT_EQ(bild.size(), QSize(500, 500));
    // 460 pixels for the 100 units, the line centred: from (20, 365) to (480, 135), in red (colour 1)
    EXPECT_EQ(bild.pixel(20, 365), qRgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(480, 135), qRgb(255, 0, 0));
    EXPECT_NEAR(FarbigePixel(bild), 461, 5);  // one pixel per column
}

TEST(DxfBild, vektorformate) {
    BildAnwendung();
    QTemporaryDir ordner;
    for (const auto& [name, format, anfang] : {std::tuple{"linie.svg", Ausgabeformat::Svg, "<?xml"},
                                               std::tuple{"linie.pdf", Ausgabeformat::Pdf, "%PDF"}}) {
        const QString datei = ordner.filePath(QString::fromLatin1(name));
        ASSERT_EQ(DxfBildSpeichern(Linie(), datei, format, 300), QString()) << name;
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().startsWith(anfang)) << name;
    }
}

// A Release-12 file of blocks and entities, read back as the program reads a file.
DXF_Object Gelesen(const QTemporaryDir& ordner, const std::string& bloecke, const std::string& entitaeten) {
    const std::string datei = ordner.filePath(QStringLiteral("gross.dxf")).toStdString();
    std::ofstream(datei) << "0\nSECTION\n2\nBLOCKS\n"
                         << bloecke << "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                         << entitaeten << "0\nENDSEC\n0\nEOF\n";
    DXF_Message_Log meldungen;
    return DXF_Object::create_from_file(datei, meldungen);
}

std::string Block(const std::string& name, const std::string& inhalt) {
    return "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n0\n10\n0\n20\n0\n" + inhalt + "0\nENDBLK\n";
}

std::string Einfuegung(const std::string& block, int x, int y) {
    return "0\nINSERT\n8\n0\n2\n" + block + "\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) +
           "\n";
}

std::string Linien(int anzahl) {
    std::string text;
    for (int i = 0; i < anzahl; ++i) {
        const std::string x = std::to_string(i);
        text += "0\nLINE\n8\n0\n10\n" + x + "\n20\n0\n11\n" + x + "\n21\n100\n";
    }
    return text;
}

// 5,001 references to a block of 1,000 lines: as many lines as the reader takes (it stops at its bound).
DXF_Object FuenfMillionenLinien(const QTemporaryDir& ordner) {
    std::string referenzen;
    for (int i = 0; i < 5001; ++i) referenzen += Einfuegung("B", (i % 100) * 1100, (i / 100) * 150);
    return Gelesen(ordner, Block("B", Linien(1000)), referenzen);
}

// Three kilobytes of nested blocks: 15 lines, four levels of ten references each, ten times: 1.5 million
// lines.
DXF_Object VerschachtelteBloecke(const QTemporaryDir& ordner) {
    std::string bloecke = Block("L0", Linien(15));
    for (int ebene = 1; ebene <= 4; ++ebene) {
        std::string inhalt;
        for (int k = 0; k < 10; ++k)
            inhalt += Einfuegung("L" + std::to_string(ebene - 1), k * 20, ebene * 20);
        bloecke += Block("L" + std::to_string(ebene), inhalt);
    }
    std::string referenzen;
    for (int k = 0; k < 10; ++k) referenzen += Einfuegung("L4", k * 100000, 0);
    return Gelesen(ordner, bloecke, referenzen);
}

// A vector picture grows with every element, and a few kilobytes of nested blocks stand for millions: SVG
// and PDF refuse a drawing beyond their bound with a message and write nothing, where a PNG, whose size is
// its pixels, is drawn.
TEST(DxfBild, vektorbilderBegrenztWiePng) {
    BildAnwendung();
    QTemporaryDir ordner;
    for (const auto lesen : {FuenfMillionenLinien, VerschachtelteBloecke}) {
        const DXF_Object doc = lesen(ordner);
        for (const Ausgabeformat format : {Ausgabeformat::Svg, Ausgabeformat::Pdf}) {
            const char* name = Format(format).endung;
            const QString datei = ordner.filePath(QStringLiteral("gross.") + name);
            EXPECT_TRUE(
                DxfBildSpeichern(doc, datei, format, 1000).contains(QStringLiteral("SVG- oder PDF-Bild")))
                << name;
            EXPECT_FALSE(QFile::exists(datei)) << name;
        }
    }
    EXPECT_EQ(DxfBildSpeichern(VerschachtelteBloecke(ordner), ordner.filePath(QStringLiteral("gross.png")),
                               Ausgabeformat::Png, 200),
              QString());
}

// The canvas's count bounds the SVG it draws, for every kind of entity the corpus holds, and stays within
// four times the file, so the bound neither lets a picture grow past it nor refuses ordinary drawings.
TEST_P(Korpus, vektorbildgroesseIstAbgeschaetzt) {
    BildAnwendung();
    DXF_Object doc;
    if (!Lesen(GetParam(), doc)) GTEST_SKIP() << "no drawing";
    const View_extents e = stored_extents(doc);
    Zoom_view ansicht;
    ansicht.set_area(1000, 1000);
    ansicht.set_parameters(e.emin.x, e.emax.x, e.emin.y, e.emax.y, 20, 20);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(QSize(1000, 1000));
    std::int64_t geschaetzt = 0;
    {
        QPainter painter(&svg);
        DxfLeinwand leinwand(painter);
        doc.draw_primitives(leinwand,
                            [&](const Point3D& p, pMatrix m) { return ansicht.real_to_screen(p, m); });
        geschaetzt = leinwand.Bytes();
    }
    // The document's head and end, which no call adds, are below two kilobytes.
    EXPECT_LE(bytes.size(), geschaetzt + 2000);
    EXPECT_LE(geschaetzt, 4 * bytes.size());
}

}  // namespace
