// The two text exports of the bill of quantities against reference files in tests/files/referenz/. The
// reference files were checked column by column by hand; after an intended change of the format, write
// them anew with ZAVR_REFERENZ_NEU=1 and check the difference before committing it.
#include "files/Bedarfstext.h"
#include "Dateiinhalt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "datei/Fehlerschicht.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace fs = std::filesystem;

namespace {

TKStueckliste::Eintrag Eintrag(const std::string& name, const std::string& dorne, const std::string& typ,
                               const std::string& nummer, const std::string& manschette = {}) {
    return {name, "1", dorne, typ, dorne, StatusAktiv, nummer, manschette, "48,3", "2"};
}

class Bedarfstext : public ::testing::Test {
protected:
    void SetUp() override { u.heute = "09.12.2026"; }

    // Four entries: a sleeve, an inactive one, three equal positions of four dowels, and a name too long for
    // its column; two remark lines and three company lines.
    void Fuellen() {
        TKProjektdaten& p = modell.cProjektdaten;
        p.SetBauvorhaben("Parkhaus Nord");
        p.SetFirma({"Ingenieurbüro Maß", "Hauptstraße 1", "12345 Musterstadt"});
        TKStueckliste& liste = modell.cStueckliste;
        liste.SetBemerkung({"Lieferung bis KW 12", "Anlieferung über Tor 3"});
        liste.AddEintrag(Eintrag("Decke EG", "6", "ZAVR 30 HF", "1", "ZAVR 30 HF-PRYL-20"));
        TKStueckliste::Eintrag aus = Eintrag("Rampe", "2", "ZAVR 20 HF", "2");
        AktivSetzen(aus, false);
        liste.AddEintrag(aus);
        TKStueckliste::Eintrag gleich = Eintrag("Balkon", "4", "ZAVRQ 45 HF", "3");
        AnzahlGleicherPositionSetzen(gleich, 3);
        liste.AddEintrag(gleich);
        liste.AddEintrag(
            Eintrag("Sehr lange Positionsbezeichnung", "128", "ZAVR 120 HF", "4", "ZAVR 120 HF-PRYL-40"));
    }

    // The file's bytes for `art` equal the reference file `name`.
    void Vergleiche(Bedarfsdokument art, const std::string& name) {
        const std::string datei = BedarfslisteDatei(modell, art);
        const fs::path referenz = fs::path(ZAVR_SOURCE_DIR) / "tests/files/referenz" / name;
        if (std::getenv("ZAVR_REFERENZ_NEU")) std::ofstream(referenz, std::ios::binary) << datei;
        ASSERT_TRUE(fs::exists(referenz)) << referenz;
        EXPECT_EQ(datei, DateiInhalt(referenz)) << name;
    }

    StandardUmgebung u;
    TKModell modell{u};
};

}  // namespace

TEST_F(Bedarfstext, stuecklisteWieReferenz) {
    Fuellen();
    Vergleiche(Bedarfsdokument::Stueckliste, "stueckliste.txt");
}

TEST_F(Bedarfstext, ausschreibungstextWieReferenz) {
    Fuellen();
    Vergleiche(Bedarfsdokument::Ausschreibungstext, "ausschreibungstext.txt");
}

// No entries, no remarks, one company line: the head and the column titles.
TEST_F(Bedarfstext, leereListeNurKopf) {
    modell.cProjektdaten.SetFirma({"Planungsbüro"});
    modell.cProjektdaten.SetBauvorhaben("Halle 3");
    Vergleiche(Bedarfsdokument::Stueckliste, "stueckliste_leer.txt");
    Vergleiche(Bedarfsdokument::Ausschreibungstext, "ausschreibungstext_leer.txt");
}

TEST_F(Bedarfstext, zeilenaufbau) {
    Fuellen();
    const std::vector<std::string> zeilen = BedarfslisteText(modell, Bedarfsdokument::Stueckliste);
    const std::string kopf =
        "Nr.  Position            Anzahl Schubdorn      Anzahl Brandschutzmanschette     ";
    ASSERT_EQ(kopf.size(), 80u);
    const auto k = std::find(zeilen.begin(), zeilen.end(), kopf);
    ASSERT_NE(k, zeilen.end());
    // Three active rows, numbered as shown; the inactive entry is left out.
    ASSERT_EQ(zeilen.end() - k, 6);
    const std::string erste = *(k + 2), zweite = *(k + 3), dritte = *(k + 4);
    EXPECT_EQ(erste.substr(0, 3), "  1");
    EXPECT_EQ(erste.substr(5, 8), "Decke EG");
    EXPECT_EQ(erste.substr(28, 2), " 6");
    EXPECT_EQ(erste.substr(32, 10), "ZAVR 30 HF");
    EXPECT_EQ(zweite.substr(0, 3), "  2");
    EXPECT_EQ(zweite.find("Rampe"), std::string::npos);
    // 3 equal positions of 4 dowels: 12 in the count column; no sleeve: "-" in both sleeve columns.
    EXPECT_EQ(zweite.substr(28, 2), "12");
    EXPECT_EQ(zweite.substr(32, 11), "ZAVRQ 45 HF");
    EXPECT_EQ(zweite.substr(50, 5), " -  -");
    // A name beyond its column pushes the count one blank behind it instead of writing into it.
    EXPECT_EQ(dritte.substr(0, 76),
              "  3  Sehr lange Positionsbezeichnung 128 ZAVR 120 HF 128 ZAVR 120 HF-PRYL-40");
    // Inserting into the 80 blanks keeps them behind the text: the row grows by what was inserted.
    EXPECT_EQ(dritte.size(), 80u + 1 + 31 + 3 + 11 + 3 + 19);
    EXPECT_EQ(dritte.find_last_not_of(' '), 75u);
    // The entry stays in the project though it is not printed.
    EXPECT_EQ(modell.cStueckliste.GetCountEintraege(), 4);
}

// "Büro / Firma: " with the first line; the second and third line under it; a fourth is not printed.
TEST_F(Bedarfstext, firmenzeilen) {
    struct Fall {
        std::vector<std::string> firma;
        std::vector<std::string> zeilen;
    };
    const std::string einzug(14, ' ');
    for (const Fall& f : std::vector<Fall>{
             {{}, {"Büro / Firma: "}},
             {{"A"}, {"Büro / Firma: A"}},
             {{"A", "B"}, {"Büro / Firma: A", einzug + "B"}},
             {{"A", "B", "C", "D"}, {"Büro / Firma: A", einzug + "B", einzug + "C"}},
         }) {
        modell.cProjektdaten.SetFirma(f.firma);
        const std::vector<std::string> zeilen = BedarfslisteText(modell, Bedarfsdokument::Ausschreibungstext);
        const std::vector<std::string> firma(zeilen.begin() + 3, zeilen.begin() + 3 + f.zeilen.size());
        EXPECT_EQ(firma, f.zeilen);
        EXPECT_EQ(zeilen[3 + f.zeilen.size()], "Bauvorhaben:  ");
        EXPECT_EQ(zeilen[4 + f.zeilen.size()], "Ausdruck vom: 09.12.2026");
    }
}
