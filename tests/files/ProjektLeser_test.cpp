#include "files/ProjektLeser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/ProjektSchreiber.h"
#include "files/ProjektTexte.h"
#include "files/TKDateiTransfer.h"
#include "model/Ergebnisgrenzen.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

const std::string Kopf = "Programm.Name=ZAVR\r\nProgramm.Version=ZAVR - 3.1.2\r\n";

std::string Beispiel() {
    std::ifstream f(std::string(ZAVR_SOURCE_DIR) + "/examples/Beispiel.ZAV", std::ios::binary);
    std::ostringstream inhalt;
    inhalt << f.rdbuf();
    return inhalt.str();
}

std::string Geschrieben(const TKModell& modell) {
    return ProjektInhalt(modell);
}

class Leser : public ::testing::Test {
protected:
    bool Lies(const std::string& text, TKModell& modell) {
        TKDateiTransfer s;
        s.SetDateiInhalt(text);
        umgebung.meldungen.clear();
        return LeseProjekt(s, modell);
    }
    TKModell Gelesen(const std::string& text) {
        TKModell modell(umgebung);
        EXPECT_TRUE(Lies(text, modell));
        return modell;
    }

    StandardUmgebung umgebung;
};

// A project declares its positions; a file with inputs only (as scripts write it) has all of them, and
// saving writes all of them. Lines that belong to no position do not change the count.
TEST_F(Leser, jedeAngegebenePositionWirdGelesen) {
    const TKModell zwei = Gelesen(Kopf +
                                  "HauptMaske.TAnzAnwendung=2\r\nPosition_1.TPosition=Erste\r\n"
                                  "Position_2.TPosition=Zweite\r\n");
    ASSERT_EQ(zwei.GetAnzAnwendung(), 2);
    EXPECT_EQ(zwei.cAnwendung[0].GetPosition(), "Erste");
    EXPECT_EQ(zwei.cAnwendung[1].GetPosition(), "Zweite");
    EXPECT_EQ(Gelesen(Geschrieben(zwei)).cAnwendung[1].GetPosition(), "Zweite");

    std::string fuellzeilen;
    for (int i = 0; i < 1700; ++i) fuellzeilen += "Fuellung.Zeile" + std::to_string(i) + "=1\r\n";
    EXPECT_EQ(Gelesen(Kopf + "HauptMaske.TAnzAnwendung=1\r\n" + fuellzeilen).GetAnzAnwendung(), 1);
    EXPECT_EQ(Gelesen(Kopf + "HauptMaske.TAnzAnwendung=3\r\nPosition_3.TPosition=C\r\n").GetAnzAnwendung(),
              3);
}

TEST_F(Leser, hoechstzahlDerPositionenUndNichtMehr) {
    const TKModell groesste =
        Gelesen(Kopf + "HauptMaske.TAnzAnwendung=" + std::to_string(MaxPositionen) +
                "\r\nHauptMaske.TAktAnwendung=" + std::to_string(MaxPositionen) + "\r\n");
    EXPECT_EQ(groesste.GetAnzAnwendung(), MaxPositionen);
    EXPECT_EQ(groesste.GetAktAnwendung(), MaxPositionen);
    EXPECT_EQ(groesste.cAnwendung.back().GetPosition(), "");

    // 20 MB of blank lines under the largest count the field can hold: refused, not read in part.
    for (const std::string& text :
         {Kopf + "HauptMaske.TAnzAnwendung=" + std::to_string(MaxPositionen + 1) + "\r\n",
          Kopf + "HauptMaske.TAnzAnwendung=65535\r\n" + std::string(20'000'000, '\n')}) {
        TKModell modell(umgebung);
        modell.cAnwendung[0].SetPosition("bleibt");
        EXPECT_FALSE(Lies(text, modell));
        EXPECT_EQ(umgebung.meldungen, std::vector<std::string>{MeldungZuVielePositionen});
        EXPECT_EQ(modell.GetAnzAnwendung(), 1);
        EXPECT_EQ(modell.cAnwendung[0].GetPosition(), "bleibt");
    }
}

class EineListe : public Leser, public ::testing::WithParamInterface<const char*> {};

// A count far beyond what the file holds reads only the elements present; every other list, of every
// position, keeps all of its elements, so the project writes back the same apart from that list.
TEST_P(EineListe, aufgeblaeht_aendertNurDieseListe) {
    const std::string beispiel = Beispiel();
    const std::string zaehler = std::string(GetParam()) + "=";
    const std::size_t stelle = beispiel.find("\r\n" + zaehler) + 2;
    ASSERT_NE(stelle, std::string::npos + 2);
    std::string aufgeblaeht = beispiel;
    aufgeblaeht.replace(stelle, beispiel.find("\r\n", stelle) - stelle, zaehler + "2000000000");

    const std::string vorher = Geschrieben(Gelesen(beispiel));
    const std::string nachher = Geschrieben(Gelesen(aufgeblaeht));
    EXPECT_EQ(nachher, vorher);  // the elements present are all the list had
}

INSTANTIATE_TEST_SUITE_P(Beispiel, EineListe,
                         ::testing::Values("ProjektDaten.TFirmaZeilen", "Stueckliste.TBemerkungZeilen",
                                           "Stueckliste.TStueckliste", "Stueckliste.TStueckliste2",
                                           "BelastungDesign_1.AnzbeliebigeLast", "DornDaten_1_3.AnzTDistPosA",
                                           "DornErgebnis_1_3.AnzTDornAbstand",
                                           "DornErgebnisFehler_1_0.AnzTMeldungen"));

// Elements left out of a hand-written file read their defaults; a count that the file's elements do not
// bear out (far more absent than present) reads the elements present from the first on.
TEST_F(Leser, fehlendeElementeUndUnglaubhafteAnzahlen) {
    const auto firma = [&](const std::string& zeilen) {
        return Gelesen(Kopf + zeilen).cProjektdaten.GetFirma();
    };
    EXPECT_EQ(firma("ProjektDaten.TFirmaZeilen=3\r\nProjektDaten.TFirma1=A\r\nProjektDaten.TFirma3=C\r\n"),
              (std::vector<std::string>{"A", "", "C"}));
    EXPECT_EQ(firma("ProjektDaten.TFirmaZeilen=20\r\nProjektDaten.TFirma1=A\r\nProjektDaten.TFirma2=\r\n"),
              (std::vector<std::string>{"A", "", "", "", "", "", "", "", "", "",
                                        "",  "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(firma("ProjektDaten.TFirmaZeilen=23\r\nProjektDaten.TFirma1=A\r\nProjektDaten.TFirma2=\r\n"
                    "ProjektDaten.TFirma4=D\r\n"),
              (std::vector<std::string>{"A", ""}));
    EXPECT_EQ(firma("ProjektDaten.TFirmaZeilen=-5\r\nProjektDaten.TFirma1=A\r\n"),
              std::vector<std::string>{});

    const TKModell m =
        Gelesen(Kopf +
                "Stueckliste.TStueckliste=2147483647\r\nStueckliste.TStueckliste1=2147483647\r\n"
                "Stueckliste.TStuecklisteBezeichnung110=weiter\r\n"
                "Stueckliste.TStueckliste2=-2147483648\r\n");
    ASSERT_EQ(m.cStueckliste.GetCountEintraege(), 2);
    EXPECT_EQ(m.cStueckliste.GetEintrag(1).size(), 11u);
    EXPECT_EQ(m.cStueckliste.GetEintrag(1).back(), "weiter");
    EXPECT_EQ(m.cStueckliste.GetEintrag(2).size(), 10u);
}

// A load list with gaps reads every point present. A missing key takes its default only where the list
// still reads in order (y as 0, x as 0 at the start); otherwise the point is left out. The notice names the
// position and the missing keys, or a count that does not match.
struct Lastliste {
    const char* name;
    std::string zeilen;
    std::vector<TrFloatPoint> punkte;
    const char* hinweis;  // part of the notice; empty: none
};

class Lastpunkte : public Leser, public ::testing::WithParamInterface<Lastliste> {};

TEST_P(Lastpunkte, vorhandeneWerdenGelesenFehlendeGenannt) {
    const TKModell m = Gelesen(Kopf + "BelastungDesign_1.TBelastungsfall=3\r\n" + GetParam().zeilen);
    const TKBelastung& last = m.cAnwendung[0].cBelastungDesign;
    ASSERT_EQ(last.GetAnzLastPunkte(), static_cast<int>(GetParam().punkte.size()));
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i)
        EXPECT_EQ(last.GetbeliebigeLast(i), GetParam().punkte[static_cast<std::size_t>(i)]) << i;
    if (*GetParam().hinweis == 0) {
        EXPECT_TRUE(umgebung.meldungen.empty());
        return;
    }
    ASSERT_EQ(umgebung.meldungen.size(), 1u);
    EXPECT_NE(umgebung.meldungen[0].find("Position 1 \"\": "), std::string::npos) << umgebung.meldungen[0];
    EXPECT_NE(umgebung.meldungen[0].find(GetParam().hinweis), std::string::npos) << umgebung.meldungen[0];
}

std::string Punkte(int von, int bis, bool x = true, bool y = true) {
    std::string zeilen;
    for (int i = von; i < bis; ++i) {
        if (x)
            zeilen += "BelastungDesign_1.TbeliebigeLast_x" + std::to_string(i) + "=" +
                      std::to_string(100 * i) + "\r\n";
        if (y)
            zeilen += "BelastungDesign_1.TbeliebigeLast_y" + std::to_string(i) + "=" + std::to_string(i + 1) +
                      "\r\n";
    }
    return zeilen;
}

std::vector<TrFloatPoint> Erwartet(std::initializer_list<int> indizes) {
    std::vector<TrFloatPoint> punkte;
    for (int i : indizes) punkte.push_back({100.0 * i, i + 1.0});
    return punkte;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Lastpunkte,
    ::testing::Values(
        Lastliste{"vollstaendig", "BelastungDesign_1.AnzbeliebigeLast=3\r\n" + Punkte(0, 3),
                  Erwartet({0, 1, 2}), ""},
        Lastliste{"ersteZwanzigFehlen", "BelastungDesign_1.AnzbeliebigeLast=30\r\n" + Punkte(20, 30),
                  Erwartet({20, 21, 22, 23, 24, 25, 26, 27, 28, 29}),
                  "Es fehlen BelastungDesign_1.TbeliebigeLast_x0 … TbeliebigeLast_x19, "
                  "BelastungDesign_1.TbeliebigeLast_y0 … TbeliebigeLast_y19; die vorhandenen Lastpunkte"},
        Lastliste{"yFehlt",
                  "BelastungDesign_1.AnzbeliebigeLast=3\r\n" + Punkte(0, 1) + Punkte(1, 2, true, false) +
                      Punkte(2, 3),
                  {{0, 1}, {100, 0}, {200, 3}},
                  "Es fehlen BelastungDesign_1.TbeliebigeLast_y1;"},
        Lastliste{"xFehltInDerMitte",
                  "BelastungDesign_1.AnzbeliebigeLast=4\r\n" + Punkte(0, 2) + Punkte(2, 3, false, true) +
                      Punkte(3, 4),
                  Erwartet({0, 1, 3}), "Es fehlen BelastungDesign_1.TbeliebigeLast_x2;"},
        Lastliste{"anzahlKeineZahl", "BelastungDesign_1.AnzbeliebigeLast=drei\r\n" + Punkte(0, 3),
                  Erwartet({0, 1, 2}), "BelastungDesign_1.AnzbeliebigeLast = drei ist keine Anzahl."},
        Lastliste{"mehrAlsAngegeben", "BelastungDesign_1.AnzbeliebigeLast=2\r\n" + Punkte(0, 4),
                  Erwartet({0, 1, 2, 3}),
                  "BelastungDesign_1.AnzbeliebigeLast passt nicht zu den Lastpunkten; "
                  "gelesen wurden die 4 vorhandenen."}),
    [](const auto& info) { return std::string(info.param.name); });

// A load as stored, although its setters recompute parts of it: a total load and a shape other than the
// points and end values give, a point beyond the length. Every line of the section is taken.
TEST_F(Leser, belastungWieGespeichert) {
    std::string zeilen = Kopf;
    for (const char* zeile :
         {"TBelastungsfall=3", "TGesamtLast=123,5", "TLinienlast=1", "AnzbeliebigeLast=2",
          "TbeliebigeLast_x0=0", "TbeliebigeLast_y0=10", "TbeliebigeLast_x1=1500", "TbeliebigeLast_y1=20",
          "TLastLaenge=1000", "TAnzLastPunkte=2", "TLinienLastLinks=10", "TLinienLastRechts=20"})
        zeilen += "BelastungDesign_1." + std::string(zeile) + "\r\n";
    TKDateiTransfer s;
    s.SetDateiInhalt(zeilen);
    TKModell m(umgebung);
    ASSERT_TRUE(LeseProjekt(s, m));
    const TKBelastung& last = m.cAnwendung[0].cBelastungDesign;
    EXPECT_EQ(last.GetGesamtLast(), 123.5);
    EXPECT_EQ(last.GetLinienlast(), TsLinienlast::llLiglRE);
    EXPECT_EQ(last.GetLastLaenge(), 1000);
    ASSERT_EQ(last.GetAnzLastPunkte(), 2);
    EXPECT_EQ(last.GetbeliebigeLast(1), (TrFloatPoint{1500, 20}));
    EXPECT_EQ(last.GetLinienLastRechts(), 20);
    EXPECT_FALSE(s.AbschnittOffen("BelastungDesign_1"));
}

// A number of positions that is no number is refused with a notice naming it: which positions the file
// has is unknown, and reading it as one would drop the others without a word.
TEST_F(Leser, positionsanzahlDieKeineZahlIstWirdAbgelehnt) {
    for (const char* wert : {"2147483648", "1e20", "x", "2,5"}) {
        TKModell modell(umgebung);
        EXPECT_FALSE(
            Lies(Kopf + "HauptMaske.TAnzAnwendung=" + wert + "\r\nPosition_1.TPosition=A\r\n", modell));
        ASSERT_EQ(umgebung.meldungen.size(), 1u) << wert;
        EXPECT_NE(umgebung.meldungen[0].find(std::string("(HauptMaske.TAnzAnwendung = ") + wert + ")"),
                  std::string::npos)
            << umgebung.meldungen[0];
        EXPECT_EQ(modell.cAnwendung[0].GetPosition(), "1");  // unchanged
    }
}

// Stored results a design cannot hold make their position not designed (inputs kept, results discarded);
// the notice names the key and its value, the other positions keep their results.
struct Ergebnisschaden {
    const char* schluessel;
    const char* wert;
    const char* genannt;  // the key the notice names
};

class Ergebnisschaeden : public Leser, public ::testing::WithParamInterface<Ergebnisschaden> {};

TEST_P(Ergebnisschaeden, positionIstNichtBemessen) {
    std::string text = Beispiel();
    const std::string suche = "\r\n" + std::string(GetParam().schluessel) + "=";
    const std::size_t stelle = text.find(suche);
    if (stelle == std::string::npos)
        text += std::string(GetParam().schluessel) + "=" + GetParam().wert + "\r\n";
    else
        text.replace(stelle + 2, text.find("\r\n", stelle + 2) - stelle - 2,
                     std::string(GetParam().schluessel) + "=" + GetParam().wert);
    const TKModell vorher = Gelesen(Beispiel());
    const TKModell m = Gelesen(text);
    ASSERT_EQ(m.GetAnzAnwendung(), 5);
    EXPECT_FALSE(m.cAnwendung[3].cErgebnisse.GetBerechnet());
    EXPECT_FALSE(ErsteGrenzverletzung(m.cAnwendung[3].cErgebnisse));
    EXPECT_EQ(m.cAnwendung[3].cErgebnisse.GetAktDorn(), vorher.cAnwendung[3].cErgebnisse.GetAktDorn());
    EXPECT_EQ(m.cAnwendung[3].cGeometrie, vorher.cAnwendung[3].cGeometrie);
    for (int p : {0, 1, 2, 4}) EXPECT_EQ(m.cAnwendung[p], vorher.cAnwendung[p]) << p;
    ASSERT_EQ(umgebung.meldungen.size(), 1u);
    EXPECT_NE(umgebung.meldungen[0].find(std::string("Position 4 \"Deckenfuge D\": ") + GetParam().genannt),
              std::string::npos)
        << umgebung.meldungen[0];
    EXPECT_NE(umgebung.meldungen[0].find("die Position ist nicht bemessen"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Beispiel, Ergebnisschaeden,
    ::testing::Values(
        Ergebnisschaden{"DornDaten_4_4.TAnzPosC", "2147483647", "DornDaten_4_4.TAnzPosC = 2147483647"},
        Ergebnisschaden{"DornDaten_4_0.TAnzPosD", "10", "DornDaten_4_0.TAnzPosD = 10"},
        Ergebnisschaden{"DornDaten_4_7.TAnzPosA", "-2", "DornDaten_4_7.TAnzPosA = -2"},
        Ergebnisschaden{"Ergebnisse_4.TAnzDorn_4", "30000", "Ergebnisse_4.TAnzDorn_4 = 30000"},
        Ergebnisschaden{"Ergebnisse_4.TAnzDorn_9", "70000", "Ergebnisse_4.TAnzDorn_9 = 70000"},
        Ergebnisschaden{"DornErgebnis_4_2.TStatus", "12", "DornErgebnis_4_2.TStatus = 12"},
        Ergebnisschaden{"DornErgebnisFehler_4_6.TMeldungen_0", "4000",
                        "DornErgebnisFehler_4_6.TMeldungen_0 = 4000"},
        Ergebnisschaden{"DornErgebnis_4_4.AnzTDornAbstand", "zwei",
                        "DornErgebnis_4_4.AnzTDornAbstand = zwei"},
        // An element behind a gap the count does not bear out is lost: the chain is damaged.
        Ergebnisschaden{"DornErgebnis_4_4.TDornAbstand_500", "100", "DornErgebnis_4_4.TDornAbstand_500"}));

// Elements of a text list that its count does not take are named; they are not read.
TEST_F(Leser, nichtGeleseneElementeWerdenGenannt) {
    const TKModell m =
        Gelesen(Kopf + "ProjektDaten.TFirmaZeilen=1\r\nProjektDaten.TFirma1=A\r\nProjektDaten.TFirma7=G\r\n");
    EXPECT_EQ(m.cProjektdaten.GetFirma(), std::vector<std::string>{"A"});
    ASSERT_EQ(umgebung.meldungen.size(), 1u);
    EXPECT_NE(umgebung.meldungen[0].find("ProjektDaten.TFirma7 und was folgt wurde nicht gelesen"),
              std::string::npos)
        << umgebung.meldungen[0];
}

}  // namespace
