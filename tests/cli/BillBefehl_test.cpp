#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli/CliTest.h"

namespace {

class BillBefehl : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Starte(ZAVR_CLI, {"--help"}).aus.find("bill") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no bill command";
    }
    Lauf Bill(const std::vector<std::string>& argumente, const std::string& datei = Beispiel) const {
        std::vector<std::string> alle{"bill", datei};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return Starte(ZAVR_CLI, alle);
    }
};

std::size_t Anzahl(const std::string& text, const std::string& wort) {
    std::size_t n = 0;
    for (std::size_t i = text.find(wort); i != std::string::npos; i = text.find(wort, i + 1)) ++n;
    return n;
}

}  // namespace

// The stored bill as text: Windows-1252, CR LF, the example's four entries.
TEST_F(BillBefehl, gespeicherteStuecklisteAlsText) {
    const Lauf lauf = Bill({"--kind", "stueckliste", "-o", Pfad("liste.txt")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const std::string text = DateiInhalt(Pfad("liste.txt"));
    const std::string kopf =
        "QUORVEL\xAE Doppelschubdorn nach Zulassung Z-98.6-341\r\nSt\xFC"
        "ckliste\r\n";
    EXPECT_EQ(text.substr(0, kopf.size()), kopf);
    EXPECT_EQ(Anzahl(text, "\r\n"), Anzahl(text, "\n"));
    EXPECT_NE(text.find("  1  St\xFCtze A1"), std::string::npos);
    EXPECT_NE(text.find("  4  Wand E"), std::string::npos);
    EXPECT_EQ(text.find("  5  "), std::string::npos);
}

// --add-all: every position once, the stored entries replaced in place, the missing position appended;
// the project file stays as it was.
TEST_F(BillBefehl, alleAufnehmenAlsPdf) {
    const std::string vorher = DateiInhalt(Beispiel);
    const Lauf lauf = Bill({"--kind", "ausschreibung", "--add-all", "-o", Pfad("text.pdf")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const std::string text = PdfText("text.pdf");
    EXPECT_NE(text.find("Ausschreibungstext"), std::string::npos);
    EXPECT_EQ(Anzahl(text, "Doppelschubdorne zur Querkraftübertragung"), 1u);
    EXPECT_EQ(Anzahl(text, "wie vor, jedoch:"), 4u);
    EXPECT_NE(text.find("Position: Fuge Achse B"), std::string::npos);
    EXPECT_EQ(Anzahl(text, "Position: Stütze A1"), 1u);
    EXPECT_EQ(DateiInhalt(Beispiel), vorher);
}

TEST_F(BillBefehl, falscheArgumente) {
    for (const std::vector<std::string>& argumente :
         {std::vector<std::string>{"--kind", "liste", "-o", Pfad("a.txt")},
          std::vector<std::string>{"--kind", "stueckliste"},
          std::vector<std::string>{"--kind", "stueckliste", "-o", Pfad("a.gif")},
          std::vector<std::string>{"--kind", "stueckliste", "-o", Pfad("fehlt/a.txt")}}) {
        const Lauf lauf = Bill(argumente);
        EXPECT_EQ(lauf.status, 2) << argumente.back();
        EXPECT_FALSE(lauf.fehler.empty());
    }
    EXPECT_NE(Bill({"--kind", "stueckliste", "-o", Pfad("fehlt/a.txt")})
                  .fehler.find("Die Bedarfsliste konnte nicht exportiert werden"),
              std::string::npos);
    EXPECT_NE(Bill({"--kind", "stueckliste", "-o", Pfad("a.gif")})
                  .fehler.find("a.gif (möglich: .txt, .pdf, .svg, .png, .jpg, .jpeg, .bmp)"),
              std::string::npos);
}

// The bill takes every format of the program's export: here the picture of the whole list.
TEST_F(BillBefehl, bildDerListe) {
    const Lauf lauf = Bill({"--kind", "ausschreibung", "-o", Pfad("liste.png")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(DateiInhalt(Pfad("liste.png")).substr(1, 3), "PNG");
}
