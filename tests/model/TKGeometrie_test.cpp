#include "model/TKGeometrie.h"

#include <gtest/gtest.h>

namespace {

TEST(TKGeometrie, frontdeckungFolgtDerKleinerenDeckung) {
    TKGeometrie g;
    g.SetBetondeckungUnten(25);
    EXPECT_EQ(g.GetBetondeckungVorn(), 25);
    g.SetBetondeckungOben(40);
    EXPECT_EQ(g.GetBetondeckungVorn(), 25);
    g.SetBetondeckungOben(20);
    EXPECT_EQ(g.GetBetondeckungVorn(), 20);
    g.SetBetondeckungUnten(50);
    EXPECT_EQ(g.GetBetondeckungVorn(), 20);
}

TEST(TKGeometrie, frontdeckungDirektGesetztBleibtBisZurNaechstenDeckung) {
    TKGeometrie g;
    g.SetBetondeckungVorn(45);
    EXPECT_EQ(g.GetBetondeckungVorn(), 45);
    EXPECT_EQ(g.GetBetondeckungUnten(), 30);
    g.SetBetondeckungOben(35);
    EXPECT_EQ(g.GetBetondeckungVorn(), 30);
}

TEST(TKGeometrie, anfangswerte) {
    const TKGeometrie g;
    EXPECT_EQ(g.GetFugenbreite(), TsFugenbreite::fb20bis30);
    EXPECT_EQ(g.GetFugenlaenge(), 2000);
    EXPECT_EQ(g.GetPlatteDicke(), 240);
    EXPECT_EQ(g.GetWandDicke(), 400);
    EXPECT_EQ(g.GetBauteilRandLinks(), 500);
    EXPECT_EQ(g.GetBauteilRandRechts(), 500);
    EXPECT_EQ(g.GetDornPaarAbstand(), 1000);
    EXPECT_EQ(g.GetkonstDornAbstand(), 750);
    EXPECT_FALSE(g.GetRandLinks() || g.GetRandRechts() || g.GetDornPaarAbstandCalc() ||
                 g.GetDornAbstandCalc());
}

}  // namespace
