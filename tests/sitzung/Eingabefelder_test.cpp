#include "sitzung/Eingabefelder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "Sitzungszugang.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace {

const std::string Kleiner = "Der eingegebene Wert ist kleiner als erlaubt!";
const std::string Groesser = "Der eingegebene Wert ist größer als erlaubt!";
const std::string KeineZahl =
    "Fehler bei der Eingabe: Es sind nur Zahlen erlaubt!\n(eventuell Schreibweise von \".\" und \",\" "
    "beachten";

class Felder : public ::testing::Test {
protected:
    // A row with a linear load: every field takes input.
    void SetUp() override { A().cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfLinienlast); }
    TKAnwendung& A() { return Sitzungszugang::Arbeitskopie(s); }
    double Wert(Feld feld) const { return Beschreibung(feld).lesen(s.Arbeitskopie()); }

    StandardUmgebung u;
    Projektsitzung s{u};
};

// The limits of the input window, in the field's unit, and the model value of a typed text.
struct Grenze {
    Feld feld;
    const char* zuKlein;  // just below the minimum
    const char* kleinste;
    double kleinsteImModell;
    const char* zuGross;  // just above the maximum; empty: no maximum
};

class FeldGrenzen : public Felder, public ::testing::WithParamInterface<Grenze> {};

TEST_P(FeldGrenzen, lehntAbMeldetUndNimmtDenKleinstenWert) {
    const Grenze& g = GetParam();
    const double vorher = Wert(g.feld);
    const Eingabeergebnis zuKlein = s.FeldSetzen(g.feld, g.zuKlein);
    EXPECT_EQ(zuKlein.pruefung, Feldpruefung::ZuKlein);
    EXPECT_EQ(zuKlein.meldung, Kleiner);
    EXPECT_EQ(zuKlein.geaendert, 0u);
    EXPECT_DOUBLE_EQ(Wert(g.feld), vorher);
    if (*g.zuGross) {
        const Eingabeergebnis zuGross = s.FeldSetzen(g.feld, g.zuGross);
        EXPECT_EQ(zuGross.pruefung, Feldpruefung::ZuGross);
        EXPECT_EQ(zuGross.meldung, Groesser);
    } else {
        EXPECT_TRUE(s.FeldSetzen(g.feld, "99999"));
    }
    const Eingabeergebnis kleinste = s.FeldSetzen(g.feld, g.kleinste);
    ASSERT_TRUE(kleinste) << kleinste.meldung;
    EXPECT_DOUBLE_EQ(Wert(g.feld), g.kleinsteImModell);
    EXPECT_FALSE(s.FeldSetzen(g.feld, "2.5"));  // the other separator under German settings
    EXPECT_EQ(s.FeldSetzen(g.feld, "24cm").meldung, KeineZahl);
    EXPECT_EQ(s.FeldwertSetzen(g.feld, std::numeric_limits<double>::infinity()).pruefung,
              Feldpruefung::KeineZahl);
    EXPECT_DOUBLE_EQ(Wert(g.feld), g.kleinsteImModell);
}

INSTANTIATE_TEST_SUITE_P(AlleFelder, FeldGrenzen,
                         ::testing::Values(Grenze{Feld::PlatteDicke, "15,9", "16", 160, ""},
                                           Grenze{Feld::Wanddicke, "9,99", "10", 100, ""},
                                           Grenze{Feld::BauteilrandLinks, "11,9", "12", 120, ""},
                                           Grenze{Feld::BauteilrandRechts, "11", "12", 120, ""},
                                           Grenze{Feld::Fugenlaenge, "0,4", "0,48", 480, "30,01"},
                                           Grenze{Feld::BetondeckungOben, "2,4", "2,5", 25, ""},
                                           Grenze{Feld::BetondeckungUnten, "2", "2,5", 25, ""},
                                           Grenze{Feld::BetondeckungVorn, "2,49", "2,5", 25, ""},
                                           Grenze{Feld::DornPaarAbstand, "31,9", "32", 320, ""},
                                           Grenze{Feld::konstDornabstand, "31", "32", 320, ""},
                                           Grenze{Feld::Lastverteilung, "-0,1", "0", 0, ""},
                                           Grenze{Feld::Punktlast, "-1", "0", 0, ""},
                                           Grenze{Feld::LinienlastLinks, "-0,01", "0", 0, ""},
                                           Grenze{Feld::LinienlastRechts, "-5", "0", 0, ""}));

// The same value again is no change: nothing to undo, nothing unsaved.
TEST_F(Felder, gleicherWertAendertNichts) {
    const Eingabeergebnis e = s.FeldSetzen(Feld::PlatteDicke, "24");
    EXPECT_TRUE(e);
    EXPECT_EQ(e.geaendert, 0u);
    EXPECT_FALSE(s.KannRueckgaengig());
    EXPECT_FALSE(s.Geaendert());
}

TEST_F(Felder, linienlastJeBelastungsfall) {
    ASSERT_TRUE(s.LastfallSetzen(TsBelastungsfall::bfKonstanteLast));
    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastLinks, "35"));
    EXPECT_DOUBLE_EQ(Wert(Feld::LinienlastRechts), 35);  // a constant load is its start value
    const Eingabeergebnis rechts = s.FeldSetzen(Feld::LinienlastRechts, "20");
    EXPECT_EQ(rechts.pruefung, Feldpruefung::Gesperrt);
    EXPECT_EQ(rechts.meldung, "Dieser Wert ist beim gewählten Belastungsfall nicht einzugeben.");
    ASSERT_TRUE(s.LastfallSetzen(TsBelastungsfall::bfLinienlast));
    EXPECT_TRUE(s.FeldSetzen(Feld::LinienlastRechts, "20"));
    EXPECT_DOUBLE_EQ(Wert(Feld::LinienlastLinks), 35);
    ASSERT_TRUE(s.LastfallSetzen(TsBelastungsfall::bfbeliebigeLast));
    EXPECT_FALSE(s.FeldSetzen(Feld::LinienlastLinks, "10"));  // an arbitrary load's values are its points
    EXPECT_FALSE(s.FeldSetzen(Feld::LinienlastRechts, "10"));
}

TEST(Feldtabelle, kurznamenSindEindeutigUndFuehrenZumFeld) {
    std::set<std::string> namen;
    for (Feld feld : AlleFelder()) {
        const std::string name = Beschreibung(feld).kurzname;
        EXPECT_TRUE(namen.insert(name).second) << name;
        EXPECT_EQ(FeldMitKurzname(name), feld);
    }
    EXPECT_EQ(FeldMitKurzname("H"), std::nullopt);
}

TEST(Feldtabelle, zahlNurMitDemRegionalenTrenner) {
    EXPECT_EQ(ZahlAusText("2,5", ','), 2.5);
    EXPECT_EQ(ZahlAusText("2.5", '.'), 2.5);
    EXPECT_EQ(ZahlAusText("2.5", ','), std::nullopt);
    EXPECT_EQ(ZahlAusText("1,000,5", ','), std::nullopt);
    EXPECT_EQ(ZahlAusText("+-1", ','), std::nullopt);
    EXPECT_EQ(ZahlAusText("+3", ','), 3);
    EXPECT_EQ(ZahlAusText("  ", ','), std::nullopt);
    EXPECT_EQ(ZahlAusText("1e999", ','), std::nullopt);
}

// A position read from a file passes through the same limits; the fields its case does not use are not its
// inputs and are not held against it.
TEST(Positionspruefung, nenntDasErsteFeldAusserhalbSeinerGrenzen) {
    StandardUmgebung u;
    TKAnwendung a(u);
    EXPECT_EQ(PositionPruefen(a), std::nullopt);
    a.cGeometrie.SetPlatteDicke(150);
    a.cGeometrie.SetFugenlaenge(40000);
    auto fehler = PositionPruefen(a);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->feld, Feld::PlatteDicke);
    EXPECT_EQ(fehler->pruefung, Feldpruefung::ZuKlein);
    a.cGeometrie.SetPlatteDicke(240);
    fehler = PositionPruefen(a);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->feld, Feld::Fugenlaenge);
    EXPECT_EQ(fehler->pruefung, Feldpruefung::ZuGross);

    a.SetAnwendungsfall(TsAnwendungsfall::afEinzel);  // no joint length, but edge distances
    EXPECT_EQ(PositionPruefen(a), std::nullopt);
    a.cGeometrie.SetBauteilRandRechts(std::nan(""));
    fehler = PositionPruefen(a);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->feld, Feld::BauteilrandRechts);
    EXPECT_EQ(fehler->pruefung, Feldpruefung::KeineZahl);

    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.cGeometrie.SetFugenlaenge(2000);
    a.cGeometrie.SetkonstDornAbstand(100);
    EXPECT_EQ(PositionPruefen(a), std::nullopt);  // the load decides the spacing
    a.cGeometrie.SetDornAbstandCalc(true);
    EXPECT_EQ(PositionPruefen(a)->feld, Feld::konstDornabstand);
}

TEST(Rundung, haelftenZurGeradenZehntel) {
    EXPECT_DOUBLE_EQ(RundeZehntel(12.25), 12.2);
    EXPECT_DOUBLE_EQ(RundeZehntel(12.75), 12.8);
    EXPECT_DOUBLE_EQ(RundeZehntel(12.345), 12.3);
}

}  // namespace
