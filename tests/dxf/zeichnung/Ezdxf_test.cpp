// Real CAD software reads what we write: the drawings go into the build folder and Debian's ezdxf
// (system Python) audits them and checks their layers and entity classes.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "DxfTestHilfen.h"
#include "calc/TKZAVRBemessung.h"
#include "dxf/DXF_Messages.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/DornDxfExport.h"
#include "dxf/zeichnung/Dornzeichnung.h"
#include "dxf/zeichnung/DxfDateiname.h"
#include "files/ProjektDatei.h"
#include "model/Katalog.h"
#include "model/TKModell.h"

namespace {

namespace fs = std::filesystem;

// Each test its own folder, so they may run at the same time.
fs::path Ordner(const std::string& name) {
    const fs::path ordner = fs::path(ZAVR_BINARY_DIR) / ("zeichnung_ezdxf_" + name);
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    return ordner;
}

// A row of dowels in a slab and a single dowel under a point load, designed by the engine.
std::vector<TKAnwendung> BerechnetePositionen(Umgebung& u) {
    TKAnwendung reihe(u);
    reihe.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    reihe.cGeometrie.SetPlatteDicke(260);
    reihe.cGeometrie.SetFugenlaenge(4000);
    reihe.cBelastungDesign.SetLastLaenge(4000);
    reihe.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfKonstanteLast);
    reihe.cBelastungDesign.SetLinienLastLinks(60);
    reihe.cBelastungDesign.SetLinienLastRechts(60);
    TKAnwendung einzel(u);
    einzel.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    einzel.cGeometrie.SetPlatteDicke(350);
    einzel.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
    einzel.cBelastungDesign.SetPunktLast(120);
    std::vector<TKAnwendung> positionen{reihe, einzel};
    for (TKAnwendung& p : positionen) BerechneErgebnis(p, u);
    return positionen;
}

// The example project's positions, when the example has been generated.
std::vector<TKAnwendung> Beispielpositionen(Umgebung& u) {
    const fs::path beispiel = fs::path(ZAVR_SOURCE_DIR) / "examples" / "Beispiel.ZAV";
    TKModell modell(u);
    if (!fs::exists(beispiel) || !ReadFromFile(modell, beispiel.string())) return {};
    return modell.cAnwendung;
}

std::vector<TKAnwendung> HandPositionen() {
    std::vector<TKAnwendung> p{HandPosition(TsDorn::ZAVR60HF, 300, 600),
                               HandPosition(TsDorn::ZAVRQ30HF, 200, 400),
                               HandPosition(TsDorn::ZAVR450, 700, 1200)};
    TKAnwendung ohneA = HandPosition(TsDorn::ZAVR20HF, 180, 300);
    ohneA.cErgebnisse.SetAktDorn(TsDorn::ZAVR20HF);
    p.push_back(ohneA);
    p[0].cErgebnisse.SetAktDorn(TsDorn::ZAVR60HF);
    p[1].cErgebnisse.SetAktDorn(TsDorn::ZAVRQ30HF);
    p[2].cErgebnisse.SetAktDorn(TsDorn::ZAVR450);
    return p;
}

int Skript(const fs::path& ordner) {
    const std::string befehl = "/usr/bin/python3 " + std::string(ZAVR_SOURCE_DIR) +
                               "/tests/dxf/zeichnung/ezdxf_pruefung.py \"" + ordner.string() + "\"";
    return std::system(befehl.c_str());
}

TEST(Ezdxf, liestBewehrungsplaeneUndDornzeichnungenOhneBeanstandung) {
    const fs::path ordner = Ordner("alle");
    StandardUmgebung u;
    int geschrieben = 0;
    const auto schreibe = [&](const TKAnwendung& anw, TsDorn dorn, const std::string& name) {
        std::string fehler;
        DXF_Object doc;
        if (BewehrungsZeichnung(anw, dorn, u, doc, fehler) &&
            SpeichereDxf(doc, MitDxfEndung((ordner / name).string()), fehler, u))
            ++geschrieben;
    };
    int nr = 0;
    for (const TKAnwendung& anw : HandPositionen())
        schreibe(anw, anw.cErgebnisse.GetAktDorn(), "bewehrung_hand" + std::to_string(++nr));
    const int hand = geschrieben;
    EXPECT_EQ(hand, 4);
    // Designed positions: every type the engine laid out.
    for (const TKAnwendung& anw : BerechnetePositionen(u)) {
        ++nr;
        for (int t = 0; t < AnzahlDorne; ++t)
            schreibe(anw, static_cast<TsDorn>(t),
                     "bewehrung_pos" + std::to_string(nr) + "_" + std::to_string(t));
    }
    EXPECT_GT(geschrieben, hand + 20);
    for (const TKAnwendung& anw : Beispielpositionen(u))
        schreibe(anw, anw.cErgebnisse.GetAktDorn(), "bewehrung_beispiel" + std::to_string(++nr));
    for (int t = 0; t < AnzahlDorne; ++t) {
        std::string fehler;
        ASSERT_TRUE(DornDxfSchreiben(static_cast<TsDorn>(t),
                                     (ordner / ("dorn_" + std::to_string(t))).string(), fehler, u))
            << fehler;
    }
    EXPECT_EQ(Skript(ordner), 0);
}

TEST(Ezdxf, meldetEineKaputteDatei) {
    const fs::path ordner = Ordner("kaputt");
    std::string fehler;
    ASSERT_TRUE(
        DornDxfSchreiben(TsDorn::ZAVR30HF, (ordner / "dorn_30.dxf").string(), fehler, StandardUmgebung()));
    fs::resize_file(ordner / "dorn_30.dxf", 2000);
    EXPECT_NE(Skript(ordner), 0);
}

// A drawing written in a Polish run is Central European (Windows-1250): ezdxf reads its Polish letters; the
// diameter sign, which that code page lacks, goes as the escape CAD programs show as "Ø". Our reader reads
// the same texts back.
TEST(Ezdxf, polnischeZeichnungInWindows1250) {
    struct Polnisch : StandardUmgebung {
        std::string translate(const char*, const char* text) const override {
            static const std::map<std::string, std::string> katalog{
                {"Bauseitige Bewehrung für QUORVEL® Doppelschubdorn ",
                 "Zbrojenie na budowie dla podwójnego trzpienia ścinanego QUORVEL® "},
                {"mit lb,net verankern", "zakotwić na długości lb,net"},
                {"Stab %1: Ø%2, l = %3, Abstand zur Fuge %4",
                 "Pręt %1: Ø%2, l = %3, odległość od szczeliny %4"},
                {"Ankerplatte: %1 x %2 x %3, Steg %4", "Płyta kotwiąca: %1 x %2 x %3, środnik %4"}};
            const auto gefunden = katalog.find(text);
            return gefunden == katalog.end() ? text : gefunden->second;
        }
    } u;
    u.idSprache = 21;
    const fs::path ordner = Ordner("polnisch");
    std::string fehler;
    DXF_Object plan;
    ASSERT_TRUE(BewehrungsZeichnung(HandPosition(TsDorn::ZAVR60HF, 300), TsDorn::ZAVR60HF, u, plan, fehler));
    ASSERT_TRUE(SpeichereDxf(plan, (ordner / "plan.dxf").string(), fehler, u)) << fehler;
    ASSERT_TRUE(DornDxfSchreiben(TsDorn::ZAVR60HF, (ordner / "dorn.dxf").string(), fehler, u)) << fehler;
    const auto ezdxf = [](const fs::path& datei) {
        std::string ausgabe;
        FILE* pipe = popen(("PYTHONIOENCODING=utf-8 /usr/bin/python3 " + std::string(ZAVR_SOURCE_DIR) +
                            "/tests/dxf/zeichnung/ezdxf_texte.py \"" + datei.string() + "\"")
                               .c_str(),
                           "r");
        char puffer[4096];
        for (std::size_t n; pipe && (n = fread(puffer, 1, sizeof puffer, pipe)) > 0;)
            ausgabe.append(puffer, n);
        if (pipe) pclose(pipe);
        return ausgabe;
    };
    const std::string imPlan = ezdxf(ordner / "plan.dxf"), imDorn = ezdxf(ordner / "dorn.dxf");
    EXPECT_TRUE(imPlan.starts_with("ANSI_1250\n")) << imPlan;
    EXPECT_NE(imPlan.find("\nZbrojenie na budowie dla podwójnego trzpienia ścinanego QUORVEL® ZAVR 60 HF\n"),
              std::string::npos)
        << imPlan;
    EXPECT_NE(imPlan.find("\nzakotwić na długości lb,net\n"), std::string::npos);
    EXPECT_NE(imPlan.find(" \\U+00D8"), std::string::npos);  // "Pos. 1 (... Ø8)"
    EXPECT_TRUE(imDorn.starts_with("ANSI_1250\n")) << imDorn;
    EXPECT_NE(imDorn.find("\nPręt 1: \\U+00D8"), std::string::npos) << imDorn;
    EXPECT_NE(imDorn.find("odległość od szczeliny"), std::string::npos);
    EXPECT_NE(imDorn.find("\nPłyta kotwiąca: "), std::string::npos);
    DXF_Message_Log log;
    const DXF_Object zurueck = DXF_Object::create_from_file((ordner / "dorn.dxf").string(), log);
    EXPECT_EQ(zurueck.codepage, DXF_Codepage::ANSI_1250);
    EXPECT_TRUE(HatTextMitAnfang(zurueck, "Pręt 1: Ø"));
    // German and English runs stay Western European.
    StandardUmgebung deutsch;
    EXPECT_EQ(DornZeichnung(TsDorn::ZAVR60HF, deutsch).codepage, DXF_Codepage::ANSI_1252);
    deutsch.idSprache = 2057;
    EXPECT_EQ(DornZeichnung(TsDorn::ZAVR60HF, deutsch).codepage, DXF_Codepage::ANSI_1252);
}

}  // namespace
