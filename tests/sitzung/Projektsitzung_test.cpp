#include "sitzung/Projektsitzung.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "Dateiinhalt.h"
#include "Sitzungszugang.h"
#include "files/ProjektDatei.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace fs = std::filesystem;

namespace {

class Sitzung : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_sitzung_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

    // Names the positions of the project in order.
    std::vector<std::string> Namen() const {
        std::vector<std::string> namen;
        for (const TKAnwendung& a : s.Modell().cAnwendung) namen.push_back(a.GetPosition());
        return namen;
    }

    fs::path ordner;
    StandardUmgebung u;
    Projektsitzung s{u};
    TKModell& M() { return Sitzungszugang::Modell(s); }
    TKAnwendung& A() { return Sitzungszugang::Arbeitskopie(s); }
};

// A row that the checks let pass and the engine can design.
void Reihe(TKAnwendung& a, const std::string& name, double last) {
    a.SetPosition(name);
    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfLinienlast);
    a.cBelastungDesign.SetbeliebigeLast({{0, last}, {2000, last / 2}});
}

}  // namespace

// The whole road of a project without a window: enter, calculate, save, open again, compare.
TEST_F(Sitzung, neuBearbeitenBerechnenSpeichernOeffnen) {
    M().cProjektdaten.SetBauvorhaben("Halle 3");
    Reihe(A(), "Achse A", 60);
    const Berechnung b = s.Berechnen();
    ASSERT_TRUE(b.bemessen);
    EXPECT_TRUE(M().GetCalcFlag());
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anUebersicht);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Reihe(A(), "Achse B", 90);
    ASSERT_TRUE(s.Berechnen().bemessen);

    EXPECT_EQ(s.Dateivorschlag(), "Halle 3.ZAV");
    ASSERT_TRUE(s.SpeichernUnter(Pfad("halle.ZAV")));
    EXPECT_EQ(s.Datei(), Pfad("halle.ZAV"));

    Projektsitzung wieder(u);
    ASSERT_TRUE(wieder.Oeffnen(Pfad("halle.ZAV")));
    EXPECT_EQ(wieder.Datei(), Pfad("halle.ZAV"));
    ASSERT_EQ(Sitzungszugang::Modell(wieder).GetAnzAnwendung(), 2);
    EXPECT_EQ(Sitzungszugang::Modell(wieder).GetAktAnwendung(), 2);
    EXPECT_EQ(Sitzungszugang::Arbeitskopie(wieder).GetPosition(), "Achse B");
    EXPECT_TRUE(Sitzungszugang::Arbeitskopie(wieder).cErgebnisse.GetBerechnet());
    // What is saved re-opens equal: saving the opened project again gives the same bytes.
    ASSERT_TRUE(wieder.SpeichernUnter(Pfad("wieder.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("wieder.ZAV")), DateiInhalt(Pfad("halle.ZAV")));
    // And the stored results are those of a new design run.
    ASSERT_TRUE(wieder.Berechnen().bemessen);
    ASSERT_TRUE(wieder.SpeichernUnter(Pfad("neu.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("neu.ZAV")), DateiInhalt(Pfad("halle.ZAV")));
}

TEST_F(Sitzung, oeffnenOhneProjektBehaeltDasOffene) {
    A().SetPosition("in Arbeit");
    std::ofstream(Pfad("fremd.ZAV")) << "irgendein Text\r\n";
    EXPECT_FALSE(s.Oeffnen(Pfad("fremd.ZAV")));
    EXPECT_EQ(A().GetPosition(), "in Arbeit");
    EXPECT_EQ(s.Datei(), "");
    const Dateiergebnis fehlt = s.Oeffnen(Pfad("fehlt.ZAV"));
    EXPECT_FALSE(fehlt);
    EXPECT_NE(fehlt.grund.find("Kann angegebene Datei nicht öffnen!"), std::string::npos);
    EXPECT_EQ(A().GetPosition(), "in Arbeit");
}

// A designed position whose stored load lies below the window's minimum: its results do not count after
// opening, the notice and the checks name the key, and it is not designed again until the value is mended.
TEST_F(Sitzung, wertAusserhalbDerGrenzenAusDerDatei) {
    Reihe(A(), "Achse A", 60);
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_TRUE(s.SpeichernUnter(Pfad("a.ZAV")));
    std::string text = DateiInhalt(Pfad("a.ZAV"));
    const std::string links = "BelastungDesign_1.TLinienLastLinks=";
    const std::size_t stelle = text.find(links) + links.size();
    text.replace(stelle, text.find("\r\n", stelle) - stelle, "-40");
    std::ofstream(Pfad("b.ZAV"), std::ios::binary) << text;

    ASSERT_TRUE(s.Oeffnen(Pfad("b.ZAV")));
    EXPECT_FALSE(A().cErgebnisse.GetBerechnet());
    const std::string hinweis =
        "Querkraft links (BelastungDesign_1.TLinienLastLinks = -40): Der eingegebene Wert ist kleiner als "
        "erlaubt!";
    ASSERT_EQ(u.meldungen.size(), 1u);
    EXPECT_NE(u.meldungen[0].find("Position 1 \"Achse A\": " + hinweis), std::string::npos) << u.meldungen[0];
    const Berechnung b = s.PositionBerechnen(1);
    EXPECT_FALSE(b.bemessen);
    ASSERT_FALSE(b.pruefung.Hinweise.empty());
    EXPECT_EQ(b.pruefung.Hinweise[0], hinweis);
    EXPECT_FALSE(s.Position(1).cErgebnisse.GetBerechnet());

    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastLinks, "30"));
    EXPECT_TRUE(s.Berechnen().bemessen);
}

TEST_F(Sitzung, speichernOhneDateiOderInFehlendenOrdnerSchlaegtFehl) {
    EXPECT_FALSE(s.Speichern());
    const Dateiergebnis e = s.SpeichernUnter(Pfad("fehlt/p.ZAV"));
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.grund.empty());
    EXPECT_EQ(s.Datei(), "");
}

// The three answers of the save question, with and without a project file.
TEST_F(Sitzung, speicherfrage) {
    struct Fall {
        Antwort antwort;
        bool mitDatei;
        std::optional<std::string> gewaehlt;  // what the save dialog returns
        bool weiter;
        bool gespeichert;
    };
    const std::vector<Fall> faelle{
        {Antwort::Nein, false, std::nullopt, true, false},
        {Antwort::Abbrechen, true, std::nullopt, false, false},
        {Antwort::Ja, true, std::nullopt, true, true},
        {Antwort::Ja, false, "gewaehlt.ZAV", true, true},
        {Antwort::Ja, false, std::nullopt, false, false},  // the save dialog was cancelled
    };
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const Fall& f = faelle[i];
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        StandardUmgebung umgebung;
        Projektsitzung sitzung(umgebung);
        if (f.mitDatei) {
            ASSERT_TRUE(sitzung.SpeichernUnter(Pfad("p.ZAV")));
        }
        fs::remove(Pfad("p.ZAV"));
        sitzung.PositionBenennen("geaendert");
        umgebung.antworten = {f.antwort};
        bool gefragt = false;
        const bool weiter = sitzung.Speicherfrage([&] {
            gefragt = true;
            return f.gewaehlt ? std::optional<std::string>(Pfad(*f.gewaehlt)) : std::nullopt;
        });
        EXPECT_EQ(weiter, f.weiter);
        EXPECT_EQ(umgebung.fragen, std::vector<std::string>{"Soll der aktuelle Zustand gespeichert werden?"});
        EXPECT_EQ(gefragt, f.antwort == Antwort::Ja && !f.mitDatei);
        const std::string datei = Pfad(f.mitDatei ? "p.ZAV" : f.gewaehlt.value_or("p.ZAV"));
        EXPECT_EQ(fs::exists(datei), f.gespeichert);
        if (f.gespeichert) {
            EXPECT_NE(DateiInhalt(datei).find("=geaendert\r\n"), std::string::npos);
        }
    }
}

TEST_F(Sitzung, positionenHinzufuegenWaehlenLoeschen) {
    A().SetPosition("A");
    ASSERT_TRUE(s.PositionHinzufuegen());  // a copy of the current one, named by its number
    EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "2"}));
    EXPECT_EQ(M().GetAktAnwendung(), 2);
    A().SetPosition("B");
    ASSERT_TRUE(s.PositionHinzufuegen());
    A().SetPosition("C");
    ASSERT_TRUE(s.PositionWaehlen(2));  // writes C back before switching
    EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(A().GetPosition(), "B");
    EXPECT_FALSE(s.PositionWaehlen(5));
    EXPECT_FALSE(s.PositionWaehlen(0));
    EXPECT_EQ(M().GetAktAnwendung(), 2);

    // Deleting the middle of three: the third moves up and, as the last, becomes current.
    A().SetPosition("B geändert, nicht zurückgeschrieben");
    ASSERT_TRUE(s.PositionLoeschen());
    EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(M().GetAktAnwendung(), 2);
    EXPECT_EQ(A().GetPosition(), "C");

    ASSERT_TRUE(s.PositionWaehlen(1));
    ASSERT_TRUE(s.PositionLoeschen());
    EXPECT_EQ(Namen(), std::vector<std::string>{"C"});
    EXPECT_TRUE(u.meldungen.empty());
    EXPECT_FALSE(s.PositionLoeschen());  // the only one stays
    EXPECT_EQ(Namen(), std::vector<std::string>{"C"});
    EXPECT_EQ(u.meldungen, std::vector<std::string>{"Es ist nur eine Position im Projekt vorhanden.\n\n"
                                                    "Die letzte Position kann nicht entfernt werden!"});
}

TEST_F(Sitzung, auswahlFolgtDemBerechnungszustand) {
    Reihe(A(), "bemessen", 60);
    ASSERT_TRUE(s.Berechnen().bemessen);
    A().cErgebnisse.SetErgebnisAnzeige(TsSkizzeTyp::stSchnitt);
    ASSERT_TRUE(s.PositionHinzufuegen());  // the copy carries the results
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anUebersicht);
    EXPECT_EQ(M().GetSkizzeAnzeige(), TsSkizzeTyp::stSchnitt);
    M().cAnwendung.push_back(TKAnwendung(u));
    M().SetAnzAnwendung(3);
    ASSERT_TRUE(s.PositionWaehlen(3));
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anEingabe);
    EXPECT_EQ(M().GetSkizzeAnzeige(), TsSkizzeTyp::stEingabe);
}

// A wide prescribed constant spacing asks; No keeps the inputs and lists the hint, Yes designs.
TEST_F(Sitzung, frageZumKonstantenAbstand) {
    for (const Antwort antwort : {Antwort::Nein, Antwort::Ja}) {
        StandardUmgebung umgebung;
        Projektsitzung sitzung(umgebung);
        Reihe(Sitzungszugang::Arbeitskopie(sitzung), "1", 60);
        Sitzungszugang::Arbeitskopie(sitzung).cGeometrie.SetPlatteDicke(180);
        Sitzungszugang::Arbeitskopie(sitzung).cGeometrie.SetDornAbstandCalc(true);
        Sitzungszugang::Arbeitskopie(sitzung).cGeometrie.SetkonstDornAbstand(1000);
        umgebung.antworten = {antwort};
        const Berechnung b = sitzung.Berechnen();
        ASSERT_EQ(umgebung.fragen.size(), 1u);
        EXPECT_EQ(b.bemessen, antwort == Antwort::Ja);
        EXPECT_EQ(b.abgelehnt, antwort == Antwort::Nein);
        EXPECT_EQ(Sitzungszugang::Modell(sitzung).GetCalcFlag(), antwort == Antwort::Ja);
        EXPECT_EQ(Sitzungszugang::Arbeitskopie(sitzung).cErgebnisse.GetBerechnet(), antwort == Antwort::Ja);
        EXPECT_EQ(b.pruefung.Hinweise.size(), antwort == Antwort::Nein ? 1u : 0u);
        EXPECT_EQ(sitzung.Ansicht(), antwort == Antwort::Ja ? TsAnsicht::anUebersicht : TsAnsicht::anEingabe);
    }
}

// The preview designs only when no results are shown; a failed check designs nothing.
TEST_F(Sitzung, vorschau) {
    Reihe(A(), "1", 60);
    ASSERT_TRUE(s.Vorschau().bemessen);
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anVorschau);
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());

    s.AnsichtEinstellen(TsAnsicht::anUebersicht);
    A().cErgebnisse.SetAktDorn(TsDorn::ZAVRQ450);  // a choice the user made in the list
    ASSERT_TRUE(s.Vorschau().bemessen);
    EXPECT_EQ(A().cErgebnisse.GetAktDorn(), TsDorn::ZAVRQ450);

    A().cGeometrie.SetPlatteDicke(120);
    const Berechnung b = s.Vorschau();
    EXPECT_FALSE(b.bemessen);
    // The field's limit (named by its key, as a value from a file is) and the check on the slab thickness.
    ASSERT_EQ(b.pruefung.Hinweise.size(), 2u);
    EXPECT_EQ(b.pruefung.Hinweise[0],
              "Plattendicke (Geometrie_1.TPlatteDicke = 120): Der eingegebene Wert ist kleiner als erlaubt!");
    EXPECT_FALSE(M().GetCalcFlag());
}

// For scripts: a stored position is designed in place; the current one, its working copy and the view stay.
TEST_F(Sitzung, positionBerechnenLaesstAuswahlUndAnsicht) {
    Reihe(A(), "eins", 60);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Reihe(A(), "zwei", 80);
    ASSERT_TRUE(s.PositionWaehlen(1));
    const TsSkizzeTyp skizze = M().GetSkizzeAnzeige();
    ASSERT_TRUE(s.PositionBerechnen(2).bemessen);
    EXPECT_TRUE(M().cAnwendung[1].cErgebnisse.GetBerechnet());
    EXPECT_FALSE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(M().GetAktAnwendung(), 1);
    EXPECT_EQ(M().GetSkizzeAnzeige(), skizze);
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anEingabe);
    ASSERT_TRUE(s.PositionBerechnen(1).bemessen);
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());  // the current one: its working copy follows
    EXPECT_EQ(&s.Position(1), &A());
    EXPECT_EQ(&s.Position(2), &M().cAnwendung[1]);
}

// Views keep references to model and working copy across every use case.
TEST_F(Sitzung, modellUndArbeitskopieBehaltenIhreAdresse) {
    const TKModell* modell = &M();
    const TKAnwendung* kopie = &A();
    Reihe(A(), "1", 60);
    ASSERT_TRUE(s.SpeichernUnter(Pfad("a.ZAV")));
    s.Neu();
    ASSERT_TRUE(s.Oeffnen(Pfad("a.ZAV")));
    ASSERT_TRUE(s.PositionHinzufuegen());
    ASSERT_TRUE(s.PositionLoeschen());
    s.Berechnen();
    EXPECT_EQ(&M(), modell);
    EXPECT_EQ(&A(), kopie);
    s.Neu();
    EXPECT_EQ(s.Datei(), "");
    EXPECT_EQ(A().GetPosition(), "1");
}

TEST_F(Sitzung, dxfZeichnungen) {
    EXPECT_TRUE(s.BewehrungDxf(1, TsDorn::ZAVR60HF, Pfad("leer")).verweigert);  // not designed yet
    Reihe(A(), "1", 60);
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_TRUE(s.BewehrungDxf(1, A().cErgebnisse.GetAktDorn(), Pfad("plan")));
    EXPECT_TRUE(fs::exists(Pfad("plan.dxf")));
    const Dateiergebnis fehlt = s.BewehrungDxf(1, TsDorn::ZAVR60HF, Pfad("fehlt/plan.dxf"));
    EXPECT_FALSE(fehlt);
    EXPECT_FALSE(fehlt.verweigert);
    ASSERT_TRUE(s.DornDxf(TsDorn::ZAVRQ30HF, Pfad("dorn.dxf")));
    EXPECT_GT(fs::file_size(Pfad("dorn.dxf")), 100u);
}

// A position taken over from another project keeps its name and results; designed again it gives the same
// results, so the file written before and after the new design run is the same.
TEST_F(Sitzung, positionAusAnderemProjektUebernehmen) {
    {
        Projektsitzung quelle(u);
        Reihe(Sitzungszugang::Arbeitskopie(quelle), "Achse A", 60);
        ASSERT_TRUE(quelle.PositionHinzufuegen());
        Reihe(Sitzungszugang::Arbeitskopie(quelle), "Achse B", 90);
        ASSERT_TRUE(quelle.Berechnen().bemessen);
        ASSERT_TRUE(quelle.SpeichernUnter(Pfad("quelle.ZAV")));
    }
    A().SetPosition("in Arbeit");
    ASSERT_TRUE(s.PositionUebernehmen(Pfad("quelle.ZAV"), 1));
    EXPECT_EQ(Namen(), (std::vector<std::string>{"in Arbeit", "Achse B"}));
    EXPECT_EQ(M().GetAktAnwendung(), 2);
    EXPECT_EQ(A().GetPosition(), "Achse B");
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(s.Ansicht(), TsAnsicht::anUebersicht);

    ASSERT_TRUE(s.SpeichernUnter(Pfad("uebernommen.ZAV")));
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_TRUE(s.SpeichernUnter(Pfad("neu.ZAV")));
    // Only the project's note that a design run passed its checks differs.
    const auto ohneCalcFlag = [](std::string text) {
        const std::string flag = "HauptMaske.TCalcFlag=";
        const auto anfang = text.find(flag);
        return anfang == std::string::npos ? text : text.erase(anfang, text.find('\n', anfang) - anfang);
    };
    EXPECT_EQ(ohneCalcFlag(DateiInhalt(Pfad("neu.ZAV"))), ohneCalcFlag(DateiInhalt(Pfad("uebernommen.ZAV"))));
    EXPECT_TRUE(u.meldungen.empty());
}

TEST_F(Sitzung, ausFremderOderFehlenderDateiWirdNichtsUebernommen) {
    A().SetPosition("in Arbeit");
    std::ofstream(Pfad("fremd.ZAV")) << "Programm.Version=ZAVR - 2.0\r\nHauptMaske.TAnzAnwendung=1\r\n";
    const Dateiergebnis fremd = s.PositionUebernehmen(Pfad("fremd.ZAV"), 0);
    EXPECT_FALSE(fremd);
    EXPECT_TRUE(fremd.grund.empty());  // the notice is given
    EXPECT_EQ(u.meldungen, std::vector<std::string>{"Die Datei ist keine gültige QUORVEL® - ZAVR Datei"});
    const Dateiergebnis fehlt = s.PositionUebernehmen(Pfad("fehlt.ZAV"), 0);
    EXPECT_NE(fehlt.grund.find("Kann angegebene Datei nicht öffnen!"), std::string::npos);
    EXPECT_EQ(M().GetAnzAnwendung(), 1);
    EXPECT_EQ(A().GetPosition(), "in Arbeit");
}

// The most economical dowel of each family; a position without results is designed first.
TEST_F(Sitzung, optimaleDorne) {
    Reihe(A(), "1", 60);
    const OptimaleDorne dorne = s.OptimaleDorneAnzeigen();
    EXPECT_TRUE(A().cErgebnisse.GetBerechnet());
    EXPECT_EQ(dorne.zavr.rfind("ZAVR ", 0), 0u) << dorne.zavr;
    EXPECT_EQ(dorne.zavrq.rfind("ZAVRQ ", 0), 0u) << dorne.zavrq;
    Projektsitzung duenn(u);
    Reihe(Sitzungszugang::Arbeitskopie(duenn), "1", 60);
    Sitzungszugang::Arbeitskopie(duenn).cGeometrie.SetPlatteDicke(100);  // too thin for every type
    const OptimaleDorne keine = duenn.OptimaleDorneAnzeigen();
    EXPECT_EQ(keine.zavr, "Kein gültiger Dorn gefunden");
    EXPECT_EQ(keine.zavrq, "Kein gültiger Dorn gefunden");
}

// The add command: the entry of the selected type, and the question when the position number is there.
TEST_F(Sitzung, bedarfslisteAufnehmenUndUeberschreiben) {
    Reihe(A(), "Achse A", 60);
    A().SetFeuerwiderstand(TsFeuerwiderstand::F0);
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Reihe(A(), "Achse B", 90);
    A().SetFeuerwiderstand(TsFeuerwiderstand::F90);
    ASSERT_TRUE(s.Berechnen().bemessen);
    const TKStueckliste& liste = M().cStueckliste;

    EXPECT_EQ(s.BedarfslisteAufnehmen(" 2 "), Aufnahme::Angehaengt);
    ASSERT_EQ(liste.GetCountEintraege(), 1);
    EXPECT_TRUE(u.fragen.empty());
    const TKErgebnisse& r = A().cErgebnisse;
    const TsDorn dorn = r.GetAktDorn();
    const std::string dorne = std::to_string(r.GetAnzDorn(dorn));
    const TKStueckliste::Eintrag erwartet{"Achse B",
                                          "1",
                                          dorne,
                                          DornName(dorn),
                                          dorne,
                                          "aktiv",
                                          "2",
                                          A().GetManschette(),
                                          FestkommaText(r.cDornErgebnis[Ord(dorn)].GetVRdZul(), 1, ','),
                                          std::to_string(Ord(dorn))};
    EXPECT_EQ(liste.GetEintrag(1), erwartet);
    EXPECT_FALSE(erwartet[7].empty());

    // No keeps the old entry and appends the new one; Yes then replaces the first of the two.
    A().SetPosition("Achse B neu");
    u.antworten = {Antwort::Nein};
    EXPECT_EQ(s.BedarfslisteAufnehmen("2"), Aufnahme::Angehaengt);
    ASSERT_EQ(liste.GetCountEintraege(), 2);
    EXPECT_EQ(
        u.fragen.back(),
        "Die aktuelle Position ist schon in der Bedarfsliste vorhanden\n\nSoll diese überschrieben werden?");
    EXPECT_EQ(liste.GetEintrag(1)[0], "Achse B");
    EXPECT_EQ(liste.GetEintrag(2)[0], "Achse B neu");
    A().SetPosition("Achse B zuletzt");
    u.antworten = {Antwort::Ja};
    EXPECT_EQ(s.BedarfslisteAufnehmen("2"), Aufnahme::Ersetzt);
    ASSERT_EQ(liste.GetCountEintraege(), 2);
    EXPECT_EQ(liste.GetEintrag(1)[0], "Achse B zuletzt");
    EXPECT_EQ(liste.GetEintrag(2)[0], "Achse B neu");
    // No to both: a third entry. Another number is appended without a question.
    u.fragen.clear();
    u.antworten = {Antwort::Nein, Antwort::Nein};
    EXPECT_EQ(s.BedarfslisteAufnehmen("2"), Aufnahme::Angehaengt);
    EXPECT_EQ(u.fragen.size(), 2u);
    EXPECT_EQ(liste.GetCountEintraege(), 3);
    ASSERT_TRUE(s.PositionWaehlen(1));
    u.fragen.clear();
    EXPECT_EQ(s.BedarfslisteAufnehmen("1"), Aufnahme::Angehaengt);
    EXPECT_TRUE(u.fragen.empty());
    EXPECT_EQ(liste.GetEintrag(4)[0], "Achse A");
    EXPECT_TRUE(liste.GetEintrag(4)[7].empty());  // no fire protection, no sleeve
}

TEST_F(Sitzung, bedarfslisteNurMitErgebnis) {
    EXPECT_EQ(s.BedarfslisteAufnehmen("1"), Aufnahme::OhneErgebnis);
    EXPECT_EQ(M().cStueckliste.GetCountEintraege(), 0);
}

// Every position in order; an entry of the same number is replaced, a position without results designed.
TEST_F(Sitzung, allePositionenAufnehmen) {
    Reihe(A(), "Achse A", 60);
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_EQ(s.BedarfslisteAufnehmen("1"), Aufnahme::Angehaengt);
    ASSERT_TRUE(s.PositionHinzufuegen());
    Reihe(A(), "Achse B", 90);
    s.AnsichtEinstellen(TsAnsicht::anEingabe);
    A().cErgebnisse.SetBerechnet(false);
    ASSERT_TRUE(s.PositionWaehlen(1));
    const std::vector<Berechnung> berechnungen = s.AlleBemessen();
    ASSERT_EQ(berechnungen.size(), 2u);
    EXPECT_TRUE(berechnungen[0].bemessen && berechnungen[1].bemessen);
    EXPECT_TRUE(s.Position(2).cErgebnisse.GetBerechnet());
    EXPECT_TRUE(s.AllePositionenAufnehmen(berechnungen).Aufgenommen());
    const TKStueckliste& liste = M().cStueckliste;
    ASSERT_EQ(liste.GetCountEintraege(), 2);
    EXPECT_EQ(liste.GetEintrag(1)[6], "1");
    EXPECT_EQ(liste.GetEintrag(2)[6], "2");
    EXPECT_EQ(liste.GetEintrag(2)[0], "Achse B");
    EXPECT_EQ(M().GetAktAnwendung(), 1);

    // A position that fails its checks is named, and nothing is added.
    s.PositionWaehlen(2);
    A().cGeometrie.SetPlatteDicke(10);
    A().cErgebnisse.SetBerechnet(false);
    const std::vector<Berechnung> nochmal = s.AlleBemessen();
    EXPECT_FALSE(nochmal[1].bemessen);
    EXPECT_FALSE(nochmal[1].pruefung.Hinweise.empty());
    const Sammelaufnahme verweigert = s.AllePositionenAufnehmen(nochmal);
    EXPECT_EQ(verweigert.nichtBemessen, std::vector<int>{2});
    EXPECT_EQ(liste.GetCountEintraege(), 2);
}

// The bill as the dialog leaves it survives saving and opening: entries in order, active flags, remarks.
TEST_F(Sitzung, bedarfslisteMitDemProjektGespeichert) {
    Reihe(A(), "Achse A", 60);
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_EQ(s.BedarfslisteAufnehmen("1"), Aufnahme::Angehaengt);
    ASSERT_TRUE(s.PositionHinzufuegen());
    ASSERT_TRUE(s.Berechnen().bemessen);
    ASSERT_EQ(s.BedarfslisteAufnehmen("2"), Aufnahme::Angehaengt);
    TKStueckliste liste = M().cStueckliste;
    TKStueckliste::Eintrag erste = liste.GetEintrag(1);
    AktivSetzen(erste, false);
    AnzahlGleicherPositionSetzen(erste, 3);
    liste.ChangeEintrag(erste, 1);
    liste.SetBemerkung({"Lieferung KW 12", "", "Tor 3"});
    s.BedarfslisteSetzen(liste);
    ASSERT_TRUE(s.SpeichernUnter(Pfad("bill.ZAV")));

    Projektsitzung wieder(u);
    ASSERT_TRUE(wieder.Oeffnen(Pfad("bill.ZAV")));
    const TKStueckliste& gelesen = Sitzungszugang::Modell(wieder).cStueckliste;
    ASSERT_EQ(gelesen.GetCountEintraege(), 2);
    for (int nr = 1; nr <= 2; ++nr) EXPECT_EQ(gelesen.GetEintrag(nr), liste.GetEintrag(nr)) << nr;
    EXPECT_EQ(gelesen.GetEintrag(1)[Bedarfszeile::Status], "nicht aktiv");
    EXPECT_EQ(gelesen.GetBemerkung(), liste.GetBemerkung());
}
