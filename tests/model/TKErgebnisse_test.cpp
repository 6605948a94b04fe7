#include "model/TKErgebnisse.h"

#include <gtest/gtest.h>

namespace {

TEST(TKErgebnisse, neuerBehaelterMeldetJedenTypZulaessigMitEinemDorn) {
    const TKErgebnisse e(TsLand::eng);
    EXPECT_FALSE(e.GetBerechnet());
    EXPECT_EQ(e.GetAktDorn(), TsDorn::ZAVR120HF);
    EXPECT_EQ(e.GetErgebnisAnzeige(), TsSkizzeTyp::stAnsicht);
    for (int d = 0; d < AnzahlDorne; ++d) {
        const TsDorn dorn = static_cast<TsDorn>(d);
        EXPECT_EQ(e.GetAnzDorn(dorn), 1);
        EXPECT_EQ(e.cDornErgebnis[d].GetStatus(), 0);
        EXPECT_EQ(e.cDornDaten[d].GetDorn(), dorn);
        EXPECT_EQ(e.cDornDaten[d].GetVRds_Data(), TsLand::eng);
    }
}

TEST(TKErgebnisse, katalogsaetzeGeltenFuerDieAnfangsgeometrie) {
    const TKErgebnisse e(TsLand::deu);
    // ZAVR60HF at the initial 240 mm: class 1, six 16 mm D bars with spacings 36 and 50.
    const TKDornDaten& z60 = e.cDornDaten[Ord(TsDorn::ZAVR60HF)];
    EXPECT_EQ(z60.GetAnzPosD(), 6);
    EXPECT_EQ(z60.GetPosDd(), 16);
    EXPECT_EQ(z60.GetDistPosD(), (std::vector<double>{36, 50}));
    EXPECT_EQ(e.cDornErgebnis[Ord(TsDorn::ZAVR60HF)].GetAbstandLinks(), 180);
}

TEST(TKErgebnisse, resetAktDornVerwirftAngepassteBewehrung) {
    TKErgebnisse e(TsLand::deu);
    TKDornDaten& z60 = e.cDornDaten[Ord(TsDorn::ZAVR60HF)];
    z60.SetPosDd(25);
    z60.SetAnzPosD(2);
    e.cGeometrie.SetPlatteDicke(340);
    e.ResetAktDorn(TsDorn::ZAVR60HF);
    EXPECT_EQ(e.GetAktDorn(), TsDorn::ZAVR60HF);
    // 340 mm is class 3 for this type: six 20 mm D bars, spacings 50 and 50.
    EXPECT_EQ(z60.GetPosDd(), 20);
    EXPECT_EQ(z60.GetAnzPosD(), 6);
    EXPECT_EQ(z60.GetDistPosD(), (std::vector<double>{50, 50}));
    // other types keep their record
    EXPECT_EQ(e.cDornDaten[Ord(TsDorn::ZAVR45HF)].GetPosDd(), 16);
}

TEST(TKErgebnisse, kopieIstUnabhaengig) {
    TKErgebnisse e(TsLand::deu);
    e.SetAnzDorn(TsDorn::ZAVR30HF, 4);
    TKErgebnisse kopie(e);
    kopie.SetAnzDorn(TsDorn::ZAVR30HF, 7);
    kopie.SetBerechnet(true);
    kopie.cGeometrie.SetFugenlaenge(5000);
    kopie.cDornDaten[2].SetDistPosD({99});
    kopie.cDornErgebnis[2].cWarnungen.SetMeldung(1);
    kopie.cDornErgebnis[2].AddDornAbstand(1, true);
    EXPECT_EQ(e.GetAnzDorn(TsDorn::ZAVR30HF), 4);
    EXPECT_FALSE(e.GetBerechnet());
    EXPECT_EQ(e.cGeometrie.GetFugenlaenge(), 2000);
    EXPECT_EQ(e.cDornDaten[2].GetDistPosD(), (std::vector<double>{36}));  // ZAVR30HF, class 3 at 240 mm
    EXPECT_TRUE(e.cDornErgebnis[2].cWarnungen.GetMeldungen().empty());
    EXPECT_EQ(e.cDornErgebnis[2].GetAnzDornAbstand(), 1);
}

}  // namespace
