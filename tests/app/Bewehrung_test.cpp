#include <QDialog>
#include <QLabel>
#include <QSpinBox>

#include "app/HauptmaskeTest.h"
#include "app/TBST500.h"
#include "app/TfrmBewehrung.h"
#include "model/Katalog.h"
#include "output/Berechnungsnachweis.h"
#include "output/Nachweisausgabe.h"

namespace {

struct Schritte {
    const char* liste;
    int start;
    int richtung;
    std::vector<int> folge;
};

class TBST500Schritte : public ::testing::TestWithParam<Schritte> {};

TEST_P(TBST500Schritte, gehtVonListenwertZuListenwert) {
    TBST500 auswahl;
    auswahl.SetStabListe(QString::fromLatin1(GetParam().liste));
    auswahl.setValue(GetParam().start);
    std::vector<int> folge;
    for (std::size_t i = 0; i < GetParam().folge.size(); ++i) {
        auswahl.stepBy(GetParam().richtung);
        folge.push_back(auswahl.value());
    }
    EXPECT_EQ(folge, GetParam().folge);
}

INSTANTIATE_TEST_SUITE_P(Listen, TBST500Schritte,
                         ::testing::Values(Schritte{"6;8;10;12;14;16;20", 8, 1, {10, 12, 14, 16, 20, 20}},
                                           Schritte{"6;8;10;12;14;16;20;", 20, -1, {16, 14, 12, 10, 8, 6, 6}},
                                           Schritte{"6;8;10;12;14;16", 16, 1, {16}},
                                           Schritte{"  ", 20, 1, {25, 28, 28}},
                                           Schritte{"6;8;10;12;14;16;20;25", 7, -1, {6}}));

// The dialog on the most economical type of the default position after a design run.
class Bewehrung : public Hauptmaske {
protected:
    void SetUp() override {
        Hauptmaske::SetUp();
        Klick("btnBerechnen");
        ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
        A().SetMaxDornabstand(TsMaxDornabstand::daOhne);
    }
    void TearDown() override {
        if (dialog && dialog->isVisible()) dialog->reject();
    }
    void Oeffnen() {
        dialog = std::make_unique<TfrmBewehrung>(
            fenster->Sitzung(), umgebung, farbe, [this] { ++aktualisiert; }, [](const QString&) {});
        dialog->show();
    }
    template <typename T>
    T* Teil(const char* name) const {
        auto* kind = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    TsDorn Akt() const { return A().cErgebnisse.GetAktDorn(); }
    TKDornDaten& Daten() const { return A().cErgebnisse.cDornDaten[Ord(Akt())]; }
    TKDornErgebnis& Ergebnis() const { return A().cErgebnisse.cDornErgebnis[Ord(Akt())]; }

    TKFarbe farbe;
    std::unique_ptr<TfrmBewehrung> dialog;
    int aktualisiert = 0;
};

TEST_F(Bewehrung, oeffnetMitDemDornUndDerAbstandsregelDesFensters) {
    Oeffnen();
    EXPECT_EQ(Teil<QLabel>("lblAktDorn")->text(),
              QStringLiteral("Bewehrung zum aktuellen Dorn: ") + QString::fromStdString(DornName(Akt())));
    EXPECT_EQ(Teil<QSpinBox>("udPosAAnzahl")->value(), Daten().GetAnzPosA());
    EXPECT_EQ(Teil<QSpinBox>("udPosDDurchmesser")->value(), Daten().GetPosDd());
    EXPECT_FALSE(Teil<QSpinBox>("udPosB1Anzahl")->isEnabled());
    EXPECT_FALSE(Teil<QSpinBox>("udPosCDurchmesser")->isEnabled());
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redF);
    EXPECT_EQ(aktualisiert, 0);
    EXPECT_FALSE(Teil<QLabel>("imgDornKlein")->pixmap().isNull());
    EXPECT_FALSE(Teil<QLabel>("imgBewehrungAnzeige")->pixmap().isNull());
}

TEST_F(Bewehrung, duenneDeckeBietetDurchmesserBis16) {
    Eingeben(Feld::PlatteDicke, QStringLiteral("25"));
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    Oeffnen();
    auto* d = Teil<TBST500>("udPosDDurchmesser");
    EXPECT_EQ(d->GetStabListe(), QStringLiteral("6;8;10;12;14;16;"));
    d->setValue(14);
    d->stepBy(1);
    d->stepBy(1);
    EXPECT_EQ(d->value(), 16);
    EXPECT_EQ(Daten().GetPosDd(), 16);
}

// A count the layout takes is laid out and the type recalculated; the overview follows.
TEST_F(Bewehrung, aenderungRechnetNeuUndAbbrechenStelltAllesWiederHer) {
    const TKDornDaten vorher = Daten();
    const double asxVorher = Ergebnis().GetAsx();
    Oeffnen();
    Teil<QSpinBox>("udPosAAnzahl")->stepBy(1);
    EXPECT_EQ(Daten().GetAnzPosA(), vorher.GetAnzPosA() + 2);
    EXPECT_NE(Daten().GetDistPosA(), vorher.GetDistPosA());
    EXPECT_GT(aktualisiert, 0);
    Teil<TBST500>("udPosB2Durchmesser")->stepBy(1);
    Teil<TBST500>("udPosDDurchmesser")->stepBy(-1);
    ASSERT_NE(Daten().GetPosDd(), vorher.GetPosDd());
    Teil<QAbstractButton>("CancelBtn")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    const TKDornDaten& d = Daten();
    EXPECT_EQ(std::tuple(d.GetAnzPosA(), d.GetAnzPosB1(), d.GetAnzPosB2(), d.GetAnzPosC(), d.GetAnzPosD()),
              std::tuple(vorher.GetAnzPosA(), vorher.GetAnzPosB1(), vorher.GetAnzPosB2(), vorher.GetAnzPosC(),
                         vorher.GetAnzPosD()));
    EXPECT_EQ(std::tuple(d.GetPosAd(), d.GetPosB1d(), d.GetPosB2d(), d.GetPosCd(), d.GetPosDd()),
              std::tuple(vorher.GetPosAd(), vorher.GetPosB1d(), vorher.GetPosB2d(), vorher.GetPosCd(),
                         vorher.GetPosDd()));
    EXPECT_EQ(d.GetDistPosA(), vorher.GetDistPosA());
    EXPECT_EQ(d.GetDistPosB2(), vorher.GetDistPosB2());
    EXPECT_EQ(Ergebnis().GetAsx(), asxVorher);
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::daOhne);
}

TEST_F(Bewehrung, standardknopfMeldetZuKleineAbstaende) {
    Oeffnen();
    Ergebnis().SetAbstandLinks(100);
    Ergebnis().SetAbstandRechts(120);
    Daten().SetBereichPosA(240);
    Daten().SetPosDd(6);
    Teil<QAbstractButton>("btnStandard")->click();
    EXPECT_EQ(
        Hinweise(),
        QStringList{QStringLiteral("Bewehrung nach Zulassung nicht möglich, da Randabstand zu klein!")});
    EXPECT_EQ(Daten().GetPosDd(), 6);
    Ergebnis().SetAbstandLinks(1000);
    Ergebnis().SetAbstandRechts(1000);
    Ergebnis().Setby(StandardBereichPosA(Akt()));
    Teil<QAbstractButton>("btnStandard")->click();
    EXPECT_EQ(Hinweise().back(),
              QStringLiteral("Bewehrung nach Zulassung nicht möglich, da Dornabstand zu klein!"));
    EXPECT_EQ(Daten().GetPosDd(), 6);
    Ergebnis().Setby(StandardBereichPosA(Akt()) + 1);
    Teil<QAbstractButton>("btnStandard")->click();
    EXPECT_EQ(Hinweise().size(), 2);
    EXPECT_NE(Daten().GetPosDd(), 6);
    EXPECT_EQ(Teil<QSpinBox>("udPosDDurchmesser")->value(), Daten().GetPosDd());
}

const QString Zulassungsfrage = QStringLiteral(
    "Die Zulassung fordert das der Durchmesser der Längsbewehrung (Asy) mindestens so groß sein muß wie der "
    "Durchmesser der Steckbügel (Asx1)\n\nMöchten Sie die manuell ausgewählte Bewehrung nochmals ändern?");
const QString Dickenfrage = QStringLiteral(
    "Die Betondicke ist für die manuell ausgewählte Bewehrung zu klein. Soll die Bewehrung so übernommen "
    "werden?");

TEST_F(Bewehrung, okFragtNachDerZulassungUndBleibtBeiJaOffen) {
    Oeffnen();
    Daten().SetAnzPosB2(0);
    Daten().SetPosB1d(10);
    Daten().SetPosDd(12);
    dialoge.antworten = {true, false};
    Teil<QAbstractButton>("OKBtn")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redF);
    Teil<QAbstractButton>("OKBtn")->click();
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage).first(), Zulassungsfrage);
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage).size(), 2);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::daOhne);
    EXPECT_EQ(dialoge.unerwartet, 0);
}

TEST_F(Bewehrung, okFragtBeiZuDuennerDeckeUndBleibtBeiNeinOffen) {
    Oeffnen();
    Daten().SetPosDd(28);
    Daten().SetPosB1d(28);
    Daten().SetPosB2d(28);
    dialoge.antworten = {false};
    Teil<QAbstractButton>("OKBtn")->click();
    EXPECT_EQ(dialoge.Texte(DialogSkript::Art::Frage), QStringList{Dickenfrage});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(A().GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redF);
}

// The proof of the type after OK lists the reinforcement chosen by hand.
TEST_F(Bewehrung, nachOkZeigtDerNachweisDieGeaenderteBewehrung) {
    Oeffnen();
    auto* anzahl = Teil<QSpinBox>("udPosAAnzahl");
    anzahl->stepBy(1);
    Teil<QAbstractButton>("OKBtn")->click();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    const QString zeile = QStringLiteral("%1Ø%2").arg(Daten().GetAnzPosA()).arg(Daten().GetPosAd());
    ASSERT_EQ(Daten().GetAnzPosA(), anzahl->value());
    TKFarbe farbe;
    const QString pdf = ordner.filePath(QStringLiteral("nachweis.pdf"));
    ASSERT_EQ(NachweisSpeichern(pdf, Ausgabeformat::Pdf, Berechnungsnachweis(fenster->Modell(), A(), farbe)),
              QString());
    EXPECT_TRUE(PdfText(pdf).contains(zeile)) << zeile.toStdString();
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("Bewehrungmanuellgewählt")));

    // The mark is stored with the project: its proof says so after opening it again.
    const std::string datei = ordner.filePath(QStringLiteral("hand.ZAV")).toStdString();
    ASSERT_TRUE(fenster->Sitzung().SpeichernUnter(datei));
    StandardUmgebung u;
    Projektsitzung wieder(u);
    ASSERT_TRUE(wieder.Oeffnen(datei));
    const QString gelesen = ordner.filePath(QStringLiteral("gelesen.pdf"));
    ASSERT_EQ(NachweisSpeichern(gelesen, Ausgabeformat::Pdf,
                                Berechnungsnachweis(wieder.Modell(), wieder.Arbeitskopie(), farbe)),
              QString());
    EXPECT_TRUE(PdfText(gelesen).contains(QStringLiteral("Bewehrungmanuellgewählt")));
}

}  // namespace
