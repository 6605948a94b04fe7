#include <gtest/gtest.h>

#include <QClipboard>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "DialogSkript.h"
#include "SkizzenTestprojekt.h"
#include "app/QtUmgebung.h"
#include "app/TfrmZoom.h"

namespace {

class Zoom : public ::testing::Test {
protected:
    SkizzenTestprojekt projekt;
    DialogSkript dialoge;
    TfrmZoom zoom{projekt.sitzung, projekt.farbe, dialoge};

    void SetUp() override { zoom.show(); }
    void TearDown() override { zoom.close(); }
    QSize Client() const { return zoom.findChild<QScrollArea*>()->viewport()->size(); }
};

}  // namespace

TEST_F(Zoom, startetMitDerClientgroesseUndZeichnetDieSkizze) {
    EXPECT_EQ(zoom.windowTitle(), "Zoom");
    EXPECT_EQ(zoom.GetBildgroesse(), Client());
    EXPECT_GT(Farbzahl(zoom.GetBild()), 3);
    for (const char* name : {"btnInZwischenablage", "btnInDatei", "bntSchliessen", "btnZoomIn", "btnZoomOut"})
        EXPECT_NE(zoom.findChild<QPushButton*>(name), nullptr) << name;
    EXPECT_EQ(zoom.findChild<QPushButton*>("btnZoomIn")->text(), "Zoom &in (+)");
}

TEST_F(Zoom, zoomInUndOutRundenAufGanzePixel) {
    const QSize start = zoom.GetBildgroesse();
    zoom.ZoomIn();
    EXPECT_EQ(zoom.GetBildgroesse(), QSize(qRound(start.width() * 1.25), qRound(start.height() * 1.25)));
    zoom.ZoomIn();
    const QSize zweimal = zoom.GetBildgroesse();
    zoom.ZoomOut();
    EXPECT_EQ(zoom.GetBildgroesse(), QSize(qRound(zweimal.width() * 0.8), qRound(zweimal.height() * 0.8)));
}

TEST_F(Zoom, tastenPlusUndMinusZoomen) {
    const QSize start = zoom.GetBildgroesse();
    QTest::keyClick(&zoom, Qt::Key_Plus);
    EXPECT_GT(zoom.GetBildgroesse().width(), start.width());
    QTest::keyClick(&zoom, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(&zoom, Qt::Key_Minus);
    EXPECT_LT(zoom.GetBildgroesse().width(), start.width());
}

TEST_F(Zoom, verkleinertesBildWachstBeimVergroessernDesFenstersAufDieClientgroesse) {
    zoom.ZoomOut();
    zoom.ZoomOut();
    EXPECT_LT(zoom.GetBildgroesse().width(), Client().width());
    zoom.resize(zoom.width() + 40, zoom.height() + 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(zoom.GetBildgroesse(), Client());
}

TEST_F(Zoom, vergroessernEndetVorDerHoechstgroesse) {
    for (int i = 0; i < 40; ++i) zoom.ZoomIn();
    const QSize groesste = zoom.GetBildgroesse();
    EXPECT_LE(std::max(groesste.width(), groesste.height()), TfrmZoom::MaxSeite);
    EXPECT_GT(std::max(groesste.width(), groesste.height()) * 1.25, TfrmZoom::MaxSeite);
}

TEST_F(Zoom, kopierenUndExportieren) {
    zoom.Kopieren();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), zoom.GetBildgroesse());
    QTemporaryDir ordner;
    dialoge.dateien.push_back(Dialogdienst::Dateiwahl{ordner.filePath("zoom.png"), 2});
    zoom.Exportieren();
    EXPECT_EQ(QImage(ordner.filePath("zoom.jpg")).size(), QSize(1000, 1000));
}

// The wheel zooms about the cursor: the picture point under it stays under it (to the pixel).
TEST_F(Zoom, radZoomtUmDenMauszeiger) {
    auto* bereich = zoom.findChild<QScrollArea*>();
    const QSize start = zoom.GetBildgroesse();
    const QPoint zeiger(start.width() * 3 / 4, start.height() * 3 / 4);
    const auto drehen = [&](int winkel) {
        QWheelEvent rad(zeiger, bereich->viewport()->mapToGlobal(zeiger), {}, {0, winkel}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bereich->viewport(), &rad);
    };
    drehen(120);
    EXPECT_EQ(zoom.GetBildgroesse(), QSize(qRound(start.width() * 1.25), qRound(start.height() * 1.25)));
    // The point at 3/4 of the picture is still under the cursor: scrolled by a quarter of the growth.
    EXPECT_NEAR(bereich->horizontalScrollBar()->value(), zeiger.x() * 0.25, 1.5);
    EXPECT_NEAR(bereich->verticalScrollBar()->value(), zeiger.y() * 0.25, 1.5);
    drehen(-120);
    EXPECT_NEAR(zoom.GetBildgroesse().width(), start.width(), 1);
}
