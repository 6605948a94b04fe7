#include "sitzung/Tragfaehigkeitstabellen.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "Dateiinhalt.h"
#include "Sitzungszugang.h"
#include "calc/Tragfaehigkeitstabelle.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace fs = std::filesystem;

namespace {

class Tabellenposition : public ::testing::Test {
protected:
    Tabellenzelle Zelle(TsDorn dorn, double h, TsBewehrungCalc methode) {
        return BerechneZelle(
            {dorn, TsBetonguete::C30_37, h, TsFugenbreite::fb30bis40, TsFeuerwiderstand::F90, methode}, u);
    }
    StandardUmgebung u;
    Projektsitzung s{u};
    TKModell& M() { return Sitzungszugang::Modell(s); }
    TKAnwendung& A() { return Sitzungszugang::Arbeitskopie(s); }
};

// A cell gives a new current position in input mode: a single dowel under the cell's resistance as point
// load, edges at the cell's distance, the grid point's inputs, the type selected and no results; designing
// it confirms the table: the type is admissible with utilisation 1,00. The first position stays as it was.
TEST_F(Tabellenposition, neuePositionBestaetigtDenTabellenwert) {
    A().SetPosition("Decke");
    for (const TsBewehrungCalc methode : {TsBewehrungCalc::bcZulassung, TsBewehrungCalc::bcOptimal}) {
        const Tabellenzelle zelle = Zelle(TsDorn::ZAVRQ60HF, 260, methode);
        ASSERT_TRUE(zelle.Zulaessig());
        ASSERT_TRUE(s.PositionAusTabelle(zelle));
        const TKAnwendung& a = A();
        EXPECT_EQ(M().GetAktAnwendung(), M().GetAnzAnwendung());
        EXPECT_EQ(a.GetPosition(), "ZAVRQ 60 HF, C30/37, h = 26 cm");
        EXPECT_EQ(a.GetAnwendungsfall(), TsAnwendungsfall::afEinzel);
        EXPECT_EQ(a.GetBetonguete(), TsBetonguete::C30_37);
        EXPECT_EQ(a.GetFeuerwiderstand(), TsFeuerwiderstand::F90);
        EXPECT_EQ(a.GetBewehrungCalc(), methode);
        EXPECT_EQ(a.cGeometrie.GetPlatteDicke(), 260);
        EXPECT_EQ(a.cGeometrie.GetFugenbreite(), TsFugenbreite::fb30bis40);
        EXPECT_TRUE(a.cGeometrie.GetRandLinks() && a.cGeometrie.GetRandRechts());
        EXPECT_EQ(a.cGeometrie.GetBauteilRandLinks(), zelle.minRand);
        EXPECT_EQ(a.cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfPunktlast);
        EXPECT_EQ(a.cBelastungDesign.GetPunktLast(), zelle.VRd);
        EXPECT_EQ(a.cErgebnisse.GetAktDorn(), TsDorn::ZAVRQ60HF);
        EXPECT_EQ(M().GetEingabeDorn(), TsDorn::ZAVRQ60HF);
        EXPECT_FALSE(a.cErgebnisse.GetBerechnet());
        EXPECT_EQ(s.Ansicht(), TsAnsicht::anEingabe);

        ASSERT_TRUE(s.Berechnen().bemessen);
        const TKDornErgebnis& e = A().cErgebnisse.cDornErgebnis[Ord(TsDorn::ZAVRQ60HF)];
        EXPECT_EQ(e.GetStatus(), 0);
        EXPECT_EQ(AusnutzungText(e.GetVRdIst(), e.GetVRdZul(), ','), "1,00");
    }
    EXPECT_EQ(M().GetAnzAnwendung(), 3);
    EXPECT_EQ(M().cAnwendung[0].GetPosition(), "Decke");
}

// A cell without values makes no position.
TEST_F(Tabellenposition, unzulaessigeZelleMachtKeinePosition) {
    const Tabellenzelle zelle = Zelle(TsDorn::ZAVR150, 300, TsBewehrungCalc::bcZulassung);
    ASSERT_FALSE(zelle.Zulaessig());
    EXPECT_FALSE(s.PositionAusTabelle(zelle));
    EXPECT_EQ(M().GetAnzAnwendung(), 1);
}

// The text export: Windows-1252 with CR LF, the regional separator, reasons in the language of the
// surroundings instead of values.
TEST(TabellenCsv, zeilenUndDatei) {
    StandardUmgebung u;
    const std::vector<Tabellenzelle> zellen{BerechneZelle({TsDorn::ZAVR20HF, TsBetonguete::C20_25, 160}, u),
                                            BerechneZelle({TsDorn::ZAVR450, TsBetonguete::C20_25, 160}, u)};
    const std::vector<std::string> zeilen = TabellenCsv(zellen, u);
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_TRUE(zeilen[1].starts_with("ZAVR 20 HF;C20/25;16;30 mm;ohne;Standard;34,40;")) << zeilen[1];
    EXPECT_EQ(zeilen[2], "ZAVR 450;C20/25;16;30 mm;ohne;Standard;;;;;;;;Bauteildicke zu klein!");

    const std::string inhalt = TabellenCsvDatei(zellen, u);
    EXPECT_EQ(inhalt.substr(0, 16), "Dorn;Betong\xFCte;h");
    EXPECT_EQ(inhalt.substr(inhalt.size() - 2), "\r\n");
    EXPECT_EQ(std::count(inhalt.begin(), inhalt.end(), '\n'), 3);
}

}  // namespace
