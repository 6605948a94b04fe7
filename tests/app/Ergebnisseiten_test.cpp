#include "app/Ergebnisseiten.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/QtUmgebung.h"

namespace {

QImage Seite(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// A window with an input field above the pages.
class Seitenansicht : public ::testing::Test {
protected:
    QWidget fenster;
    QLineEdit* feld = new QLineEdit(&fenster);
    Ergebnisseiten* seiten = new Ergebnisseiten(&fenster);

    void SetUp() override {
        seiten->SetSeiten({Seite(800, 1100), Seite(800, 1100), Seite(800, 2210)});
        fenster.resize(500, 400);
        feld->setGeometry(0, 0, 500, 30);
        seiten->setGeometry(0, 40, 500, 360);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    int Oben() const { return seiten->verticalScrollBar()->value(); }
    int Links() const { return seiten->horizontalScrollBar()->value(); }
};

}  // namespace

TEST_F(Seitenansicht, stapeltDieBilderMitZehnPixelAbstand) {
    EXPECT_EQ(seiten->widget()->minimumSize(), QSize(800, 1100 + 10 + 1100 + 10 + 2210));
}

TEST_F(Seitenansicht, schmaleBilderStehenMittig) {
    QImage rot = Seite(100, 50), blau = Seite(200, 50);
    rot.fill(Qt::red);
    blau.fill(Qt::blue);
    seiten->SetSeiten({rot, blau});
    QApplication::processEvents();
    const QImage bild = seiten->widget()->grab().toImage();
    const int mitte = bild.width() / 2;
    ASSERT_GT(bild.width(), 200);
    EXPECT_EQ(QColor(bild.pixel(mitte - 49, 25)), QColor(Qt::red));
    EXPECT_NE(QColor(bild.pixel(mitte - 51, 25)), QColor(Qt::red));
    EXPECT_NE(QColor(bild.pixel(mitte, 55)), QColor(Qt::blue));  // the gap
    EXPECT_EQ(QColor(bild.pixel(mitte - 99, 65)), QColor(Qt::blue));
    EXPECT_EQ(QColor(bild.pixel(mitte + 99, 65)), QColor(Qt::blue));
}

TEST_F(Seitenansicht, tastenBlaetternUmTeileDerSichtbarenFlaeche) {
    const int hoehe = seiten->viewport()->height();
    const int breite = seiten->viewport()->width();
    const int rechts = seiten->horizontalScrollBar()->maximum();
    ASSERT_GT(rechts, breite / 10);  // wider and higher than the view
    ASSERT_GT(seiten->verticalScrollBar()->maximum(), 2 * hoehe);
    struct Schritt {
        int taste;
        int oben;
        int links;
    };
    const int seite = hoehe * 2 / 3, zeile = hoehe / 10;
    const Schritt schritte[] = {{Qt::Key_PageDown, seite, 0},
                                {Qt::Key_PageDown, 2 * seite, 0},
                                {Qt::Key_Up, 2 * seite - zeile, 0},
                                {Qt::Key_PageUp, seite - zeile, 0},
                                {Qt::Key_Down, seite, 0},
                                {Qt::Key_Right, seite, breite / 10},
                                {Qt::Key_End, seite, std::min(breite, rechts)},  // to the visible width
                                {Qt::Key_Left, seite, std::min(breite, rechts) - breite / 10},
                                {Qt::Key_Home, seite, 0}};
    QTest::mouseClick(seiten->viewport(), Qt::LeftButton);
    for (const Schritt& s : schritte) {
        QTest::keyClick(seiten, static_cast<Qt::Key>(s.taste));
        EXPECT_EQ(Oben(), s.oben) << s.taste;
        EXPECT_EQ(Links(), s.links) << s.taste;
    }
    EXPECT_FALSE(seiten->Blaettern(Qt::Key_A));
}

TEST_F(Seitenansicht, klickNimmtDenEingabefeldernDenFokus) {
    feld->setFocus();
    ASSERT_TRUE(feld->hasFocus());
    QTest::mouseClick(seiten->widget(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(feld->hasFocus());
    ASSERT_TRUE(seiten->hasFocus());
    QTest::keyClick(seiten, Qt::Key_PageDown);
    EXPECT_GT(Oben(), 0);
    EXPECT_TRUE(feld->text().isEmpty());
}
