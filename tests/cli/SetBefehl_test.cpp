#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliTest.h"
#include "files/ProjektDatei.h"
#include "model/TKBelastung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

class SetBefehl : public CliTest {
protected:
    Lauf Set(const std::vector<std::string>& argumente) const {
        std::vector<std::string> alle{"set"};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return Starte(ZAVR_CLI, alle);
    }
    // The project file as the program reads it.
    TKModell Lesen(const std::string& datei) {
        TKModell modell(umgebung);
        EXPECT_TRUE(ReadFromFile(modell, datei)) << datei;
        return modell;
    }

    StandardUmgebung umgebung;
};

// A value outside its limits is refused with the window's message and exit status 2; nothing is written,
// not even the assignments before it.
TEST_F(SetBefehl, abgelehnterWertSchreibtNichts) {
    const struct {
        std::vector<std::string> zuweisungen;
        std::string meldung;
    } faelle[] = {
        {{"h=12"}, "h=12: Der eingegebene Wert ist kleiner als erlaubt! (mindestens 16)"},
        {{"co=4", "fugenlaenge=31"},
         "fugenlaenge=31: Der eingegebene Wert ist größer als erlaubt! (0.48 bis 30)"},
        {{"VEd=-1"}, "VEd=-1: Der eingegebene Wert ist kleiner als erlaubt! (mindestens 0)"},
        {{"h=24cm"}, "h=24cm: keine Zahl"},
        {{"lastfall=punkt"},
         "lastfall=punkt: Dieser Belastungsfall ist beim gewählten Anwendungsfall nicht möglich."},
        {{"qEd=50"}, "qEd=50: Dieser Wert ist beim gewählten Belastungsfall nicht einzugeben."},
        {{"betonguete=C12/15"}, "betonguete=C12/15: unbekannter Wert (zavr-cli set --help nennt alle)"},
        {{"dicke=20"}, "dicke=20: unbekannter Name (zavr-cli set --help nennt alle)"},
    };
    const std::string original = Pfad("original.ZAV");
    fs::copy_file(Beispiel, original);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zuweisungen.back());
        std::vector<std::string> argumente{original, "--position", "4"};
        argumente.insert(argumente.end(), f.zuweisungen.begin(), f.zuweisungen.end());
        const Lauf lauf = Set(argumente);
        EXPECT_EQ(lauf.status, 2);
        EXPECT_EQ(lauf.fehler, "zavr-cli set: " + f.meldung + "\n");
        EXPECT_EQ(DateiInhalt(original), DateiInhalt(Beispiel));
        argumente.insert(argumente.end(), {"-o", Pfad("aus.ZAV")});
        EXPECT_EQ(Set(argumente).status, 2);
        EXPECT_FALSE(fs::exists(Pfad("aus.ZAV")));
    }
    EXPECT_EQ(Set({original, "--position", "9", "h=20"}).status, 2);
    EXPECT_EQ(Set({original, "h"}).status, 2);
}

// A parameter study: the same row with three slab thicknesses, each designed by `design --json`. The
// effective depth of the chosen type follows the thickness as d = h − c_u − 3/4 ∅D − 1/4 ∅B1.
TEST_F(SetBefehl, parameterstudieDreierPlattendicken) {
    std::vector<double> nutzhoehen;
    for (const int h : {20, 26, 32}) {
        SCOPED_TRACE(h);
        const std::string datei = Pfad("h" + std::to_string(h) + ".ZAV");
        const Lauf gesetzt =
            Set({Beispiel, "--position", "4", "h=" + std::to_string(h), "cu=3,5", "-o", datei});
        ASSERT_EQ(gesetzt.status, 0) << gesetzt.fehler;
        const Lauf design = Starte(ZAVR_CLI, {"design", datei, "--position", "4", "--json"});
        ASSERT_EQ(design.status, 0) << design.fehler;
        const auto position = nlohmann::json::parse(design.aus).at("Positionen").at(0);
        ASSERT_TRUE(position.at("TBerechnet").get<bool>());
        const int gewaehlt = position.at("TAktDorn");
        const auto& dorne = position.at("Dorne");
        const auto dorn = *std::find_if(dorne.begin(), dorne.end(),
                                        [&](const auto& d) { return d.at("TDorn") == gewaehlt; });
        const double d = dorn.at("TNutzhoehe");
        EXPECT_DOUBLE_EQ(
            d + 35 + 0.75 * dorn.at("TPosDd").get<double>() + 0.25 * dorn.at("TPosB1d").get<double>(),
            h * 10.0);
        nutzhoehen.push_back(d);
    }
    EXPECT_LT(nutzhoehen[0], nutzhoehen[1]);
    EXPECT_LT(nutzhoehen[1], nutzhoehen[2]);
}

// The window's rules come along: a row turned into a single dowel carries a point load with edges on both
// sides; both decimal separators are read; without -o the input is written. The changed position's stored
// results no longer count as its design; the other positions keep theirs.
TEST_F(SetBefehl, regelnDesFenstersUndErgebnisseNichtMehrBerechnet) {
    const std::string datei = Pfad("projekt.ZAV");
    fs::copy_file(Beispiel, datei);
    const TKModell vorher = Lesen(datei);
    const Lauf lauf = Set({datei, "--position", "4", "anwendungsfall=einzel", "cL=40,5", "cR=38.5", "VEd=95",
                           "betonguete=C30/37", "name=Stütze D", "bauvorhaben=Halle 4"});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "");
    const TKModell nachher = Lesen(datei);
    const TKAnwendung& a = nachher.cAnwendung.at(3);
    EXPECT_EQ(a.GetAnwendungsfall(), TsAnwendungsfall::afEinzel);
    EXPECT_EQ(a.cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfPunktlast);
    EXPECT_TRUE(a.cGeometrie.GetRandLinks() && a.cGeometrie.GetRandRechts());
    EXPECT_DOUBLE_EQ(a.cGeometrie.GetBauteilRandLinks(), 405);
    EXPECT_DOUBLE_EQ(a.cGeometrie.GetBauteilRandRechts(), 385);
    EXPECT_DOUBLE_EQ(a.cBelastungDesign.GetPunktLast(), 95);
    EXPECT_EQ(a.GetBetonguete(), TsBetonguete::C30_37);
    EXPECT_EQ(a.GetPosition(), "Stütze D");
    EXPECT_EQ(nachher.cProjektdaten.GetBauvorhaben(), "Halle 4");
    EXPECT_FALSE(a.cErgebnisse.GetBerechnet());
    EXPECT_TRUE(nachher.cAnwendung.at(2) == vorher.cAnwendung.at(2));

    // The joint of a row shortened under its arbitrary load: the point beyond moves, the notice says so.
    const Lauf fuge = Set({Beispiel, "--position", "4", "fugenlaenge=1", "-o", Pfad("kurz.ZAV")});
    ASSERT_EQ(fuge.status, 0) << fuge.fehler;
    EXPECT_NE(fuge.fehler.find("Die Fugenlänge ist jetzt 1 m."), std::string::npos) << fuge.fehler;
    const TKModell kurz = Lesen(Pfad("kurz.ZAV"));
    const TKBelastung& last = kurz.cAnwendung.at(3).cBelastungDesign;
    EXPECT_DOUBLE_EQ(last.GetbeliebigeLast(last.GetAnzLastPunkte() - 1).x, 1000);
}

// A load table of a frame analysis for a script: checked against the joint length the assignments leave
// (3 m here, so x = 3 is the joint end); a bad row is named, exit status 2, and nothing is written.
TEST_F(SetBefehl, lastAusTabelle) {
    const std::string tabelle = Pfad("last.csv");
    std::ofstream(tabelle) << "x [m];q [kN/m]\n0;42,5\n1,5;60\n3;20\n";
    const std::string datei = Pfad("last.ZAV");
    const Lauf lauf = Set({Beispiel, "--position", "4", "fugenlaenge=3", "--last-csv", tabelle, "-o", datei});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const TKModell modell = Lesen(datei);
    const TKBelastung& last = modell.cAnwendung.at(3).cBelastungDesign;
    EXPECT_EQ(last.GetBelastungsfall(), TsBelastungsfall::bfbeliebigeLast);
    ASSERT_EQ(last.GetAnzLastPunkte(), 3);
    EXPECT_DOUBLE_EQ(last.GetbeliebigeLast(1).x, 1500);
    EXPECT_DOUBLE_EQ(last.GetGesamtLast(), 1.5 * (42.5 + 60) / 2 + 1.5 * (60 + 20) / 2);

    std::ofstream(tabelle) << "0;42,5\n1,5;-60\n";
    const std::string original = Pfad("original.ZAV");
    fs::copy_file(Beispiel, original);
    const Lauf falsch = Set({original, "--position", "4", "--last-csv", tabelle});
    EXPECT_EQ(falsch.status, 2);
    EXPECT_EQ(falsch.fehler, "zavr-cli set: --last-csv " + tabelle +
                                 ": Zeile 2: q = -60 kN/m ist kleiner als 0.\nEs wurde nichts übernommen.\n");
    EXPECT_EQ(DateiInhalt(original), DateiInhalt(Beispiel));
}

TEST_F(SetBefehl, hilfeNenntJedenNamen) {
    const Lauf hilfe = Set({"--help"});
    ASSERT_EQ(hilfe.status, 0);
    for (const char* name : {"h",
                             "hw",
                             "cL",
                             "cR",
                             "fugenlaenge",
                             "co",
                             "cu",
                             "c1",
                             "paarabstand",
                             "dornabstand",
                             "lastverteilung",
                             "VEd",
                             "qEd",
                             "qEd_rechts",
                             "anwendungsfall",
                             "lastfall",
                             "fugenbreite",
                             "betonguete",
                             "feuerwiderstand",
                             "bewehrung",
                             "paarabstand_berechnen",
                             "dornabstand_konstant",
                             "max_dornabstand",
                             "name",
                             "bauvorhaben"})
        EXPECT_NE(hilfe.aus.find("\n  " + std::string(name) + " "), std::string::npos) << name;
}

}  // namespace
