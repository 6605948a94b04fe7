#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliTest.h"

namespace {

using Spalten = std::vector<std::string>;

Spalten Teile(const std::string& zeile, char trenner) {
    Spalten teile;
    std::stringstream strom(zeile);
    for (std::string teil; std::getline(strom, teil, trenner);) teile.push_back(teil);
    if (!zeile.empty() && zeile.back() == trenner) teile.emplace_back();
    return teile;
}

double Zahl(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
}

class TableBefehl : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Starte(ZAVR_CLI, {"--help"}).aus.find("table") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no table command";
    }
    Lauf Table(std::vector<std::string> argumente, const std::string& locale = "de_DE.UTF-8") const {
        argumente.insert(argumente.begin(), "table");
        return Starte(ZAVR_CLI, argumente, locale);
    }
    // The lines of a CSV file without their CR LF; empty when a line lacks it.
    std::vector<Spalten> Csv(const std::string& datei) const {
        std::vector<Spalten> zeilen;
        std::stringstream strom(DateiInhalt(Pfad(datei)));
        for (std::string zeile; std::getline(strom, zeile);) {
            if (zeile.empty() || zeile.back() != '\r') return {};
            zeile.pop_back();
            zeilen.push_back(Teile(zeile, ';'));
        }
        return zeilen;
    }
    std::string PdfText(const std::string& pdf) const {
        const std::string befehl = "pdftotext -layout '" + Pfad(pdf) + "' '" + Pfad("text.txt") + "'";
        return std::system(befehl.c_str()) == 0 ? DateiInhalt(Pfad("text.txt")) : std::string();
    }
};

// Steel resistances of the catalogue for the joint class up to 30 mm.
const std::map<std::string, double> StahlBis30{{"ZAVR 60 HF", 132.9}, {"ZAVRQ 30 HF", 65.8}};

// One line per grid point with German headers in Windows-1252 and CR LF; rows below the minimum thickness
// (24 cm for ZAVR 60 HF) give the reason instead of values; every other row has the catalogue's steel
// resistance, the smallest resistance as V_Rd with its check named, and distances in whole cm no smaller
// than the approval's minimum edge distance (18 cm) and spacing (36 cm).
TEST_F(TableBefehl, csvEineZeileJeZelle) {
    const Lauf lauf = Table({"--types", "ZAVR 60 HF,ZAVRQ 30 HF", "--grades", "C20/25,C30/37", "--h",
                             "20:26:2", "-o", Pfad("t.csv")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const std::vector<Spalten> zeilen = Csv("t.csv");
    ASSERT_EQ(zeilen.size(), 1u + 2 * 4 * 2);
    EXPECT_EQ(zeilen[0], (Spalten{"Dorn", "Betong\xFCte", "h [cm]", "Fugenbreite", "Brandschutz", "Bewehrung",
                                  "V_Rd,s [kN]", "V_Rd,ct [kN]", "V_Rd,ce [kN]", "V_Rd [kN]", "ma\xDFgebend",
                                  "a_r,min [cm]", "e_min [cm]", "Bemerkung"}));
    int unzulaessig = 0;
    for (std::size_t i = 1; i < zeilen.size(); ++i) {
        const Spalten& z = zeilen[i];
        SCOPED_TRACE(z[0] + " " + z[1] + " " + z[2]);
        ASSERT_EQ(z.size(), 14u);
        EXPECT_EQ(z[3], "30 mm");
        EXPECT_EQ(z[4], "ohne");
        EXPECT_EQ(z[5], "Standard");
        if (z[0] == "ZAVR 60 HF" && Zahl(z[2]) < 24) {
            ++unzulaessig;
            EXPECT_EQ(z[13], "Bauteildicke zu klein!");
            EXPECT_EQ(z[9], "");
            continue;
        }
        EXPECT_EQ(z[13], "");
        const double s = Zahl(z[6]), ct = Zahl(z[7]), ce = Zahl(z[8]), rd = Zahl(z[9]);
        EXPECT_DOUBLE_EQ(s, StahlBis30.at(z[0]));
        EXPECT_DOUBLE_EQ(rd, std::min({s, ct, ce}));
        const std::string nachweis = rd == s ? "Stahl" : rd == ct ? "Durchstanzen" : "Betonkantenbruch";
        EXPECT_EQ(z[10], nachweis);
        const double rand = Zahl(z[11]), achs = Zahl(z[12]);
        EXPECT_EQ(rand, std::round(rand));
        EXPECT_EQ(achs, std::round(achs));
        EXPECT_GE(rand, z[0] == "ZAVR 60 HF" ? 18 : 13.5);
        EXPECT_GE(achs, z[0] == "ZAVR 60 HF" ? 36 : 27);
    }
    EXPECT_EQ(unzulaessig, 4);
}

// The pages hold one block per type with the proof's frame (product title, approval line of the footer),
// the reference situation and, for every grid point, the same V_Rd as the CSV export of the same tables.
TEST_F(TableBefehl, pdfJeDorntypEinBlockMitDenWertenDerCsv) {
    const std::vector<std::string> auswahl{
        "--types", "ZAVR 60 HF,ZAVR 20 HF", "--grades", "C20/25,C25/30", "--h", "20:30", "--joint",
        "40",      "--reinforcement",       "optimal"};
    std::vector<std::string> pdf = auswahl, csv = auswahl;
    pdf.insert(pdf.end(), {"-o", Pfad("t.pdf")});
    csv.insert(csv.end(), {"-o", Pfad("t.csv")});
    ASSERT_EQ(Table(pdf).status, 0);
    ASSERT_EQ(Table(csv).status, 0);
    const std::string text = PdfText("t.pdf");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);  // one page per block
    for (const char* teil :
         {"Tragfähigkeitstabelle ZAVR 60 HF", "Tragfähigkeitstabelle ZAVR 20 HF",
          "QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341",
          "Zulassung gemäß DIN 1045-1 und DIN EN 1992-1-1 (EC2)", "Bezugssituation",
          "Fugenbreite ≤ 40 mm, Brandschutz: ohne, Bewehrung: Optimal", "a_r,min [cm]", "h < h min"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil;
    const std::string zweite = text.substr(text.find('\f'));
    for (const Spalten& z : Csv("t.csv")) {
        if (z[9].empty() || z[0] == "Dorn") continue;
        const std::string& seite = z[0] == "ZAVR 60 HF" ? text : zweite;
        EXPECT_NE(seite.find(z[9]), std::string::npos) << z[0] << " " << z[2] << " " << z[9];
    }
}

// JSON with "." and lengths in mm; without --h each type runs from its minimum thickness to 50 cm.
TEST_F(TableBefehl, jsonAbMindestdicke) {
    const Lauf lauf =
        Table({"--types", "ZAVR 120 HF", "--grades", "C35/45", "--fire", "F90", "-o", Pfad("t.json")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const auto j = nlohmann::json::parse(DateiInhalt(Pfad("t.json")));
    const auto& zellen = j.at("Zellen");
    ASSERT_EQ(zellen.size(), 23u);  // 28 to 50 cm
    EXPECT_EQ(zellen.front().at("h"), 280.0);
    EXPECT_EQ(zellen.back().at("h"), 500.0);
    for (const auto& z : zellen) {
        EXPECT_TRUE(z.at("zulaessig").get<bool>());
        EXPECT_EQ(z.at("Brandschutz"), "F90");
        EXPECT_EQ(z.at("VRds"), 304.1);
        EXPECT_LE(z.at("VRd").get<double>(), 304.1);
        EXPECT_GE(z.at("minRand").get<double>(), 210.0);
    }
}

TEST_F(TableBefehl, falscheArgumenteUndNichtSchreibbareDatei) {
    struct Fall {
        std::vector<std::string> argumente;
        std::string meldung;
    };
    const std::vector<Fall> faelle{
        {{"--types", "ZAVR 70", "-o", Pfad("t.csv")}, "--types: unbekannt: \"ZAVR 70\""},
        {{"--grades", "C12/15", "-o", Pfad("t.csv")}, "--grades: unbekannt"},
        {{"--h", "30:20", "-o", Pfad("t.csv")}, "--h braucht"},
        {{"--joint", "35", "-o", Pfad("t.csv")}, "--joint: unbekannt"},
        {{"--fire", "F30", "-o", Pfad("t.csv")}, "--fire: unbekannt"},
        {{"--h", "16:1000:0.01", "-o", Pfad("t.csv")}, "bitte die Auswahl einschränken"},
        {{"--types", "ZAVR 20 HF"}, "-o ist nötig"},
        {{"--types", "ZAVR 20 HF", "-o", Pfad("t.txt")}, "unbekannte Endung"},
        {{"--types", "ZAVR 20 HF", "-o", Pfad("fehlt/t.csv")}, "der Ordner existiert nicht"},
    };
    for (const Fall& f : faelle) {
        const Lauf lauf = Table(f.argumente);
        EXPECT_EQ(lauf.status, 2) << f.meldung;
        EXPECT_NE(lauf.fehler.find(f.meldung), std::string::npos) << lauf.fehler;
    }
    EXPECT_FALSE(fs::exists(Pfad("t.csv")));
}

}  // namespace
