#include "sitzung/Verlauf.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <functional>

#include "Dateiinhalt.h"
#include "Sitzungszugang.h"
#include "model/Bedarfsliste.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "sitzung/Bewehrungsauswahl.h"
#include "sitzung/Projektsitzung.h"

namespace fs = std::filesystem;

namespace {

// What the user sees of a project: its positions (the current one as its working copy), header and bill.
struct Bild {
    std::vector<TKAnwendung> positionen;
    TKProjektdaten daten;
    TKStueckliste liste;
    bool operator==(const Bild&) const = default;
};

Bild Foto(const Projektsitzung& s) {
    Bild bild{{}, s.Modell().cProjektdaten, s.Modell().cStueckliste};
    for (int n = 1; n <= s.Modell().GetAnzAnwendung(); ++n) bild.positionen.push_back(s.Position(n));
    return bild;
}

// A saved project of two rows: "Achse A" designed and in the bill, "Achse B" current and not designed.
class Verlaufstest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_verlauf_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
        Reihe("Achse A", 60);
        ASSERT_TRUE(s.Berechnen().bemessen);
        ASSERT_EQ(s.BedarfslisteAufnehmen("1"), Aufnahme::Angehaengt);
        ASSERT_TRUE(s.PositionHinzufuegen());
        Reihe("Achse B", 80);
        A().cErgebnisse.SetBerechnet(false);  // the copy's results are those of "Achse A"
        ASSERT_TRUE(s.SpeichernUnter(Pfad("projekt.ZAV")));
        ASSERT_TRUE(s.Oeffnen(Pfad("projekt.ZAV")));
        s.PositionZeigen();
        ASSERT_FALSE(s.Geaendert());
        ASSERT_FALSE(s.KannRueckgaengig());
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }
    TKAnwendung& A() { return Sitzungszugang::Arbeitskopie(s); }
    void Reihe(const std::string& name, double last) {
        A().SetPosition(name);
        A().cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfLinienlast);
        A().cBelastungDesign.SetLinienLastLinks(last);
        A().cBelastungDesign.SetLinienLastRechts(last / 2);
    }

    fs::path ordner;
    StandardUmgebung u;
    Projektsitzung s{u};
};

struct Aenderung {
    const char* schritt;
    std::function<void(Projektsitzung&, StandardUmgebung&, const std::string& ordner)> machen;
    bool aendertDatei = true;
};

const std::vector<Aenderung>& Aenderungen() {
    using S = Projektsitzung;
    using U = StandardUmgebung;
    using O = const std::string&;
    static const std::vector<Aenderung> aenderungen{
        {"Plattendicke", [](S& s, U&, O) { s.FeldSetzen(Feld::PlatteDicke, "30"); }},
        {"Fugenlänge", [](S& s, U&, O) { s.FeldwertSetzen(Feld::Fugenlaenge, 4.5); }},
        {"Anwendungsfall", [](S& s, U&, O) { s.AnwendungsfallSetzen(TsAnwendungsfall::afEinzel); }},
        {"Belastungsfall", [](S& s, U&, O) { s.LastfallSetzen(TsBelastungsfall::bfKonstanteLast); }},
        {"max. Fugenbreite", [](S& s, U&, O) { s.FugenbreiteSetzen(TsFugenbreite::fb50bis60); }},
        {"Betongüte", [](S& s, U&, O) { s.BetongueteSetzen(3); }},
        {"Feuerwiderstandsdauer", [](S& s, U&, O) { s.FeuerwiderstandSetzen(TsFeuerwiderstand::F0); }},
        {"Ermittlung der Bewehrung",
         [](S& s, U&, O) { s.BewehrungCalcSetzen(TsBewehrungCalc::bcZulassung); }},
        {"Dornabstand berechnen", [](S& s, U&, O) { s.DornPaarAbstandBerechnen(true); }},
        {"konstanter Dornabstand", [](S& s, U&, O) { s.KonstanterDornabstand(true); }},
        {"Maximaler Dornabstand",
         [](S& s, U&, O) { s.MaxDornabstandSetzen(TsMaxDornabstand::da5dmin_redda); }},
        {"Positionsname", [](S& s, U&, O) { s.PositionBenennen("Achse Z"); }},
        {"Bauvorhaben", [](S& s, U&, O) { s.ProjektBenennen("Halle 9"); }},
        {"Bemessungswerte",
         [](S& s, U&, O) {
             TKLast last = s.BemessungswerteVorschlag(Lastwert::Links);
             last.SetGk(30);
             s.BemessungswerteSetzen(Lastwert::Links, last);
         }},
        {"beliebige Last",
         [](S& s, U&, O) {
             s.BearbeitungBeginnen();
             s.LastfallSetzen(TsBelastungsfall::bfbeliebigeLast);
             s.BeliebigeLastSetzen({{0, 10}, {500, 90}, {2000, 20}});
             s.BearbeitungAbschliessen("beliebige Last");
         }},
        {"Projektdaten",
         [](S& s, U&, O) {
             TKProjektdaten daten = s.Modell().cProjektdaten;
             daten.SetBearbeiter("Dipl.-Ing. M. Muster");
             s.ProjektdatenSetzen(daten);
         }},
        {"Berechnung", [](S& s, U&, O) { s.Berechnen(); }},
        {"Berechnung", [](S& s, U&, O) { s.AlleBemessen(); }},
        {"Dornauswahl",
         [](S& s, U&, O) {
             s.PositionWaehlen(1);
             s.DornWaehlen(TsDorn::ZAVR450);
         }},
        {"Bewehrung",
         [](S& s, U&, O) {
             s.PositionWaehlen(1);
             Bewehrungsauswahl auswahl(s);
             auswahl.Beginnen();
             Bewehrungsauswahl::Staebe d = auswahl.Durchmesser();
             d.B1 += 2;
             auswahl.DurchmesserAendern(d, TsPosTyp::ptB);
             auswahl.Uebernehmen();
             auswahl.Abschliessen();
         }},
        {"Bedarfsliste",
         [](S& s, U& u, O) {
             s.PositionWaehlen(1);
             u.antworten = {Antwort::Nein};  // not instead of its entry: a second one
             s.BedarfslisteAufnehmen("1");
         }},
        {"Bedarfsliste", [](S& s, U&, O) { s.BedarfslisteSetzen(TKStueckliste()); }},
        {"Position hinzufügen", [](S& s, U&, O) { s.PositionHinzufuegen(); }},
        {"Position löschen", [](S& s, U&, O) { s.PositionLoeschen(); }},
        {"Position löschen",
         [](S& s, U&, O) {
             s.PositionWaehlen(1);  // designed and in the bill
             s.PositionLoeschen();
         }},
        {"Position übernehmen", [](S& s, U&, O o) { s.PositionUebernehmen(o + "/projekt.ZAV", 0); }},
        {"Berechnung",
         [](S& s, U&, O) {
             s.PositionWaehlen(1);
             s.BerechnungVerwerfen();
         }},
        {"Skizze", [](S& s, U&, O) { s.SkizzeWaehlen(TsSkizzeTyp::stSchnitt); }, false},
    };
    return aenderungen;
}

class JedeAenderung : public Verlaufstest, public ::testing::WithParamInterface<std::size_t> {};

// Every kind of change is one step: undo brings back what the user saw before, redo what the change made,
// and whether the project differs from its file follows.
TEST_P(JedeAenderung, rueckgaengigUndWiederherstellen) {
    const Aenderung& aenderung = Aenderungen().at(GetParam());
    SCOPED_TRACE(aenderung.schritt);
    const Bild vorher = Foto(s);
    aenderung.machen(s, u, ordner.string());
    const Bild nachher = Foto(s);
    ASSERT_FALSE(nachher == vorher);
    EXPECT_EQ(s.NameRueckgaengig(), aenderung.schritt);
    EXPECT_EQ(s.Geaendert(), aenderung.aendertDatei);

    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_TRUE(Foto(s) == vorher);
    EXPECT_FALSE(s.Geaendert());
    EXPECT_FALSE(s.KannRueckgaengig());
    EXPECT_EQ(s.NameWiederherstellen(), aenderung.schritt);

    ASSERT_TRUE(s.Wiederherstellen());
    EXPECT_TRUE(Foto(s) == nachher);
    EXPECT_EQ(s.Geaendert(), aenderung.aendertDatei);
    EXPECT_FALSE(s.KannWiederherstellen());
}

INSTANTIATE_TEST_SUITE_P(Arten, JedeAenderung, ::testing::Range<std::size_t>(0, Aenderungen().size()));

// Undo goes back across a change of the current position and shows the position it concerns.
TEST_F(Verlaufstest, ueberPositionswechselHinweg) {
    ASSERT_TRUE(s.PositionWaehlen(1));
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "30"));
    ASSERT_TRUE(s.PositionWaehlen(2));
    ASSERT_TRUE(s.FeldSetzen(Feld::BetondeckungOben, "4"));
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cGeometrie.GetBetondeckungOben(), 30);
    ASSERT_TRUE(s.PositionWaehlen(2));
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_EQ(s.Modell().GetAktAnwendung(), 1);
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cGeometrie.GetPlatteDicke(), 240);
    EXPECT_DOUBLE_EQ(s.Position(2).cGeometrie.GetBetondeckungOben(), 30);
    EXPECT_EQ(s.NameWiederherstellen(), "Plattendicke");
    ASSERT_TRUE(s.Wiederherstellen());
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cGeometrie.GetPlatteDicke(), 300);
}

// Deleting a designed position and undoing it brings it back at its place, with its results and its entry.
TEST_F(Verlaufstest, geloeschtePositionKommtMitErgebnissenZurueck) {
    ASSERT_TRUE(s.PositionWaehlen(1));
    const TKAnwendung vorher = s.Arbeitskopie();
    u.fragen.clear();
    ASSERT_TRUE(s.PositionLoeschen());
    EXPECT_EQ(u.fragen,
              (std::vector<std::string>{
                  "Soll die Position 1 \"Achse A\" gelöscht werden?",
                  "Die Position 1 steht in der Bedarfsliste. Soll ihr Eintrag ebenfalls entfernt werden?"}));
    EXPECT_EQ(s.Modell().GetAnzAnwendung(), 1);
    EXPECT_EQ(s.Modell().cStueckliste.GetCountEintraege(), 0);
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_EQ(s.Modell().GetAnzAnwendung(), 2);
    EXPECT_EQ(s.Modell().GetAktAnwendung(), 1);
    EXPECT_TRUE(s.Arbeitskopie() == vorher);
    EXPECT_TRUE(s.Arbeitskopie().cErgebnisse.GetBerechnet());
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anUebersicht);
    EXPECT_EQ(s.Position(2).GetPosition(), "Achse B");
    EXPECT_EQ(s.Modell().cStueckliste.GetCountEintraege(), 1);
}

TEST_F(Verlaufstest, loeschenNurNachBestaetigung) {
    u.antworten = {Antwort::Nein};
    EXPECT_FALSE(s.PositionLoeschen());
    EXPECT_EQ(s.Modell().GetAnzAnwendung(), 2);
    EXPECT_FALSE(s.KannRueckgaengig());
    EXPECT_FALSE(s.Geaendert());
}

TEST_F(Verlaufstest, neueAenderungVerwirftDasWiederherstellen) {
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "30"));
    ASSERT_TRUE(s.Rueckgaengig());
    ASSERT_TRUE(s.FeldSetzen(Feld::BetondeckungOben, "4"));
    EXPECT_FALSE(s.KannWiederherstellen());
    EXPECT_EQ(s.NameRueckgaengig(), "Betondeckung oben");
}

// Typed letter by letter, a project name is one step; so is clicking through the sketches, which the
// project file does not hold.
TEST_F(Verlaufstest, tippenUndSkizzenSindEinSchritt) {
    for (const char* name : {"H", "Ha", "Hal", "Hall", "Halle"}) s.ProjektBenennen(name);
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "30"));
    for (auto typ : {TsSkizzeTyp::stSchnitt, TsSkizzeTyp::stDraufsicht, TsSkizzeTyp::stDornReihe})
        s.SkizzeWaehlen(typ);
    ASSERT_TRUE(s.Rueckgaengig());  // the sketches
    EXPECT_EQ(s.NameRueckgaengig(), "Plattendicke");
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_EQ(s.NameRueckgaengig(), "Bauvorhaben");
    EXPECT_EQ(s.Modell().cProjektdaten.GetBauvorhaben(), "Halle");
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_EQ(s.Modell().cProjektdaten.GetBauvorhaben(), "");
    EXPECT_FALSE(s.KannRueckgaengig());
}

// Saving keeps the history; undoing back to the saved state means unchanged; opening starts afresh.
TEST_F(Verlaufstest, geaendertUeberSpeichernRueckgaengigUndOeffnen) {
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "30"));
    EXPECT_TRUE(s.Geaendert());
    ASSERT_TRUE(s.Speichern());
    EXPECT_FALSE(s.Geaendert());
    EXPECT_TRUE(s.KannRueckgaengig());
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_TRUE(s.Geaendert());
    ASSERT_TRUE(s.Wiederherstellen());
    EXPECT_FALSE(s.Geaendert());
    ASSERT_TRUE(s.Rueckgaengig());
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "28"));  // the saved state can no longer be reached
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_TRUE(s.Geaendert());

    u.fragen.clear();
    ASSERT_TRUE(s.Oeffnen(Pfad("projekt.ZAV")));
    EXPECT_FALSE(s.Geaendert());
    EXPECT_FALSE(s.KannRueckgaengig());
    EXPECT_TRUE(s.Speicherfrage([] { return std::nullopt; }));
    EXPECT_TRUE(u.fragen.empty());  // nothing to save, nothing asked

    s.Neu();
    EXPECT_FALSE(s.Geaendert());
    EXPECT_FALSE(s.KannRueckgaengig());
}

TEST_F(Verlaufstest, verlaufHaeltDieLetztenSchritte) {
    for (std::size_t i = 0; i < Verlauf::MaxSchritte + 5; ++i)
        ASSERT_TRUE(s.FeldwertSetzen(Feld::PlatteDicke, 20 + static_cast<double>(i)));
    std::size_t schritte = 0;
    while (s.Rueckgaengig()) ++schritte;
    EXPECT_EQ(schritte, Verlauf::MaxSchritte);
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cGeometrie.GetPlatteDicke(), 240);  // the fifth value, 24 cm
    EXPECT_TRUE(s.Geaendert());  // the saved state went with the oldest steps
}

// While a dialog changes the working copy, undo waits; Verwerfen brings back the state it began with.
TEST_F(Verlaufstest, offeneBearbeitung) {
    ASSERT_TRUE(s.FeldSetzen(Feld::PlatteDicke, "30"));
    const TKAnwendung vorher = s.Arbeitskopie();
    s.BearbeitungBeginnen();
    s.BeliebigeLastSetzen({{0, 1}, {2000, 1}});
    EXPECT_FALSE(s.Rueckgaengig());
    s.BearbeitungVerwerfen();
    EXPECT_TRUE(s.Arbeitskopie() == vorher);
    EXPECT_EQ(s.NameRueckgaengig(), "Plattendicke");
}

// Deleting the second of three positions: its entry goes or keeps no position, the third's entry follows it
// to number 2, and only the same position is taken for "schon vorhanden".
TEST_F(Verlaufstest, bedarfslisteFolgtDenPositionen) {
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_EQ(s.BedarfslisteAufnehmen("2"), Aufnahme::Angehaengt);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Reihe("Achse C", 40);
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_EQ(s.BedarfslisteAufnehmen("3"), Aufnahme::Angehaengt);
    const std::string frage =
        "Die aktuelle Position ist schon in der Bedarfsliste vorhanden\n\nSoll diese überschrieben werden?";

    for (const bool eintragEntfernen : {true, false}) {
        SCOPED_TRACE(eintragEntfernen);
        ASSERT_TRUE(s.PositionWaehlen(2));
        u.antworten = {Antwort::Ja, eintragEntfernen ? Antwort::Ja : Antwort::Nein};
        ASSERT_TRUE(s.PositionLoeschen());
        const TKStueckliste& liste = s.Modell().cStueckliste;
        ASSERT_EQ(liste.GetCountEintraege(), eintragEntfernen ? 2 : 3);
        const TKStueckliste::Eintrag letzter = liste.GetEintrag(liste.GetCountEintraege());
        EXPECT_EQ(letzter[Bedarfszeile::Position], "Achse C");
        EXPECT_EQ(letzter[Bedarfszeile::LfdNr], "2");
        if (!eintragEntfernen) {
            EXPECT_EQ(liste.GetEintrag(2)[Bedarfszeile::Position], "Achse B");
            EXPECT_EQ(liste.GetEintrag(2)[Bedarfszeile::LfdNr], "");
        }
        // "Achse C" is now position 2: adding it finds its own entry only.
        u.fragen.clear();
        u.antworten = {Antwort::Ja};
        EXPECT_EQ(s.BedarfslisteAufnehmen("2"), Aufnahme::Ersetzt);
        EXPECT_EQ(u.fragen, std::vector<std::string>{frage});
        EXPECT_EQ(s.Modell().cStueckliste.GetCountEintraege(), eintragEntfernen ? 2 : 3);
        EXPECT_EQ(s.NameRueckgaengig(), "Position löschen");  // the same entry again changes nothing

        // The file keeps its format: the entry carries the number text of its position.
        ASSERT_TRUE(s.SpeichernUnter(Pfad("renummeriert.ZAV")));
        EXPECT_NE(DateiInhalt(Pfad("renummeriert.ZAV"))
                      .find("TStuecklistelfdNr" + std::to_string(liste.GetCountEintraege()) + "=2\r\n"),
                  std::string::npos);

        ASSERT_TRUE(s.Rueckgaengig());
        ASSERT_EQ(s.Modell().cStueckliste.GetCountEintraege(), 3);
        EXPECT_EQ(s.Modell().cStueckliste.GetEintrag(3)[Bedarfszeile::LfdNr], "3");
        EXPECT_EQ(s.Position(2).GetPosition(), "Achse B");
    }
}

}  // namespace
