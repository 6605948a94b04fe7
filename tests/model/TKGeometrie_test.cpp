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

}  // namespace
