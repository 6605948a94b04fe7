#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli/CliTest.h"

namespace {

class DxfBefehl : public CliTest {
protected:
    Lauf Dxf(const std::vector<std::string>& argumente) const {
        std::vector<std::string> alle{"dxf"};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return Starte(ZAVR_CLI, alle);
    }
};

TEST_F(DxfBefehl, bewehrungsplanDerBemessenenPositionMitDxfEndung) {
    const Lauf lauf = Dxf({"reinforcement", Beispiel, "--position", "4", "-o", Pfad("plan")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const std::string text = DateiInhalt(Pfad("plan.dxf"));
    EXPECT_NE(text.find("ENTITIES\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("EOF\r\n"));
    EXPECT_NE(text.find("PosA\r\n"), std::string::npos);
}

// Another type than the chosen one is drawn on request; one that failed a check only with --force, and then
// with the note below the title.
TEST_F(DxfBefehl, gewaehlterDornOderAndererTyp) {
    ASSERT_EQ(Dxf({"reinforcement", Beispiel, "--position", "4", "-o", Pfad("a.dxf")}).status, 0);
    EXPECT_EQ(DateiInhalt(Pfad("a.dxf")).find("nicht zul"), std::string::npos);
    const Lauf verweigert =
        Dxf({"reinforcement", Beispiel, "--position", "4", "--type", "ZAVRQ 450", "-o", Pfad("b.dxf")});
    EXPECT_EQ(verweigert.status, 1);
    EXPECT_NE(verweigert.fehler.find("ZAVRQ 450 nicht zulässig (h < h min); mit --force"), std::string::npos)
        << verweigert.fehler;
    EXPECT_FALSE(fs::exists(Pfad("b.dxf")));
    ASSERT_EQ(Dxf({"reinforcement", Beispiel, "--position", "4", "--type", "ZAVRQ 450", "--force", "-o",
                   Pfad("b.dxf")})
                  .status,
              0);
    const std::string gezwungen = DateiInhalt(Pfad("b.dxf"));
    EXPECT_NE(gezwungen.find("ZAVRQ 450"), std::string::npos);
    EXPECT_NE(gezwungen.find("nicht zul\xE4ssig (h < h min)"), std::string::npos);
    EXPECT_TRUE(DateiInhalt(Pfad("a.dxf")) != gezwungen);
}

TEST_F(DxfBefehl, unbemessenePositionGibtEinsUndSchreibtNichts) {
    std::string text = DateiInhalt(Beispiel);
    for (std::size_t stelle; (stelle = text.find("TBerechnet=True")) != std::string::npos;)
        text.replace(stelle, 15, "TBerechnet=False");
    std::ofstream(Pfad("offen.ZAV"), std::ios::binary) << text;
    const Lauf lauf = Dxf({"reinforcement", Pfad("offen.ZAV"), "-o", Pfad("plan.dxf")});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_NE(lauf.fehler.find("nicht bemessen"), std::string::npos);
    EXPECT_FALSE(fs::exists(Pfad("plan.dxf")));
}

// End to end: the reinforcement drawing written by the tool, read back and drawn in its full view.
TEST_F(DxfBefehl, renderZeichnetEineGeschriebeneZeichnung) {
    if (Starte(ZAVR_CLI, {"--help"}).aus.find("sketch") == std::string::npos)
        GTEST_SKIP() << "built without Qt: no pictures";
    ASSERT_EQ(Dxf({"reinforcement", Beispiel, "--position", "4", "-o", Pfad("plan.dxf")}).status, 0);
    const Lauf svg = Dxf({"render", Pfad("plan.dxf"), "-o", Pfad("plan.svg")});
    ASSERT_EQ(svg.status, 0) << svg.fehler;
    const std::string text = DateiInhalt(Pfad("plan.svg"));
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("Schnitt"), std::string::npos);
    EXPECT_NE(text.find("Draufsicht"), std::string::npos);
    ASSERT_EQ(Dxf({"render", Pfad("plan.dxf"), "-o", Pfad("plan.png"), "--size", "300"}).status, 0);
    EXPECT_EQ(DateiInhalt(Pfad("plan.png")).substr(1, 3), "PNG");
    const Lauf fehlt = Dxf({"render", Pfad("fehlt.dxf"), "-o", Pfad("x.png")});
    EXPECT_EQ(fehlt.status, 2);
    EXPECT_NE(fehlt.fehler.find("Datei nicht gefunden"), std::string::npos);
    EXPECT_EQ(Dxf({"render", Pfad("plan.dxf"), "-o", Pfad("x.gif")}).status, 2);
    EXPECT_EQ(Dxf({"render", Pfad("plan.dxf"), "-o", Pfad("x.png"), "--size", "7"}).status, 2);
    // 8,000 pixels square are 256 MB; more would not leave room beside a large drawing.
    EXPECT_EQ(Dxf({"render", Pfad("plan.dxf"), "-o", Pfad("x.png"), "--size", "8001"}).status, 2);
    EXPECT_FALSE(fs::exists(Pfad("x.png")));
}

// Drawings of other programs, Release 12 to 2018: drawn, and what is not drawn is named on standard error.
TEST_F(DxfBefehl, renderZeichnetFremdeZeichnungenUndNenntWasFehlt) {
    if (OhneQt()) GTEST_SKIP() << "built without Qt: no pictures";
    for (const std::string version : {"R12", "R2000", "R2010", "R2018"}) {
        const std::string dxf = Pfad(version + ".dxf"), png = Pfad(version + ".png");
        ASSERT_EQ(std::system(("/usr/bin/python3 '" + std::string(ZAVR_SOURCE_DIR) +
                               "/tests/dxf/ezdxf_fremd.py' make " + version + " '" + dxf + "'")
                                  .c_str()),
                  0);
        const Lauf lauf = Dxf({"render", dxf, "-o", png, "--size", "400"});
        ASSERT_EQ(lauf.status, 0) << version << ": " << lauf.fehler;
        EXPECT_EQ(PngGroesse(DateiInhalt(png)), std::pair(400, 400)) << version;
        EXPECT_NE(lauf.fehler.find("2 Objekte im Papierbereich nicht dargestellt"), std::string::npos)
            << version << ": " << lauf.fehler;
        const char* fehlt = version == "R12" ? "1 Objekt vom Typ SHAPE nicht dargestellt"
                                             : "2 Objekte vom Typ RAY nicht dargestellt";
        EXPECT_NE(lauf.fehler.find(fehlt), std::string::npos) << version << ": " << lauf.fehler;
    }
}

// A file without a drawing is an error, and no picture is left behind.
TEST_F(DxfBefehl, renderOhneZeichnungGibtZweiUndKeinBild) {
    if (OhneQt()) GTEST_SKIP() << "built without Qt: no pictures";
    const std::pair<const char*, std::string> dateien[] = {
        {"text.dxf", "Sehr geehrte Damen und Herren,\nanbei die Zeichnung.\n"},
        {"binaer.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + std::string(200, '\x07')},
        {"leer.dxf", ""}};
    for (const auto& [name, inhalt] : dateien) {
        std::ofstream(Pfad(name), std::ios::binary) << inhalt;
        const Lauf lauf = Dxf({"render", Pfad(name), "-o", Pfad("x.png")});
        EXPECT_EQ(lauf.status, 2) << name;
        EXPECT_NE(lauf.fehler.find("keine lesbare DXF-Zeichnung"), std::string::npos) << name << lauf.fehler;
        EXPECT_FALSE(fs::exists(Pfad("x.png"))) << name;
    }
}

// What the reader could not take is named and the rest drawn, but the status says that the picture is not
// the whole drawing.
TEST_F(DxfBefehl, renderEinerNurZumTeilGelesenenZeichnungGibtEins) {
    if (OhneQt()) GTEST_SKIP() << "built without Qt: no pictures";
    const auto linie = [](const char* x) {
        return std::string("0\nLINE\n8\n0\n10\n") + x + "\n20\n0\n30\n0\n11\n5\n21\n5\n31\n0\n";
    };
    std::ofstream(Pfad("teil.dxf")) << "0\nSECTION\n2\nENTITIES\n"
                                    << linie("0") << linie("abc") << linie("1") << "0\nENDSEC\n0\nEOF\n";
    const Lauf lauf = Dxf({"render", Pfad("teil.dxf"), "-o", Pfad("teil.png")});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_NE(lauf.fehler.find("line number 26"), std::string::npos) << lauf.fehler;  // the "abc"
    EXPECT_TRUE(fs::exists(Pfad("teil.png")));
}

TEST_F(DxfBefehl, falscheAngabenGebenZwei) {
    EXPECT_EQ(Dxf({"reinforcement", Beispiel, "--type", "ZAVR 99", "-o", Pfad("x.dxf")}).status, 2);
    EXPECT_EQ(Dxf({"reinforcement", Beispiel, "--position", "9", "-o", Pfad("x.dxf")}).status, 2);
    EXPECT_EQ(Dxf({"reinforcement", Beispiel}).status, 2);
    EXPECT_EQ(Dxf({"reinforcement", Pfad("fehlt.ZAV"), "-o", Pfad("x.dxf")}).status, 2);
    EXPECT_EQ(Dxf({"dowel"}).status, 2);
    EXPECT_EQ(Dxf({"plan"}).status, 2);
    EXPECT_FALSE(fs::exists(Pfad("x.dxf")));
}

TEST_F(DxfBefehl, nichtSchreibbareAusgabeNenntDenGrund) {
    const Lauf lauf = Dxf({"dowel", "--type", "ZAVR 30 HF", "-o", Pfad("fehlt/d.dxf")});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find("konnte nicht geschrieben werden: der Ordner existiert nicht"),
              std::string::npos)
        << lauf.fehler;
}

TEST_F(DxfBefehl, dornzeichnungIstBeiJedemAufrufGleich) {
    ASSERT_EQ(Dxf({"dowel", "--type", "zavrq30hf", "-o", Pfad("eins.dxf")}).status, 0);
    ASSERT_EQ(Dxf({"dowel", "--type", "ZAVRQ 30 HF", "-o", Pfad("zwei.dxf")}).status, 0);
    const std::string eins = DateiInhalt(Pfad("eins.dxf"));
    EXPECT_NE(eins.find("SCHUBDORN"), std::string::npos);
    EXPECT_EQ(eins, DateiInhalt(Pfad("zwei.dxf")));
}

class SkizzeBefehl : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (Starte(ZAVR_CLI, {"--help"}).aus.find("sketch") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no sketch command";
    }
    Lauf Skizze(const std::vector<std::string>& argumente) const {
        std::vector<std::string> alle{"sketch", Beispiel};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return Starte(ZAVR_CLI, alle);
    }
};

TEST_F(SkizzeBefehl, schreibtPngInDerGewaehltenGroesseUndSvg) {
    ASSERT_EQ(Skizze({"--position", "4", "--view", "reihe", "--size", "320", "-o", Pfad("r.png")}).status, 0);
    EXPECT_EQ(PngGroesse(DateiInhalt(Pfad("r.png"))), std::pair(320, 320));
    ASSERT_EQ(Skizze({"--view", "alle", "-o", Pfad("a.svg")}).status, 0);
    EXPECT_NE(DateiInhalt(Pfad("a.svg")).find("<svg"), std::string::npos);
}

TEST_F(SkizzeBefehl, falscheAngabenGebenZwei) {
    EXPECT_EQ(Skizze({"--view", "quer", "-o", Pfad("x.png")}).status, 2);
    EXPECT_EQ(Skizze({"--view", "reihe"}).status, 2);
    EXPECT_EQ(Skizze({"--view", "reihe", "--size", "0", "-o", Pfad("x.png")}).status, 2);
    EXPECT_EQ(Skizze({"--view", "reihe", "--position", "7", "-o", Pfad("x.png")}).status, 2);
    EXPECT_FALSE(fs::exists(Pfad("x.png")));
    const Lauf ordner = Skizze({"--view", "reihe", "-o", Pfad("fehlt/x.svg")});
    EXPECT_EQ(ordner.status, 2);
    EXPECT_NE(ordner.fehler.find("x.svg: der Ordner existiert nicht"), std::string::npos) << ordner.fehler;
}

}  // namespace
