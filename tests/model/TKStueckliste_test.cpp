#include "model/TKStueckliste.h"

#include <gtest/gtest.h>

namespace {

using E = TKStueckliste::Eintrag;

TKStueckliste DreiEintraege() {
    TKStueckliste s;
    s.AddEintrag({"a1", "a2"});
    s.AddEintrag({"b1"});
    s.AddEintrag({"c1", "c2", "c3"});
    return s;
}

TEST(TKStueckliste, eintraegeSindAbEinsNummeriert) {
    const TKStueckliste s = DreiEintraege();
    EXPECT_EQ(s.GetCountEintraege(), 3);
    EXPECT_EQ(s.GetEintrag(1), (E{"a1", "a2"}));
    EXPECT_EQ(s.GetEintrag(3), (E{"c1", "c2", "c3"}));
}

TEST(TKStueckliste, entfernenRuecktSpaetereNach) {
    TKStueckliste s = DreiEintraege();
    s.RemoveEintrag(1);
    EXPECT_EQ(s.GetCountEintraege(), 2);
    EXPECT_EQ(s.GetEintrag(1), (E{"b1"}));
    EXPECT_EQ(s.GetEintrag(2), (E{"c1", "c2", "c3"}));
    s.RemoveEintrag(2);
    EXPECT_EQ(s.GetCountEintraege(), 1);
}

TEST(TKStueckliste, aendernErsetztNurDenEinenEintrag) {
    TKStueckliste s = DreiEintraege();
    s.ChangeEintrag({"neu"}, 2);
    EXPECT_EQ(s.GetEintrag(1), (E{"a1", "a2"}));
    EXPECT_EQ(s.GetEintrag(2), (E{"neu"}));
    EXPECT_EQ(s.GetEintrag(3), (E{"c1", "c2", "c3"}));
}

TEST(TKStuecklisteDeathTest, nummernAusserhalbWerdenAbgewiesen) {
    TKStueckliste s = DreiEintraege();
    for (int nr : {0, 4, -1}) {
        EXPECT_DEBUG_DEATH(EXPECT_TRUE(s.GetEintrag(nr).empty()), "entry number out of range");
        EXPECT_DEBUG_DEATH(s.ChangeEintrag({"x"}, nr), "entry number out of range");
        EXPECT_DEBUG_DEATH(s.RemoveEintrag(nr), "entry number out of range");
    }
    EXPECT_EQ(s.GetCountEintraege(), 3);
    EXPECT_EQ(s.GetEintrag(2), (E{"b1"}));
}

}  // namespace
