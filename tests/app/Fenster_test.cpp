#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidgetItem>

#include "app/Fenstergeometrie.h"
#include "app/HauptmaskeTest.h"
#include "app/Navigationsbaum.h"
#include "app/QtUmgebung.h"
#include "app/Sicherung.h"

namespace {

const QMargins Rahmen(4, 30, 4, 4);

// A laptop screen of 1366 × 768 with a panel of 28 pixels: the window opens as large as fits, frame and
// all inside the screen, never below its minimum; a larger screen gets the preferred size, centred.
TEST(Fenstergeometrie, startgroessePasstAufDenBildschirm) {
    const QRect laptop(0, 28, 1366, 740);
    const QRect fenster = Startgeometrie({1500, 940}, {1000, 600}, laptop, Rahmen);
    EXPECT_EQ(fenster.size(), QSize(1358, 706));
    EXPECT_TRUE(laptop.contains(fenster.marginsAdded(Rahmen))) << fenster.x() << "," << fenster.y();

    const QRect gross(0, 0, 1920, 1200);
    const QRect mittig = Startgeometrie({1500, 940}, {1000, 600}, gross, Rahmen);
    EXPECT_EQ(mittig.size(), QSize(1500, 940));
    EXPECT_EQ(mittig.marginsAdded(Rahmen).center(), gross.center());

    // Below the minimum the title bar stays on the screen; the rest may leave it.
    const QRect klein = Startgeometrie({1500, 940}, {1000, 600}, QRect(0, 0, 800, 600), Rahmen);
    EXPECT_EQ(klein.size(), QSize(1000, 600));
    EXPECT_EQ(klein.topLeft(), QPoint(4, 30));
}

TEST(Fenstergeometrie, dialogMittigUeberDemFensterUndAufDemBildschirm) {
    const QRect bildschirm(0, 0, 1366, 768);
    EXPECT_EQ(Zentriert({400, 300}, QRect(100, 100, 800, 600), bildschirm, Rahmen).center(),
              QRect(100, 100, 800, 600).center());
    // A window near the right edge: the dialog is pushed back left, its frame ends at the screen edge.
    const QRect amRand = Zentriert({600, 400}, QRect(1000, 100, 300, 300), bildschirm, Rahmen);
    EXPECT_EQ(amRand.marginsAdded(Rahmen).right(), bildschirm.right());
    EXPECT_EQ(amRand.size(), QSize(600, 400));
}

// Runs in a process of its own whose offscreen screen is 1366 × 768 (see the test below); skipped
// elsewhere.
class Laptop : public Hauptmaske {};

TEST_F(Laptop, hauptfensterUndDialogeAuf1366x768) {
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (bildschirm->size() != QSize(1366, 768)) GTEST_SKIP() << "runs on a 1366 x 768 screen only";
    const QRect verfuegbar = bildschirm->availableGeometry();
    // The minimum allows a 1280 × 720 screen with a title bar.
    const QSize minimum = fenster->minimumSizeHint();
    EXPECT_LE(minimum.width(), 1270);
    EXPECT_LE(minimum.height(), 680);

    fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
    Klick("tbReihePlatte");
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    QApplication::processEvents();
    EXPECT_TRUE(verfuegbar.contains(fenster->frameGeometry()))
        << fenster->frameGeometry().width() << "x" << fenster->frameGeometry().height();
    // What the user needs after a design run lies inside the window.
    for (const char* name : {"btnBedarfsliste", "lvLastErgebnis"}) {
        auto* teil = fenster->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(teil, nullptr) << name;
        const QRect imFenster(teil->mapTo(fenster.get(), QPoint(0, 0)), teil->size());
        EXPECT_TRUE(fenster->rect().contains(imFenster)) << name;
    }
    EXPECT_TRUE(fenster->rect().contains(fenster->statusBar()->geometry()));

    // A dialog opens centred on the window.
    QPoint mitte;
    DialogBeantworter beantworter([&](QDialog& d) { mitte = d.geometry().center(); });
    fenster->Ausfuehren(Befehl::Projektdaten);
    EXPECT_LE((mitte - fenster->geometry().center()).manhattanLength(), 10);

    // Geometry and splitter come back at the next start.
    fenster->setGeometry(60, 80, 1200, 640);
    QApplication::processEvents();
    auto* teilung = fenster->findChild<QSplitter*>(QStringLiteral("Splitter"));
    teilung->setSizes({150, 420, 600});
    const QList<int> sizes = teilung->sizes();
    const QRect vorher = fenster->geometry();
    fenster.reset();
    fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    EXPECT_EQ(fenster->geometry(), vorher);
    fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
    EXPECT_EQ(fenster->findChild<QSplitter*>(QStringLiteral("Splitter"))->sizes(), sizes);
}

TEST(Fenster, passtAufEinenLaptopBildschirm) {
    QTemporaryDir ordner;
    const QString konfiguration = ordner.filePath(QStringLiteral("bildschirm.json"));
    QFile datei(konfiguration);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                   "logicalDpi": 96}]})");
    datei.close();
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"),
                    QStringLiteral("offscreen:configfile=") + konfiguration);
    kind.setProcessEnvironment(umgebung);
    kind.setProcessChannelMode(QProcess::MergedChannels);
    kind.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=Laptop.hauptfensterUndDialogeAuf1366x768")});
    ASSERT_TRUE(kind.waitForFinished(300000));
    const QString ausgabe = QString::fromLocal8Bit(kind.readAll());
    EXPECT_EQ(kind.exitCode(), 0) << ausgabe.toStdString();
    EXPECT_FALSE(ausgabe.contains(QStringLiteral("SKIPPED"))) << ausgabe.toStdString();
}

class Tasten : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        aktiv = QTest::qWaitForWindowActive(fenster.get());
    }
    bool aktiv = false;
};

// In a text field Ctrl+V pastes; elsewhere it opens the project browser as before.
TEST_F(Tasten, strgVImFeldFuegtEin) {
    if (!aktiv) GTEST_SKIP() << "no window activation on this platform";
    QGuiApplication::clipboard()->setText(QStringLiteral("31"));
    DialogBeantworter beantworter;
    Zahlenfeld* feld = F(Feld::PlatteDicke);
    feld->setFocus();
    feld->selectAll();
    QTest::keySequence(feld, QKeySequence::Paste);
    EXPECT_EQ(feld->text(), QStringLiteral("31"));
    EXPECT_TRUE(beantworter.geoeffnet.isEmpty());
    QTest::keySequence(feld, QKeySequence::SelectAll);
    QTest::keySequence(feld, QKeySequence::Cut);
    EXPECT_EQ(feld->text(), QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("31"));
    EXPECT_TRUE(beantworter.geoeffnet.isEmpty());

    fenster->Baum().setFocus();
    QTest::keySequence(&fenster->Baum(), QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("frmProjektverwaltung")});
}

// F1 in every dialog opens help at the dialog's topic (here without installed help: the notice says so);
// dialogs with a page of their own name it, the others lead to the main window's page.
TEST_F(Hauptmaske, f1InJedemDialog) {
    const struct {
        Befehl befehl;
        const char* dialog;
        const char* thema;
    } faelle[] = {
        {Befehl::Projektdaten, "frmProjektdaten", "MaskeProjektdaten"},
        {Befehl::Projektverwaltung, "frmProjektverwaltung", "MaskeProjektverwaltung"},
        {Befehl::Bemessung, "frmBemessung", "MaskeBemessung"},
        {Befehl::BedarfslisteAnzeigen, "frmStueckliste", "MaskeStueckliste"},
        {Befehl::Farbeinstellungen, "frmFarbeinstellung", ""},
        {Befehl::Ueber, "frmAbout", ""},
    };
    const QString keineHilfe = QStringLiteral("Für dieses Programm ist keine Hilfe installiert.");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.dialog);
        QString thema = QStringLiteral("-");
        DialogBeantworter beantworter([&](QDialog& d) {
            thema = d.property("Hilfethema").toString();
            QWidget* ziel = d.focusWidget() ? d.focusWidget() : &d;
            const auto vorher = Hinweise().size();
            QTest::keyClick(ziel, Qt::Key_F1);
            EXPECT_EQ(Hinweise().size(), vorher + 1);
        });
        fenster->Ausfuehren(f.befehl);
        EXPECT_EQ(beantworter.geoeffnet.value(0), QString::fromLatin1(f.dialog));
        EXPECT_EQ(thema, QString::fromLatin1(f.thema));
    }
    const auto anzahl = static_cast<qsizetype>(std::size(faelle));
    EXPECT_EQ(Hinweise(), QStringList(anzahl, keineHilfe));

    // The arbitrary-load dialog, opened by its button beside the load fields.
    Klick("tbReihePlatte");
    DialogBeantworter beantworter([&](QDialog& d) {
        EXPECT_EQ(d.property("Hilfethema").toString(), QStringLiteral("MaskeQuerkraft"));
        QTest::keyClick(&d, Qt::Key_F1);
    });
    Klick("tbbeliebigeLast");
    EXPECT_EQ(Hinweise().size(), anzahl + 1);
}

// The design settings have a help button of their own.
TEST_F(Hauptmaske, bemessungHatHilfe) {
    DialogBeantworter beantworter([](QDialog& d) {
        auto* hilfe = d.findChild<QPushButton*>(QStringLiteral("BitBtnHilfe"));
        ASSERT_NE(hilfe, nullptr);
        hilfe->click();
        EXPECT_TRUE(d.isVisible());
    });
    fenster->Ausfuehren(Befehl::Bemessung);
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Für dieses Programm ist keine Hilfe installiert.")});
}

// "Ökonom. Dorn" and "Bewehrung" beside the results list are framed push buttons, not captions; a click
// opens the dialog each names.
TEST_F(Hauptmaske, knoepfeNebenDerErgebnisliste) {
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    for (const auto& [name, dialog] :
         {std::pair{"btnOptimalerDorn", "frmOptimalerDorn"}, std::pair{"BitBtnBewehrung", "frmBewehrung"}}) {
        SCOPED_TRACE(name);
        auto* knopf = Kind<QPushButton>(name);
        ASSERT_NE(knopf, nullptr);
        EXPECT_FALSE(knopf->isFlat());
        EXPECT_TRUE(Sichtbar(knopf));
        EXPECT_TRUE(knopf->isEnabled());
        DialogBeantworter beantworter;
        Klick(name);
        EXPECT_EQ(beantworter.geoeffnet, QStringList{QString::fromLatin1(dialog)});
    }
}

// Autosave: a changed project is copied beside the settings; a run that ends without closing the window
// (a crash) leaves it, and the next start offers it with its time and file; restored, the project has the
// change, keeps its file and counts as unsaved. A normal close removes the copy.
TEST_F(Hauptmaske, sicherungNachAbsturzAngeboten) {
    const QString projekt = ordner.filePath(QStringLiteral("Halle.ZAV"));
    ASSERT_TRUE(fenster->Sitzung().SpeichernUnter(projekt.toStdString()));
    fenster->Sicherungskopie().Schreiben();
    EXPECT_FALSE(QFileInfo::exists(fenster->Sicherungskopie().Datei()));  // nothing unsaved
    Eingeben(Feld::PlatteDicke, QStringLiteral("31"));
    fenster->Sicherungskopie().Schreiben();
    const QString kopie = fenster->Sicherungskopie().Datei();
    EXPECT_EQ(QFileInfo(kopie).dir(), QFileInfo(einstellungen.Datei()).dir());
    ASSERT_TRUE(QFileInfo::exists(kopie));
    EXPECT_EQ(fenster->Sitzung().Datei(), projekt.toStdString());
    EXPECT_TRUE(fenster->Sitzung().Geaendert());

    fenster.reset();  // the crash: no close, no save question
    fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    dialoge.antworten = {true};
    fenster->SicherungAnbieten();
    const QStringList fragen = dialoge.Texte(DialogSkript::Art::Frage);
    ASSERT_EQ(fragen.size(), 1);
    EXPECT_TRUE(fragen[0].startsWith(QStringLiteral(
        "Das Programm wurde nicht ordnungsgemäß beendet. Es gibt eine automatische Sicherung vom ")))
        << fragen[0].toStdString();
    EXPECT_TRUE(fragen[0].contains(QStringLiteral(" des Projekts ") + projekt + QLatin1Char('.')));
    EXPECT_TRUE(fragen[0].contains(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 310);
    EXPECT_EQ(F(Feld::PlatteDicke)->text(), QStringLiteral("31"));
    EXPECT_EQ(fenster->Sitzung().Datei(), projekt.toStdString());
    EXPECT_TRUE(fenster->Sitzung().Geaendert());
    EXPECT_TRUE(fenster->windowTitle().endsWith(QStringLiteral("*") + projekt));

    dialoge.dreiAntworten = {Antwort::Nein};
    EXPECT_TRUE(fenster->close());
    EXPECT_FALSE(QFileInfo::exists(kopie));
    fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    fenster->SicherungAnbieten();
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage).size(), 1);  // nothing offered any more
}

// The last eight projects, newest first, in the Datei menu and the tree, kept for the next start; a file that
// is gone is dropped from the list with a notice.
TEST_F(Hauptmaske, zuletztGeoeffneteProjekte) {
    QStringList dateien;
    for (int i = 1; i <= 9; ++i) {
        dateien << ordner.filePath(QStringLiteral("P%1.ZAV").arg(i));
        ASSERT_TRUE(fenster->Sitzung().SpeichernUnter(dateien.back().toStdString()));
    }
    for (const QString& datei : dateien) fenster->ZuletztOeffnen(datei);
    const auto menue = [this] {
        QStringList texte;
        for (QAction* a : Kind<QMenu>("mnuZuletzt")->actions()) texte << a->text();
        return texte;
    };
    const auto baum = [this] {
        QStringList texte;
        QTreeWidgetItem* neu = fenster->Baum().Befehlsblatt(Befehl::Neu);
        QTreeWidgetItem* gruppe = neu->parent()->child(neu->parent()->childCount() - 1);
        EXPECT_EQ(gruppe->text(0), QStringLiteral("Zuletzt geöffnet"));
        for (int i = 0; i < gruppe->childCount(); ++i) texte << gruppe->child(i)->text(0);
        return texte;
    };
    const QStringList neueste{"&1 P9.ZAV", "&2 P8.ZAV", "&3 P7.ZAV", "&4 P6.ZAV",
                              "&5 P5.ZAV", "&6 P4.ZAV", "&7 P3.ZAV", "&8 P2.ZAV"};
    EXPECT_EQ(menue(), neueste);
    EXPECT_EQ(baum(),
              (QStringList{"P9.ZAV", "P8.ZAV", "P7.ZAV", "P6.ZAV", "P5.ZAV", "P4.ZAV", "P3.ZAV", "P2.ZAV"}));
    fenster->ZuletztOeffnen(dateien[4]);  // P5 again: to the top, no double entry
    EXPECT_EQ(menue().value(0), QStringLiteral("&1 P5.ZAV"));
    EXPECT_EQ(menue().size(), 8);
    EXPECT_EQ(fenster->Sitzung().Datei(), dateien[4].toStdString());

    ASSERT_TRUE(QFile::remove(dateien[6]));
    fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    EXPECT_EQ(menue().size(), 8);
    Kind<QMenu>("mnuZuletzt")->actions().at(3)->trigger();  // P7, removed meanwhile
    EXPECT_EQ(Hinweise(),
              QStringList{QStringLiteral("Die Datei ") + QDir::toNativeSeparators(dateien[6]) +
                          QStringLiteral(" wurde nicht gefunden. Sie wird aus der Liste der zuletzt "
                                         "geöffneten Projekte entfernt.")});
    EXPECT_EQ(menue(), (QStringList{"&1 P5.ZAV", "&2 P9.ZAV", "&3 P8.ZAV", "&4 P6.ZAV", "&5 P4.ZAV",
                                    "&6 P3.ZAV", "&7 P2.ZAV"}));
    EXPECT_EQ(baum().size(), 7);
    EXPECT_TRUE(fenster->Sitzung().Datei().empty());
}

}  // namespace
