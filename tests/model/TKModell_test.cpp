#include "model/TKModell.h"

#include <gtest/gtest.h>

#include "model/Umgebung.h"

namespace {

std::vector<std::string> Namen(const TKModell& m) {
    std::vector<std::string> namen;
    for (const TKAnwendung& a : m.cAnwendung) namen.push_back(a.GetPosition());
    return namen;
}

using N = std::vector<std::string>;

TEST(TKModell, neuesProjektHatEinePositionNamens1) {
    StandardUmgebung umgebung;
    umgebung.heute = "01.02.2026";
    const TKModell m(umgebung);
    EXPECT_EQ(m.GetAnzAnwendung(), 1);
    EXPECT_EQ(m.GetAktAnwendung(), 1);
    EXPECT_EQ(Namen(m), (N{"1"}));
    EXPECT_FALSE(m.GetCalcFlag());
    EXPECT_EQ(m.GetEingabeDorn(), TsDorn::ZAVR25HF);
    EXPECT_EQ(m.GetEingabeFugenbreite(), TsFugenbreite::fb20bis30);
    EXPECT_EQ(m.GetSkizzeAnzeige(), TsSkizzeTyp::stDornReihe);
    EXPECT_EQ(m.cProjektdaten.GetDatum(), "01.02.2026");
    // the input sketch's dowel: ZAVR25HF at 240 mm is class 3 (from 200 mm): four 14 mm D bars
    EXPECT_EQ(m.cEingabeDornDaten.GetDorn(), TsDorn::ZAVR25HF);
    EXPECT_EQ(m.cEingabeDornDaten.GetPosDd(), 14);
    EXPECT_EQ(m.cEingabeDornDaten.GetVRds_Data(), TsLand::deu);
}

TEST(TKModell, positionenWachsenUndSchrumpfenMitIhrenNamen) {
    StandardUmgebung umgebung;
    TKModell m(umgebung);
    m.cAnwendung[0].SetPosition("Decke");
    m.SetAnzAnwendung(3);
    EXPECT_EQ(m.GetAnzAnwendung(), 3);
    EXPECT_EQ(Namen(m), (N{"Decke", "2", "3"}));
    m.cAnwendung[1].SetPosition("Wand");
    m.SetAnzAnwendung(1);
    EXPECT_EQ(Namen(m), (N{"Decke"}));
    m.SetAnzAnwendung(2);
    EXPECT_EQ(Namen(m), (N{"Decke", "2"}));  // a fresh position, not the dropped one
}

TEST(TKModell, neuePositionenLesenDieEinstellungenBeimAnlegen) {
    StandardUmgebung umgebung;
    TKModell m(umgebung);
    umgebung.idSprache = 21;
    umgebung.bemessung = 2;
    m.SetAnzAnwendung(2);
    EXPECT_EQ(m.cAnwendung[0].GetAktLand(), TsLand::deu);
    EXPECT_EQ(m.cAnwendung[1].GetAktLand(), TsLand::plk);
    EXPECT_EQ(m.cAnwendung[1].GetMaxDornabstand(), TsMaxDornabstand::da5dmin_redda);
}

TEST(TKModell, mindestensEinePositionUndAktuellePositionInnerhalb) {
    StandardUmgebung umgebung;
    TKModell m(umgebung);
    m.SetAnzAnwendung(4);
    m.SetAktAnwendung(4);
    m.SetAnzAnwendung(2);
    EXPECT_EQ(m.GetAktAnwendung(), 2);
    m.SetAnzAnwendung(0);
    EXPECT_EQ(m.GetAnzAnwendung(), 1);
    EXPECT_EQ(m.cAnwendung.size(), 1u);
    EXPECT_EQ(m.GetAktAnwendung(), 1);
}

TEST(TKModellDeathTest, positionsnummerAusserhalbWirdAbgewiesen) {
    StandardUmgebung umgebung;
    TKModell m(umgebung);
    m.SetAnzAnwendung(2);
    m.SetAktAnwendung(2);
    EXPECT_DEBUG_DEATH(m.SetAktAnwendung(3), "position number out of range");
    EXPECT_DEBUG_DEATH(m.SetAktAnwendung(0), "position number out of range");
    EXPECT_EQ(m.GetAktAnwendung(), 2);
}

struct Sprache {
    std::uint32_t id;
    TsLand land;
};
class TKModellSprache : public ::testing::TestWithParam<Sprache> {};
TEST_P(TKModellSprache, setztDasLandJederPosition) {
    StandardUmgebung umgebung;
    TKModell m(umgebung);
    m.SetAnzAnwendung(3);
    m.SetAktSprache(GetParam().id);
    for (const TKAnwendung& a : m.cAnwendung) EXPECT_EQ(a.GetAktLand(), GetParam().land);
}
INSTANTIATE_TEST_SUITE_P(IDSprache, TKModellSprache,
                         ::testing::Values(Sprache{21, TsLand::plk}, Sprache{2057, TsLand::eng},
                                           Sprache{1031, TsLand::deu}, Sprache{1045, TsLand::deu},
                                           Sprache{4294967295u, TsLand::deu}));

TEST(TKModell, kopieIstUnabhaengigUndTeiltDieUmgebung) {
    StandardUmgebung umgebung;
    TKModell m(umgebung);
    m.SetAnzAnwendung(2);
    m.cStueckliste.AddEintrag({"Zeile"});
    m.cProjektdaten.SetBauvorhaben("Halle");

    TKModell kopie(m);
    kopie.cAnwendung[1].SetPosition("geändert");
    kopie.cAnwendung[0].cGeometrie.SetFugenlaenge(4000);
    kopie.cStueckliste.ResetEintraege();
    kopie.cProjektdaten.SetBauvorhaben("Brücke");
    kopie.cEingabeGeometrie.SetPlatteDicke(500);
    kopie.SetAnzAnwendung(3);

    EXPECT_EQ(Namen(m), (N{"1", "2"}));
    EXPECT_EQ(m.cAnwendung[0].cGeometrie.GetFugenlaenge(), 2000);
    EXPECT_EQ(m.cStueckliste.GetCountEintraege(), 1);
    EXPECT_EQ(m.cProjektdaten.GetBauvorhaben(), "Halle");
    EXPECT_EQ(m.cEingabeGeometrie.GetPlatteDicke(), 240);
    EXPECT_EQ(&kopie.GetUmgebung(), &umgebung);
}

}  // namespace
