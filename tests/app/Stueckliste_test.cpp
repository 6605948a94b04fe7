// The bill of quantities from the main window: the add command and the dialog's list and preview modes.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <cstdio>

#include "HauptmaskeTest.h"
#include "app/Ergebnisseiten.h"
#include "app/TfrmStueckliste.h"
#include "model/Bedarfsliste.h"

namespace {

std::string PdfZeilen(const QString& pdf) {
    std::string text;
    if (FILE* rohr = popen(("pdftotext -layout '" + pdf.toStdString() + "' -").c_str(), "r")) {
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) text.append(puffer, n);
        pclose(rohr);
    }
    return text;
}

TKStueckliste::Eintrag Eintrag(const std::string& name, const std::string& dorne, const std::string& nummer) {
    return {name, "1", dorne, "ZAVR 30 HF", dorne, StatusAktiv, nummer, "ZAVR 30 HF-PRYL-20", "40,0", "2"};
}

class Stueckliste : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        TKStueckliste& liste = M().cStueckliste;
        liste.AddEintrag(Eintrag("Decke", "4", "1"));
        liste.AddEintrag(Eintrag("Rampe", "2", "2"));
        liste.SetBemerkung({"alt"});
    }
    TfrmStueckliste& D() { return fenster->Stueckliste(); }
    template <typename T>
    T* DKind(const char* name) {
        auto* kind = D().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    void DKlick(const char* name) { DKind<QPushButton>(name)->click(); }
    QTreeWidget* Liste() { return DKind<QTreeWidget>("lvStueckliste"); }
    const TKStueckliste& Projektliste() { return fenster->Modell().cStueckliste; }
};

}  // namespace

TEST_F(Stueckliste, aufnehmenAusDemHauptfenster) {
    M().cStueckliste = TKStueckliste();
    EXPECT_FALSE(fenster->Aktion(Befehl::BedarfslisteAufnehmen)->isEnabled());
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    Klick("btnBedarfsliste");
    ASSERT_EQ(Projektliste().GetCountEintraege(), 1);
    EXPECT_EQ(Projektliste().GetEintrag(1)[Bedarfszeile::LfdNr], "1");
    // No to the question leaves two entries; Yes (from the menu) replaces the first.
    dialoge.antworten = {false};
    Klick("btnBedarfsliste");
    EXPECT_EQ(Projektliste().GetCountEintraege(), 2);
    ASSERT_EQ(dialoge.Texte(DialogSkript::Art::Frage).size(), 1);
    EXPECT_TRUE(dialoge.Texte(DialogSkript::Art::Frage)[0].startsWith(
        "Die aktuelle Position ist schon in der Bedarfsliste vorhanden"));
    dialoge.antworten = {true};
    fenster->Aktion(Befehl::BedarfslisteAufnehmen)->trigger();
    EXPECT_EQ(Projektliste().GetCountEintraege(), 2);
}

TEST_F(Stueckliste, listeZeigtDieEintraege) {
    D().show();
    EXPECT_EQ(D().windowTitle(), "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Bedarfsliste");
    EXPECT_GE(D().minimumWidth(), 640);
    ASSERT_EQ(Liste()->topLevelItemCount(), 2);
    const QTreeWidgetItem* erste = Liste()->topLevelItem(0);
    EXPECT_EQ(erste->checkState(0), Qt::Checked);
    EXPECT_EQ(erste->text(1), "Decke");
    EXPECT_EQ(erste->text(4), "ZAVR 30 HF  +  ZAVR 30 HF-PRYL-20");
    EXPECT_EQ(DKind<QLabel>("lblAuswahl")->text(), "Position: Decke  /  ZAVR 30 HF  +  ZAVR 30 HF-PRYL-20");
    EXPECT_EQ(DKind<QSpinBox>("sEditAnzahl")->value(), 1);
    EXPECT_EQ(DKind<QPlainTextEdit>("memoBemerkung")->toPlainText(), "alt");
    for (int spalte = 6; spalte <= 10; ++spalte) EXPECT_TRUE(Liste()->isColumnHidden(spalte));
    Liste()->setCurrentItem(Liste()->topLevelItem(1));
    EXPECT_EQ(DKind<QLabel>("lblAuswahl")->text(), "Position: Rampe  /  ZAVR 30 HF ...");
    D().reject();
}

// A count typed outside 1 … 99999 is corrected to the nearest count with a notice, not cut to its digits.
TEST_F(Stueckliste, anzahlWirdMitHinweisKorrigiert) {
    D().show();
    auto* anzahl = DKind<QSpinBox>("sEditAnzahl");
    for (const auto& [eingabe, wert] :
         {std::pair{"-3", 1}, std::pair{"100000", 99999}, std::pair{"12", 12}}) {
        SCOPED_TRACE(eingabe);
        anzahl->setFocus();
        anzahl->selectAll();
        QTest::keyClicks(anzahl, QString::fromLatin1(eingabe));
        QTest::keyClick(anzahl, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(anzahl->value(), wert);
        EXPECT_EQ(Liste()->topLevelItem(0)->text(2), QString::number(wert));
    }
    EXPECT_EQ(Hinweise(),
              (QStringList{
                  "Die Anzahl -3 ist nicht möglich (1 bis 99999); sie wurde auf 1 gesetzt.",
                  "Die Anzahl 100000 ist nicht möglich (1 bis 99999); sie wurde auf 99999 gesetzt.",
              }));
    D().reject();
}

// Changes reach the project only through "Zurück" (or preview and print); any other close drops them.
TEST_F(Stueckliste, zurueckSchreibtAndereSchliessenVerwirft) {
    D().show();
    DKind<QSpinBox>("sEditAnzahl")->setValue(3);
    Liste()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    DKind<QPlainTextEdit>("memoBemerkung")->setPlainText("Zeile 1\nZeile 2");
    EXPECT_EQ(Liste()->topLevelItem(0)->text(5), "12");
    D().reject();
    EXPECT_EQ(Projektliste().GetEintrag(1)[Bedarfszeile::SumDorne], "4");
    EXPECT_EQ(Projektliste().GetBemerkung(), std::vector<std::string>{"alt"});

    D().show();
    EXPECT_EQ(Liste()->topLevelItem(0)->text(5), "4");
    DKind<QSpinBox>("sEditAnzahl")->setValue(3);
    Liste()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    DKind<QPlainTextEdit>("memoBemerkung")->setPlainText("Zeile 1\nZeile 2");
    DKlick("btnZurueck");
    EXPECT_FALSE(D().isVisible());
    const TKStueckliste::Eintrag erste = Projektliste().GetEintrag(1);
    EXPECT_EQ(erste[Bedarfszeile::AnzPos], "3");
    EXPECT_EQ(erste[Bedarfszeile::SumDorne], "12");
    EXPECT_EQ(Projektliste().GetEintrag(2)[Bedarfszeile::Status], "nicht aktiv");
    EXPECT_EQ(Projektliste().GetBemerkung(), (std::vector<std::string>{"Zeile 1", "Zeile 2"}));

    D().show();
    Liste()->setCurrentItem(Liste()->topLevelItem(0));
    DKlick("btnLoeschen");
    EXPECT_EQ(Liste()->topLevelItemCount(), 1);
    DKlick("btnZurueck");
    ASSERT_EQ(Projektliste().GetCountEintraege(), 1);
    EXPECT_EQ(Projektliste().GetEintrag(1)[0], "Rampe");
}

TEST_F(Stueckliste, vorschauUndExport) {
    D().show();
    DKind<QSpinBox>("sEditAnzahl")->setValue(2);
    DKlick("btnAusschreibung");
    EXPECT_TRUE(D().Vorschaumodus());
    EXPECT_EQ(D().windowTitle(), "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Ausschreibungstext");
    EXPECT_EQ(Projektliste().GetEintrag(1)[Bedarfszeile::SumDorne], "8");  // written back
    ASSERT_EQ(D().Vorschau().Seiten().size(), 1u);
    EXPECT_FALSE(D().Vorschau().Seiten().front().isNull());
    EXPECT_FALSE(DKind<QPushButton>("btnStueckliste")->isVisibleTo(&D()));
    EXPECT_TRUE(DKind<QPushButton>("btnExport")->isVisibleTo(&D()));

    // The text after the first dot of the name becomes the extension of the chosen type.
    dialoge.dateien = {Dialogdienst::Dateiwahl{ordner.filePath("liste.v2.png"), 3},
                       Dialogdienst::Dateiwahl{ordner.filePath("bild"), 1}};
    DKlick("btnExport");
    QFile text(ordner.filePath("liste.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains("Ausschreibungstext\r\n"));
    DKlick("btnExport");
    EXPECT_FALSE(QImage(ordner.filePath("bild.bmp")).isNull());

    // An unwritable file: the export's message.
    dialoge.dateien = {Dialogdienst::Dateiwahl{ordner.filePath("fehlt/liste.txt"), 3}};
    DKlick("btnExport");
    ASSERT_FALSE(Hinweise().isEmpty());
    EXPECT_TRUE(
        Hinweise().back().startsWith("Die Bedarfsliste konnte nicht exportiert werden - Bitte prüfen Sie "
                                     "den Schreibzugriff auf dem Datenträger"));

    DKlick("btnListe");
    EXPECT_FALSE(D().Vorschaumodus());
    EXPECT_EQ(D().windowTitle(), "QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ: Bedarfsliste");
    D().reject();
}

// The command opens the dialog in every mode.
TEST_F(Stueckliste, befehlOeffnetDenDialog) {
    fenster->AnsichtEingabeEinstellen(TsAnsicht::anEingabe);
    fenster->Ausfuehren(Befehl::BedarfslisteAnzeigen);
    EXPECT_TRUE(offeneDialoge.geoeffnet.contains("frmStueckliste"));
    EXPECT_EQ(Projektliste().GetCountEintraege(), 2);
}

// Printing gives the changes to the project first and prints the parts list until a document was chosen.
TEST_F(Stueckliste, druckenSchreibtZurueckUndDrucktDieStueckliste) {
    const QString pdf = ordner.filePath("druck.pdf");
    fenster->Drucker().setOutputFormat(QPrinter::PdfFormat);
    fenster->Drucker().setOutputFileName(pdf);
    D().show();
    Liste()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    DKlick("btnDrucken");
    EXPECT_EQ(Projektliste().GetEintrag(2)[Bedarfszeile::Status], "nicht aktiv");
    const std::string text = PdfZeilen(pdf);
    EXPECT_NE(text.find("Stückliste"), std::string::npos);
    EXPECT_NE(text.find("Decke"), std::string::npos);
    EXPECT_EQ(text.find("Rampe"), std::string::npos);
    D().reject();
}

// An empty bill: an empty list; the count and the selection text keep what they showed.
TEST_F(Stueckliste, leereListe) {
    D().show();
    Liste()->setCurrentItem(Liste()->topLevelItem(1));
    const QString auswahl = DKind<QLabel>("lblAuswahl")->text();
    D().reject();
    M().cStueckliste = TKStueckliste();
    D().show();
    EXPECT_EQ(Liste()->topLevelItemCount(), 0);
    EXPECT_EQ(DKind<QLabel>("lblAuswahl")->text(), auswahl);
    DKind<QSpinBox>("sEditAnzahl")->setValue(5);  // no row: nothing to change
    DKlick("btnStueckliste");
    EXPECT_FALSE(D().Vorschau().Seiten().front().isNull());
    EXPECT_EQ(Projektliste().GetCountEintraege(), 0);
    D().reject();
}

// A type that is not admissible is never ordered, and its reinforcement drawing is made only when asked
// for again, with the note under the title.
TEST_F(Stueckliste, unzulaessigerDornWirdNichtBestellt) {
    M().cStueckliste = TKStueckliste();
    A().SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    A().cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
    A().cBelastungDesign.SetPunktLast(5000);
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    Klick("btnBedarfsliste");
    EXPECT_EQ(Projektliste().GetCountEintraege(), 0);
    ASSERT_EQ(Hinweise().size(), 1);
    EXPECT_EQ(Hinweise()[0],
              "Die Position wird nicht in die Bedarfsliste aufgenommen: Kein gültiger Dorn gefunden.\n\n"
              "Ein Dorn, der nicht zulässig ist, wird nicht bestellt.");

    const QString datei = ordner.filePath(QStringLiteral("plan.dxf"));
    dialoge.antworten = {false};
    fenster->Ausfuehren(Befehl::DxfBewehrung);
    ASSERT_EQ(dialoge.Texte(DialogSkript::Art::Frage).size(), 1);
    EXPECT_TRUE(dialoge.Texte(DialogSkript::Art::Frage)[0].startsWith(
        "Für diese Position: Kein gültiger Dorn gefunden.\n\nSoll die Bewehrungszeichnung von ZAVR 20 HF"));
    EXPECT_TRUE(dialoge.Texte(DialogSkript::Art::Speichern).isEmpty());
    dialoge.antworten = {true};
    dialoge.dateien = {Dialogdienst::Dateiwahl{datei, 0}};
    fenster->Ausfuehren(Befehl::DxfBewehrung);
    QFile plan(datei);
    ASSERT_TRUE(plan.open(QIODevice::ReadOnly));
    EXPECT_TRUE(plan.readAll().contains("nicht zul\xE4ssig ("));
    EXPECT_EQ(dialoge.unerwartet, 0);
}
