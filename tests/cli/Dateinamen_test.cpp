#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliTest.h"

// File names that are not UTF-8 (Linux allows any bytes but "/" and NUL; old shares are full of them) and
// targets the user protected, through every command that writes a file.
namespace {

// 0xFF is never part of UTF-8; shown, it becomes U+FFFD.
const std::string NichtUtf8 = "_\xFF";
const std::string Ersatzzeichen = "_\xEF\xBF\xBD";

class Dateinamen : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Starte(ZAVR_CLI, {"--help"}).aus.find("report") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no pictures, proof or bill";
    }

    // The arguments of `ausgabe` with "EIN" replaced by `eingabe` and "AUS" by `ziel`.
    static std::vector<std::string> Argumente(std::vector<std::string> muster, const std::string& eingabe,
                                              const std::string& ziel) {
        for (std::string& a : muster) a = a == "EIN" ? eingabe : a == "AUS" ? ziel : a;
        return muster;
    }

    // The names in the test's folder that were made from a shown name instead of the bytes given.
    std::vector<std::string> Ersatznamen() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            if (e.path().filename().string().find(Ersatzzeichen) != std::string::npos)
                namen.push_back(e.path().filename().string());
        return namen;
    }
};

struct Ausgabe {
    const char* name;
    std::vector<std::string> argumente;  // "EIN" the project file, "AUS" the output
    const char* endung;
};

const std::vector<Ausgabe> Ausgaben{
    {"Projekt", {"design", "EIN", "--position", "4", "--save", "AUS"}, ".ZAV"},
    {"Bewehrungsplan", {"dxf", "reinforcement", "EIN", "--position", "4", "-o", "AUS"}, ".dxf"},
    {"Skizze", {"sketch", "EIN", "--position", "4", "--view", "plan", "-o", "AUS"}, ".png"},
    {"SkizzeSvg", {"sketch", "EIN", "--position", "4", "--view", "all", "-o", "AUS"}, ".svg"},
    {"Nachweis", {"report", "EIN", "--position", "4", "-o", "AUS"}, ".pdf"},
    {"NachweisBild", {"report", "EIN", "--position", "4", "-o", "AUS"}, ".jpg"},
    {"Projektnachweis", {"report", "EIN", "--all", "-o", "AUS"}, ".pdf"},
    {"Stueckliste", {"bill", "EIN", "--kind", "parts-list", "-o", "AUS"}, ".txt"},
    {"Ausschreibung", {"bill", "EIN", "--kind", "tender-text", "-o", "AUS"}, ".pdf"},
    {"Tabelle", {"table", "--types", "ZAVR 60 HF", "--h", "20:22:2", "-o", "AUS"}, ".csv"},
    {"TabellePdf", {"table", "--types", "ZAVR 60 HF", "--h", "20:22:2", "-o", "AUS"}, ".pdf"},
};

// The project is read from a name that is not UTF-8, and every output lands under exactly the name given.
TEST_F(Dateinamen, ausgabenLandenGenauUnterDemGegebenenNamen) {
    const std::string projekt = Pfad("projekt" + NichtUtf8 + ".ZAV");
    fs::copy_file(Beispiel, projekt);
    for (const Ausgabe& a : Ausgaben) {
        SCOPED_TRACE(a.name);
        const std::string ziel = Pfad(std::string("ausgabe") + a.name + NichtUtf8 + a.endung);
        const Lauf lauf = Starte(ZAVR_CLI, Argumente(a.argumente, projekt, ziel));
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_TRUE(fs::is_regular_file(ziel));
        EXPECT_GT(fs::file_size(ziel), 0u);
    }
    const std::string zeichnung = Pfad("ausgabeBewehrungsplan" + NichtUtf8 + ".dxf");
    const std::string bild = Pfad("bild" + NichtUtf8 + ".svg");
    const Lauf lauf = Starte(ZAVR_CLI, {"dxf", "render", zeichnung, "-o", bild});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_TRUE(fs::is_regular_file(bild));
    EXPECT_EQ(Ersatznamen(), std::vector<std::string>{});
}

// JSON holds UTF-8 only: the name shows with U+FFFD, and its exact bytes come along in hexadecimal.
TEST_F(Dateinamen, designJsonZeigtDenNamenUndTraegtSeineBytes) {
    const std::string projekt = Pfad("projekt" + NichtUtf8 + ".ZAV");
    fs::copy_file(Beispiel, projekt);
    const Lauf lauf = Starte(ZAVR_CLI, {"design", projekt, "--position", "4", "--json"});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const auto json = nlohmann::json::parse(lauf.aus);
    EXPECT_EQ(json["Datei"], Pfad("projekt" + Ersatzzeichen + ".ZAV"));
    const std::string hex = json["DateiHex"];
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    EXPECT_EQ(bytes, projekt);
    EXPECT_EQ(json["Positionen"][0]["Position"], 4);

    const auto gewoehnlich = nlohmann::json::parse(Starte(ZAVR_CLI, {"design", Beispiel, "--json"}).aus);
    EXPECT_EQ(gewoehnlich["Datei"], Beispiel);
    EXPECT_FALSE(gewoehnlich.contains("DateiHex"));
}

// A file the user protected (mode 444) is not replaced by any output, although the folder is writable,
// and the reason is named; root is held to the mode like anyone.
TEST_F(Dateinamen, geschuetztesZielBleibt) {
    for (const Ausgabe& a : Ausgaben) {
        SCOPED_TRACE(a.name);
        const std::string ziel = Pfad(std::string("geschuetzt") + a.name + a.endung);
        std::ofstream(ziel, std::ios::binary) << "alt";
        fs::permissions(ziel, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const Lauf lauf = Starte(ZAVR_CLI, Argumente(a.argumente, Beispiel, ziel));
        EXPECT_EQ(lauf.status, 2);
        EXPECT_NE(lauf.fehler.find("die Datei ist schreibgeschützt"), std::string::npos) << lauf.fehler;
        EXPECT_EQ(DateiInhalt(ziel), "alt");
    }
}

// Under a file-size limit (ulimit -f) the tool is not killed by the signal: it names the reason, and no
// part of the file is left.
TEST_F(Dateinamen, dateigroessenGrenzeWirdGemeldet) {
    const std::string befehl = "ulimit -f 8; LC_ALL=C '" + std::string(ZAVR_CLI) + "' report '" + Beispiel +
                               "' --position 4 -o '" + Pfad("n.pdf") + "' 2> '" + Pfad("fehler.txt") + "'";
    const int roh = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(roh)) << "ended by a signal";
    EXPECT_EQ(WEXITSTATUS(roh), 2);
    EXPECT_NE(DateiInhalt(Pfad("fehler.txt")).find("die Datei wäre größer als erlaubt"), std::string::npos)
        << DateiInhalt(Pfad("fehler.txt"));
    for (const auto& e : fs::directory_iterator(ordner))  // neither the file nor a temporary one of it
        EXPECT_EQ(e.path().filename().string().find("n.pdf"), std::string::npos) << e.path();
}

}  // namespace
