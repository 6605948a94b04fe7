#include "app/Skizzenbereich.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "DialogSkript.h"
#include "SkizzenTestprojekt.h"
#include "app/QtUmgebung.h"

namespace {

class Skizzenflaeche : public ::testing::Test {
protected:
    SkizzenTestprojekt projekt;
    DialogSkript dialoge;
    Skizzenbereich bereich{projekt.sitzung, projekt.farbe, dialoge};
    QTemporaryDir ordner;

    void SetUp() override { bereich.resize(400, 300); }
    void Speichern(const QString& name, int filter) {
        dialoge.dateien.push_back(Dialogdienst::Dateiwahl{ordner.filePath(name), filter});
        bereich.InDateiSpeichern();
    }
};

}  // namespace

TEST_F(Skizzenflaeche, zeichnetDenSkizzentypDesModells) {
    const QImage reihe = bereich.Skizzenbild();
    EXPECT_EQ(reihe.size(), QSize(400, 300));
    EXPECT_GT(Farbzahl(reihe), 3);
    projekt.modell.SetSkizzeAnzeige(TsSkizzeTyp::stAnsicht);
    bereich.Neuzeichnen();
    const QImage ansicht = bereich.Skizzenbild();
    EXPECT_NE(ansicht, reihe);
    projekt.modell.SetSkizzeAnzeige(TsSkizzeTyp::stNothing);
    bereich.Neuzeichnen();
    EXPECT_EQ(Farbzahl(bereich.Skizzenbild()), 1);
}

TEST_F(Skizzenflaeche, menueBietetKopierenSpeichernUndVollbild) {
    QStringList texte;
    for (const QAction* aktion : bereich.Kontextmenue()->actions()) texte << aktion->text();
    EXPECT_EQ(texte, QStringList({"Skizze in &Zwischenablage", "Skizze in &Datei speichern",
                                  "Skizze als &Vollbild darstellen"}));
}

TEST_F(Skizzenflaeche, linkerKlickOeffnetDasMenueAnDerMaus) {
    bereich.show();
    QTest::mouseClick(&bereich, Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_TRUE(bereich.Kontextmenue()->isVisible());
    bereich.Kontextmenue()->hide();
}

TEST_F(Skizzenflaeche, zwischenablageErhaeltDieSkizze) {
    bereich.InZwischenablage();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              bereich.Skizzenbild().convertToFormat(QImage::Format_RGB32));
}

TEST_F(Skizzenflaeche, exportNimmtDieEndungDesGewaehltenTypsUndVierSkizzen) {
    Speichern("plan.png", 1);
    ASSERT_EQ(dialoge.aufrufe.size(), 1u);
    EXPECT_EQ(dialoge.aufrufe[0].text, "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ - Ergebnisse Exportieren");
    EXPECT_EQ(dialoge.aufrufe[0].vorschlag, "*.svg");
    EXPECT_EQ(dialoge.aufrufe[0].filter.size(), 3);
    EXPECT_FALSE(QFile::exists(ordner.filePath("plan.png")));
    EXPECT_EQ(QImage(ordner.filePath("plan.bmp")).size(), QSize(1000, 1000));
    Speichern("plan", 2);
    EXPECT_EQ(QImage(ordner.filePath("plan.jpg")).size(), QSize(1000, 1000));
    Speichern("vektor.bmp", 0);
    EXPECT_TRUE(QFile::exists(ordner.filePath("vektor.svg")));
    EXPECT_EQ(dialoge.unerwartet, 0);
}

TEST_F(Skizzenflaeche, eingabeskizzeWirdAlleinExportiert) {
    projekt.modell.SetSkizzeAnzeige(TsSkizzeTyp::stEingabe);
    Speichern("eingabe.bmp", 1);
    EXPECT_EQ(QImage(ordner.filePath("eingabe.bmp")).size(), QSize(500, 500));
    Speichern("eingabe.svg", 0);
    QFile svg(ordner.filePath("eingabe.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("width=\"400"));
}

TEST_F(Skizzenflaeche, abbrechenSchreibtNichtsUndSchreibfehlerWirdGemeldet) {
    dialoge.dateien.push_back(std::nullopt);
    bereich.InDateiSpeichern();
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());
    Speichern("fehlt/plan.bmp", 1);
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Hinweis).size(), 1);
}

TEST_F(Skizzenflaeche, vollbildOeffnetDasZoomfenster) {
    DialogBeantworter beantworter;
    bereich.AlsVollbild();
    EXPECT_EQ(beantworter.geoeffnet, QStringList({"frmZoom"}));
}
