#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QTableWidget>

#include "app/HauptmaskeTest.h"
#include "app/TfrmbeliebigeLast.h"
#include "app/Zahlenfeld.h"
#include "model/TKBelastung.h"
#include "sitzung/Projektsitzung.h"

namespace {

using Zeile = Lasttabelle::Zeile;

std::vector<std::pair<double, double>> Punkte(const TKBelastung& last) {
    std::vector<std::pair<double, double>> punkte;
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i)
        punkte.emplace_back(last.GetbeliebigeLast(i).x, last.GetbeliebigeLast(i).y);
    return punkte;
}

// The dialog on a row of dowels with the default arbitrary load (0 / 50 and 2 / 50 on a 2 m joint).
class BeliebigeLast : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        Klick("tbReihePlatte");
        dialog =
            std::make_unique<TfrmbeliebigeLast>(fenster->Sitzung(), umgebung, farbe, [](const QString&) {});
        dialog->show();
    }
    void TearDown() override {
        if (dialog->isVisible()) dialog->reject();
    }

    template <typename T>
    T* Teil(const char* name) const {
        auto* kind = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    void Paar(const QString& x, const QString& q) const {
        Teil<Zahlenfeld>("meditxKoordinate")->setText(x);
        Teil<Zahlenfeld>("meditLastwert")->setText(q);
    }
    void Knopf(const char* name) const { Teil<QAbstractButton>(name)->click(); }
    const TKBelastung& Last() const { return A().cBelastungDesign; }
    std::vector<Zeile> Tabelle() const { return dialog->Tabelle().Zeilen(); }

    TKFarbe farbe;
    std::unique_ptr<TfrmbeliebigeLast> dialog;
};

TEST_F(BeliebigeLast, oeffnetMitDenPunktenDerLastUndHaengtNeueZeilenAn) {
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{{"0", "50"}, {"2", "50"}}));
    EXPECT_EQ(Teil<QTableWidget>("sgQuerlastverlauf")->item(1, 0)->text(), QStringLiteral("2"));
    Paar(QStringLiteral("1"), QStringLiteral("80"));
    Knopf("BitBtnHinzufuegen");
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{{"0", "50"}, {"2", "50"}, {"1", "80"}}));
    EXPECT_EQ(Punkte(Last()), (std::vector<std::pair<double, double>>{{0, 50}, {1000, 80}, {2000, 50}}));
    EXPECT_DOUBLE_EQ(Last().GetGesamtLast(), 130);
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

// Rows are found by the text of x: "1" asks before it overwrites, "1,0" is another row at the same place.
TEST_F(BeliebigeLast, gleicherXTextFragtVorDemUeberschreiben) {
    Paar(QStringLiteral("1"), QStringLiteral("80"));
    Knopf("BitBtnHinzufuegen");
    dialoge.antworten = {false, true};
    Paar(QStringLiteral("1"), QStringLiteral("90"));
    Knopf("BitBtnHinzufuegen");
    EXPECT_EQ(Tabelle().back(), (Zeile{"1", "80"}));
    Knopf("BitBtnHinzufuegen");
    EXPECT_EQ(Tabelle().back(), (Zeile{"1", "90"}));
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage),
              QStringList(2, QStringLiteral("Für die eingegebene Koordinate ist schon ein Wert vorhanden!\n\n"
                                            "Soll der Wert überschrieben werden?")));
    Paar(QStringLiteral("1,0"), QStringLiteral("70"));
    Knopf("BitBtnHinzufuegen");
    EXPECT_EQ(Tabelle().size(), 4u);
    EXPECT_EQ(Last().GetAnzLastPunkte(), 4);
    EXPECT_EQ(dialoge.unerwartet, 0);
}

TEST_F(BeliebigeLast, aendernUndLoeschenBisZurLeerenZeile) {
    auto* raster = Teil<QTableWidget>("sgQuerlastverlauf");
    raster->selectRow(0);
    Paar(QStringLiteral("0,5"), QStringLiteral("20"));
    Knopf("BitBtnAendern");
    EXPECT_EQ(Punkte(Last()), (std::vector<std::pair<double, double>>{{500, 20}, {2000, 50}}));
    raster->selectRow(0);
    Knopf("BitBtnLoeschen");
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{{"2", "50"}}));
    EXPECT_EQ(Teil<Zahlenfeld>("meditxKoordinate")->text(), QStringLiteral("2"));
    Knopf("BitBtnLoeschen");
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{{"", ""}}));
    EXPECT_EQ(raster->rowCount(), 1);
    EXPECT_EQ(Last().GetAnzLastPunkte(), 0);
}

TEST_F(BeliebigeLast, abbrechenStelltDieLastGenauWiederHer) {
    A().cBelastungDesign.SetbeliebigeLast({{0, 12.5}, {700, 33.3}, {2000, 7}});
    const TKBelastung vorher = Last();
    dialog->hide();
    dialog->show();
    Paar(QStringLiteral("1,5"), QStringLiteral("99"));
    Knopf("BitBtnHinzufuegen");
    Teil<QTableWidget>("sgQuerlastverlauf")->selectRow(0);
    Knopf("BitBtnLoeschen");
    ASSERT_NE(Punkte(Last()), Punkte(vorher));
    Knopf("CancelBtn");
    EXPECT_EQ(Punkte(Last()), Punkte(vorher));
    EXPECT_DOUBLE_EQ(Last().GetGesamtLast(), vorher.GetGesamtLast());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(BeliebigeLast, xAusserhalbDerFugeWirdBeimVerlassenGemeldet) {
    auto* x = Teil<Zahlenfeld>("meditxKoordinate");
    x->setText(QStringLiteral("2,5"));
    Verlassen(x);
    EXPECT_EQ(Hinweise(), QStringList{Groesser});
    auto* q = Teil<Zahlenfeld>("meditLastwert");
    q->setText(QStringLiteral("-1"));
    Verlassen(q);
    EXPECT_EQ(Hinweise(), (QStringList{Groesser, Kleiner}));
}

// Five rows copied from a spreadsheet with decimal commas, pasted with Ctrl+V in the table: they replace
// the rows in their order, the load holds them sorted by x (the total by the trapezoidal rule).
TEST_F(BeliebigeLast, einfuegenEinerTabelleMitDezimalkommas) {
    QGuiApplication::clipboard()->setText(
        QStringLiteral("x [m]\tq [kN/m]\n0\t40,5\n0,5\t62,25\n1,5\t80\n1\t71,5\n2\t38\n"));
    auto* raster = Teil<QTableWidget>("sgQuerlastverlauf");
    raster->setFocus();
    QTest::keySequence(raster, QKeySequence::Paste);
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{
                             {"0", "40,5"}, {"0,5", "62,25"}, {"1,5", "80"}, {"1", "71,5"}, {"2", "38"}}));
    EXPECT_EQ(raster->rowCount(), 5);
    EXPECT_EQ(Punkte(Last()), (std::vector<std::pair<double, double>>{
                                  {0, 40.5}, {500, 62.25}, {1000, 71.5}, {1500, 80}, {2000, 38}}));
    // 0,5 × ((40,5 + 62,25) + (62,25 + 71,5) + (71,5 + 80) + (80 + 38)) / 2
    EXPECT_DOUBLE_EQ(Last().GetGesamtLast(), 126.5);
    EXPECT_TRUE(dialoge.aufrufe.empty());
    Knopf("OKBtn");
    EXPECT_EQ(fenster->Sitzung().NameRueckgaengig(), "beliebige Last");
}

// A CSV file with a row outside the joint: the row is named, the table and the load stay as they were.
TEST_F(BeliebigeLast, csvMitFalscherZeileWirdAbgelehnt) {
    const QString datei = ordner.filePath(QStringLiteral("last.csv"));
    QFile csv(datei);
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("x;q\n0;50\n1,2;75\n2,4;60\n");
    csv.close();
    const auto vorher = Punkte(Last());
    dialoge.dateien = {Dialogdienst::Dateiwahl{datei, 0}};
    Knopf("BitBtnImportieren");
    EXPECT_EQ(Hinweise(),
              QStringList{QStringLiteral("Zeile 4: x = 2,4 m liegt nicht in der Fuge (0 bis 2 m).\n"
                                         "Es wurde nichts übernommen.")});
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{{"0", "50"}, {"2", "50"}}));
    EXPECT_EQ(Punkte(Last()), vorher);

    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("0;50\n1,2;75\n2;60\n");
    csv.close();
    dialoge.dateien = {Dialogdienst::Dateiwahl{datei, 0}};
    Knopf("BitBtnImportieren");
    EXPECT_EQ(Tabelle(), (std::vector<Zeile>{{"0", "50"}, {"1,2", "75"}, {"2", "60"}}));
    EXPECT_EQ(Hinweise().size(), 1);
}

// The points entered in the dialog design the row exactly as the same load read back from a project file.
TEST_F(Hauptmaske, beliebigKnopfOeffnetDenDialogUndOkBerechnetWieAusDerDatei) {
    Klick("tbReihePlatte");
    DialogBeantworter beantworter([](QDialog& d) {
        if (d.objectName() != QStringLiteral("frmbeliebigeLast")) return;
        d.findChild<Zahlenfeld*>(QStringLiteral("meditxKoordinate"))->setText(QStringLiteral("0,8"));
        d.findChild<Zahlenfeld*>(QStringLiteral("meditLastwert"))->setText(QStringLiteral("140"));
        d.findChild<QAbstractButton*>(QStringLiteral("BitBtnHinzufuegen"))->click();
        d.findChild<QAbstractButton*>(QStringLiteral("OKBtn"))->click();
    });
    Klick("tbbeliebigeLast");
    ASSERT_TRUE(beantworter.geoeffnet.contains(QStringLiteral("frmbeliebigeLast")));
    EXPECT_EQ(Punkte(A().cBelastungDesign),
              (std::vector<std::pair<double, double>>{{0, 50}, {800, 140}, {2000, 50}}));
    const std::string datei = ordner.filePath(QStringLiteral("beliebig.ZAV")).toStdString();
    ASSERT_TRUE(fenster->Sitzung().SpeichernUnter(datei));
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());

    Projektsitzung gelesen(umgebung);
    ASSERT_TRUE(gelesen.Oeffnen(datei));
    gelesen.PositionZeigen();
    ASSERT_TRUE(gelesen.Berechnen().bemessen);
    const TKErgebnisse& a = A().cErgebnisse;
    const TKErgebnisse& b = gelesen.Arbeitskopie().cErgebnisse;
    EXPECT_EQ(a.GetAktDorn(), b.GetAktDorn());
    for (int i = 0; i < AnzahlDorne; ++i) {
        const TsDorn dorn = static_cast<TsDorn>(i);
        EXPECT_EQ(a.GetAnzDorn(dorn), b.GetAnzDorn(dorn)) << i;
        EXPECT_EQ(a.cDornErgebnis[i].GetStatus(), b.cDornErgebnis[i].GetStatus()) << i;
        EXPECT_EQ(a.cDornErgebnis[i].GetEtaQ(), b.cDornErgebnis[i].GetEtaQ()) << i;
        EXPECT_EQ(a.cDornErgebnis[i].GetDornAbstand(0), b.cDornErgebnis[i].GetDornAbstand(0)) << i;
    }
}

}  // namespace
