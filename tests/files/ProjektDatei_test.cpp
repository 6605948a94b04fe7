#include "files/ProjektDatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "Testprojekt.h"
#include "datei/Fehlerschicht.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

namespace fs = std::filesystem;

const char* const Fremd = "Die Datei ist keine gültige QUORVEL® - ZAVR Datei";

std::string Name(const std::string& zeile) {
    return zeile.substr(0, zeile.find('='));
}
std::string Abschnitt(const std::string& zeile) {
    return zeile.substr(0, zeile.find('.'));
}

class Projektdatei : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_projekt_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
        umgebung.heute = "09.12.2026";
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

    // Saves `modell`, lets `aendern` edit the lines, and reads the result into a fresh model.
    template <class F>
    TKModell GeaendertGelesen(const TKModell& modell, F aendern) {
        EXPECT_TRUE(SaveToFile(modell, Pfad("a.ZAV")));
        std::vector<std::string> zeilen = Dateizeilen(Pfad("a.ZAV"));
        aendern(zeilen);
        SchreibeDateizeilen(Pfad("b.ZAV"), zeilen);
        TKModell gelesen(umgebung);
        EXPECT_TRUE(ReadFromFile(gelesen, Pfad("b.ZAV")));
        return gelesen;
    }

    static void Entfernen(std::vector<std::string>& zeilen, const std::string& name) {
        std::erase_if(zeilen, [&](const std::string& z) { return Name(z) == name; });
    }
    static void Ersetzen(std::vector<std::string>& zeilen, const std::string& name, const std::string& wert) {
        for (std::string& z : zeilen)
            if (Name(z) == name) z = name + "=" + wert;
    }

    fs::path ordner;
    StandardUmgebung umgebung;
};

// Saving what was read gives the same bytes: every field was read back, to the digit, with both
// separators; numbers written under "," also read under ".".
TEST_F(Projektdatei, rundreiseAllerFelderUnterKommaUndPunkt) {
    for (char trenner : {',', '.'}) {
        umgebung.dezimaltrenner = trenner;
        const TKModell original = Testprojekt(umgebung, 3);
        ASSERT_TRUE(SaveToFile(original, Pfad("a.ZAV")));
        TKModell gelesen(umgebung);
        ASSERT_TRUE(ReadFromFile(gelesen, Pfad("a.ZAV")));
        ASSERT_TRUE(SaveToFile(gelesen, Pfad("b.ZAV")));
        EXPECT_EQ(DateiInhalt(Pfad("a.ZAV")), DateiInhalt(Pfad("b.ZAV"))) << "separator " << trenner;

        const TKAnwendung& a = original.cAnwendung[2];
        const TKAnwendung& b = gelesen.cAnwendung[2];
        EXPECT_EQ(b.GetPosition(), a.GetPosition());
        EXPECT_EQ(b.cGeometrie.GetBetondeckungVorn(), a.cGeometrie.GetBetondeckungVorn());
        EXPECT_EQ(b.cBelastungDesign.GetGesamtLast(), 123.456);
        EXPECT_EQ(b.cBelastungDesign.GetLinienlast(), TsLinienlast::llLiklRe);
        EXPECT_EQ(b.cBelastungDesign.GetbeliebigeLast(3).y, 1e20);
        EXPECT_EQ(b.cErgebnisse.cDornErgebnis[20].GetVRdZul(), a.cErgebnisse.cDornErgebnis[20].GetVRdZul());
        EXPECT_EQ(b.cErgebnisse.cDornDaten[7].GetDistPosD(), a.cErgebnisse.cDornDaten[7].GetDistPosD());
        EXPECT_EQ(b.cErgebnisse.cDornErgebnis[4].cFehler.GetMeldungen(),
                  a.cErgebnisse.cDornErgebnis[4].cFehler.GetMeldungen());
        EXPECT_EQ(gelesen.cStueckliste.GetEintrag(2), original.cStueckliste.GetEintrag(2));
        EXPECT_EQ(gelesen.cProjektdaten.GetFirma(), original.cProjektdaten.GetFirma());
        EXPECT_EQ(gelesen.GetAktAnwendung(), 3);
    }
}

TEST_F(Projektdatei, kommaDateiLiestUnterPunktMitAllenZahlen) {
    const TKModell original = Testprojekt(umgebung, 2);
    ASSERT_TRUE(SaveToFile(original, Pfad("komma.ZAV")));
    StandardUmgebung englisch;
    englisch.dezimaltrenner = '.';
    TKModell gelesen(englisch);
    ASSERT_TRUE(ReadFromFile(gelesen, Pfad("komma.ZAV")));
    ASSERT_TRUE(SaveToFile(gelesen, Pfad("punkt.ZAV")));
    std::string erwartet = DateiInhalt(Pfad("komma.ZAV"));
    std::string punkt = DateiInhalt(Pfad("punkt.ZAV"));
    // Only the separator differs; texts (which contain no comma here outside numbers) are equal.
    std::replace(erwartet.begin(), erwartet.end(), ',', '.');
    std::replace(punkt.begin(), punkt.end(), ',', '.');
    EXPECT_EQ(erwartet, punkt);
    EXPECT_NE(DateiInhalt(Pfad("komma.ZAV")).find("BelastungDesign_1.TGammaf=1,35\r\n"), std::string::npos);
    EXPECT_NE(DateiInhalt(Pfad("punkt.ZAV")).find("BelastungDesign_1.TGammaf=1.35\r\n"), std::string::npos);
}

// The sections in file order, each listed once when it starts.
std::vector<std::string> Abschnittsfolge(const std::vector<std::string>& zeilen) {
    std::vector<std::string> folge;
    for (const std::string& z : zeilen)
        if (folge.empty() || folge.back() != Abschnitt(z)) folge.push_back(Abschnitt(z));
    return folge;
}

std::vector<std::string> Schluessel(const std::vector<std::string>& zeilen, const std::string& abschnitt) {
    std::vector<std::string> keys;
    for (const std::string& z : zeilen)
        if (Abschnitt(z) == abschnitt) keys.push_back(Name(z).substr(abschnitt.size() + 1));
    return keys;
}

TEST_F(Projektdatei, kopfzeilenUndAbschnitteInDerFestenFolge) {
    TKModell modell(umgebung);
    modell.SetAnzAnwendung(2);
    ASSERT_TRUE(SaveToFile(modell, Pfad("p.ZAV")));
    const std::vector<std::string> zeilen = Dateizeilen(Pfad("p.ZAV"));
    ASSERT_GE(zeilen.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(zeilen.begin(), zeilen.begin() + 4),
              (std::vector<std::string>{"Programm.Name=ZAVR", "Programm.Version=ZAVR - 3.1.2",
                                        "HauptMaske.TCalcFlag=False", "HauptMaske.TAnzAnwendung=2"}));

    std::vector<std::string> erwartet{"Programm", "HauptMaske", "ProjektDaten", "Stueckliste",
                                      "EingabeGeometrie"};
    for (const std::string p : {"1", "2"}) {
        for (const char* a : {"Position_", "BelastungDesign_", "BelastungCharg_", "BelastungCharq_",
                              "Geometrie_", "Ergebnisse_", "ErgGeometrie_"})
            erwartet.push_back(a + p);
        for (int d = 0; d <= 20; ++d) erwartet.push_back("DornDaten_" + p + "_" + std::to_string(d));
        for (int d = 0; d <= 20; ++d)
            for (const char* a : {"DornErgebnis_", "DornErgebnisFehler_", "DornErgebnisWarnungen_"})
                erwartet.push_back(a + p + "_" + std::to_string(d));
    }
    EXPECT_EQ(Abschnittsfolge(zeilen), erwartet);
    EXPECT_GT(zeilen.size() / 2, 1500u);  // about 1,700 lines per position
}

TEST_F(Projektdatei, schluesselJeBlockInDerFestenFolge) {
    const TKModell modell = Testprojekt(umgebung, 1, 2);
    ASSERT_TRUE(SaveToFile(modell, Pfad("p.ZAV")));
    const std::vector<std::string> zeilen = Dateizeilen(Pfad("p.ZAV"));
    const std::vector<std::string> geometrie{
        "TFugenbreite",         "TFugenlaenge",      "TBetondeckungUnten", "TBetondeckungOben",
        "TBetondeckungVorn",    "TPlatteDicke",      "TWandDicke",         "TRandLinks",
        "TRandRechts",          "TBauteilRandLinks", "TBauteilRandRechts", "TDornPaarAbstand",
        "TDornPaarAbstandCalc", "TkonstDornAbstand", "TDornAbstandCalc"};
    EXPECT_EQ(Schluessel(zeilen, "EingabeGeometrie"), geometrie);
    EXPECT_EQ(Schluessel(zeilen, "Geometrie_1"), geometrie);
    EXPECT_EQ(Schluessel(zeilen, "ErgGeometrie_1"), geometrie);
    EXPECT_EQ(Schluessel(zeilen, "HauptMaske"),
              (std::vector<std::string>{"TCalcFlag", "TAnzAnwendung", "TAktAnwendung", "TEingabeDorn",
                                        "TEingabeFugenbreite", "TSkizzeAnzeige"}));
    EXPECT_EQ(Schluessel(zeilen, "ProjektDaten"),
              (std::vector<std::string>{"TBauvorhaben", "TBearbeiter", "TDatum", "TProjektNr", "TFirmaZeilen",
                                        "TFirma1", "TFirma2", "TFirma3"}));
    std::vector<std::string> stueckliste{"TBemerkungZeilen", "TBemerkung1", "TBemerkung2", "TBemerkung3",
                                         "TStueckliste"};
    for (const std::string n : {"1", "2", "3"}) {
        stueckliste.push_back("TStueckliste" + n);
        for (const char* titel :
             {"Position", "Anz. Pos.", "Anz. Dorne", "Bezeichnung", "Sum. Dorne", "Status", "lfdNr",
              "Deckenst\xE4rke", "statische Nutzh\xF6he", "St\xFCtzentyp"})
            stueckliste.push_back("TStueckliste" + std::string(titel) + n);
        if (n == "2")
            for (const char* l : {"10", "11", "12"})
                stueckliste.push_back("TStuecklisteBezeichnung2" + std::string(l));
    }
    EXPECT_EQ(Schluessel(zeilen, "Stueckliste"), stueckliste);
    EXPECT_EQ(Schluessel(zeilen, "Position_1"),
              (std::vector<std::string>{"TPosition", "Land", "TAnwendungsfall", "TBewehrungCalc",
                                        "TMaxDornabstand", "TBetonguete", "TFeuerwiderstand"}));
    EXPECT_EQ(
        Schluessel(zeilen, "BelastungCharq_1"),
        (std::vector<std::string>{
            "TBelastungsfall", "TLastverteilung", "TPunktLast", "TGammaf", "TGesamtLast", "TLinienlast",
            "AnzbeliebigeLast", "TbeliebigeLast_x0", "TbeliebigeLast_y0", "TbeliebigeLast_x1",
            "TbeliebigeLast_y1", "TbeliebigeLast_x2", "TbeliebigeLast_y2", "TbeliebigeLast_x3",
            "TbeliebigeLast_y3", "TLastLaenge", "TAnzLastPunkte", "TLinienLastLinks", "TLinienLastRechts"}));
    std::vector<std::string> ergebnisse{"TAktDorn", "TBerechnet", "AnzTAnzDorn", "TErgebnisAnzeige"};
    for (int d = 0; d <= 20; ++d) ergebnisse.push_back("TAnzDorn_" + std::to_string(d));
    EXPECT_EQ(Schluessel(zeilen, "Ergebnisse_1"), ergebnisse);
    EXPECT_EQ(Schluessel(zeilen, "DornDaten_1_13"), (std::vector<std::string>{"TDorn",
                                                                              "TMinBauteildicke",
                                                                              "TEinflussBereich",
                                                                              "TBereichPosA",
                                                                              "TEinflussPosB",
                                                                              "TPosAd",
                                                                              "TPosB2d",
                                                                              "TPosB1d",
                                                                              "TPosCd",
                                                                              "TPosDd",
                                                                              "TAnzPosA",
                                                                              "TAnzPosB2",
                                                                              "TAnzPosB1",
                                                                              "TAnzPosC",
                                                                              "TAnzPosD",
                                                                              "AnzTDistPosA",
                                                                              "TDistPosA_0",
                                                                              "TDistPosA_1",
                                                                              "TDistPosA_2",
                                                                              "AnzTDistPosB2",
                                                                              "TDistPosB2_0",
                                                                              "TDistPosB2_1",
                                                                              "TDistPosB2_2",
                                                                              "AnzTDistPosB1",
                                                                              "TDistPosB1_0",
                                                                              "TDistPosB1_1",
                                                                              "TDistPosB1_2",
                                                                              "AnzTDistPosD",
                                                                              "TDistPosD_0",
                                                                              "TDistPosD_1",
                                                                              "TDistPosD_2",
                                                                              "TDistPosB1Rand",
                                                                              "TDistPosCRand",
                                                                              "TDornBreite",
                                                                              "TDornHoehe",
                                                                              "TDornDurchmesser",
                                                                              "TDornAbstand",
                                                                              "TDornLaenge",
                                                                              "TDornRERohrb",
                                                                              "TDornRERohrh",
                                                                              "TDornStab1l",
                                                                              "TDornStab2l",
                                                                              "TDornStab1d",
                                                                              "TDornStab2d",
                                                                              "TDornStab1a",
                                                                              "TDornStab2a",
                                                                              "TDornPlattel",
                                                                              "TBetDeckungOben",
                                                                              "TBetDeckungUnten",
                                                                              "TMinRandSeite",
                                                                              "TMinRandSeiteL",
                                                                              "TMinAchsabstand",
                                                                              "AnzTVRds",
                                                                              "TVRds_0",
                                                                              "TVRds_1",
                                                                              "TVRds_2",
                                                                              "TVRds_3",
                                                                              "TVRds_4"}));
    EXPECT_EQ(Schluessel(zeilen, "DornErgebnis_1_20"), (std::vector<std::string>{"TDornAnordnung",
                                                                                 "AnzTDornAbstand",
                                                                                 "TDornAbstand_0",
                                                                                 "TDornNotwendig_0",
                                                                                 "TDornAbstand_1",
                                                                                 "TDornNotwendig_1",
                                                                                 "TDornPaarAbstand",
                                                                                 "TNutzhoehe",
                                                                                 "TAbstandLinks",
                                                                                 "TAbstandRechts",
                                                                                 "TKritAchs",
                                                                                 "TIstMinAchs",
                                                                                 "TZulMinAchs",
                                                                                 "TZulMinRand",
                                                                                 "TTypAchs",
                                                                                 "TTypRand",
                                                                                 "TVRds",
                                                                                 "TVRdce",
                                                                                 "TVRdct",
                                                                                 "TVRdZul",
                                                                                 "TVRdIst",
                                                                                 "TEtaQ",
                                                                                 "TAsx",
                                                                                 "TAsy",
                                                                                 "TRhol",
                                                                                 "Tbx",
                                                                                 "Tby",
                                                                                 "TbySoll",
                                                                                 "Tui",
                                                                                 "TStatus",
                                                                                 "TAbstandMeldung",
                                                                                 "TBewehrungManuell"}));
    EXPECT_EQ(Schluessel(zeilen, "DornErgebnisWarnungen_1_0"),
              (std::vector<std::string>{"AnzTMeldungen", "TMeldungen_0", "TMeldungen_1", "TMeldungen_2"}));
}

// A few values whose encoding is known independently of the writer.
TEST_F(Projektdatei, werteInIhrerKodierung) {
    TKModell modell(umgebung);
    TKAnwendung& a = modell.cAnwendung[0];
    a.cGeometrie.SetPlatteDicke(250);
    a.cGeometrie.SetRandLinks(true);
    a.cBelastungDesign.SetPunktLast(12.5);
    a.cErgebnisse.cDornErgebnis[3].SetEtaQ(0.000001);
    a.SetBetonguete(TsBetonguete::PB37);
    modell.cStueckliste.AddEintrag(
        {"P1", "1", "4", "ZAVR 45 HF", "4", "aktiv", "1", "", "123,4", "3", "Zusatz"});
    ASSERT_TRUE(SaveToFile(modell, Pfad("p.ZAV")));
    const std::vector<std::string> zeilen = Dateizeilen(Pfad("p.ZAV"));
    for (const char* zeile :
         {"Geometrie_1.TPlatteDicke=250", "Geometrie_1.TRandLinks=True", "Geometrie_1.TRandRechts=False",
          "BelastungDesign_1.TPunktLast=12,5", "DornErgebnis_1_3.TEtaQ=1E-6", "Position_1.TBetonguete=9",
          "Stueckliste.TStuecklisteBezeichnung110=Zusatz", "Stueckliste.TStueckliste1=11",
          "Stueckliste.TStuecklisteDeckenst\xE4rke1=", "Ergebnisse_1.AnzTAnzDorn=21",
          "DornDaten_1_0.AnzTVRds=5"})
        EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), zeile), zeilen.end()) << zeile;
}

TEST_F(Projektdatei, fremdeOderBeschaedigteDateienWerdenAbgelehnt) {
    const std::vector<std::string> inhalte{
        "",
        "Programm.Name=ZAVR\r\nProgramm.Version=zavr - 3.1.2\r\nHauptMaske.TAnzAnwendung=3\r\n",
        "Programm.Name=ZAVR\r\nProgramm.Version=ZAVR - 3.1.3\r\n",
        "Programm.Name=ZAVR\r\nProgramm.Version=ZAVR - 3.1.2 \r\n",
        "HauptMaske.TAnzAnwendung=3\r\n",
        std::string("\x89PNG\r\n\x1A\n\0\0\0", 11),
    };
    for (const std::string& inhalt : inhalte) {
        std::ofstream(Pfad("x.ZAV"), std::ios::binary) << inhalt;
        TKModell modell = Testprojekt(umgebung, 2);
        ASSERT_TRUE(SaveToFile(modell, Pfad("vorher.ZAV")));
        umgebung.meldungen.clear();
        EXPECT_FALSE(ReadFromFile(modell, Pfad("x.ZAV")));
        EXPECT_EQ(umgebung.meldungen, std::vector<std::string>{Fremd});
        ASSERT_TRUE(SaveToFile(modell, Pfad("nachher.ZAV")));
        EXPECT_EQ(DateiInhalt(Pfad("vorher.ZAV")), DateiInhalt(Pfad("nachher.ZAV")));  // model unchanged
    }
}

TEST_F(Projektdatei, nichtLesbareDateiIstEinFehlerFuerDenAufrufer) {
    TKModell modell(umgebung);
    EXPECT_THROW(ReadFromFile(modell, Pfad("fehlt.ZAV")), std::system_error);
    EXPECT_THROW(ReadPartFromFile(modell, Pfad("fehlt.ZAV"), 0), std::system_error);
}

TEST_F(Projektdatei, fehlendeSchluesselNehmenIhreLesevorgabe) {
    const TKModell original = Testprojekt(umgebung, 2);
    const TKModell gelesen = GeaendertGelesen(original, [](std::vector<std::string>& z) {
        Entfernen(z, "Position_2.TAnwendungsfall");
        Entfernen(z, "Ergebnisse_1.TBerechnet");
        Entfernen(z, "Ergebnisse_1.TAktDorn");
        Entfernen(z, "Position_1.TPosition");
        Entfernen(z, "Geometrie_1.TFugenlaenge");
        Entfernen(z, "DornDaten_1_4.TVRds_2");
        Entfernen(z, "ProjektDaten.TDatum");
        for (const char* titel :
             {"Position", "Anz. Pos.", "Anz. Dorne", "Bezeichnung", "Sum. Dorne", "Status", "lfdNr",
              "Deckenst\xE4rke", "statische Nutzh\xF6he", "St\xFCtzentyp"})
            Entfernen(z, "Stueckliste.TStueckliste" + std::string(titel) + "2");
    });
    EXPECT_EQ(gelesen.cAnwendung[1].GetAnwendungsfall(), TsAnwendungsfall::afEinzel);
    EXPECT_FALSE(gelesen.cAnwendung[0].cErgebnisse.GetBerechnet());
    EXPECT_EQ(gelesen.cAnwendung[0].cErgebnisse.GetAktDorn(), TsDorn::ZAVR20HF);
    EXPECT_EQ(gelesen.cAnwendung[0].GetPosition(), "");
    EXPECT_EQ(gelesen.cAnwendung[0].cGeometrie.GetFugenlaenge(), 2000);
    EXPECT_EQ(gelesen.cAnwendung[0].cErgebnisse.cDornDaten[4].GetVRds(TsFugenbreite::fb30bis40),
              100.2);  // catalogue, ZAVR60HF
    EXPECT_EQ(gelesen.cProjektdaten.GetDatum(), "");
    const TKStueckliste::Eintrag eintrag = gelesen.cStueckliste.GetEintrag(2);
    ASSERT_EQ(eintrag.size(), 13u);
    EXPECT_EQ(std::count(eintrag.begin(), eintrag.begin() + 10, ""), 10);
    EXPECT_EQ(eintrag[12], original.cStueckliste.GetEintrag(2)[12]);
}

// Points stored out of order (a hand-edited file) and with equal x read as if added one by one.
TEST_F(Projektdatei, lastpunkteWieEinzelnHinzugefuegt) {
    const std::vector<TrFloatPoint> punkte{{1000, 80}, {0, 50}, {1000, 20}, {2000, 50}, {1000, 90}};
    const TKModell gelesen = GeaendertGelesen(TKModell(umgebung), [&](std::vector<std::string>& z) {
        Ersetzen(z, "BelastungDesign_1.AnzbeliebigeLast", "5");
        Entfernen(z, "BelastungDesign_1.TGesamtLast");
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const std::string nr = std::to_string(i);
            Entfernen(z, "BelastungDesign_1.TbeliebigeLast_x" + nr);
            Entfernen(z, "BelastungDesign_1.TbeliebigeLast_y" + nr);
            z.push_back("BelastungDesign_1.TbeliebigeLast_x" + nr + "=" +
                        std::to_string(static_cast<int>(punkte[i].x)));
            z.push_back("BelastungDesign_1.TbeliebigeLast_y" + nr + "=" +
                        std::to_string(static_cast<int>(punkte[i].y)));
        }
    });
    TKBelastung einzeln;
    einzeln.ResetbeliebigeLast();
    for (const TrFloatPoint& p : punkte) einzeln.AddbeliebigeLast(p);
    const TKBelastung& last = gelesen.cAnwendung[0].cBelastungDesign;
    ASSERT_EQ(last.GetAnzLastPunkte(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(last.GetbeliebigeLast(i), einzeln.GetbeliebigeLast(i)) << i;
    // 0 to 1000 mm rising from 50 to 80, then from the last point at 1000 (90) down to 50 at 2000 mm.
    EXPECT_EQ(last.GetGesamtLast(), 135);
    EXPECT_EQ(last.GetGesamtLast(), einzeln.GetGesamtLast());
}

// Many load points read in linear time (they are sorted and summed once, not per point).
TEST_F(Projektdatei, vieleLastpunkteInLinearerZeit) {
    const TKModell gelesen = GeaendertGelesen(TKModell(umgebung), [](std::vector<std::string>& z) {
        Ersetzen(z, "BelastungDesign_1.AnzbeliebigeLast", "60000");
        for (int i = 0; i < 60000; ++i) {
            z.push_back("BelastungDesign_1.TbeliebigeLast_x" + std::to_string(i) + "=" +
                        std::to_string(60000 - i));
            z.push_back("BelastungDesign_1.TbeliebigeLast_y" + std::to_string(i) + "=1");
        }
    });
    EXPECT_EQ(gelesen.cAnwendung[0].cBelastungDesign.GetAnzLastPunkte(), 60000);
}

TEST_F(Projektdatei, unbrauchbarePositionsangabenWerdenBerichtigt) {
    struct Fall {
        const char* anzahl;
        const char* aktuell;
        int erwarteteAnzahl;
        int erwarteteAktuelle;
    };
    for (const Fall& f :
         {Fall{"0", "1", 1, 1}, Fall{"-3", "1", 1, 1}, Fall{"2", "7", 2, 2}, Fall{"2", "0", 2, 1},
          Fall{"2", "-1", 2, 1}, Fall{"2", "x", 2, 1}, Fall{"1", "2", 1, 1}}) {
        const TKModell gelesen = GeaendertGelesen(Testprojekt(umgebung, 2), [&](std::vector<std::string>& z) {
            Ersetzen(z, "HauptMaske.TAnzAnwendung", f.anzahl);
            Ersetzen(z, "HauptMaske.TAktAnwendung", f.aktuell);
        });
        EXPECT_EQ(gelesen.GetAnzAnwendung(), f.erwarteteAnzahl) << f.anzahl << " " << f.aktuell;
        EXPECT_EQ(gelesen.GetAktAnwendung(), f.erwarteteAktuelle) << f.anzahl << " " << f.aktuell;
        EXPECT_EQ(gelesen.cAnwendung.size(), static_cast<std::size_t>(f.erwarteteAnzahl));
    }
}

TEST_F(Projektdatei, ordinalOderZahlAusserhalbDesBereichsNimmtDieVorgabe) {
    const TKModell neu(umgebung);
    const TKModell gelesen = GeaendertGelesen(Testprojekt(umgebung, 1), [](std::vector<std::string>& z) {
        Ersetzen(z, "Position_1.TBetonguete", "14");
        Ersetzen(z, "Position_1.TAnwendungsfall", "-1");
        Ersetzen(z, "HauptMaske.TEingabeDorn", "21");
        Ersetzen(z, "Ergebnisse_1.TAktDorn", "99");
        Ersetzen(z, "Ergebnisse_1.TAnzDorn_5", "70000");
        Ersetzen(z, "DornErgebnis_1_2.TStatus", "-1");
        Ersetzen(z, "DornErgebnisFehler_1_2.TMeldungen_0", "65536");
        Ersetzen(z, "Geometrie_1.TPlatteDicke", "24 cm");
    });
    const TKAnwendung& a = gelesen.cAnwendung[0];
    EXPECT_EQ(a.GetBetonguete(), neu.cAnwendung[0].GetBetonguete());
    EXPECT_EQ(a.GetAnwendungsfall(), TsAnwendungsfall::afEinzel);
    EXPECT_EQ(gelesen.GetEingabeDorn(), neu.GetEingabeDorn());
    EXPECT_EQ(a.cErgebnisse.GetAktDorn(), TsDorn::ZAVR20HF);
    EXPECT_EQ(a.cGeometrie.GetPlatteDicke(), 240);
    // Counts and codes beyond their range are damaged results: discarded, the position is not designed.
    EXPECT_FALSE(a.cErgebnisse.GetBerechnet());
    EXPECT_EQ(a.cErgebnisse.cDornErgebnis[2], TKErgebnisse(a.GetAktLand()).cDornErgebnis[2]);
}

// Counts far beyond what the file holds must neither allocate nor take long; such a list reads the elements
// the file has, and nothing else changes.
TEST_F(Projektdatei, feindlicheAnzahlenBleibenBegrenzt) {
    const TKModell neu(umgebung);
    const TKModell gelesen = GeaendertGelesen(neu, [](std::vector<std::string>& z) {
        Ersetzen(z, "BelastungDesign_1.AnzbeliebigeLast", "2147483647");
        Ersetzen(z, "Stueckliste.TStueckliste", "2147483647");
        Ersetzen(z, "ProjektDaten.TFirmaZeilen", "-5");
        Ersetzen(z, "DornErgebnis_1_0.AnzTDornAbstand", "1000000000");
        Ersetzen(z, "DornDaten_1_0.AnzTVRds", "2147483647");
        Ersetzen(z, "Ergebnisse_1.AnzTAnzDorn", "2147483647");
        z.push_back("Stueckliste.TStueckliste1=2147483647");
        z.push_back("Stueckliste.TStueckliste2=-2147483648");
    });
    const TKAnwendung& a = gelesen.cAnwendung[0];
    EXPECT_EQ(gelesen.GetAnzAnwendung(), 1);
    EXPECT_EQ(a.cBelastungDesign.GetAnzLastPunkte(), neu.cAnwendung[0].cBelastungDesign.GetAnzLastPunkte());
    ASSERT_EQ(gelesen.cStueckliste.GetCountEintraege(), 2);
    EXPECT_EQ(gelesen.cStueckliste.GetEintrag(1).size(), 10u);
    EXPECT_TRUE(gelesen.cProjektdaten.GetFirma().empty());
    EXPECT_EQ(a.cErgebnisse.cDornErgebnis[0].GetAnzDornAbstand(),
              neu.cAnwendung[0].cErgebnisse.cDornErgebnis[0].GetAnzDornAbstand());
    EXPECT_EQ(a.cErgebnisse.cDornDaten[0].GetVRds(TsFugenbreite::fb50bis60),
              neu.cAnwendung[0].cErgebnisse.cDornDaten[0].GetVRds(TsFugenbreite::fb50bis60));
}

// The declared count holds, also for a file cut off inside a position: what is missing reads its defaults.
TEST_F(Projektdatei, positionenWieDieDateiSieAngibt) {
    TKModell modell(umgebung);
    modell.SetAnzAnwendung(3);
    modell.cAnwendung[1].SetPosition("zweite");
    for (const auto& [anzahl, letzte] : {std::pair{3, "3"}, std::pair{5, ""}}) {
        const TKModell gelesen = GeaendertGelesen(modell, [&](std::vector<std::string>& z) {
            z.resize(z.size() - 1000);  // cut off inside the third position
            Ersetzen(z, "HauptMaske.TAnzAnwendung", std::to_string(anzahl));
        });
        ASSERT_EQ(gelesen.GetAnzAnwendung(), anzahl);
        EXPECT_EQ(gelesen.cAnwendung[1].GetPosition(), "zweite");
        EXPECT_EQ(gelesen.cAnwendung.back().GetPosition(), letzte) << anzahl;
    }
}

// A save that fails must leave the file that was there byte for byte.
TEST_F(Projektdatei, misslungenesSpeichernLaesstDieAlteDateiUnberuehrt) {
    const TKModell alt = Testprojekt(umgebung, 1);
    ASSERT_TRUE(SaveToFile(alt, Pfad("p.ZAV")));
    const std::string vorher = DateiInhalt(Pfad("p.ZAV"));

    TKModell neu(umgebung);
    neu.cStueckliste.AddEintrag({"nur", "neun", "Zeilen", "", "", "", "", "", ""});
    EXPECT_FALSE(SaveToFile(neu, Pfad("p.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("p.ZAV")), vorher);
    EXPECT_FALSE(SaveToFile(TKModell(umgebung), Pfad("fehlt/p.ZAV")));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 1);
}

// Every way a save can fail leaves the old file byte for byte, no temporary file, and names its reason.
TEST_F(Projektdatei, misslungenesSpeichernNenntDenGrund) {
    const TKModell modell = Testprojekt(umgebung, 1);
    PruefeSchreibfehler(Pfad("p.ZAV"),
                        [&] { return GrundVon([&] { ProjektSpeichern(modell, Pfad("p.ZAV")); }); });
    Fehlerschicht voll(Fehlerschicht::Schritt::Schreiben, ENOSPC);
    const DateischichtErsetzen ersetzt(voll);
    EXPECT_FALSE(SaveToFile(modell, Pfad("p.ZAV")));
}

TEST_F(Projektdatei, positionAusAndererDateiUebernehmen) {
    const TKModell andere = Testprojekt(umgebung, 3);
    ASSERT_TRUE(SaveToFile(andere, Pfad("andere.ZAV")));
    TKModell modell(umgebung);
    ASSERT_TRUE(ReadPartFromFile(modell, Pfad("andere.ZAV"), 2));
    ASSERT_EQ(modell.GetAnzAnwendung(), 2);
    ASSERT_EQ(modell.cAnwendung.size(), 2u);
    const TKAnwendung& kopie = modell.cAnwendung[1];
    EXPECT_EQ(kopie.GetPosition(), andere.cAnwendung[2].GetPosition());
    EXPECT_EQ(kopie.cErgebnisse.cDornErgebnis[9].GetTypAchs(),
              andere.cAnwendung[2].cErgebnisse.cDornErgebnis[9].GetTypAchs());
    EXPECT_EQ(kopie.cErgebnisse.GetBerechnet(), andere.cAnwendung[2].cErgebnisse.GetBerechnet());

    EXPECT_FALSE(ReadPartFromFile(modell, Pfad("andere.ZAV"), 3));
    EXPECT_FALSE(ReadPartFromFile(modell, Pfad("andere.ZAV"), -1));
    std::ofstream(Pfad("fremd.ZAV"), std::ios::binary) << "Programm.Version=XYZ\r\n";
    umgebung.meldungen.clear();
    EXPECT_FALSE(ReadPartFromFile(modell, Pfad("fremd.ZAV"), 0));
    EXPECT_EQ(umgebung.meldungen, std::vector<std::string>{Fremd});
    EXPECT_EQ(modell.GetAnzAnwendung(), 2);
}

TEST_F(Projektdatei, positionInnerhalbDesProjektsKopieren) {
    TKModell modell = Testprojekt(umgebung, 3);
    ASSERT_TRUE(KopiereAnwendung(modell, 1, 3));
    EXPECT_EQ(modell.cAnwendung[2].GetPosition(), "3");
    EXPECT_EQ(modell.cAnwendung[2].cErgebnisse.cDornErgebnis[0].GetVRdIst(),
              modell.cAnwendung[0].cErgebnisse.cDornErgebnis[0].GetVRdIst());
    modell.cAnwendung[2].cGeometrie.SetPlatteDicke(999);  // independent copy
    EXPECT_NE(modell.cAnwendung[0].cGeometrie.GetPlatteDicke(), 999);
    for (auto [quelle, ziel] : {std::pair{0, 1}, std::pair{1, 4}, std::pair{4, 1}})
        EXPECT_FALSE(KopiereAnwendung(modell, quelle, ziel));
}

}  // namespace
