#include "files/TKExplorer.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <system_error>

#include "Testprojekt.h"
#include "files/ProjektDatei.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

namespace fs = std::filesystem;

using Zeilen = std::vector<std::string>;

class Explorer : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() / ("zavr_explorer_" + std::to_string(::getpid()));
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    // A hand-written file of the program's version with the given further lines.
    std::string Datei(const Zeilen& zeilen) const {
        const std::string pfad = (ordner / "p.ZAV").string();
        Zeilen alle{"Programm.Name=ZAVR", "Programm.Version=ZAVR - 3.1.2"};
        alle.insert(alle.end(), zeilen.begin(), zeilen.end());
        SchreibeDateizeilen(pfad, alle);
        return pfad;
    }
    std::vector<TKExplorer::Projekt> Gelesen(const std::string& pfad) {
        TKExplorer explorer(umgebung);
        EXPECT_TRUE(explorer.ReadFromFile(pfad));
        return explorer.GetProjekt();
    }

    fs::path ordner;
    StandardUmgebung umgebung;
};

}  // namespace

TEST_F(Explorer, eineZeilenlisteJePosition) {
    TKModell modell(umgebung);
    modell.cProjektdaten.SetBauvorhaben("Halle 3");
    modell.cProjektdaten.SetDatum("09.12.2026");
    modell.SetAnzAnwendung(3);
    modell.cAnwendung[0].SetPosition("Achse A");
    modell.cAnwendung[0].SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    modell.cAnwendung[1].SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    modell.cAnwendung[1].cGeometrie.SetFugenlaenge(12500);
    modell.cAnwendung[2].SetAnwendungsfall(TsAnwendungsfall::afPaarWand);
    const std::string pfad = (ordner / "halle.ZAV").string();
    ASSERT_TRUE(SaveToFile(modell, pfad));

    EXPECT_EQ(Gelesen(pfad),
              (std::vector<Zeilen>{
                  {"Achse A", "ZAVR", "Halle 3", "einzelner Doppelschubdorn", "2,0 m", "09.12.2026"},
                  {"2", "ZAVR", "Halle 3", "Dornreihe Platte an Platte", "12,5 m", "09.12.2026"},
                  {"3", "ZAVR", "Halle 3", "Dornpaar Platte an Wand", "2,0 m", "09.12.2026"}}));
    EXPECT_TRUE(umgebung.meldungen.empty());
}

// Absent keys read as empty texts, as the single dowel case and as a joint of 0 m; the count alone says
// how many positions there are.
TEST_F(Explorer, fehlendeSchluesselUndUnsinnigeWerte) {
    EXPECT_EQ(Gelesen(Datei({"HauptMaske.TAnzAnwendung=2", "Position_2.TAnwendungsfall=7",
                             "Geometrie_2.TFugenlaenge=viel"})),
              (std::vector<Zeilen>{{"", "ZAVR", "", "einzelner Doppelschubdorn", "0,0 m", ""},
                                   {"", "ZAVR", "", "", "0,0 m", ""}}));
    EXPECT_TRUE(Gelesen(Datei({})).empty());
    EXPECT_TRUE(Gelesen(Datei({"HauptMaske.TAnzAnwendung=-4"})).empty());
    // More positions than any project can hold: a damaged count, listed up to that limit.
    EXPECT_EQ(Gelesen(Datei({"HauptMaske.TAnzAnwendung=2000000000"})).size(), 65535u);
}

TEST_F(Explorer, fremdeDateiWirdGemeldetUndListetNichts) {
    for (const char* version : {"Programm.Version=ZAVR - 3.1.1", "Programm.Version=zavr - 3.1.2", "Text"}) {
        SCOPED_TRACE(version);
        const std::string pfad = (ordner / "fremd.ZAV").string();
        SchreibeDateizeilen(pfad, {"Programm.Name=ZAVR", version, "HauptMaske.TAnzAnwendung=1"});
        umgebung.meldungen.clear();
        TKExplorer explorer(umgebung);
        EXPECT_FALSE(explorer.ReadFromFile(pfad));
        EXPECT_TRUE(explorer.GetProjekt().empty());
        EXPECT_EQ(umgebung.meldungen, Zeilen{"Die Datei ist keine gültige QUORVEL® - ZAVR Datei"});
    }
}

TEST_F(Explorer, unlesbareDateiWirftDenDateifehler) {
    TKExplorer explorer(umgebung);
    EXPECT_THROW(explorer.ReadFromFile((ordner / "fehlt.ZAV").string()), std::system_error);
    EXPECT_THROW(explorer.ReadFromFile(ordner.string()), std::system_error);  // a folder
    EXPECT_TRUE(explorer.GetProjekt().empty());
}

TEST(FugenlaengeText, meterMitEinerNachkommastelle) {
    EXPECT_EQ(FugenlaengeText(12500, ','), "12,5 m");
    EXPECT_EQ(FugenlaengeText(12500, '.'), "12.5 m");
    EXPECT_EQ(FugenlaengeText(0, ','), "0,0 m");
    EXPECT_EQ(FugenlaengeText(1250, ','), "1,2 m");  // halves to the even tenth
    EXPECT_EQ(FugenlaengeText(1350, ','), "1,4 m");
    EXPECT_EQ(FugenlaengeText(987654, ','), "987,7 m");
}
