#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliTest.h"

namespace {

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream s(text);
    for (std::string z; std::getline(s, z);) zeilen.push_back(z);
    return zeilen;
}

class DesignBefehl : public CliTest {
protected:
    Lauf Design(const std::vector<std::string>& argumente, const std::string& locale = "C") const {
        std::vector<std::string> alle{"design"};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return Starte(ZAVR_CLI, alle, locale);
    }
};

const std::vector<std::string> Zeilenfolge{
    "ZAVR 20 HF", "ZAVR 25 HF",  "ZAVRQ 25 HF", "ZAVR 30 HF",  "ZAVRQ 30 HF", "ZAVR 45 HF",   "ZAVRQ 45 HF",
    "ZAVR 60 HF", "ZAVRQ 60 HF", "ZAVR 90 HF",  "ZAVRQ 90 HF", "ZAVR 120 HF", "ZAVRQ 120 HF", "ZAVR 130",
    "ZAVRQ 130",  "ZAVR 150",    "ZAVRQ 150",   "ZAVR 400",    "ZAVRQ 400",   "ZAVR 450",     "ZAVRQ 450"};

std::string Zweistellig(double wert, char trenner) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", wert);
    std::string s(text);
    for (char& c : s)
        if (c == '.') c = trenner;
    return s;
}

// The text table and the JSON document describe the same design: every row shows the type, the three
// utilisations of the JSON values to two decimals, the dowel count and the status text, in row order.
TEST_F(DesignBefehl, tabelleUndJsonDesBeispielsStimmenUeberein) {
    for (const auto& [locale, trenner] : {std::pair{"C", '.'}, std::pair{"de_DE.UTF-8", ','}}) {
        const Lauf tabelle = Design({Beispiel}, locale);
        ASSERT_EQ(tabelle.status, 0) << tabelle.fehler;
        const Lauf json = Design({Beispiel, "--json"}, locale);
        ASSERT_EQ(json.status, 0) << json.fehler;
        const auto dokument = nlohmann::json::parse(json.aus);
        const auto& positionen = dokument.at("Positionen");
        ASSERT_EQ(positionen.size(), 5u);

        const std::vector<std::string> zeilen = Zeilen(tabelle.aus);
        std::size_t z = 0;
        for (const auto& p : positionen) {
            ASSERT_LT(z + 23, zeilen.size());
            EXPECT_EQ(zeilen[z].rfind("Position " + std::to_string(p.at("Position").get<int>()) + " \"" +
                                          p.at("TPosition").get<std::string>() + "\"",
                                      0),
                      0u)
                << zeilen[z];
            for (std::size_t r = 0; r < Zeilenfolge.size(); ++r) {
                std::istringstream zeile(zeilen[z + 2 + r].substr(14));
                const auto& d =
                    *std::find_if(p.at("Dorne").begin(), p.at("Dorne").end(),
                                  [&](const auto& dorn) { return dorn.at("Name") == Zeilenfolge[r]; });
                EXPECT_EQ(zeilen[z + 2 + r].substr(0, Zeilenfolge[r].size()), Zeilenfolge[r]);
                const double ist = d.at("TVRdIst");
                std::string etaS, etaCt, etaCe;
                int anzahl = 0;
                zeile >> etaS >> etaCt >> etaCe >> anzahl;
                EXPECT_EQ(etaS, Zweistellig(ist / d.at("TVRds").get<double>(), trenner));
                EXPECT_EQ(etaCt, Zweistellig(ist / d.at("TVRdct").get<double>(), trenner));
                EXPECT_EQ(etaCe, Zweistellig(ist / d.at("TVRdce").get<double>(), trenner));
                EXPECT_EQ(anzahl, d.at("TAnzDorn").get<int>());
                EXPECT_NE(zeilen[z + 2 + r].find("  " + d.at("Status").get<std::string>()),
                          std::string::npos);
            }
            EXPECT_EQ(zeilen[z + 23].rfind("Gewählter Dorn: " + p.at("TAktDornName").get<std::string>(), 0),
                      0u);
            z += 25;
        }
    }
}

// Invariants of every designed type: the admissible resistance is the least of the three, a row has one
// dowel fewer than entries in its dimension chain, and the selected type is admissible.
TEST_F(DesignBefehl, jsonFelderJeDorntyp) {
    const Lauf lauf = Design({Beispiel, "--json"});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const auto dokument = nlohmann::json::parse(lauf.aus);
    for (const auto& p : dokument.at("Positionen")) {
        ASSERT_EQ(p.at("Dorne").size(), 21u);
        const int fall = p.at("TAnwendungsfall");
        for (int d = 0; d < 21; ++d) {
            const auto& dorn = p.at("Dorne")[d];
            EXPECT_EQ(dorn.at("TDorn"), d);
            for (const char* key :
                 {"TStatus",      "cFehler",        "cWarnungen",   "TAnzDorn",     "TDornAnordnung",
                  "TDornAbstand", "TDornNotwendig", "TNutzhoehe",   "TVRds",        "TVRdce",
                  "TVRdct",       "TVRdzul",        "TVRdIst",      "TEtaQ",        "TAsx",
                  "TAsy",         "TRhol",          "Tbx",          "Tby",          "Tui",
                  "TAnzPosA",     "TAnzPosD",       "TPosDd",       "TDistPosA",    "TDistPosB2",
                  "TDistPosB1",   "TDistPosD",      "TBereichPosA", "TEinflussPosB"})
                EXPECT_TRUE(dorn.contains(key)) << key;
            EXPECT_DOUBLE_EQ(dorn.at("TVRdzul").get<double>(),
                             std::min({dorn.at("TVRds").get<double>(), dorn.at("TVRdce").get<double>(),
                                       dorn.at("TVRdct").get<double>()}));
            if (fall >= 3) {
                EXPECT_EQ(dorn.at("TAnzDorn").get<std::size_t>() + 1, dorn.at("TDornAbstand").size());
            }
        }
        EXPECT_EQ(p.at("Dorne")[p.at("TAktDorn").get<int>()].at("TStatus"), 0);
        EXPECT_EQ(p.at("Dorne")[p.at("TAktDorn").get<int>()].at("Name"), p.at("TAktDornName"));
    }
}

// Designing an opened project again gives its stored results to the byte, and --save writes exactly what
// the program writes. The bundled example must be the generator's current output.
TEST_F(DesignBefehl, gespeichertesProjektGleichtDemNeuErzeugten) {
    ASSERT_EQ(Starte(ZAVR_BEISPIEL, {Pfad("neu.ZAV")}).status, 0);
    const Lauf lauf = Design({Pfad("neu.ZAV"), "--save", Pfad("bemessen.ZAV")}, "de_DE.UTF-8");
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_TRUE(DateiInhalt(Pfad("neu.ZAV")) == DateiInhalt(Pfad("bemessen.ZAV")));
    EXPECT_TRUE(DateiInhalt(Pfad("neu.ZAV")) == DateiInhalt(Beispiel))
        << "examples/Beispiel.ZAV is out of date: regenerate it with zavr-beispiel examples/Beispiel.ZAV";

    ASSERT_EQ(Design({Beispiel, "--position", "2", "--save", Pfad("punkt.ZAV")}).status, 0);
    const std::string punkt = DateiInhalt(Pfad("punkt.ZAV"));
    EXPECT_NE(punkt.find("\r\nBelastungDesign_2.TLinienLastLinks=40\r\n"), std::string::npos);
    EXPECT_NE(punkt.find("\r\nBelastungCharg_5.TGammaf=1.35\r\n"), std::string::npos);
}

TEST_F(DesignBefehl, nurDieGewaehltePosition) {
    const Lauf lauf = Design({Beispiel, "--position=3"});
    ASSERT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.aus.rfind("Position 3 \"Wandanschluss C\" - Dornpaar Platte an Wand\n", 0), 0u);
    EXPECT_EQ(lauf.aus.find("Position 1"), std::string::npos);
    EXPECT_EQ(Zeilen(lauf.aus).size(), 25u);  // title, header, 21 rows, choice, blank line
}

TEST_F(DesignBefehl, nichtBestandenePruefungGibtEins) {
    const std::string datei = Variante({{"Geometrie_2.TPlatteDicke", "120"}});
    const Lauf lauf = Design({datei, "--save", Pfad("aus.ZAV")});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_NE(lauf.fehler.find(
                  "Position 2 \"Fuge Achse B\": Die vorgegebene Betondicke ist kleiner als die minimale "
                  "Betondicke für den kleinsten Doppelschubdorn!"),
              std::string::npos);
    EXPECT_NE(lauf.aus.find("Position 2 \"Fuge Achse B\" - Dornpaar Platte an Platte\nnicht bemessen"),
              std::string::npos);
    EXPECT_NE(lauf.aus.find("Position 3"), std::string::npos);  // the others are still designed
    EXPECT_TRUE(fs::exists(Pfad("aus.ZAV")));
}

TEST_F(DesignBefehl, konstanterAbstandUeberFuenfPlattendickenIstEineWarnung) {
    const Lauf lauf = Design({Variante({{"Geometrie_5.TkonstDornAbstand", "1300"}}), "--position", "5"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_NE(lauf.fehler.find(
                  "Position 5 \"Wand E\": Warnung: Der gewählte konstante Dornabstand ist größer als 5 * "
                  "Plattendicke!"),
              std::string::npos);
    EXPECT_NE(lauf.aus.find("Gewählter Dorn: "), std::string::npos);
}

TEST_F(DesignBefehl, unlesbareOderFremdeDateiGibtZweiUndSchreibtNichts) {
    std::ofstream(Pfad("fremd.ZAV"), std::ios::binary)
        << "Programm.Name=ZAVR\r\nProgramm.Version=ZAVR - 2.0\r\n";
    for (const std::string& eingabe : {Pfad("fehlt.ZAV"), Pfad("fremd.ZAV"), ordner.string()}) {
        const Lauf lauf = Design({eingabe, "--save", Pfad("aus.ZAV"), "--json"});
        EXPECT_EQ(lauf.status, 2) << eingabe;
        EXPECT_EQ(lauf.aus, "") << eingabe;
        EXPECT_NE(lauf.fehler, "") << eingabe;
        EXPECT_FALSE(fs::exists(Pfad("aus.ZAV")));
    }
    EXPECT_NE(Design({Pfad("fremd.ZAV")}).fehler.find("Die Datei ist keine gültige QUORVEL® - ZAVR Datei"),
              std::string::npos);
}

// A project written by a script with inputs only has every position it declares, and --save keeps them.
TEST_F(DesignBefehl, jedeAngegebenePositionWirdBemessenUndGespeichert) {
    std::ofstream(Pfad("zwei.ZAV"), std::ios::binary)
        << "Programm.Name=ZAVR\r\nProgramm.Version=ZAVR - 3.1.2\r\nHauptMaske.TAnzAnwendung=2\r\n"
           "Position_1.TPosition=Erste\r\nPosition_2.TPosition=Zweite\r\n";
    const Lauf lauf = Design({Pfad("zwei.ZAV"), "--save", Pfad("aus.ZAV")});
    // The default point load is too much for every type: designed, saved, and no dowel chosen.
    EXPECT_EQ(lauf.status, 1) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find("Position 2 \"Zweite\": Kein gültiger Dorn gefunden"), std::string::npos);
    EXPECT_NE(lauf.aus.find("Position 2 \"Zweite\""), std::string::npos);
    const std::string gespeichert = DateiInhalt(Pfad("aus.ZAV"));
    EXPECT_NE(gespeichert.find("\r\nHauptMaske.TAnzAnwendung=2\r\n"), std::string::npos);
    EXPECT_NE(gespeichert.find("\r\nPosition_2.TPosition=Zweite\r\n"), std::string::npos);
}

// Bytes that are no UTF-8 in a file marked as UTF-8 come out as replacement characters, never as a crash.
TEST_F(DesignBefehl, ungueltigeZeichenGebenGueltigesJson) {
    std::ofstream(Pfad("kaputt.ZAV"), std::ios::binary)
        << "\xEF\xBB\xBFProgramm.Name=ZAVR\r\nProgramm.Version=ZAVR - 3.1.2\r\n"
           "Position_1.TPosition=P\xF4\x90\x80\x80\r\n";
    const Lauf lauf = Design({Pfad("kaputt.ZAV"), "--json", "--save", Pfad("aus.ZAV")});
    ASSERT_EQ(lauf.status, 1) << lauf.fehler;  // designed; the default load finds no admissible type
    EXPECT_EQ(nlohmann::json::parse(lauf.aus).at("Positionen")[0].at("TPosition"),
              "P\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_NE(DateiInhalt(Pfad("aus.ZAV")).find("Position_1.TPosition=P\xEF\xBF\xBD\xEF\xBF\xBD"),
              std::string::npos);
}

// A save or a read that fails says why.
TEST_F(DesignBefehl, fehlerBeimSpeichernUndLesenNennenDenGrund) {
    const Lauf ordner = Design({Beispiel, "--position", "1", "--save", Pfad("fehlt/aus.ZAV")});
    EXPECT_EQ(ordner.status, 2);
    EXPECT_NE(ordner.fehler.find("aus.ZAV kann nicht gespeichert werden: der Ordner existiert nicht"),
              std::string::npos)
        << ordner.fehler;
    const Lauf geraet = Design({"/dev/zero"});
    EXPECT_EQ(geraet.status, 2);
    EXPECT_NE(geraet.fehler.find("keine gewöhnliche Datei"), std::string::npos) << geraet.fehler;
}

TEST_F(DesignBefehl, falscheArgumenteGebenZwei) {
    for (const std::vector<std::string>& argumente :
         std::vector<std::vector<std::string>>{{},
                                               {Beispiel, "--position", "0"},
                                               {Beispiel, "--position", "6"},
                                               {Beispiel, "--position", "x"},
                                               {Beispiel, "--position"},
                                               {Beispiel, "--save"},
                                               {Beispiel, Beispiel},
                                               {Beispiel, "--unbekannt"}}) {
        const Lauf lauf = Design(argumente);
        EXPECT_EQ(lauf.status, 2) << ::testing::PrintToString(argumente);
        EXPECT_EQ(lauf.aus, "");
    }
    EXPECT_EQ(Starte(ZAVR_CLI, {}).status, 2);
    EXPECT_EQ(Starte(ZAVR_CLI, {"zeichne"}).status, 2);
}

TEST_F(DesignBefehl, hilfe) {
    const Lauf design = Design({"--help"});
    EXPECT_EQ(design.status, 0);
    for (const char* option : {"--position N", "--save AUSGABE.ZAV", "--json", "Rückgabewert"})
        EXPECT_NE(design.aus.find(option), std::string::npos) << option;
    const Lauf uebersicht = Starte(ZAVR_CLI, {"--help"});
    EXPECT_EQ(uebersicht.status, 0);
    EXPECT_NE(uebersicht.aus.find("design"), std::string::npos);
}

}  // namespace
