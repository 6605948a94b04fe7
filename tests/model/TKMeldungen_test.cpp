#include "model/TKMeldungen.h"

#include <gtest/gtest.h>

namespace {

using Codes = std::vector<std::uint16_t>;

TEST(TKMeldungen, jederCodeEinmalInDerReihenfolgeDesErstenAuftretens) {
    TKMeldungen m;
    for (std::uint16_t code : {3, 1, 3, 9, 1, 0}) m.SetMeldung(code);
    EXPECT_EQ(m.GetMeldungen(), (Codes{3, 1, 9, 0}));
    m.Reset();
    EXPECT_TRUE(m.GetMeldungen().empty());
    m.SetMeldung(3);
    EXPECT_EQ(m.GetMeldungen(), (Codes{3}));
}

}  // namespace
