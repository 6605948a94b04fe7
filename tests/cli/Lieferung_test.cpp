// What scripts deliver: never an inadmissible dowel as the choice, the proof of the whole project, and the
// proof's pages as a checking engineer files them.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "cli/CliTest.h"

namespace {

class Lieferung : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Starte(ZAVR_CLI, {"--help"}).aus.find("report") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no report and bill commands";
    }
    Lauf Cli(const std::vector<std::string>& argumente) const { return Starte(ZAVR_CLI, argumente); }

    // The example with position 1 (a single dowel) under a load no type carries, not yet designed.
    std::string Ueberlastet() const {
        return Variante({{"BelastungDesign_1.TPunktLast", "5000"}, {"Ergebnisse_1.TBerechnet", "False"}});
    }
};

std::vector<std::string> Seitentexte(const std::string& text) {
    std::vector<std::string> seiten;
    for (std::size_t anfang = 0, ende; (ende = text.find('\f', anfang)) != std::string::npos;
         anfang = ende + 1)
        seiten.push_back(text.substr(anfang, ende - anfang));
    return seiten;
}

// "Seite: n von m" on each page, numbered through the whole document.
void SeitenzahlenPruefen(const std::string& text) {
    const std::vector<std::string> seiten = Seitentexte(text);
    ASSERT_FALSE(seiten.empty());
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const std::regex zahl("Seite: +" + std::to_string(i + 1) + " von " + std::to_string(seiten.size()) +
                              "\\b");
        EXPECT_TRUE(std::regex_search(seiten[i], zahl)) << "page " << i + 1;
    }
}

}  // namespace

TEST_F(Lieferung, keinZulaessigerDornWirdNieAlsWahlGeliefert) {
    const std::string projekt = Ueberlastet();

    const Lauf design = Cli({"design", projekt, "--position", "1"});
    EXPECT_EQ(design.status, 1);
    EXPECT_NE(design.aus.find("\nKein gültiger Dorn gefunden\n"), std::string::npos) << design.aus;
    EXPECT_EQ(design.aus.find("Gewählter Dorn"), std::string::npos);
    EXPECT_NE(design.fehler.find("Position 1 \"Stütze A1\": Kein gültiger Dorn gefunden"), std::string::npos);
    const Lauf json = Cli({"design", projekt, "--json"});
    EXPECT_EQ(json.status, 1);
    const auto positionen = nlohmann::json::parse(json.aus).at("Positionen");
    EXPECT_EQ(positionen[0].at("Zulaessig"), false);
    EXPECT_EQ(positionen[0].at("Auswahl"), "KeinGueltigerDorn");
    EXPECT_EQ(positionen[0].at("TAktDornName"), "ZAVR 20 HF");  // kept, and marked as no choice
    EXPECT_EQ(positionen[3].at("Zulaessig"), true);

    const Lauf bill = Cli({"bill", projekt, "--kind", "stueckliste", "--add-all", "-o", Pfad("liste.txt")});
    EXPECT_EQ(bill.status, 1);
    EXPECT_NE(bill.fehler.find("Position 1 \"Stütze A1\": Kein gültiger Dorn gefunden"), std::string::npos)
        << bill.fehler;
    EXPECT_FALSE(fs::exists(Pfad("liste.txt")));

    const Lauf dxf = Cli({"dxf", "reinforcement", projekt, "--position", "1", "-o", Pfad("plan.dxf")});
    EXPECT_EQ(dxf.status, 1);  // the stored file has no results for it
    EXPECT_FALSE(fs::exists(Pfad("plan.dxf")));
}

// The cover lists every position, a failed one with its hints and without pages of its own; the pages of
// the others follow, numbered through.
TEST_F(Lieferung, projektnachweisMitDeckblatt) {
    const std::string projekt = Variante({{"BelastungDesign_1.TPunktLast", "5000"},
                                          {"Ergebnisse_1.TBerechnet", "False"},
                                          {"Geometrie_2.TPlatteDicke", "120"},
                                          {"Ergebnisse_2.TBerechnet", "False"}});
    const Lauf lauf = Cli({"report", projekt, "--all", "-o", Pfad("projekt.pdf")});
    EXPECT_EQ(lauf.status, 1);  // position 2 failed its checks; the document is written all the same
    EXPECT_NE(lauf.fehler.find("Position 2: Die vorgegebene Betondicke"), std::string::npos) << lauf.fehler;
    const std::string text = PdfText("projekt.pdf");
    SeitenzahlenPruefen(text);
    const std::vector<std::string> seiten = Seitentexte(text);
    ASSERT_GE(seiten.size(), 2u);
    const std::string& deckblatt = seiten.front();
    EXPECT_NE(deckblatt.find("Projektübersicht"), std::string::npos);
    EXPECT_NE(deckblatt.find("Positionen im Projekt: 5"), std::string::npos);
    EXPECT_NE(deckblatt.find("davon ohne zulässigen Dorn oder nicht bemessen: 2"), std::string::npos);
    EXPECT_TRUE(std::regex_search(deckblatt, std::regex("Stütze A1 .*nein")));
    EXPECT_NE(deckblatt.find("Kein gültiger Dorn gefunden"), std::string::npos);
    EXPECT_TRUE(std::regex_search(deckblatt, std::regex("Fuge Achse B .*nicht bemessen")));
    EXPECT_NE(deckblatt.find("Die vorgegebene Betondicke ist kleiner"), std::string::npos);
    EXPECT_TRUE(std::regex_search(deckblatt, std::regex("Deckenfuge D .*ZAVR 60 HF +2 +[0-9.]+ % +ja")));
    for (std::size_t i = 1; i < seiten.size(); ++i)
        EXPECT_EQ(seiten[i].find("Fuge Achse B"), std::string::npos) << "page " << i + 1;
    EXPECT_NE(text.find("Position:       Deckenfuge D"), std::string::npos);

    EXPECT_EQ(Cli({"report", projekt, "--all", "-o", Pfad("projekt.png")}).status, 2);
    EXPECT_EQ(Cli({"report", projekt, "--all", "--position", "2", "-o", Pfad("p.pdf")}).status, 2);
}

TEST_F(Lieferung, seitenzahlenEinesNachweisesUndEinesProjekts) {
    ASSERT_EQ(Cli({"report", Beispiel, "--position", "4", "-o", Pfad("eine.pdf")}).status, 0);
    const std::string eine = PdfText("eine.pdf");
    EXPECT_EQ(Seitentexte(eine).size(), 3u);
    SeitenzahlenPruefen(eine);
    const std::string drei = Variante({{"HauptMaske.TAnzAnwendung", "3"}});
    ASSERT_EQ(Cli({"report", drei, "--all", "-o", Pfad("drei.pdf")}).status, 0);
    const std::string projekt = PdfText("drei.pdf");
    EXPECT_GE(Seitentexte(projekt).size(), 4u);
    EXPECT_NE(projekt.find("Positionen im Projekt: 3"), std::string::npos);
    SeitenzahlenPruefen(projekt);
}

// For the row of two dowels with the chain 149 | 260,9 | 190 cm the spacing that exists is 260,9 cm; the
// checks' governing value 2 × 149 cm is not a spacing of the row.
TEST_F(Lieferung, vorhandenerDornabstandEinerZweierreihe) {
    ASSERT_EQ(Cli({"report", Beispiel, "--position", "4", "-o", Pfad("n.pdf")}).status, 0);
    const std::string text = PdfText("n.pdf");
    EXPECT_TRUE(std::regex_search(text, std::regex("vorhandener Dornabstand +evorh += 260.9 cm"))) << text;
    EXPECT_EQ(text.find("298 cm"), std::string::npos);
}

TEST_F(Lieferung, vonHandGewaehlteBewehrungStehtImNachweis) {
    ASSERT_EQ(Cli({"report", Beispiel, "--position", "4", "-o", Pfad("auto.pdf")}).status, 0);
    EXPECT_EQ(PdfText("auto.pdf").find("Bewehrung manuell gewählt"), std::string::npos);
    const std::string manuell =
        Variante({{"DornErgebnis_4_4.TAbstandMeldung", "True\r\nDornErgebnis_4_4.TBewehrungManuell=True"}});
    ASSERT_EQ(Cli({"report", manuell, "--position", "4", "-o", Pfad("hand.pdf")}).status, 0);
    EXPECT_NE(PdfText("hand.pdf").find("Bewehrung manuell gewählt"), std::string::npos);
}

// Eight error lines in the header push the resistances onto a second page; no word is written over the
// footer or outside the frame.
TEST_F(Lieferung, ersteSeiteLaeuftNichtUeberDenFuss) {
    std::string fehler = "8";
    for (int i = 0; i < 8; ++i)
        fehler += "\r\nDornErgebnisFehler_4_4.TMeldungen_" + std::to_string(i) + "=" + std::to_string(i + 1);
    const std::string projekt = Variante({{"DornErgebnisFehler_4_4.AnzTMeldungen", fehler}});
    ASSERT_EQ(Cli({"report", projekt, "--position", "4", "-o", Pfad("voll.pdf")}).status, 0);
    const std::string text = PdfText("voll.pdf");
    const std::vector<std::string> seiten = Seitentexte(text);
    ASSERT_EQ(seiten.size(), 4u);
    SeitenzahlenPruefen(text);
    EXPECT_EQ(seiten[0].find("maximale Dornausnutzung"), std::string::npos);
    EXPECT_NE(seiten[1].find("maximale Dornausnutzung"), std::string::npos);
    EXPECT_NE(seiten[1].find("Nachweis / Dorn"), std::string::npos);

    // Word boxes: everything but the footer lies above the footer's top line and inside the page.
    ASSERT_EQ(std::system(("pdftotext -bbox '" + Pfad("voll.pdf") + "' '" + Pfad("box.html") + "'").c_str()),
              0);
    const std::string boxen = DateiInhalt(Pfad("box.html"));
    const std::regex seite(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex wort(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    const std::vector<std::string> fuss{"QUORVEL",     "GmbH",      "QUORVEL®", "®",     "Doppelschubdorn",
                                        "ZAVR/ZAVRQ:", "Zulassung", "gemäß",    "DIN",   "1045-1",
                                        "und",         "EN",        "1992-1-1", "(EC2)", "ZAVR",
                                        "-",           "3.1.2"};
    std::size_t anfang = 0;
    int seiten_ = 0;
    for (std::smatch s; std::regex_search(boxen.begin() + anfang, boxen.end(), s, seite); ++seiten_) {
        const double breite = std::stod(s[1]);
        const std::size_t inhalt = anfang + s.position(0) + s.length(0);
        const std::size_t ende = boxen.find("</page>", inhalt);
        const std::string teil = boxen.substr(inhalt, ende - inhalt);
        double fussOben = 1e9;
        for (std::sregex_iterator w(teil.begin(), teil.end(), wort), e; w != e; ++w)
            if ((*w)[5] == "GmbH") fussOben = std::stod((*w)[2]);
        for (std::sregex_iterator w(teil.begin(), teil.end(), wort), e; w != e; ++w) {
            const std::string text_ = (*w)[5];
            EXPECT_LE(std::stod((*w)[3]), breite) << text_;
            if (std::stod((*w)[4]) > fussOben - 2) {
                EXPECT_NE(std::find(fuss.begin(), fuss.end(), text_), fuss.end())
                    << "'" << text_ << "' on the footer of page " << seiten_ + 1;
            }
        }
        anfang = ende;
    }
    EXPECT_EQ(seiten_, 4);
}
