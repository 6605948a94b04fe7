// A dowel type is one record of the catalogue: a type added to a copy of the catalogue is designed, listed,
// drawn, saved and opened again with nothing else changed, and stored projects keep their types whatever the
// catalogue's order.

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Dateiinhalt.h"
#include "Sitzungszugang.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"
#include "sitzung/Ergebniszeilen.h"
#include "sitzung/Projektsitzung.h"

namespace fs = std::filesystem;

namespace {

// A size between 60 and 90 in both families, made from the ZAVR 60 HF record: the two differ in their
// family alone.
std::vector<TrDornTyp> MitGroesse75() {
    std::vector<TrDornTyp> typen = StandardDorntypen();
    const Dornkatalog standard(typen);
    TrDornTyp zavr = typen[Ord(TsDorn::ZAVR60HF)];
    zavr.Name = "ZAVR 75 HF";
    zavr.Dateinummer = standard.NaechsteDateinummer();
    zavr.Anzeigefolge = standard[TsDorn::ZAVRQ60HF].Anzeigefolge + 3;
    zavr.Kennung.DxfDatei = "ZAVR_075 HF.dxf";
    zavr.VRds = {190, 150, 115, 92, 77};
    TrDornTyp zavrq = zavr;
    zavrq.Name = "ZAVRQ 75 HF";
    zavrq.Familie = TsDornFamilie::ZAVRQ;
    zavrq.Dateinummer = zavr.Dateinummer + 1;
    zavrq.Anzeigefolge = zavr.Anzeigefolge + 1;
    zavrq.Kennung.DxfDatei = "ZAVRQ_075 HF.dxf";
    typen.push_back(zavr);
    typen.push_back(zavrq);
    return typen;
}

class Dorntyp : public ::testing::Test {
protected:
    void SetUp() override {
        ordner =
            fs::temp_directory_path() / ("zavr_dorntyp_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

    fs::path ordner;
    StandardUmgebung u;
};

void Einzeldorn(TKAnwendung& a) {
    a.SetPosition("Konsole");
    a.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
    a.cBelastungDesign.SetPunktLast(40);
}

}  // namespace

TEST_F(Dorntyp, neuerTypWirdBemessenGelistetGespeichertUndGeoeffnet) {
    const Dornkatalog erweitert(MitGroesse75());
    const KatalogErsatz ersatz(erweitert);
    const TsDorn zavr = *DornAusName("zavr 75 hf"), zavrq = *DornAusName("ZAVRQ75HF");

    Projektsitzung s(u);
    Einzeldorn(Sitzungszugang::Arbeitskopie(s));
    ASSERT_TRUE(s.Berechnen().bemessen);
    const TKErgebnisse& erg = s.Arbeitskopie().cErgebnisse;
    ASSERT_EQ(erg.cDornErgebnis.size(), 23u);
    const TKDornErgebnis &ez = erg.cDornErgebnis[Ord(zavr)], &eq = erg.cDornErgebnis[Ord(zavrq)];
    // Its own steel resistance for the position's joint (20 to 30 mm), the family's factor on the concrete
    // edge.
    EXPECT_DOUBLE_EQ(ez.GetVRds(), 150);
    EXPECT_GT(ez.GetVRdce(), 0);
    EXPECT_DOUBLE_EQ(eq.GetVRdce(), 0.9 * ez.GetVRdce());
    EXPECT_EQ(erg.GetAnzDorn(zavr), 1);
    EXPECT_EQ(ez.GetStatus(), 0);

    std::vector<std::string> zeilen;
    for (const Ergebniszeile& z : Ergebniszeilen(s.Arbeitskopie(), u)) zeilen.push_back(z.name);
    ASSERT_EQ(zeilen.size(), 23u);
    const auto nach60 = std::find(zeilen.begin(), zeilen.end(), "ZAVRQ 60 HF") + 1;
    EXPECT_EQ(std::vector<std::string>(nach60, nach60 + 3),
              (std::vector<std::string>{"ZAVR 75 HF", "ZAVRQ 75 HF", "ZAVR 90 HF"}));

    ASSERT_TRUE(s.DornDxf(zavrq, Pfad("dorn.dxf")));
    EXPECT_NE(DateiInhalt(Pfad("dorn.dxf")).find("ZAVRQ 75 HF"), std::string::npos);

    Sitzungszugang::Arbeitskopie(s).cErgebnisse.SetAktDorn(zavrq);
    ASSERT_TRUE(s.SpeichernUnter(Pfad("neu.ZAV")));
    const std::string text = DateiInhalt(Pfad("neu.ZAV"));
    for (const char* zeile :
         {"Ergebnisse_1.TAktDorn=22\r\n", "Ergebnisse_1.AnzTAnzDorn=23\r\n", "Ergebnisse_1.TAnzDorn_21=1\r\n",
          "DornDaten_1_21.TDorn=21\r\n", "DornErgebnis_1_22.TStatus="})
        EXPECT_NE(text.find(zeile), std::string::npos) << zeile;

    Projektsitzung wieder(u);
    ASSERT_TRUE(wieder.Oeffnen(Pfad("neu.ZAV")));
    EXPECT_EQ(wieder.Arbeitskopie().cErgebnisse.GetAktDorn(), zavrq);
    ASSERT_TRUE(wieder.SpeichernUnter(Pfad("wieder.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("wieder.ZAV")), text);
}

// The program without the new types opens such a project with the types it knows; the selected type it
// does not know reads as the placeholder, as an absent key does.
TEST_F(Dorntyp, programmOhneDenNeuenTypOeffnetDasProjekt) {
    {
        const Dornkatalog erweitert(MitGroesse75());
        const KatalogErsatz ersatz(erweitert);
        Projektsitzung s(u);
        Einzeldorn(Sitzungszugang::Arbeitskopie(s));
        ASSERT_TRUE(s.Berechnen().bemessen);
        Sitzungszugang::Arbeitskopie(s).cErgebnisse.SetAktDorn(*DornAusName("ZAVR 75 HF"));
        ASSERT_TRUE(s.SpeichernUnter(Pfad("neu.ZAV")));
    }
    Projektsitzung alt(u);
    Einzeldorn(Sitzungszugang::Arbeitskopie(alt));
    ASSERT_TRUE(alt.Berechnen().bemessen);
    ASSERT_TRUE(alt.SpeichernUnter(Pfad("alt.ZAV")));

    Projektsitzung s(u);
    ASSERT_TRUE(s.Oeffnen(Pfad("neu.ZAV")));
    EXPECT_EQ(s.Arbeitskopie().cErgebnisse.cDornErgebnis.size(), 21u);
    EXPECT_EQ(s.Arbeitskopie().cErgebnisse.GetAktDorn(), TsDorn::ZAVR20HF);
    Sitzungszugang::Arbeitskopie(s).cErgebnisse.SetAktDorn(alt.Arbeitskopie().cErgebnisse.GetAktDorn());
    ASSERT_TRUE(s.SpeichernUnter(Pfad("ohne.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("ohne.ZAV")), DateiInhalt(Pfad("alt.ZAV")));
}

// A stored project read under a catalogue in another design order has every type where it was: saved again
// and read under the program's own catalogue, it is the same file.
TEST_F(Dorntyp, gespeicherteNummernHaengenNichtAnDerReihenfolge) {
    const std::string beispiel = std::string(ZAVR_SOURCE_DIR) + "/examples/Beispiel.ZAV";
    Projektsitzung standard(u);
    ASSERT_TRUE(standard.Oeffnen(beispiel));
    ASSERT_TRUE(standard.SpeichernUnter(Pfad("standard.ZAV")));
    const std::string gewaehlt = DornName(standard.Arbeitskopie().cErgebnisse.GetAktDorn());

    std::vector<TrDornTyp> typen = StandardDorntypen();
    std::rotate(typen.begin(), typen.begin() + 7, typen.end());
    {
        const Dornkatalog gedreht(typen);
        const KatalogErsatz ersatz(gedreht);
        Projektsitzung s(u);
        ASSERT_TRUE(s.Oeffnen(beispiel));
        EXPECT_EQ(DornName(s.Arbeitskopie().cErgebnisse.GetAktDorn()), gewaehlt);
        ASSERT_TRUE(s.SpeichernUnter(Pfad("gedreht.ZAV")));
    }
    EXPECT_NE(DateiInhalt(Pfad("gedreht.ZAV")), DateiInhalt(Pfad("standard.ZAV")));  // sections in its order
    Projektsitzung zurueck(u);
    ASSERT_TRUE(zurueck.Oeffnen(Pfad("gedreht.ZAV")));
    ASSERT_TRUE(zurueck.SpeichernUnter(Pfad("zurueck.ZAV")));
    EXPECT_EQ(DateiInhalt(Pfad("zurueck.ZAV")), DateiInhalt(Pfad("standard.ZAV")));
}
