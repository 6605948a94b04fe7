#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTreeWidget>

#include "app/Ergebnisliste.h"
#include "app/HauptmaskeTest.h"
#include "app/QtUmgebung.h"
#include "files/ProjektDatei.h"
#include "model/Katalog.h"
#include "model/Texte.h"

namespace {

QStringList Zeilen(const QPlainTextEdit* memo) {
    return memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST_F(Hauptmaske, hinweiseInDerReihenfolgeDerPruefungenOhneBerechnung) {
    Klick("tbPaarWand");
    A().cGeometrie.SetPlatteDicke(150);
    A().cGeometrie.SetBetondeckungOben(20);
    A().cGeometrie.SetBetondeckungUnten(20);
    A().cGeometrie.SetWandDicke(100);
    A().cGeometrie.SetDornPaarAbstand(2000);  // equal to the joint length already fails
    Klick("btnBerechnen");
    auto* memo = Kind<QPlainTextEdit>("memoHinweise");
    EXPECT_TRUE(Sichtbar(memo));
    EXPECT_EQ(
        Zeilen(memo),
        (QStringList{
            // Values set directly (as a file gives them) first meet the field's limit, named by its key.
            QStringLiteral(
                "Plattendicke (Geometrie_1.TPlatteDicke = 150): Der eingegebene Wert ist kleiner als "
                "erlaubt!"),
            QStringLiteral("Die vorgegebene Betondicke ist kleiner als die minimale Betondicke für den "
                           "kleinsten Doppelschubdorn!"),
            QStringLiteral("Der Wert der Betondeckung oben ist < 2,5 cm. Bitte prüfen!"),
            QStringLiteral("Der Wert der Betondeckung unten ist < 2,5 cm. Bitte prüfen!"),
            QStringLiteral("Die Wanddicke ist kleiner als die mindest erforderliche Dicke für den kleinsten "
                           "Doppelschubdorn!"),
            QStringLiteral("Der eingegebene Dornabstand ist größer als die Fugenlänge!")}));
    EXPECT_FALSE(A().cErgebnisse.GetBerechnet());
    EXPECT_FALSE(fenster->Modell().GetCalcFlag());
    EXPECT_FALSE(Sichtbar(Kind<QWidget>("lvLastErgebnis")));
}

TEST_F(Hauptmaske, summeDerBetondeckungenUeberDerPlattendicke) {
    Eingeben(Feld::PlatteDicke, QStringLiteral("16"));
    Eingeben(Feld::BetondeckungOben, QStringLiteral("10"));
    Eingeben(Feld::BetondeckungUnten, QStringLiteral("7"));
    Klick("btnBerechnen");
    EXPECT_EQ(
        Zeilen(Kind<QPlainTextEdit>("memoHinweise")),
        QStringList{QStringLiteral(
            "Die Summe der Betondeckungen ist größer als die Dicke der anzuschließenden Betonplatte!")});
    EXPECT_FALSE(A().cErgebnisse.GetBerechnet());
}

class KonstanterAbstand : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        Klick("tbReihePlatte");
        Klick("cbkonstDornabstand");
        Eingeben(Feld::konstDornabstand, QStringLiteral("100"));
        Eingeben(Feld::PlatteDicke, QStringLiteral("18"));
    }
    const QString frage = QStringLiteral(
        "Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!\n\r\n\r"
        "Soll die Berechnung trotzdem durchgeführt werden?");
};

TEST_F(KonstanterAbstand, neinBehaeltDieEingabenUndNenntDenHinweis) {
    dialoge.antworten = {false};
    Klick("btnBerechnen");
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage), QStringList{frage});
    EXPECT_EQ(
        Zeilen(Kind<QPlainTextEdit>("memoHinweise")),
        QStringList{QStringLiteral("Der gewählte konstante Dornabstand ist größer als 5 * Plattendicke!")});
    EXPECT_FALSE(A().cErgebnisse.GetBerechnet());
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetkonstDornAbstand(), 1000);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);
}

TEST_F(KonstanterAbstand, jaBerechnet) {
    dialoge.antworten = {true};
    Klick("btnBerechnen");
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage), QStringList{frage});
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    EXPECT_EQ(dialoge.unerwartet, 0);
}

QString Zwei(double wert) {
    return QString::number(wert, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

TEST_F(Hauptmaske, berechnenFuelltDieListeInZeilenfolge) {
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    auto* liste = Kind<QTreeWidget>("lvLastErgebnis");
    ASSERT_TRUE(Sichtbar(liste));
    ASSERT_EQ(liste->topLevelItemCount(), AnzahlDorne);
    const auto& e = A().cErgebnisse;
    const std::array<int, 5> ersteOrdinale{0, 1, 11, 2, 12};
    for (int zeile = 0; zeile < AnzahlDorne; ++zeile) {
        const auto dorn = DornInZeile(zeile);
        if (zeile < 5) {
            EXPECT_EQ(Ord(dorn), ersteOrdinale[static_cast<std::size_t>(zeile)]);
        }
        const auto& r = e.cDornErgebnis[static_cast<std::size_t>(Ord(dorn))];
        const auto* item = liste->topLevelItem(zeile);
        EXPECT_EQ(item->text(0), QString::fromStdString(DornName(dorn)));
        EXPECT_EQ(item->text(1), Zwei(r.GetVRdIst() / r.GetVRds()));
        EXPECT_EQ(item->text(2), Zwei(r.GetVRdIst() / r.GetVRdct()));
        EXPECT_EQ(item->text(3), Zwei(r.GetVRdIst() / r.GetVRdce()));
        EXPECT_EQ(item->text(4), QString::number(e.GetAnzDorn(dorn)));
        EXPECT_EQ(item->text(5), QString::fromStdString(Text(TextListe::StatusKurz, r.GetStatus())));
        EXPECT_FALSE(item->icon(0).isNull());
    }
    EXPECT_EQ(liste->indexOfTopLevelItem(liste->currentItem()), ZeileVon(e.GetAktDorn()));
    EXPECT_TRUE(liste->currentItem()->isSelected());
    // Typing returns to input mode and hides the list; the results stay.
    QTest::keyClicks(F(Feld::PlatteDicke), QStringLiteral("0"));
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);
    EXPECT_FALSE(Sichtbar(liste));
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
}

TEST_F(Hauptmaske, zeilenwahlSetztDenAktuellenDorn) {
    Klick("btnBerechnen");
    auto* liste = Kind<QTreeWidget>("lvLastErgebnis");
    liste->setCurrentItem(liste->topLevelItem(2));
    EXPECT_EQ(A().cErgebnisse.GetAktDorn(), TsDorn::ZAVRQ25HF);
    EXPECT_EQ(fenster->Modell().cEingabeDornDaten.GetDorn(), TsDorn::ZAVR45HF);
}

TEST_F(Hauptmaske, listeMarkiertDenGespeichertenDorn) {
    A().cErgebnisse.SetAktDorn(TsDorn::ZAVRQ25HF);
    A().cErgebnisse.cDornErgebnis[0].SetStatus(2);
    fenster->ErgebnisUebersichtAnzeigen();
    auto* liste = Kind<QTreeWidget>("lvLastErgebnis");
    EXPECT_EQ(liste->indexOfTopLevelItem(liste->currentItem()), 2);
    EXPECT_EQ(liste->topLevelItem(0)->text(5), QStringLiteral("VEd > VRd"));
    EXPECT_EQ(liste->topLevelItem(1)->text(1), QStringLiteral("0,00"));  // never calculated: zeros
}

TEST_F(Hauptmaske, hinweis5dEinmalJeBerechnungUndTyp) {
    Klick("btnBerechnen");
    auto* liste = Kind<QTreeWidget>("lvLastErgebnis");
    A().cErgebnisse.cDornErgebnis[Ord(TsDorn::ZAVR60HF)].SetAbstandMeldung(true);
    DialogBeantworter beantworter;
    liste->setCurrentItem(liste->topLevelItem(ZeileVon(TsDorn::ZAVR60HF)));
    liste->setCurrentItem(liste->topLevelItem(0));
    liste->setCurrentItem(liste->topLevelItem(ZeileVon(TsDorn::ZAVR60HF)));
    EXPECT_EQ(beantworter.geoeffnet, QStringList{QStringLiteral("frmHinweis5d")});
    EXPECT_FALSE(A().cErgebnisse.cDornErgebnis[Ord(TsDorn::ZAVR60HF)].GetAbstandMeldung());
}

TEST_F(Hauptmaske, hinweis5dAbgeschaltet) {
    Klick("btnBerechnen");
    A().cErgebnisse.cDornErgebnis[Ord(TsDorn::ZAVR30HF)].SetAbstandMeldung(true);
    // The user unchecks "Fenster bei jeder Bemessung wieder anzeigen" and confirms.
    DialogBeantworter beantworter([](QDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("cbWiederAnzeigen"))->setChecked(false);
        for (auto* knopf : d.findChildren<QPushButton*>())
            if (knopf->text() == QStringLiteral("&OK")) knopf->click();
    });
    auto* liste = Kind<QTreeWidget>("lvLastErgebnis");
    liste->setCurrentItem(liste->topLevelItem(ZeileVon(TsDorn::ZAVR30HF)));
    EXPECT_EQ(einstellungen.LeseZahl(QStringLiteral("InfoHinweis5d"), 1), 0);
    A().cErgebnisse.cDornErgebnis[Ord(TsDorn::ZAVR45HF)].SetAbstandMeldung(true);
    liste->setCurrentItem(liste->topLevelItem(ZeileVon(TsDorn::ZAVR45HF)));
    EXPECT_EQ(beantworter.geoeffnet.size(), 1);
}

TEST_F(Hauptmaske, beliebigeLastOhneZweiPunkteWirdNichtBerechnet) {
    Klick("tbReihePlatte");
    Klick("tbLinienlast");
    A().cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    A().cBelastungDesign.ResetbeliebigeLast();
    A().cBelastungDesign.AddbeliebigeLast({0, 40});
    Klick("btnBerechnen");
    EXPECT_EQ(Zeilen(Kind<QPlainTextEdit>("memoHinweise")),
              QStringList{QStringLiteral("Die beliebige Belastung hat weniger als zwei Lastpunkte. Bitte die "
                                         "Belastung vollständig eingeben!")});
    EXPECT_FALSE(A().cErgebnisse.GetBerechnet());
}

TEST_F(Hauptmaske, vorschauBerechnetUndZeigtDieSeiten) {
    Klick("btnVorschau");
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anVorschau);
    EXPECT_TRUE(Sichtbar(Kind<QWidget>("bereichVorschau")));
    EXPECT_FALSE(Sichtbar(Kind<QWidget>("memoHinweise")));
}

TEST_F(Hauptmaske, statusleisteZeigtVersionUndHinweise) {
    EXPECT_EQ(Kind<QLabel>("pnlVersion")->text(), QStringLiteral("ZAVR - 3.1.2"));
    QStatusTipEvent hinweis(QStringLiteral("Eingabe der Bemessungswerte"));
    QApplication::sendEvent(fenster.get(), &hinweis);
    EXPECT_EQ(fenster->statusBar()->currentMessage(), QStringLiteral("  Eingabe der Bemessungswerte"));
}

TEST_F(Hauptmaske, ansichtenSchaltenBefehleUndBereiche) {
    Klick("btnBerechnen");
    ASSERT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    EXPECT_TRUE(Kind<QAction>("actDxfBewehrung")->isEnabled());
    EXPECT_FALSE(Kind<QAction>("actSystemeingaben")->isEnabled());
    EXPECT_FALSE(Kind<QAction>("actExportDatei")->isEnabled());
    fenster->AnsichtEingabeEinstellen(TsAnsicht::anVorschau);
    EXPECT_TRUE(Kind<QAction>("actSystemeingaben")->isEnabled());
    EXPECT_TRUE(Sichtbar(Kind<QWidget>("btnRueckkehr")));
    EXPECT_FALSE(Sichtbar(Kind<QWidget>("btnBerechnen")));
    EXPECT_FALSE(Sichtbar(Kind<QWidget>("lvLastErgebnis")));
    // Back from the pages to the overview: the results stay in view.
    Klick("btnRueckkehr");
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anUebersicht);
    EXPECT_TRUE(Sichtbar(Kind<QWidget>("lvLastErgebnis")));
    fenster->AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    EXPECT_FALSE(Kind<QAction>("actDxfBewehrung")->isEnabled());
    EXPECT_FALSE(Kind<QAction>("actDrucken")->isEnabled());
    EXPECT_EQ(fenster->Modell().GetSkizzeAnzeige(), TsSkizzeTyp::stEingabe);
}

TEST_F(Hauptmaske, befehlszeileMitFehlenderDatei) {
    fenster->Befehlszeile({ordner.filePath(QStringLiteral("fehlt.ZAV")).toStdString()});
    EXPECT_EQ(Hinweise(), QStringList{QStringLiteral("Kann angegebene Datei nicht öffnen!")});
}

TEST_F(Hauptmaske, befehlszeileMitAndererEndungBerechnet) {
    QFile datei(ordner.filePath(QStringLiteral("My Projects.zav")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    fenster->Befehlszeile({ordner.filePath(QStringLiteral("My")).toStdString(), "Projects.zav"});
    EXPECT_TRUE(Hinweise().isEmpty());
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
}

TEST_F(Hauptmaske, befehlszeileOeffnetEinProjekt) {
    TKModell projekt(umgebung);
    projekt.cProjektdaten.SetBauvorhaben("Brücke Nord");
    projekt.cAnwendung.at(0).cGeometrie.SetPlatteDicke(280);
    const QString pfad = ordner.filePath(QStringLiteral("brücke.ZAV"));
    ASSERT_TRUE(SaveToFile(projekt, pfad.toStdString()));
    fenster->Befehlszeile({pfad.toStdString()});
    EXPECT_EQ(Kind<QLineEdit>("EditBauvorhaben")->text(), QStringLiteral("Brücke Nord"));
    EXPECT_EQ(F(Feld::PlatteDicke)->text(), QStringLiteral("28"));
    EXPECT_DOUBLE_EQ(A().cGeometrie.GetPlatteDicke(), 280);
    EXPECT_EQ(fenster->Ansicht(), TsAnsicht::anEingabe);
}

}  // namespace

// The whole project as one PDF from the Datei menu: a position without results is designed on the way,
// and the cover page comes first, numbered with the rest.
TEST_F(Hauptmaske, projektAlsPdfMitDeckblatt) {
    const QString pdf = ordner.filePath(QStringLiteral("projekt.pdf"));
    dialoge.dateien = {Dialogdienst::Dateiwahl{ordner.filePath(QStringLiteral("projekt")), 0}};
    ASSERT_FALSE(A().cErgebnisse.GetBerechnet());
    fenster->Ausfuehren(Befehl::ProjektAlsPdf);
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Projektübersicht"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Seite:1von")));
    EXPECT_TRUE(text.contains(QStringLiteral("PositionenimProjekt:1")));
    EXPECT_EQ(dialoge.unerwartet, 0);
}
