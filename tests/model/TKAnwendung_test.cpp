#include "model/TKAnwendung.h"

#include <gtest/gtest.h>

#include "model/Umgebung.h"

namespace {

struct Sprache {
    int idSprache;
    TsLand land;
};
class TKAnwendungSprache : public ::testing::TestWithParam<Sprache> {};
TEST_P(TKAnwendungSprache, landAusDerEinstellungIDSprache) {
    StandardUmgebung umgebung;
    umgebung.idSprache = GetParam().idSprache;
    const TKAnwendung a(umgebung);
    EXPECT_EQ(a.GetAktLand(), GetParam().land);
    EXPECT_EQ(a.cErgebnisse.cDornDaten[0].GetVRds_Data(), GetParam().land);
    EXPECT_EQ(LandAusSprache(static_cast<unsigned long>(GetParam().idSprache)), GetParam().land);
}
INSTANTIATE_TEST_SUITE_P(IDSprache, TKAnwendungSprache,
                         ::testing::Values(Sprache{21, TsLand::plk}, Sprache{2057, TsLand::eng},
                                           Sprache{1031, TsLand::deu}, Sprache{1033, TsLand::deu},
                                           Sprache{1045, TsLand::deu}, Sprache{0, TsLand::deu},
                                           Sprache{-21, TsLand::deu}));

struct Bemessung {
    int ordinal;
    TsMaxDornabstand regel;
};
class TKAnwendungBemessung : public ::testing::TestWithParam<Bemessung> {};
TEST_P(TKAnwendungBemessung, abstandsregelAusDerEinstellungBemessung) {
    StandardUmgebung umgebung;
    umgebung.bemessung = GetParam().ordinal;
    EXPECT_EQ(TKAnwendung(umgebung).GetMaxDornabstand(), GetParam().regel);
}
INSTANTIATE_TEST_SUITE_P(Ordinal, TKAnwendungBemessung,
                         ::testing::Values(Bemessung{0, TsMaxDornabstand::daOhne},
                                           Bemessung{1, TsMaxDornabstand::da5dmin_redF},
                                           Bemessung{2, TsMaxDornabstand::da5dmin_redda},
                                           Bemessung{3, TsMaxDornabstand::daOhne},
                                           Bemessung{-1, TsMaxDornabstand::daOhne}));

struct Auswahl {
    int index;
    TsLand land;
    TsBetonguete guete;
};
class TKAnwendungGuete : public ::testing::TestWithParam<Auswahl> {};
TEST_P(TKAnwendungGuete, auswahlUndRueckrichtung) {
    const StandardUmgebung umgebung;
    TKAnwendung a(umgebung);
    a.SetBetongueteAuswahl(GetParam().index, GetParam().land);
    EXPECT_EQ(a.GetBetonguete(), GetParam().guete);
    EXPECT_EQ(a.GetBetongueteAuswahl(GetParam().land), GetParam().index);
}
INSTANTIATE_TEST_SUITE_P(Listen, TKAnwendungGuete,
                         ::testing::Values(Auswahl{2, TsLand::plk, TsBetonguete::PB37},
                                           Auswahl{0, TsLand::plk, TsBetonguete::PB25},
                                           Auswahl{6, TsLand::plk, TsBetonguete::PB60},
                                           Auswahl{2, TsLand::deu, TsBetonguete::C30_37},
                                           Auswahl{6, TsLand::eng, TsBetonguete::C50_60},
                                           Auswahl{0, TsLand::deu, TsBetonguete::C20_25}));

TEST(TKAnwendungDeathTest, gueteauswahlAusserhalbDerListeWirdAbgewiesen) {
    const StandardUmgebung umgebung;
    TKAnwendung a(umgebung);
    a.SetBetonguete(TsBetonguete::C35_45);
    EXPECT_DEBUG_DEATH(a.SetBetongueteAuswahl(7, TsLand::plk), "concrete grade selection");
    EXPECT_DEBUG_DEATH(a.SetBetongueteAuswahl(-1, TsLand::deu), "concrete grade selection");
    EXPECT_EQ(a.GetBetonguete(), TsBetonguete::C35_45);
}

TEST(TKAnwendung, manschette) {
    const StandardUmgebung umgebung;
    TKAnwendung a(umgebung);
    a.cErgebnisse.SetAktDorn(TsDorn::ZAVR120HF);
    EXPECT_EQ(a.GetManschette(), "ZAVR 120 HF-PRYL-20");
    a.cErgebnisse.SetAktDorn(TsDorn::ZAVRQ60HF);
    a.cErgebnisse.cGeometrie.SetFugenbreite(TsFugenbreite::fb30bis40);
    a.cGeometrie.SetFugenbreite(TsFugenbreite::fb50bis60);  // the container's geometry counts
    EXPECT_EQ(a.GetManschette(), "ZAVRQ 60 HF-PRYL-40");
    a.SetFeuerwiderstand(TsFeuerwiderstand::F0);
    EXPECT_EQ(a.GetManschette(), "");
}

TEST(TKAnwendung, arbeitskopieIstUnabhaengig) {
    const StandardUmgebung umgebung;
    TKAnwendung original(umgebung);
    original.SetPosition("Achse A");
    original.cBelastungDesign.AddbeliebigeLast({1000, 80});
    original.cErgebnisse.cDornErgebnis[4].AddDornAbstand(500, true);

    TKAnwendung kopie(original);
    EXPECT_EQ(kopie.GetPosition(), "Achse A");
    EXPECT_EQ(kopie.cBelastungDesign.GetAnzLastPunkte(), 3);
    EXPECT_DOUBLE_EQ(kopie.cBelastungDesign.GetGesamtLast(), 130);

    kopie.SetPosition("Achse B");
    kopie.SetBetonguete(TsBetonguete::C40_50);
    kopie.cBelastungDesign.ResetbeliebigeLast();
    kopie.cBelastungCharg.SetPunktLast(1);
    kopie.ctmpLast.SetGk(5);
    kopie.cGeometrie.SetPlatteDicke(300);
    kopie.cErgebnisse.SetBerechnet(true);
    kopie.cErgebnisse.cDornDaten[4].SetPosDd(28);
    kopie.cErgebnisse.cDornErgebnis[4].ResetDornAbstand();

    EXPECT_EQ(original.GetPosition(), "Achse A");
    EXPECT_EQ(original.GetBetonguete(), TsBetonguete::C20_25);
    EXPECT_EQ(original.cBelastungDesign.GetAnzLastPunkte(), 3);
    EXPECT_EQ(original.cBelastungCharg.GetPunktLast(), 80);
    EXPECT_EQ(original.ctmpLast.GetFd(), 0);
    EXPECT_EQ(original.cGeometrie.GetPlatteDicke(), 240);
    EXPECT_FALSE(original.cErgebnisse.GetBerechnet());
    EXPECT_NE(original.cErgebnisse.cDornDaten[4].GetPosDd(), 28);
    EXPECT_EQ(original.cErgebnisse.cDornErgebnis[4].GetAnzDornAbstand(), 2);

    original = kopie;  // writing the working copy back
    EXPECT_EQ(original.GetPosition(), "Achse B");
    kopie.SetPosition("Achse C");
    EXPECT_EQ(original.GetPosition(), "Achse B");
}

}  // namespace
