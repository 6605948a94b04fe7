#include "sitzung/Lastimport.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "Sitzungszugang.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace fs = std::filesystem;

namespace {

constexpr double Fuge = 6000;  // mm

struct Tabelle {
    const char* name;
    const char* text;
    std::vector<TrFloatPoint> punkte;
};

class Lesbar : public ::testing::TestWithParam<Tabelle> {};

// What spreadsheets and frame-analysis programs put on the clipboard or into a CSV file reads as the same
// points, in the order of the table.
TEST_P(Lesbar, liestDieWertepaare) {
    StandardUmgebung u;
    const Lastimport tabelle = LasttabelleLesen(GetParam().text, Fuge, u);
    ASSERT_TRUE(tabelle) << tabelle.fehler;
    EXPECT_EQ(tabelle.punkte, GetParam().punkte);
    EXPECT_TRUE(tabelle.fehler.empty());
}

const std::vector<TrFloatPoint> Fuenf{{0, 52.5}, {1500, 61.25}, {3000, 70}, {4500, 48.5}, {6000, 12}};

INSTANTIATE_TEST_SUITE_P(
    Formate, Lesbar,
    ::testing::Values(Tabelle{"tabulatorKomma", "0\t52,5\n1,5\t61,25\n3\t70\n4,5\t48,5\n6\t12\n", Fuenf},
                      Tabelle{"kopfzeileSemikolonCrLf",
                              "x [m];q [kN/m]\r\n0;52,5\r\n1,5;61,25\r\n3;70\r\n4,5;48,5\r\n6;12\r\n", Fuenf},
                      Tabelle{"kommaGetrenntMitPunkt", "x,q\n0,52.5\n1.5,61.25\n3,70\n4.5,48.5\n6,12", Fuenf},
                      Tabelle{"leerzeichenUndLeerzeilen",
                              "  0   52.5\n\n1.5 61.25\n3 70\n  4.5\t 48,5 \n6 12\n\n", Fuenf},
                      Tabelle{"bomUndLeereSpalteAmEnde",
                              "\xEF\xBB\xBF"
                              "0;52,5;\n6;12;;\n",
                              {{0, 52.5}, {6000, 12}}},
                      Tabelle{"fugenendeUndNull", "6,0\t0\n0\t0", {{6000, 0}, {0, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Fehler {
    const char* name;
    const char* text;
    Feldpruefung pruefung;
    std::string meldung;
};

class Abgelehnt : public ::testing::TestWithParam<Fehler> {};

// The first bad line is named with its number in the text (header and empty lines counted) and nothing is
// taken: a table half taken would be a different load without a word.
TEST_P(Abgelehnt, nenntDieErsteFalscheZeile) {
    StandardUmgebung u;
    const Lastimport tabelle = LasttabelleLesen(GetParam().text, Fuge, u);
    EXPECT_FALSE(tabelle);
    EXPECT_EQ(tabelle.pruefung, GetParam().pruefung);
    EXPECT_EQ(tabelle.fehler, GetParam().meldung + "\nEs wurde nichts übernommen.");
    EXPECT_TRUE(tabelle.punkte.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Abgelehnt,
    ::testing::Values(Fehler{"hinterDemFugenende", "x;q\n0;50\n\n6,001;40\n7;-1\n", Feldpruefung::ZuGross,
                             "Zeile 4: x = 6,001 m liegt nicht in der Fuge (0 bis 6 m)."},
                      Fehler{"negativesX", "-0,5\t50", Feldpruefung::ZuKlein,
                             "Zeile 1: x = -0,5 m liegt nicht in der Fuge (0 bis 6 m)."},
                      Fehler{"negativeLast", "0;50\n3;-2,5\n", Feldpruefung::ZuKlein,
                             "Zeile 2: q = -2,5 kN/m ist kleiner als 0."},
                      Fehler{"textInDerTabelle", "0;50\n1;fünfzig\n", Feldpruefung::KeineZahl,
                             "Zeile 2 enthält nicht zwei Zahlen (x in m und q in kN/m): \"1;fünfzig\""},
                      Fehler{"dreiSpalten", "0;50;1\n", Feldpruefung::KeineZahl,
                             "Zeile 1 enthält nicht zwei Zahlen (x in m und q in kN/m): \"0;50;1\""},
                      Fehler{"eineSpalte", "0\n", Feldpruefung::KeineZahl,
                             "Zeile 1 enthält nicht zwei Zahlen (x in m und q in kN/m): \"0\""},
                      Fehler{"nichtEndlich", "0;inf\n", Feldpruefung::KeineZahl,
                             "Zeile 1 enthält nicht zwei Zahlen (x in m und q in kN/m): \"0;inf\""},
                      // Only the first line may be a header: a second line without numbers is a bad line.
                      Fehler{"zweiteKopfzeile", "x;q\nm;kN/m\n0;50\n", Feldpruefung::KeineZahl,
                             "Zeile 2 enthält nicht zwei Zahlen (x in m und q in kN/m): \"m;kN/m\""},
                      Fehler{"leer", "x;q\n\n", Feldpruefung::KeineZahl,
                             "Die Tabelle enthält keine Wertepaare."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lastimport, mehrAlsDieHoechstzahlVonPaarenWirdAbgelehnt) {
    StandardUmgebung u;
    std::string text;
    for (std::size_t i = 0; i <= MaxLastpaare; ++i) text += "1;1\n";
    const Lastimport tabelle = LasttabelleLesen(text, Fuge, u);
    EXPECT_EQ(tabelle.pruefung, Feldpruefung::ZuGross);
    EXPECT_EQ(tabelle.fehler, "Die Tabelle hat mehr als 10000 Wertepaare.\nEs wurde nichts übernommen.");
}

class Lastdatei : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() / ("zavr_lastimport_" + std::to_string(::getpid()));
        fs::create_directories(ordner);
        Sitzungszugang::Arbeitskopie(s).SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Datei(const std::string& inhalt) const {
        const std::string pfad = (ordner / "last.csv").string();
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }
    std::vector<TrFloatPoint> Punkte() const {
        std::vector<TrFloatPoint> punkte;
        const TKBelastung& last = s.Arbeitskopie().cBelastungDesign;
        for (int i = 0; i < last.GetAnzLastPunkte(); ++i) punkte.push_back(last.GetbeliebigeLast(i));
        return punkte;
    }

    fs::path ordner;
    StandardUmgebung u;
    Projektsitzung s{u};
};

// The file becomes the arbitrary load of the row (points sorted by x, the load case switched) in one step
// that undo takes back whole.
TEST_F(Lastdatei, wirdEinSchrittMitDemLastfall) {
    const std::vector<TrFloatPoint> vorher = Punkte();
    const TsBelastungsfall fallVorher = s.Arbeitskopie().cBelastungDesign.GetBelastungsfall();
    ASSERT_NE(fallVorher, TsBelastungsfall::bfbeliebigeLast);
    const Eingabeergebnis ergebnis = s.LastdateiUebernehmen(Datei("x;q\n2;80\n0;40\n"));
    ASSERT_TRUE(ergebnis) << ergebnis.meldung;
    EXPECT_EQ(s.Arbeitskopie().cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfbeliebigeLast);
    EXPECT_EQ(Punkte(), (std::vector<TrFloatPoint>{{0, 40}, {2000, 80}}));
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cBelastungDesign.GetGesamtLast(), 120);  // 2 m × (40 + 80) / 2
    EXPECT_TRUE(s.Geaendert());
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_FALSE(s.KannRueckgaengig());
    EXPECT_EQ(s.Arbeitskopie().cBelastungDesign.GetBelastungsfall(), fallVorher);
    EXPECT_EQ(Punkte(), vorher);
}

// The joint length the check uses is the position's: 2 m by default, so x = 2,5 m is outside.
TEST_F(Lastdatei, falscheZeileOderFehlendeDateiAendernNichts) {
    const TKAnwendung vorher = s.Arbeitskopie();
    Eingabeergebnis ergebnis = s.LastdateiUebernehmen(Datei("0;40\n2,5;80\n"));
    EXPECT_EQ(ergebnis.pruefung, Feldpruefung::ZuGross);
    EXPECT_EQ(ergebnis.meldung,
              "Zeile 2: x = 2,5 m liegt nicht in der Fuge (0 bis 2 m).\nEs wurde nichts übernommen.");
    const std::string fehlt = (ordner / "fehlt.csv").string();
    ergebnis = s.LastdateiUebernehmen(fehlt);
    EXPECT_FALSE(ergebnis);
    EXPECT_EQ(ergebnis.meldung.rfind(fehlt + " kann nicht gelesen werden: ", 0), 0u) << ergebnis.meldung;
    EXPECT_TRUE(s.Arbeitskopie() == vorher);
    EXPECT_FALSE(s.KannRueckgaengig());
}

// A single dowel carries a point load only.
TEST_F(Lastdatei, einzeldornNimmtKeineStreckenlast) {
    Sitzungszugang::Arbeitskopie(s).SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    Sitzungszugang::Arbeitskopie(s).cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
    const Eingabeergebnis ergebnis = s.LastdateiUebernehmen(Datei("0;40\n"));
    EXPECT_EQ(ergebnis.pruefung, Feldpruefung::Gesperrt);
    EXPECT_EQ(s.Arbeitskopie().cBelastungDesign.GetBelastungsfall(), TsBelastungsfall::bfPunktlast);
}

}  // namespace
