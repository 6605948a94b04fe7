// zavr-cli speaks the language the window speaks: chosen with --language, else as the program was last
// started, else as the locale says, else German; its documents, tables, drawings and messages follow it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "cli/CliTest.h"

namespace {

class Sprachen : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Cli({"--help"}).aus.find("report") == std::string::npos)
            GTEST_SKIP() << "built without Qt: German only";
    }
    Lauf Cli(const std::vector<std::string>& argumente, const std::string& umgebung = "",
             const std::string& locale = "C") const {
        return Starte(ZAVR_CLI, argumente, locale, umgebung);
    }
    void Einstellungen(const fs::path& datei, int idSprache) const {
        fs::create_directories(datei.parent_path());
        std::ofstream(datei, std::ios::binary) << "[Anwenderdaten]\r\nIDSprache=" << idSprache << "\r\n";
    }
};

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

std::set<std::string> Schluessel(const nlohmann::json& j) {
    std::set<std::string> namen;
    if (j.is_object())
        for (const auto& [name, wert] : j.items()) {
            namen.insert(name);
            for (const std::string& innen : Schluessel(wert)) namen.insert(name + "." + innen);
        }
    if (j.is_array() && !j.empty()) return Schluessel(j.front());
    return namen;
}

}  // namespace

TEST_F(Sprachen, nachweisAufEnglischMitDezimalpunkt) {
    const Lauf lauf = Cli({"--language", "en", "report", Beispiel, "--position", "4", "-o", Pfad("n.pdf")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const std::string text = PdfText("n.pdf");
    for (const char* englisch : {"Design calculation for ZAVR", "Page:", "1 of 3", "21.4 cm",
                                 "see the following page", "Double shear dowel ZAVR · ZAVRQ"})
        EXPECT_TRUE(Enthaelt(text, englisch)) << englisch;
    for (const char* deutsch :
         {"Berechnungsnachweis", "Seite:", "Plattendicke", "Bauvorhaben", "Doppelschubdorn"})
        EXPECT_FALSE(Enthaelt(text, deutsch)) << deutsch;
}

// The parts list as text (Polish needs letters Windows-1252 lacks, so the file is UTF-8 with its mark) and
// the tender text as printed pages.
TEST_F(Sprachen, stuecklisteUndAusschreibungAufPolnisch) {
    ASSERT_EQ(
        Cli({"--language", "pl", "bill", Beispiel, "--kind", "stueckliste", "--add-all", "-o", Pfad("l.txt")})
            .status,
        0);
    const std::string liste = DateiInhalt(Pfad("l.txt"));
    EXPECT_EQ(liste.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_TRUE(Enthaelt(liste, "Zestawienie elementów\r\n"));
    EXPECT_TRUE(Enthaelt(liste, "Lp.  Pozycja             Liczba trzpieni       Liczba mankietów ppoż."));
    EXPECT_FALSE(Enthaelt(liste, "Stückliste"));

    ASSERT_EQ(
        Cli({"--language", "pl", "bill", Beispiel, "--kind", "tender-text", "--add-all", "-o", Pfad("a.pdf")})
            .status,
        0);
    const std::string seiten = PdfText("a.pdf");
    EXPECT_TRUE(Enthaelt(seiten, "Opis przetargowy"));
    EXPECT_TRUE(Enthaelt(seiten, "Podwójne trzpienie ścinane"));
    EXPECT_TRUE(Enthaelt(seiten, "Strona:"));
    EXPECT_FALSE(Enthaelt(seiten, "Ausschreibungstext"));
}

TEST_F(Sprachen, tabelleHilfeUndMeldungenInDerSprache) {
    const Lauf design = Cli({"--language", "en", "design", Beispiel, "--position", "1"});
    ASSERT_EQ(design.status, 0) << design.fehler;
    EXPECT_TRUE(Enthaelt(design.aus, "Position 1 \"Stütze A1\" - single double shear dowel\n"));
    EXPECT_TRUE(Enthaelt(design.aus, "Remarks\n"));
    EXPECT_TRUE(Enthaelt(design.aus, "Selected dowel: ZAVR 30 HF"));
    EXPECT_TRUE(Enthaelt(Cli({"design", "--help", "--language", "pl"}).aus, "Użycie: zavr-cli design"));
    const Lauf falsch = Cli({"--language", "en", "zeichne"});
    EXPECT_EQ(falsch.status, 2);
    EXPECT_TRUE(Enthaelt(falsch.fehler, "zavr-cli: unknown command \"zeichne\""));
    EXPECT_TRUE(Enthaelt(falsch.fehler, "Commands:"));
    const Lauf position =
        Cli({"--language", "pl", "report", Beispiel, "--position", "9", "-o", Pfad("n.pdf")});
    EXPECT_EQ(position.status, 2);
    EXPECT_TRUE(Enthaelt(position.fehler, "pozycja 9 nie istnieje; ostatnia pozycja projektu to 5"));
}

// Without --language: the settings of the installed program, else those in the user's configuration
// folder, else the locale's language, else German; a stored language other than English or Polish means
// German, as in the start window.
TEST_F(Sprachen, standardSpracheWieImProgramm) {
    const fs::path installiert = ordner / "opt";
    fs::create_directories(installiert / "bin");
    fs::copy_file(ZAVR_CLI, installiert / "bin" / "zavr-cli");
    fs::permissions(installiert / "bin" / "zavr-cli", fs::perms::owner_all);
    const std::string kopie = (installiert / "bin" / "zavr-cli").string();
    const auto befehle = [&](const std::string& programm, const std::string& umgebung) {
        return Starte(programm, {"--help"}, "", umgebung).aus;
    };
    EXPECT_TRUE(Enthaelt(befehle(kopie, ""), "Befehle:"));
    EXPECT_TRUE(Enthaelt(befehle(kopie, "LANG=en_GB.UTF-8"), "Commands:"));
    EXPECT_TRUE(Enthaelt(befehle(kopie, "LANG=de_DE.UTF-8 LC_MESSAGES=pl_PL.UTF-8"), "Polecenia:"));
    Einstellungen(Pfad("heim") + "/.config/zavr/zavr.INI", 2057);
    EXPECT_TRUE(Enthaelt(befehle(kopie, "LANG=pl_PL.UTF-8"), "Commands:"));
    Einstellungen(installiert / "lib" / "zavr" / "zavr.INI", 21);
    EXPECT_TRUE(Enthaelt(befehle(kopie, "LANG=en_GB.UTF-8"), "Polecenia:"));
    Einstellungen(installiert / "lib" / "zavr" / "zavr.INI", 1036);
    EXPECT_TRUE(Enthaelt(befehle(kopie, "LANG=en_GB.UTF-8"), "Befehle:"));
    EXPECT_TRUE(Enthaelt(Starte(kopie, {"--language", "en", "--help"}, "", "").aus, "Commands:"));
}

// --language brings its own separator (English a point, Polish a comma), --decimal overrides it; without
// --language the locale's stays, as the window keeps the regional separator whatever its language.
TEST_F(Sprachen, dezimaltrennerDerSpracheOderDerAngabe) {
    const auto tabelle = [&](std::vector<std::string> vorne, const std::string& locale) {
        vorne.insert(vorne.end(), {"design", Beispiel, "--position", "1"});
        return Cli(vorne, "", locale).aus;
    };
    EXPECT_TRUE(Enthaelt(tabelle({"--language", "en"}, "de_DE.UTF-8"), " 0.89 "));
    EXPECT_TRUE(Enthaelt(tabelle({"--language", "pl"}, "C"), " 0,89 "));
    EXPECT_TRUE(Enthaelt(tabelle({"--language", "pl", "--decimal", "."}, "C"), " 0.89 "));
    EXPECT_TRUE(Enthaelt(tabelle({"--decimal=,"}, "C"), " 0,89 "));
    EXPECT_TRUE(Enthaelt(tabelle({}, "de_DE.UTF-8"), " 0,89 "));
    EXPECT_TRUE(Enthaelt(tabelle({}, "C"), " 0.89 "));
}

TEST_F(Sprachen, jsonHatInJederSpracheDieselbenSchluessel) {
    std::vector<nlohmann::json> dokumente;
    for (const char* sprache : {"de", "en", "pl"}) {
        const Lauf lauf = Cli({"--language", sprache, "design", Beispiel, "--json"});
        ASSERT_EQ(lauf.status, 0) << sprache;
        dokumente.push_back(nlohmann::json::parse(lauf.aus));
    }
    EXPECT_EQ(Schluessel(dokumente[0]), Schluessel(dokumente[1]));
    EXPECT_EQ(Schluessel(dokumente[0]), Schluessel(dokumente[2]));
    EXPECT_EQ(dokumente[0]["Positionen"][0]["TAktDornName"], dokumente[2]["Positionen"][0]["TAktDornName"]);
    EXPECT_EQ(dokumente[1]["Positionen"][0]["Dorne"][0]["Status"], "VEd > VRd");
}

TEST_F(Sprachen, zeichnungenUndSkizzenInDerSprache) {
    ASSERT_EQ(
        Cli({"--language", "en", "dxf", "reinforcement", Beispiel, "--position", "4", "-o", Pfad("e.dxf")})
            .status,
        0);
    const std::string englisch = DateiInhalt(Pfad("e.dxf"));
    EXPECT_TRUE(Enthaelt(englisch, "\r\nPlan view\r\n"));
    EXPECT_TRUE(Enthaelt(englisch, "\r\nElevation\r\n"));
    EXPECT_FALSE(Enthaelt(englisch, "Draufsicht"));
    ASSERT_EQ(
        Cli({"--language", "pl", "dxf", "reinforcement", Beispiel, "--position", "4", "-o", Pfad("p.dxf")})
            .status,
        0);
    EXPECT_TRUE(Enthaelt(DateiInhalt(Pfad("p.dxf")), "\r\nPoz. Asx1 ("));
    ASSERT_EQ(Cli({"--language", "en", "sketch", Beispiel, "--position", "4", "--view", "plan", "-o",
                   Pfad("s.svg")})
                  .status,
              0);
    const std::string skizze = DateiInhalt(Pfad("s.svg"));
    EXPECT_TRUE(Enthaelt(skizze, ">Plan view<"));
    EXPECT_TRUE(Enthaelt(skizze, " link"));
}

// Without --grades the table offers the grades the input window offers in the language.
TEST_F(Sprachen, tragfaehigkeitstabelleMitDenGuetenDerSprache) {
    const std::vector<std::string> tabelle{"table", "--types", "ZAVR 60 HF", "--h", "24:24", "-o"};
    for (const auto& [sprache, guete] : {std::pair{"pl", "C20/25 (B25)"}, std::pair{"en", "C20/25;"}}) {
        std::vector<std::string> argumente{"--language", sprache};
        argumente.insert(argumente.end(), tabelle.begin(), tabelle.end());
        argumente.push_back(Pfad("t.csv"));
        ASSERT_EQ(Cli(argumente).status, 0) << sprache;
        EXPECT_TRUE(Enthaelt(DateiInhalt(Pfad("t.csv")), guete)) << sprache;
    }
}

TEST_F(Sprachen, falscheSpracheOderTrennerGebenZwei) {
    const Lauf sprache = Cli({"--language", "fr", "design", Beispiel});
    EXPECT_EQ(sprache.status, 2);
    EXPECT_TRUE(Enthaelt(sprache.fehler, "--language braucht de, en oder pl"));
    EXPECT_EQ(Cli({"--decimal", ";", "design", Beispiel}).status, 2);
    EXPECT_EQ(Cli({"design", Beispiel, "--language"}).status, 2);
}
