#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTreeWidget>
#include <filesystem>

#include "app/HauptmaskeTest.h"
#include "app/Navigationsbaum.h"
#include "app/QtUmgebung.h"
#include "app/TfrmProjektverwaltung.h"
#include "calc/TKZAVRBemessung.h"
#include "files/ProjektDatei.h"
#include "model/Zahlentext.h"

namespace {

const QString Fremd = QStringLiteral("Die Datei ist keine gültige QUORVEL® - ZAVR Datei");
const QString Frage = QStringLiteral("Soll der aktuelle Zustand gespeichert werden?");

// The position of a project file as a row of the contents list shows it.
QStringList Zeile(const QTreeWidgetItem* zeile) {
    QStringList texte;
    for (int i = 0; i < zeile->columnCount(); ++i) texte << zeile->text(i);
    return texte;
}

// A folder with three projects (upper- and lower-case extensions), a foreign .ZAV, a text file and a
// sub-folder; the browser starts there.
class Projektverwaltung : public Hauptmaske {
protected:
    void SetUp() override {
        QDir(ordner.path()).mkpath(QStringLiteral("projekte/Archiv"));
        projekte = ordner.filePath(QStringLiteral("projekte"));
        TKModell halle(umgebung);
        halle.cProjektdaten.SetBauvorhaben("Halle 3");
        halle.cProjektdaten.SetDatum("09.12.2026");
        halle.SetAnzAnwendung(3);
        halle.cAnwendung[0].SetPosition("Achse A");
        TKAnwendung& b = halle.cAnwendung[1];
        b.SetPosition("Achse B");
        b.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
        b.cGeometrie.SetFugenlaenge(12500);
        b.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfLinienlast);
        b.cBelastungDesign.SetbeliebigeLast({{0, 60}, {12500, 30}});
        BerechneErgebnis(b, umgebung);
        halle.cAnwendung[2].SetAnwendungsfall(TsAnwendungsfall::afPaarWand);
        Speichere(halle, "a.ZAV");
        TKModell stuetze(umgebung);
        stuetze.cAnwendung[0].SetPosition("Stütze");
        Speichere(stuetze, "B.zav");
        Speichere(TKModell(umgebung), "c.Zav");
        Schreibe("fremd.ZAV", "Programm.Name=ANDERES\r\nProgramm.Version=ANDERES 1.0\r\n");
        Schreibe("notiz.txt", "kein Projekt");
        einstellungen.SchreibeText(QStringLiteral("Version"), projekte);
        Hauptmaske::SetUp();
    }

    QString Pfad(const char* name) const { return QDir(projekte).filePath(QString::fromLatin1(name)); }
    void Speichere(const TKModell& modell, const char* name) const {
        ASSERT_TRUE(SaveToFile(modell, Pfad(name).toStdString()));
    }
    void Schreibe(const char* name, const char* inhalt) const {
        QFile datei(Pfad(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }

    // Opens the browser; `aktion` acts on it. The result is the code the browser ended with.
    int Browser(const std::function<void(TfrmProjektverwaltung&)>& aktion) {
        int ergebnis = -1;
        DialogBeantworter beantworter([&](QDialog& d) {
            auto* browser = qobject_cast<TfrmProjektverwaltung*>(&d);
            if (!browser) return;  // a dialog the browser's action opened, such as the 5d information
            QObject::connect(
                &d, &QDialog::finished, &d, [&](int code) { ergebnis = code; }, Qt::SingleShotConnection);
            aktion(*browser);
        });
        fenster->Ausfuehren(Befehl::Projektverwaltung);
        EXPECT_EQ(beantworter.geoeffnet.value(0), QStringLiteral("frmProjektverwaltung"));
        return ergebnis;
    }

    static QListWidget* Dateiliste(QDialog& d) {
        return d.findChild<QListWidget*>(QStringLiteral("FileListBox"));
    }
    static QTreeWidget* Inhalte(QDialog& d) {
        return d.findChild<QTreeWidget*>(QStringLiteral("lvProjektinhalte"));
    }
    static QPushButton* Knopf(QDialog& d, const char* name) {
        return d.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void Waehle(QDialog& d, const QString& datei) {
        Dateiliste(d)->setCurrentItem(Dateiliste(d)->findItems(datei, Qt::MatchExactly).value(0));
    }
    static QStringList Dateien(QDialog& d) {
        QStringList namen;
        for (int i = 0; i < Dateiliste(d)->count(); ++i) namen << Dateiliste(d)->item(i)->text();
        return namen;
    }

    QString projekte;
};

}  // namespace

// The .ZAV files in any letter case; the first is chosen at once and its positions listed.
TEST_F(Projektverwaltung, listetProjekteUndIhreInhalte) {
    const int ergebnis = Browser([&](TfrmProjektverwaltung& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("QUORVEL® - Projektverwaltung"));
        EXPECT_EQ(d.Verzeichnis(), QDir(projekte).absolutePath());
        EXPECT_EQ(Dateien(d), (QStringList{"a.ZAV", "B.zav", "c.Zav", "fremd.ZAV"}));
        EXPECT_EQ(Dateiliste(d)->currentRow(), 0);
        QTreeWidget* inhalte = Inhalte(d);
        ASSERT_EQ(inhalte->topLevelItemCount(), 3);
        EXPECT_TRUE(inhalte->isColumnHidden(0));
        EXPECT_EQ(Zeile(inhalte->headerItem()), (QStringList{"lfd Nr.", "Position", "Prog", "Bauvorhaben",
                                                             "Anschlusstyp", "Fugenlänge", "Datum"}));
        EXPECT_EQ(Zeile(inhalte->topLevelItem(0)),
                  (QStringList{"Nr: 1", "Achse A", "ZAVR", "Halle 3", "Dornreihe Platte an Platte", "2,0 m",
                               "09.12.2026"}));
        EXPECT_EQ(Zeile(inhalte->topLevelItem(1)),
                  (QStringList{"Nr: 2", "Achse B", "ZAVR", "Halle 3", "Dornreihe Platte an Platte", "12,5 m",
                               "09.12.2026"}));
        EXPECT_EQ(inhalte->topLevelItem(2)->text(4), QStringLiteral("Dornpaar Platte an Wand"));
        EXPECT_FALSE(Knopf(d, "OKBtn")->isEnabled());
        EXPECT_TRUE(Knopf(d, "Button1")->isEnabled());
        inhalte->setCurrentItem(inhalte->topLevelItem(1));
        EXPECT_TRUE(Knopf(d, "OKBtn")->isEnabled());

        Waehle(d, QStringLiteral("B.zav"));
        ASSERT_EQ(inhalte->topLevelItemCount(), 1);
        EXPECT_EQ(inhalte->topLevelItem(0)->text(1), QStringLiteral("Stütze"));
        EXPECT_FALSE(Knopf(d, "OKBtn")->isEnabled());

        auto* ordnerliste = d.findChild<QTreeWidget*>(QStringLiteral("DirectoryListBox"));
        EXPECT_EQ(
            ordnerliste->findItems(QStringLiteral("Archiv"), Qt::MatchExactly | Qt::MatchRecursive).size(),
            1);
        QStatusTipEvent hinweis(Dateiliste(d)->statusTip());
        QApplication::sendEvent(Dateiliste(d), &hinweis);
        EXPECT_EQ(d.findChild<QStatusBar*>(QStringLiteral("sbInfo"))->currentMessage(),
                  QStringLiteral("  bestehende Projektdatei auswählen"));
        EXPECT_EQ(Dateiliste(d)->toolTip(), QStringLiteral("Projektdatei auswählen"));
    });
    EXPECT_EQ(ergebnis, QDialog::Rejected);
    EXPECT_TRUE(Hinweise().isEmpty());
    EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 1);
}

// A foreign file is reported and lists nothing; a file that went away after the listing is reported with
// its reason. The browser goes on either way.
TEST_F(Projektverwaltung, fremdeUndUnlesbareDateien) {
    Browser([&](TfrmProjektverwaltung& d) {
        Waehle(d, QStringLiteral("fremd.ZAV"));
        EXPECT_EQ(Inhalte(d)->topLevelItemCount(), 0);
        EXPECT_TRUE(Knopf(d, "Button1")->isEnabled());
        EXPECT_FALSE(Knopf(d, "OKBtn")->isEnabled());
        ASSERT_TRUE(QFile::remove(Pfad("c.Zav")));
        Waehle(d, QStringLiteral("c.Zav"));
        EXPECT_EQ(Inhalte(d)->topLevelItemCount(), 0);
        Waehle(d, QStringLiteral("a.ZAV"));
        EXPECT_EQ(Inhalte(d)->topLevelItemCount(), 3);
    });
    ASSERT_EQ(Hinweise().size(), 2);
    EXPECT_EQ(Hinweise()[0], Fremd);
    EXPECT_TRUE(Hinweise()[1].startsWith(QStringLiteral("Kann angegebene Datei nicht öffnen!")));
}

// Without a project file both actions are off; the folder chosen is remembered for the next start.
TEST_F(Projektverwaltung, ordnerwechselWirdGemerkt) {
    const QString archiv = Pfad("Archiv");
    Browser([&](TfrmProjektverwaltung& d) {
        auto* ordnerliste = d.findChild<QTreeWidget*>(QStringLiteral("DirectoryListBox"));
        auto* eintrag =
            ordnerliste->findItems(QStringLiteral("Archiv"), Qt::MatchExactly | Qt::MatchRecursive)[0];
        emit ordnerliste->itemActivated(eintrag, 0);
        EXPECT_EQ(d.Verzeichnis(), archiv);
        EXPECT_TRUE(Dateien(d).isEmpty());
        EXPECT_EQ(Inhalte(d)->topLevelItemCount(), 0);
        EXPECT_FALSE(Knopf(d, "Button1")->isEnabled());
        EXPECT_FALSE(Knopf(d, "OKBtn")->isEnabled());
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblVerzeichnis"))->text(),
                  QDir::toNativeSeparators(archiv));
        d.VerzeichnisWechseln(Pfad("gibt es nicht"));
        EXPECT_EQ(d.Verzeichnis(), archiv);
    });
    EXPECT_EQ(einstellungen.LeseText(QStringLiteral("Version"), {}), archiv);
    Browser([&](TfrmProjektverwaltung& d) { EXPECT_EQ(d.Verzeichnis(), archiv); });
    fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    Browser([&](TfrmProjektverwaltung& d) {
        EXPECT_EQ(d.Verzeichnis(), archiv);
        d.VerzeichnisWechseln(projekte);  // the parent, as the folder list offers it
        EXPECT_EQ(Dateien(d).size(), 4);
    });
}

// One click on a folder opens it, as in the desktop's file managers. One click on a project only chooses
// it: opening it still takes "Projekt öffnen".
TEST_F(Projektverwaltung, einKlickOeffnetOrdnerAberKeinProjekt) {
    const auto klicke = [](QAbstractItemView* liste, const QModelIndex& eintrag) {
        ASSERT_TRUE(eintrag.isValid());
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(eintrag).center());
    };
    const int ergebnis = Browser([&](TfrmProjektverwaltung& d) {
        QListWidget* dateien = Dateiliste(d);
        QListWidgetItem* stuetze = dateien->findItems(QStringLiteral("B.zav"), Qt::MatchExactly).value(0);
        klicke(dateien, dateien->indexFromItem(stuetze));
        EXPECT_EQ(dateien->currentItem(), stuetze);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 1);
        EXPECT_TRUE(dialoge.aufrufe.empty());

        auto* ordnerliste = d.findChild<QTreeWidget*>(QStringLiteral("DirectoryListBox"));
        QTreeWidgetItem* archiv =
            ordnerliste->findItems(QStringLiteral("Archiv"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
        ASSERT_NE(archiv, nullptr);
        klicke(ordnerliste, ordnerliste->indexFromItem(archiv));
        EXPECT_EQ(d.Verzeichnis(), Pfad("Archiv"));
        EXPECT_TRUE(Dateien(d).isEmpty());
        EXPECT_TRUE(d.isVisible());

        d.VerzeichnisWechseln(projekte);
        klicke(dateien, dateien->indexFromItem(
                            dateien->findItems(QStringLiteral("B.zav"), Qt::MatchExactly).value(0)));
        Knopf(d, "Button1")->click();
    });
    EXPECT_EQ(ergebnis, TfrmProjektverwaltung::ProjektGeoeffnet);
    EXPECT_EQ(fenster->Sitzung().Datei(), Pfad("B.zav").toStdString());
    EXPECT_EQ(A().GetPosition(), "Stütze");
}

// A double click on the second row appends position 2 of the file with its results as the new last,
// current position; designed again it gives the same results.
TEST_F(Projektverwaltung, positionUebernehmen) {
    A().SetPosition("in Arbeit");
    const int ergebnis = Browser([&](TfrmProjektverwaltung& d) {
        QTreeWidget* inhalte = Inhalte(d);
        inhalte->setCurrentItem(inhalte->topLevelItem(1));
        emit inhalte->itemDoubleClicked(inhalte->topLevelItem(1), 1);
    });
    EXPECT_EQ(ergebnis, QDialog::Accepted);
    ASSERT_EQ(fenster->Modell().GetAnzAnwendung(), 2);
    EXPECT_EQ(fenster->Modell().cAnwendung[0].GetPosition(), "in Arbeit");
    EXPECT_EQ(fenster->Modell().GetAktAnwendung(), 2);
    EXPECT_EQ(A().GetPosition(), "Achse B");
    EXPECT_EQ(Kind<QSpinBox>("sEditAktAnwendung")->value(), 2);
    EXPECT_EQ(Kind<QSpinBox>("sEditAktAnwendung")->maximum(), 2);
    EXPECT_EQ(fenster->Baum().Positionsblatt(2)->text(0), QStringLiteral("#2: Achse B"));
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);

    const TKErgebnisse uebernommen = A().cErgebnisse;
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(A().cErgebnisse.GetAktDorn(), uebernommen.GetAktDorn());
    for (std::size_t d = 0; d < uebernommen.cDornErgebnis.size(); ++d) {
        SCOPED_TRACE(d);
        const TKDornErgebnis& vorher = uebernommen.cDornErgebnis[d];
        const TKDornErgebnis& jetzt = A().cErgebnisse.cDornErgebnis[d];
        EXPECT_EQ(jetzt.GetStatus(), vorher.GetStatus());
        // The file keeps 15 significant digits, the precision to which a new run must agree.
        EXPECT_EQ(FloatText(jetzt.GetVRdIst(), ','), FloatText(vorher.GetVRdIst(), ','));
        EXPECT_EQ(FloatText(jetzt.GetVRdZul(), ','), FloatText(vorher.GetVRdZul(), ','));
        EXPECT_EQ(A().cErgebnisse.GetAnzDorn(static_cast<TsDorn>(d)),
                  uebernommen.GetAnzDorn(static_cast<TsDorn>(d)));
    }
}

// "Projekt öffnen" asks the save question first: Yes saves and opens, No opens, Cancel keeps the browser
// open and the project as it was.
TEST_F(Projektverwaltung, projektOeffnenMitSpeicherfrage) {
    for (const Antwort antwort : {Antwort::Ja, Antwort::Nein, Antwort::Abbrechen}) {
        SCOPED_TRACE(static_cast<int>(antwort));
        fenster = std::make_unique<TfrmHauptMaske>(umgebung);
        dialoge.aufrufe.clear();
        QFile::remove(ordner.filePath(QStringLiteral("gesichert.ZAV")));
        fenster->Sitzung().PositionBenennen("in Arbeit");
        dialoge.dreiAntworten = {antwort};
        if (antwort == Antwort::Ja)
            dialoge.dateien.push_back(
                Dialogdienst::Dateiwahl{ordner.filePath(QStringLiteral("gesichert.ZAV")), 0});
        bool nochOffen = false;
        const int ergebnis = Browser([&](TfrmProjektverwaltung& d) {
            Knopf(d, "Button1")->click();
            nochOffen = d.isVisible();
        });
        EXPECT_EQ(dialoge.Texte(DialogSkript::Art::FrageMitAbbrechen), QStringList{Frage});
        EXPECT_EQ(QFile::exists(ordner.filePath(QStringLiteral("gesichert.ZAV"))), antwort == Antwort::Ja);
        const bool geoeffnet = antwort != Antwort::Abbrechen;
        EXPECT_EQ(nochOffen, !geoeffnet);
        EXPECT_EQ(ergebnis, geoeffnet ? TfrmProjektverwaltung::ProjektGeoeffnet : int(QDialog::Rejected));
        EXPECT_EQ(A().GetPosition(), geoeffnet ? "Achse A" : "in Arbeit");
        EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), geoeffnet ? 3 : 1);
        EXPECT_EQ(fenster->Sitzung().Datei(), geoeffnet ? Pfad("a.ZAV").toStdString() : std::string());
        EXPECT_EQ(dialoge.unerwartet, 0);
    }
}

// Enter moves through the controls and never presses a button; "&Hilfe" opens its topic.
TEST_F(Projektverwaltung, enterUndHilfe) {
    const int ergebnis = Browser([&](TfrmProjektverwaltung& d) {
        for (const char* name : {"OKBtn", "Button1", "CancelBtn"}) {
            auto* knopf = Knopf(d, name);
            knopf->setEnabled(true);
            knopf->setFocus();
            QTest::keyClick(knopf, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible()) << name;
            EXPECT_NE(d.focusWidget(), knopf) << name;
        }
        EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 1);
        Knopf(d, "BitBtnHilfe")->click();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(ergebnis, QDialog::Rejected);
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Für dieses Programm ist keine Hilfe installiert.")});
}

// A name that is not UTF-8 (legal on Linux, common on old shares) is listed, read, taken over and opened
// under its own bytes, in a folder whose name is not UTF-8 either.
TEST_F(Projektverwaltung, namenDieKeinUtf8Sind) {
    namespace fs = std::filesystem;
    const fs::path alt = fs::path(projekte.toStdString()) / "alt_\xfe";
    const fs::path datei = alt / "Halle_\xff.ZAV";
    fs::create_directory(alt);
    fs::copy_file(Pfad("a.ZAV").toStdString(), datei);
    const QString anzeige = QStringLiteral("Halle_\uFFFD.ZAV");
    int geoeffnet = Browser([&](TfrmProjektverwaltung& d) {
        auto* ordnerliste = d.findChild<QTreeWidget*>(QStringLiteral("DirectoryListBox"));
        const auto alte =
            ordnerliste->findItems(QStringLiteral("alt_\uFFFD"), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(alte.size(), 1);
        QTest::mouseClick(ordnerliste->viewport(), Qt::LeftButton, {},
                          ordnerliste->visualRect(ordnerliste->indexFromItem(alte.front())).center());
        EXPECT_EQ(Dateien(d), QStringList{anzeige});
        EXPECT_FALSE(Dateiliste(d)->item(0)->icon().isNull());  // a file icon like every project
        Waehle(d, anzeige);
        ASSERT_EQ(Inhalte(d)->topLevelItemCount(), 3);
        Inhalte(d)->setCurrentItem(Inhalte(d)->topLevelItem(1));
        Knopf(d, "OKBtn")->click();
    });
    EXPECT_EQ(geoeffnet, QDialog::Accepted);
    EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 2);
    EXPECT_EQ(fenster->Modell().cAnwendung[1].GetPosition(), "Achse B");

    dialoge.dreiAntworten = {Antwort::Nein};
    geoeffnet = Browser([&](TfrmProjektverwaltung& d) {
        Waehle(d, anzeige);
        Knopf(d, "Button1")->click();
    });
    EXPECT_EQ(geoeffnet, TfrmProjektverwaltung::ProjektGeoeffnet);
    EXPECT_EQ(fenster->Sitzung().Datei(), datei.native());
    EXPECT_EQ(fenster->Modell().GetAnzAnwendung(), 3);
    EXPECT_TRUE(Hinweise().isEmpty()) << Hinweise().join('\n').toStdString();
    fs::remove_all(alt);  // QTemporaryDir cannot remove a name that is not UTF-8
}
