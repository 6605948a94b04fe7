#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTreeWidgetItem>

#include "app/HauptmaskeTest.h"
#include "app/Navigationsbaum.h"
#include "app/QtUmgebung.h"

namespace {

const QString Titel = QStringLiteral(
    "QUORVEL® Doppelschubdorn ZAVR/ZAVRQ: Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2): ");

// The window shown and active, so that keys reach it as they reach the user's window.
class Rueckgaengig : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        aktiv = QTest::qWaitForWindowActive(fenster.get());
    }
    // Ctrl+Z and its kin where the focus is, as the keyboard delivers them.
    void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::ControlModifier) const {
        QApplication::setActiveWindow(fenster.get());
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel || ziel->window() != fenster.get()) ziel = fenster.get();
        QTest::keyClick(ziel, taste, mit);
    }
    // Types into the field with the focus and leaves it with Tab, as the user does.
    void Tippen(Feld feld, const QString& text) const {
        F(feld)->setFocus();
        F(feld)->selectAll();
        QTest::keyClicks(F(feld), text);
        QTest::keyClick(F(feld), Qt::Key_Tab);
    }
    QString Text(Befehl befehl) const { return fenster->Aktion(befehl)->text(); }

    bool aktiv = false;
};

TEST_F(Rueckgaengig, strgZNachDerPlattendicke) {
    if (!aktiv) GTEST_SKIP() << "no window activation on this platform";
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("unbenannt"));
    EXPECT_FALSE(fenster->Aktion(Befehl::Rueckgaengig)->isEnabled());
    Tippen(Feld::PlatteDicke, QStringLiteral("30"));
    ASSERT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 300);
    EXPECT_NE(QApplication::focusWidget(), F(Feld::PlatteDicke));
    EXPECT_EQ(Text(Befehl::Rueckgaengig), QStringLiteral("&Rückgängig: Plattendicke"));
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("*unbenannt"));

    Taste(Qt::Key_Z);
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 240);
    EXPECT_EQ(F(Feld::PlatteDicke)->text(), QStringLiteral("24"));
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("unbenannt"));
    EXPECT_EQ(Text(Befehl::Wiederherstellen), QStringLiteral("&Wiederherstellen: Plattendicke"));
    Taste(Qt::Key_Y);
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 300);
    Taste(Qt::Key_Z);
    Taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 300);
    EXPECT_EQ(F(Feld::PlatteDicke)->text(), QStringLiteral("30"));
}

// While a field holds typing of its own, Ctrl+Z takes that back; the project's step waits.
TEST_F(Rueckgaengig, strgZImFeldNimmtZuerstDasGetippte) {
    if (!aktiv) GTEST_SKIP() << "no window activation on this platform";
    Tippen(Feld::PlatteDicke, QStringLiteral("30"));
    F(Feld::BetondeckungOben)->setFocus();
    QTest::keyClicks(F(Feld::BetondeckungOben), QStringLiteral("5"));
    Taste(Qt::Key_Z);
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 300);
    EXPECT_EQ(F(Feld::BetondeckungOben)->text(), QStringLiteral("3"));
    Taste(Qt::Key_Z);
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 240);
}

// The deleted position comes back at its place with its results.
TEST_F(Rueckgaengig, strgZNachDemLoeschenEinerPosition) {
    if (!aktiv) GTEST_SKIP() << "no window activation on this platform";
    fenster->Ausfuehren(Befehl::Berechnen);
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    fenster->Ausfuehren(Befehl::PositionHinzufuegen);
    fenster->PositionWaehlen(1);
    dialoge.antworten = {true};
    fenster->Ausfuehren(Befehl::PositionLoeschen);
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage),
              QStringList{QStringLiteral("Soll die Position 1 \"1\" gelöscht werden?")});
    ASSERT_EQ(fenster->Modell().GetAnzAnwendung(), 1);
    EXPECT_EQ(Text(Befehl::Rueckgaengig), QStringLiteral("&Rückgängig: Position löschen"));

    Taste(Qt::Key_Z);
    ASSERT_EQ(fenster->Modell().GetAnzAnwendung(), 2);
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 1);
    EXPECT_EQ(Kind<QLineEdit>("EditPosition")->text(), QStringLiteral("1"));
    EXPECT_EQ(fenster->Baum().Positionsblatt(2)->text(0), QStringLiteral("#2: 2"));
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    EXPECT_EQ(dialoge.unerwartet, 0);
}

// The OK of a dialog is one step.
TEST_F(Rueckgaengig, strgZNachDemOkEinesDialogs) {
    if (!aktiv) GTEST_SKIP() << "no window activation on this platform";
    {
        DialogBeantworter beantworter([](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("pdBearbeiter"))->setText(QStringLiteral("M. Muster"));
            d.findChild<QLineEdit*>(QStringLiteral("pdBauvorhaben"))->setText(QStringLiteral("Halle 3"));
            Druecke(d, QStringLiteral("&OK"));
        });
        fenster->Ausfuehren(Befehl::Projektdaten);
    }
    ASSERT_EQ(fenster->Modell().cProjektdaten.GetBearbeiter(), "M. Muster");
    EXPECT_EQ(Kind<QLineEdit>("EditBauvorhaben")->text(), QStringLiteral("Halle 3"));
    EXPECT_EQ(Text(Befehl::Rueckgaengig), QStringLiteral("&Rückgängig: Projektdaten"));
    Taste(Qt::Key_Z);
    EXPECT_EQ(fenster->Modell().cProjektdaten.GetBearbeiter(), "");
    EXPECT_EQ(Kind<QLineEdit>("EditBauvorhaben")->text(), QString());
    EXPECT_TRUE(fenster->Baum().findItems(QStringLiteral("Bauvorhaben: "), Qt::MatchExactly).size() == 1);
    EXPECT_FALSE(fenster->Aktion(Befehl::Rueckgaengig)->isEnabled());
}

// Nothing changed, nothing asked: New and closing go on at once; so after a change taken back.
TEST_F(Rueckgaengig, keineSpeicherfrageOhneAenderung) {
    fenster->Ausfuehren(Befehl::Neu);
    Eingeben(Feld::PlatteDicke, QStringLiteral("30"));
    fenster->Ausfuehren(Befehl::Rueckgaengig);
    EXPECT_TRUE(fenster->close());
    EXPECT_TRUE(dialoge.Texte(DialogSkript::Art::FrageMitAbbrechen).isEmpty());
    EXPECT_EQ(dialoge.unerwartet, 0);
}

// The caption marks unsaved changes before the file name; saving clears the mark, undo after it sets it.
TEST_F(Rueckgaengig, titelZeigtUngespeicherteAenderungen) {
    Eingeben(Feld::PlatteDicke, QStringLiteral("30"));
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("*unbenannt"));
    const QString datei = ordner.filePath(QStringLiteral("p.ZAV"));
    dialoge.dateien.push_back(Dialogdienst::Dateiwahl{datei, 0});
    fenster->Ausfuehren(Befehl::Speichern);
    EXPECT_EQ(fenster->windowTitle(), Titel + datei);
    fenster->Ausfuehren(Befehl::Rueckgaengig);
    EXPECT_EQ(fenster->windowTitle(), Titel + QStringLiteral("*") + datei);
    fenster->Ausfuehren(Befehl::Wiederherstellen);
    EXPECT_EQ(fenster->windowTitle(), Titel + datei);
}

// A shorter joint that moves points of the arbitrary load says which.
TEST_F(Rueckgaengig, kuerzereFugeNenntDieLastpunkte) {
    A().cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    A().cBelastungDesign.SetbeliebigeLast({{0, 50}, {1500, 20}, {2000, 10}});
    fenster->EingabenAktualisieren();
    Eingeben(Feld::Fugenlaenge, QStringLiteral("1"));
    ASSERT_EQ(Hinweise().size(), 1);
    EXPECT_TRUE(Hinweise().front().contains(QStringLiteral("x = 1,5 m (q = 20 kN/m): jetzt bei x = 1 m")));
}

}  // namespace
