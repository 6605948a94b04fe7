// What a position delivers as its dowel, asked in one place, and the outputs that must never order a type
// the design rejected; the mark of a reinforcement chosen by hand.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <functional>

#include "Dateiinhalt.h"
#include "Sitzungszugang.h"
#include "model/Katalog.h"
#include "model/Texte.h"
#include "model/Umgebung.h"
#include "sitzung/Bewehrungsauswahl.h"
#include "sitzung/Projektsitzung.h"

namespace fs = std::filesystem;

namespace {

class Dornwahl_ : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_dornwahl_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

    // A row the engine designs with an admissible type.
    void Reihe(const std::string& name) {
        TKAnwendung& a = A();
        a.SetPosition(name);
        a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
        a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfLinienlast);
        a.cBelastungDesign.SetbeliebigeLast({{0, 60}, {2000, 30}});
    }
    // A single dowel under a load no type carries.
    void Ueberlastet(const std::string& name) {
        TKAnwendung& a = A();
        a.SetPosition(name);
        a.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
        a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
        a.cBelastungDesign.SetPunktLast(5000);
        a.cGeometrie.SetPlatteDicke(250);
        a.cErgebnisse.SetBerechnet(false);
    }
    // The first type of the results that failed a check.
    TsDorn ErsterUnzulaessiger() const {
        for (int d = 0; d < AnzahlDorne; ++d)
            if (s.Arbeitskopie().cErgebnisse.cDornErgebnis[d].GetStatus() != 0) return static_cast<TsDorn>(d);
        ADD_FAILURE() << "every type admissible";
        return TsDorn::ZAVR20HF;
    }

    fs::path ordner;
    StandardUmgebung u;
    Projektsitzung s{u};
    TKModell& M() { return Sitzungszugang::Modell(s); }
    TKAnwendung& A() { return Sitzungszugang::Arbeitskopie(s); }
};

}  // namespace

// Each state of the choice with its words and what the add command does with it.
TEST_F(Dornwahl_, zustandTextUndBedarfsliste) {
    struct Fall {
        const char* name;
        std::function<void()> vorbereiten;
        Wahlzustand zustand;
        Aufnahme aufnahme;
    };
    const std::vector<Fall> faelle{
        {"ohne Ergebnisse", [&] { Reihe("Achse A"); }, Wahlzustand::NichtBemessen, Aufnahme::OhneErgebnis},
        {"zulässig",
         [&] {
             Reihe("Achse A");
             ASSERT_TRUE(s.Berechnen().bemessen);
         },
         Wahlzustand::Zulaessig, Aufnahme::Angehaengt},
        {"von Hand unzulässig gewählt",
         [&] {
             Reihe("Achse A");
             ASSERT_TRUE(s.Berechnen().bemessen);
             A().cErgebnisse.SetAktDorn(ErsterUnzulaessiger());
         },
         Wahlzustand::Unzulaessig, Aufnahme::Unzulaessig},
        {"kein Typ zulässig",
         [&] {
             Ueberlastet("Stütze");
             ASSERT_TRUE(s.Berechnen().bemessen);
         },
         Wahlzustand::KeinGueltigerDorn, Aufnahme::Unzulaessig},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        s.Neu();
        fall.vorbereiten();
        const Dornwahl wahl = s.Gewaehlt(1);
        EXPECT_EQ(wahl.zustand, fall.zustand);
        EXPECT_EQ(wahl.dorn, A().cErgebnisse.GetAktDorn());
        const std::string text = s.GewaehltText(1);
        switch (fall.zustand) {
            case Wahlzustand::NichtBemessen:
                EXPECT_EQ(text, "nicht bemessen");
                break;
            case Wahlzustand::Zulaessig:
                EXPECT_EQ(text, DornName(wahl.dorn));
                break;
            case Wahlzustand::Unzulaessig:
                EXPECT_EQ(text, DornName(wahl.dorn) + " nicht zulässig (" +
                                    Text(TextListe::StatusKurz, wahl.status) + ")");
                break;
            case Wahlzustand::KeinGueltigerDorn:
                EXPECT_EQ(text, "Kein gültiger Dorn gefunden");
                EXPECT_EQ(wahl.dorn, TsDorn::ZAVR20HF);  // only what the run leaves, never a choice
                break;
        }
        EXPECT_EQ(s.Zulaessig(1, wahl.dorn), wahl.Zulaessig());
        EXPECT_EQ(s.BedarfslisteAufnehmen("1"), fall.aufnahme);
        EXPECT_EQ(M().cStueckliste.GetCountEintraege(), fall.aufnahme == Aufnahme::Angehaengt ? 1 : 0);
    }
}

// For scripts: one position without an admissible type keeps the whole bill from being written.
TEST_F(Dornwahl_, sammelaufnahmeNenntJedePositionOhneZulaessigenDorn) {
    Reihe("Achse A");
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Ueberlastet("Stütze 1");
    ASSERT_TRUE(s.PositionHinzufuegen());
    Reihe("Achse C");
    A().cGeometrie.SetPlatteDicke(10);  // fails its checks
    A().cErgebnisse.SetBerechnet(false);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Ueberlastet("Stütze 2");
    ASSERT_TRUE(s.PositionWaehlen(1));

    const std::vector<Berechnung> berechnungen = s.AlleBemessen();
    ASSERT_EQ(berechnungen.size(), 4u);
    EXPECT_FALSE(berechnungen[2].bemessen);
    EXPECT_EQ(s.Gewaehlt(4).zustand, Wahlzustand::KeinGueltigerDorn);  // designed on the way
    const Sammelaufnahme aufnahme = s.AllePositionenAufnehmen(berechnungen);
    EXPECT_FALSE(aufnahme.Aufgenommen());
    EXPECT_EQ(aufnahme.nichtBemessen, std::vector<int>{3});
    EXPECT_EQ(aufnahme.unzulaessig, (std::vector<int>{2, 4}));
    EXPECT_EQ(M().cStueckliste.GetCountEintraege(), 0);
    EXPECT_EQ(M().GetAktAnwendung(), 1);
}

// Changing the reinforcement by hand marks the type; the mark survives saving and opening, "Standard" and
// every automatic design clear it, and a project that never had it keeps its file unchanged.
TEST_F(Dornwahl_, vonHandGewaehlteBewehrungBleibtVermerkt) {
    Reihe("Achse A");
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_TRUE(s.SpeichernUnter(Pfad("ohne.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("ohne.ZAV")).find("TBewehrungManuell"), std::string::npos);

    const TsDorn dorn = A().cErgebnisse.GetAktDorn();
    auto manuell = [&](const Projektsitzung& sitzung) {
        return sitzung.Arbeitskopie().cErgebnisse.cDornErgebnis[Ord(dorn)].GetBewehrungManuell();
    };
    Bewehrungsauswahl auswahl(s);
    auswahl.Beginnen();
    ASSERT_TRUE(auswahl.AnzahlenAendern(auswahl.Anzahlen(), TsPosTyp::ptB));
    ASSERT_TRUE(auswahl.Uebernehmen());
    EXPECT_TRUE(manuell(s));
    ASSERT_TRUE(s.SpeichernUnter(Pfad("mit.ZAV")));
    const std::string datei = DateiInhalt(Pfad("mit.ZAV"));
    const std::string schluessel = "TBewehrungManuell=";
    EXPECT_EQ(datei.find(schluessel), datei.rfind(schluessel));  // the one type only

    Projektsitzung wieder(u);
    ASSERT_TRUE(wieder.Oeffnen(Pfad("mit.ZAV")));
    EXPECT_TRUE(manuell(wieder));
    ASSERT_TRUE(wieder.SpeichernUnter(Pfad("wieder.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("wieder.ZAV")), datei);

    Bewehrungsauswahl standard(wieder);
    standard.Beginnen();
    ASSERT_EQ(standard.StandardSetzen(), Bewehrungsauswahl::Standard::Gesetzt);
    EXPECT_FALSE(manuell(wieder));
    auswahl.Beginnen();
    ASSERT_TRUE(auswahl.AnzahlenAendern(auswahl.Anzahlen(), TsPosTyp::ptB));
    EXPECT_TRUE(manuell(s));
    ASSERT_TRUE(s.Berechnen().bemessen);
    EXPECT_FALSE(manuell(s));
}
