#include "output/DxfLeinwand.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>

#include "SkizzenTestdaten.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Object.h"
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

// Every file of the fuzz corpus, with every entity class the reader knows, is drawn in full and zoomed in
// far beyond any screen coordinate without a crash.
TEST_P(Korpus, zeichnetJedeEntitaetInJederZoomstufe) {
    BildAnwendung();
    DXF_Message_Log meldungen;
    const DXF_Object doc = DXF_Object::create_from_file(GetParam(), meldungen);
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

}  // namespace
