#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

#include "app/HauptmaskeTest.h"
#include "app/Skizzenbereich.h"
#include "app/TDXF_Anzeige_Form.h"
#include "app/Zoom_panel.h"
#include "dxf/Line_.h"

namespace {

// The preview of one line from (0, 0) to (200, 100), shown at a fixed size.
class DxfVorschau : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        vorschau = std::make_unique<TDXF_Anzeige_Form>(fenster->Sitzung(), dialoge, ',');
        DXF_Object& doc = vorschau->DXF_main();
        doc.new_layer("0", true);
        doc.add_entity_to_layer(std::make_unique<Line_>(Point3D{0, 0, 0}, Point3D{200, 100, 0}, 7), "0");
        vorschau->setWindowState(Qt::WindowNoState);
        vorschau->resize(800, 600);
        vorschau->show();
        QApplication::processEvents();
    }

    Zoom_panel& Panel() const { return vorschau->Zoombox(); }
    QString Zoomtext() const { return Panel().findChild<QLabel*>(QStringLiteral("Zoomtext"))->text(); }
    QToolButton* Knopf(const char* name) const {
        auto* knopf = Panel().findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(knopf, nullptr) << name;
        return knopf;
    }
    void Zoomschritt(const char* name) const {
        QTest::mousePress(Knopf(name), Qt::LeftButton);
        QTest::mouseRelease(Knopf(name), Qt::LeftButton);
    }
    void Band(QPoint von, QPoint bis) const {
        QWidget* flaeche = Panel().ClientArea();
        QTest::mousePress(flaeche, Qt::LeftButton, {}, von);
        QTest::mouseMove(flaeche, bis);
        QTest::mouseRelease(flaeche, Qt::LeftButton, {}, bis);
    }

    std::unique_ptr<TDXF_Anzeige_Form> vorschau;
};

TEST_F(DxfVorschau, zoomknoepfeUndIhreBeschriftung) {
    EXPECT_EQ(vorschau->windowTitle(), QStringLiteral("DXF Vorschau"));
    EXPECT_EQ(Zoomtext(), QStringLiteral("1 : 1"));
    EXPECT_EQ(Panel().Koordinatentext(), QStringLiteral("X= 0.000  Y= 0.000"));
    for (int i = 0; i < 10; ++i) Zoomschritt("btnZoomIn");
    EXPECT_EQ(Zoomtext(), QStringLiteral("9,31 : 1"));
    QTest::mouseClick(Knopf("btnZoomReset"), Qt::LeftButton);
    EXPECT_EQ(Zoomtext(), QStringLiteral("1 : 1"));
    QTest::mouseClick(Knopf("btnZoomLast"), Qt::LeftButton);
    EXPECT_EQ(Zoomtext(), QStringLiteral("9,31 : 1"));
    QTest::mouseClick(Knopf("btnZoomReset"), Qt::LeftButton);
    Zoomschritt("btnZoomOut");
    EXPECT_EQ(Zoomtext(), QStringLiteral("1 : 1,25"));
    auto* balken = Panel().findChild<QScrollBar*>();
    ASSERT_NE(balken, nullptr);
    EXPECT_EQ(balken->pageStep(), 1000);
}

// Held down, the button zooms on: one step at once, more after the first half second.
TEST_F(DxfVorschau, gehaltenerKnopfZoomtWeiter) {
    QTest::mousePress(Knopf("btnZoomIn"), Qt::LeftButton);
    EXPECT_EQ(Zoomtext(), QStringLiteral("1,25 : 1"));
    QTest::qWait(650);
    QTest::mouseRelease(Knopf("btnZoomIn"), Qt::LeftButton);
    const double r = Panel().Ansicht().current().xscale / Panel().Ansicht().original().xscale;
    EXPECT_GT(r, 1.25 * 1.25 * 1.25);
    const QString text = Zoomtext();
    QTest::qWait(100);
    EXPECT_EQ(Zoomtext(), text);
}

TEST_F(DxfVorschau, gummibandUndDoppelklick) {
    const auto voll = Panel().Ansicht().current();
    Band({100, 100}, {102, 150});
    EXPECT_EQ(Panel().Ansicht().current(), voll);
    Band({100, 100}, {300, 250});
    EXPECT_NE(Panel().Ansicht().current(), voll);
    EXPECT_NE(Zoomtext(), QStringLiteral("1 : 1"));
    const auto gezoomt = Panel().Ansicht().current();
    QTest::mouseDClick(Panel().ClientArea(), Qt::LeftButton, {}, {10, 10});
    const auto& mitte = Panel().Ansicht().current();
    EXPECT_DOUBLE_EQ(mitte.xscale, gezoomt.xscale);
    EXPECT_NE(mitte.xmid, gezoomt.xmid);
    QTest::mouseMove(Panel().ClientArea(), {50, 60});
    EXPECT_TRUE(Panel().Koordinatentext().startsWith(QStringLiteral("X= ")))
        << Panel().Koordinatentext().toStdString();
    EXPECT_NE(Panel().Koordinatentext(), QStringLiteral("X= 0.000  Y= 0.000"));
}

QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The sketch menu shows the drawing; saved from there it is the file the main menu writes directly.
TEST_F(Hauptmaske, bewehrungAusDerVorschauGleichDemDirektenExport) {
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    const QString direkt = ordner.filePath(QStringLiteral("direkt.dxf"));
    const QString vorschau = ordner.filePath(QStringLiteral("vorschau"));
    dialoge.dateien = {Dialogdienst::Dateiwahl{direkt, 0}, Dialogdienst::Dateiwahl{vorschau, 0}};
    fenster->Ausfuehren(Befehl::DxfBewehrung);
    DialogBeantworter beantworter([](QDialog& d) {
        if (auto* speichern = d.findChild<QAbstractButton*>(QStringLiteral("SaveButton"))) speichern->click();
    });
    Kind<QAction>("popmnuDXFExport")->trigger();
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("DXF_Anzeige_Form")});
    const QByteArray erwartet = Inhalt(direkt);
    ASSERT_GT(erwartet.size(), 1000);
    EXPECT_EQ(Inhalt(vorschau + QStringLiteral(".dxf")), erwartet);
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Speichern),
              QStringList(2, QStringLiteral("QUORVEL® - DXF-Export")));
    EXPECT_EQ(dialoge.unerwartet, 0);
}

TEST_F(Hauptmaske, dxfDateiAnzeigenLiestDieDateiInDieVorschau) {
    const QString datei = QStringLiteral(ZAVR_SOURCE_DIR "/fuzz/dxf/corpus/ezdxf_r12.dxf");
    dialoge.dateien = {Dialogdienst::Dateiwahl{ordner.filePath(QStringLiteral("fehlt.dxf")), 0},
                       Dialogdienst::Dateiwahl{datei, 0}};
    DialogBeantworter beantworter([](QDialog& d) {
        auto* form = qobject_cast<TDXF_Anzeige_Form*>(&d);
        ASSERT_NE(form, nullptr);
        EXPECT_GE(form->DXF_main().num_layers(), 5);
        EXPECT_TRUE(form->Zoombox().Ansicht().initialized());
    });
    fenster->Ausfuehren(Befehl::DxfAnzeigen);
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Datei nicht gefunden")});
    EXPECT_TRUE(beantworter.geoeffnet.isEmpty());
    fenster->Ausfuehren(Befehl::DxfAnzeigen);
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("DXF_Anzeige_Form")});
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Oeffnen),
              QStringList(2, QStringLiteral("QUORVEL® - DXF-Import")));
}

}  // namespace

namespace {

// A drawing of a later release: drawn, and what it holds but the preview does not show is named above the
// drawing. A file without a drawing is refused with a notice, and no preview opens.
TEST_F(Hauptmaske, dxfDateiAnzeigenNenntWasNichtDargestelltIstOderVerweigert) {
    const QString datei = QStringLiteral(ZAVR_SOURCE_DIR "/fuzz/dxf/corpus/ezdxf_r2018.dxf");
    const QString text = ordner.filePath(QStringLiteral("brief.dxf"));
    QFile brief(text);
    ASSERT_TRUE(brief.open(QIODevice::WriteOnly));
    brief.write("Sehr geehrte Damen und Herren,\nanbei die Zeichnung.\n");
    brief.close();
    dialoge.dateien = {Dialogdienst::Dateiwahl{text, 0}, Dialogdienst::Dateiwahl{datei, 0}};
    QString vermerk;
    DialogBeantworter beantworter([&](QDialog& d) {
        auto* hinweis = d.findChild<QLabel*>(QStringLiteral("lblNichtDargestellt"));
        ASSERT_NE(hinweis, nullptr);
        EXPECT_TRUE(hinweis->isVisible());
        vermerk = hinweis->text();
    });
    fenster->Ausfuehren(Befehl::DxfAnzeigen);
    ASSERT_EQ(Hinweise().size(), 1);
    EXPECT_TRUE(Hinweise()[0].startsWith(QStringLiteral("Die Datei enthält keine lesbare DXF-Zeichnung")))
        << Hinweise()[0].toStdString();
    EXPECT_TRUE(beantworter.geoeffnet.isEmpty());
    fenster->Ausfuehren(Befehl::DxfAnzeigen);
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("DXF_Anzeige_Form")});
    EXPECT_TRUE(vermerk.contains(QStringLiteral("2 Objekte vom Typ RAY nicht dargestellt")))
        << vermerk.toStdString();
    EXPECT_TRUE(vermerk.contains(QStringLiteral("2 Objekte im Papierbereich nicht dargestellt")));
}

}  // namespace
