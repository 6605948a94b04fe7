#include <gtest/gtest.h>

#include <string>

#include "cli/CliTest.h"

namespace {

class ReportBefehl : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Starte(ZAVR_CLI, {"--help"}).aus.find("report") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no report command";
    }
    Lauf Report(const std::vector<std::string>& argumente, const std::string& datei = Beispiel,
                const std::string& locale = "C") const {
        std::vector<std::string> alle{"report", datei};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return Starte(ZAVR_CLI, alle, locale);
    }
};

std::size_t Seiten(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\f'));
}

}  // namespace

TEST_F(ReportBefehl, pdfMitAllenSeitenDesGewaehltenDorns) {
    const Lauf lauf = Report({"--position", "4", "-o", Pfad("n.pdf")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const std::string text = PdfText("n.pdf");
    EXPECT_EQ(Seiten(text), 3u);  // first page, arbitrary load, sketches
    EXPECT_NE(text.find("Berechnungsnachweis für ZAVR"), std::string::npos);
    EXPECT_NE(text.find("Deckenfuge D"), std::string::npos);
    EXPECT_NE(text.find("siehe nachfolgende Seite"), std::string::npos);
}

TEST_F(ReportBefehl, zahlenMitDemDezimaltrennerDerLaendereinstellung) {
    for (const auto& [locale, wert] : {std::pair{"C", "21.4 cm"}, std::pair{"de_DE.UTF-8", "21,4 cm"}}) {
        ASSERT_EQ(Report({"--position", "4", "-o", Pfad("n.pdf")}, Beispiel, locale).status, 0);
        EXPECT_NE(PdfText("n.pdf").find(wert), std::string::npos) << locale;
    }
}

TEST_F(ReportBefehl, bilderZeigenDieErsteSeite) {
    ASSERT_EQ(Report({"-o", Pfad("n.png")}).status, 0);
    EXPECT_EQ(PngGroesse(DateiInhalt(Pfad("n.png"))), std::pair(794, 1123));  // A4 at 96 dpi
    ASSERT_EQ(Report({"-o", Pfad("n.svg")}).status, 0);
    const std::string svg = DateiInhalt(Pfad("n.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Eingaben zur Anwendung"), std::string::npos);
}

// The effective depth comes from the results: a stored result keeps it, a new design follows the slab.
TEST_F(ReportBefehl, positionOhneErgebnisseWirdZuerstBemessen) {
    auto Nutzhoehe = [&](const std::string& projekt) {
        EXPECT_EQ(Report({"--position", "2", "-o", Pfad("n.pdf")}, projekt).status, 0);
        const std::string text = PdfText("n.pdf");
        const std::size_t stelle = text.find("statische Nutzhöhe");
        return stelle == std::string::npos ? std::string()
                                           : text.substr(stelle, text.find('\n', stelle) - stelle);
    };
    const std::string gespeichert = Nutzhoehe(Beispiel);
    ASSERT_FALSE(gespeichert.empty());
    std::string text = DateiInhalt(Beispiel);
    const std::string alt = "Geometrie_2.TPlatteDicke=220";
    text.replace(text.find(alt), alt.size(), "Geometrie_2.TPlatteDicke=300");
    std::ofstream(Pfad("dick.ZAV"), std::ios::binary) << text;
    EXPECT_EQ(Nutzhoehe(Pfad("dick.ZAV")), gespeichert);
    const std::string berechnet = "Ergebnisse_2.TBerechnet=True";
    text.replace(text.find(berechnet), berechnet.size(), "Ergebnisse_2.TBerechnet=False");
    std::ofstream(Pfad("dick.ZAV"), std::ios::binary) << text;
    const std::string neu = Nutzhoehe(Pfad("dick.ZAV"));
    EXPECT_FALSE(neu.empty());
    EXPECT_NE(neu, gespeichert);
}

TEST_F(ReportBefehl, positionDieDiePruefungenNichtBestehtGibtEins) {
    std::string text = DateiInhalt(Variante({{"Ergebnisse_2.TBerechnet", "False"}}));
    const std::string alt = "Geometrie_2.TPlatteDicke=220";
    text.replace(text.find(alt), alt.size(), "Geometrie_2.TPlatteDicke=120");
    std::ofstream(Pfad("duenn.ZAV"), std::ios::binary) << text;
    const Lauf lauf = Report({"--position", "2", "-o", Pfad("n.pdf")}, Pfad("duenn.ZAV"));
    EXPECT_EQ(lauf.status, 1);
    EXPECT_NE(lauf.fehler.find("Die vorgegebene Betondicke ist kleiner"), std::string::npos) << lauf.fehler;
    EXPECT_FALSE(fs::exists(Pfad("n.pdf")));
}

TEST_F(ReportBefehl, schreibfehlerGibtZweiUndLaesstDasZielStehen) {
    fs::create_directory(Pfad("ziel.pdf"));
    const Lauf lauf = Report({"-o", Pfad("ziel.pdf")});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find("ziel.pdf"), std::string::npos) << lauf.fehler;
    EXPECT_TRUE(fs::is_directory(Pfad("ziel.pdf")));
    EXPECT_EQ(Report({"-o", Pfad("fehlt/n.pdf")}).status, 2);
}

TEST_F(ReportBefehl, falscheAngabenGebenZwei) {
    EXPECT_EQ(Report({}).status, 2);
    EXPECT_EQ(Report({"-o", Pfad("n.txt")}).status, 2);
    EXPECT_EQ(Report({"--position", "9", "-o", Pfad("n.pdf")}).status, 2);
    EXPECT_EQ(Report({"--position", "x", "-o", Pfad("n.pdf")}).status, 2);
    EXPECT_EQ(Report({"-o", Pfad("n.pdf")}, Pfad("fehlt.ZAV")).status, 2);
    EXPECT_FALSE(fs::exists(Pfad("n.pdf")));
    EXPECT_FALSE(fs::exists(Pfad("n.txt")));
    EXPECT_EQ(Report({"--help"}).status, 0);
}
