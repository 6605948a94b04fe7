#include "files/ProjektLeser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/ProjektSchreiber.h"
#include "files/ProjektTexte.h"
#include "files/TKDateiTransfer.h"
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

}  // namespace
