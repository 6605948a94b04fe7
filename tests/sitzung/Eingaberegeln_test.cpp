#include <gtest/gtest.h>

#include "Sitzungszugang.h"
#include "model/TKBelastung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

namespace {

using AF = TsAnwendungsfall;
using BF = TsBelastungsfall;

class Regeln : public ::testing::Test {
protected:
    TKAnwendung& A() { return Sitzungszugang::Arbeitskopie(s); }
    const TKBelastung& Last() const { return s.Arbeitskopie().cBelastungDesign; }

    StandardUmgebung u;
    Projektsitzung s{u};
};

// The load cases an application case allows: a single dowel carries a point load, a pair a constant or
// linear load, a row any line load. A load case the new case does not allow becomes the point load or the
// linear load; one it allows stays.
struct Fallwechsel {
    BF vorher;
    AF fall;
    BF danach;
};

class Fallregeln : public Regeln, public ::testing::WithParamInterface<Fallwechsel> {};

TEST_P(Fallregeln, belastungsfallRaenderUndSkizze) {
    const Fallwechsel& w = GetParam();
    A().SetAnwendungsfall(w.vorher == BF::bfPunktlast ? AF::afEinzel : AF::afReihePlatte);
    A().cBelastungDesign.SetBelastungsfall(w.vorher);
    A().cErgebnisse.SetErgebnisAnzeige(TsSkizzeTyp::stDornReihe);
    Sitzungszugang::Modell(s).SetSkizzeAnzeige(TsSkizzeTyp::stDornReihe);
    ASSERT_TRUE(s.AnwendungsfallSetzen(w.fall));
    EXPECT_EQ(Last().GetBelastungsfall(), w.danach);
    const bool einzel = w.fall == AF::afEinzel;
    EXPECT_EQ(s.Arbeitskopie().cGeometrie.GetRandLinks(), einzel);
    EXPECT_EQ(s.Arbeitskopie().cGeometrie.GetRandRechts(), einzel);
    const TsSkizzeTyp skizze = einzel ? TsSkizzeTyp::stAnsicht : TsSkizzeTyp::stDornReihe;
    EXPECT_EQ(s.Arbeitskopie().cErgebnisse.GetErgebnisAnzeige(), skizze);
    EXPECT_EQ(s.Modell().GetSkizzeAnzeige(), skizze);
}

INSTANTIATE_TEST_SUITE_P(
    JeFall, Fallregeln,
    ::testing::Values(Fallwechsel{BF::bfLinienlast, AF::afEinzel, BF::bfPunktlast},
                      Fallwechsel{BF::bfbeliebigeLast, AF::afEinzel, BF::bfPunktlast},
                      Fallwechsel{BF::bfPunktlast, AF::afPaarPlatte, BF::bfLinienlast},
                      Fallwechsel{BF::bfbeliebigeLast, AF::afPaarWand, BF::bfLinienlast},
                      Fallwechsel{BF::bfKonstanteLast, AF::afPaarPlatte, BF::bfKonstanteLast},
                      Fallwechsel{BF::bfPunktlast, AF::afReihePlatte, BF::bfLinienlast},
                      Fallwechsel{BF::bfbeliebigeLast, AF::afReiheWand, BF::bfbeliebigeLast},
                      Fallwechsel{BF::bfKonstanteLast, AF::afReiheWand, BF::bfKonstanteLast}));

TEST_F(Regeln, belastungsfallNurWieDerAnwendungsfallIhnZulaesst) {
    ASSERT_TRUE(s.AnwendungsfallSetzen(AF::afPaarPlatte));
    const Eingabeergebnis beliebig = s.LastfallSetzen(BF::bfbeliebigeLast);
    EXPECT_FALSE(beliebig);
    EXPECT_EQ(beliebig.meldung, "Dieser Belastungsfall ist beim gewählten Anwendungsfall nicht möglich.");
    EXPECT_FALSE(s.LastfallSetzen(BF::bfPunktlast));
    EXPECT_EQ(Last().GetBelastungsfall(), BF::bfLinienlast);
    ASSERT_TRUE(s.AnwendungsfallSetzen(AF::afEinzel));
    EXPECT_FALSE(s.LastfallSetzen(BF::bfKonstanteLast));
}

TEST_F(Regeln, konstanteLastNimmtDenAnfangswert) {
    ASSERT_TRUE(s.LastfallSetzen(BF::bfLinienlast));
    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastLinks, "20"));
    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastRechts, "35"));
    ASSERT_TRUE(s.LastfallSetzen(BF::bfKonstanteLast));
    EXPECT_DOUBLE_EQ(Last().GetLinienLastLinks(), 20);
    EXPECT_DOUBLE_EQ(Last().GetLinienLastRechts(), 20);
}

// The design-value dialog opens with the design value the field holds; OK without a change changes
// nothing, also when the dialog shows the characteristic values rounded.
TEST_F(Regeln, bemessungswerteGehoerenZumFeld) {
    ASSERT_TRUE(s.LastfallSetzen(BF::bfKonstanteLast));
    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastLinks, "60"));
    TKLast vorschlag = s.BemessungswerteVorschlag(Lastwert::Links);
    EXPECT_DOUBLE_EQ(vorschlag.GetGk(), 0);
    EXPECT_DOUBLE_EQ(vorschlag.GetQk(), 40);  // 60 / 1.5
    EXPECT_DOUBLE_EQ(vorschlag.GetFd(), 60);
    const Eingabeergebnis unveraendert = s.BemessungswerteSetzen(Lastwert::Links, vorschlag);
    EXPECT_TRUE(unveraendert);
    EXPECT_EQ(unveraendert.geaendert, 0u);
    EXPECT_FALSE(s.Geaendert() && s.NameRueckgaengig() == "Bemessungswerte");

    // 20 permanent and 10 variable with γq 1.6: 27 + 16 = 43, end value with it (a constant load).
    vorschlag.SetGk(20);
    vorschlag.SetQk(10);
    vorschlag.Setgq(1.6);
    ASSERT_TRUE(s.BemessungswerteSetzen(Lastwert::Links, vorschlag));
    EXPECT_DOUBLE_EQ(Last().GetLinienLastLinks(), 43);
    EXPECT_DOUBLE_EQ(Last().GetLinienLastRechts(), 43);
    EXPECT_EQ(s.NameRueckgaengig(), "Bemessungswerte");
    // Opened again, the dialog offers what gave the 43.
    const TKLast wieder = s.BemessungswerteVorschlag(Lastwert::Links);
    EXPECT_DOUBLE_EQ(wieder.GetGk(), 20);
    EXPECT_DOUBLE_EQ(wieder.GetQk(), 10);
    EXPECT_DOUBLE_EQ(wieder.Getgq(), 1.6);
    // A value typed over it afterwards is the design value the dialog starts from.
    ASSERT_TRUE(s.FeldSetzen(Feld::LinienlastLinks, "48"));
    EXPECT_DOUBLE_EQ(s.BemessungswerteVorschlag(Lastwert::Links).GetQk(), 30);  // 48 / 1.6
    EXPECT_DOUBLE_EQ(s.BemessungswerteVorschlag(Lastwert::Links).GetGk(), 0);
}

TEST_F(Regeln, bemessungswertGerundetUndGeprueft) {
    TKLast last = s.BemessungswerteVorschlag(Lastwert::Punkt);
    last.SetGk(0);
    last.SetQk(12.345 / 1.5);
    ASSERT_TRUE(s.BemessungswerteSetzen(Lastwert::Punkt, last));
    EXPECT_DOUBLE_EQ(Last().GetPunktLast(), 12.3);
    last.SetGk(-50);
    last.SetQk(0);
    const Eingabeergebnis negativ = s.BemessungswerteSetzen(Lastwert::Punkt, last);
    EXPECT_EQ(negativ.pruefung, Feldpruefung::ZuKlein);
    EXPECT_DOUBLE_EQ(Last().GetPunktLast(), 12.3);
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cBelastungCharg.GetPunktLast(), 0);  // nothing of it stored
}

std::vector<TrFloatPoint> Punkte(const TKBelastung& last) {
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i) punkte.push_back(last.GetbeliebigeLast(i));
    return punkte;
}

TEST_F(Regeln, fugenlaengeNenntVerschobeneLastpunkte) {
    ASSERT_TRUE(s.FeldSetzen(Feld::Fugenlaenge, "6"));
    ASSERT_TRUE(s.LastfallSetzen(BF::bfbeliebigeLast));
    s.BearbeitungBeginnen();
    s.BeliebigeLastSetzen({{0, 50}, {4500, 30}, {6000, 10}});
    s.BearbeitungAbschliessen("beliebige Last");
    const Eingabeergebnis e = s.FeldSetzen(Feld::Fugenlaenge, "3");
    ASSERT_TRUE(e);
    EXPECT_EQ(e.lastpunkte.size(), 2u);
    EXPECT_EQ(e.hinweis,
              "Die Fugenlänge ist jetzt 3 m. Die Punkte der beliebigen Last wurden angepasst:\n"
              "x = 4,5 m (q = 30 kN/m): jetzt bei x = 3 m\n"
              "x = 6 m (q = 10 kN/m): entfällt\n\n"
              "\"Rückgängig\" stellt die vorherige Fugenlänge mit allen Lastpunkten wieder her.");
    ASSERT_TRUE(s.Rueckgaengig());
    EXPECT_EQ(Punkte(Last()), (std::vector<TrFloatPoint>{{0, 50}, {4500, 30}, {6000, 10}}));
    EXPECT_DOUBLE_EQ(s.Arbeitskopie().cGeometrie.GetFugenlaenge(), 6000);

    // A line load follows the joint without a word.
    ASSERT_TRUE(s.LastfallSetzen(BF::bfLinienlast));
    const Eingabeergebnis linear = s.FeldSetzen(Feld::Fugenlaenge, "3");
    EXPECT_TRUE(linear.hinweis.empty());
    EXPECT_DOUBLE_EQ(Last().GetLastLaenge(), 3000);
}

}  // namespace
