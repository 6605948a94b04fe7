#include "model/Uebersetzung.h"

#include <gtest/gtest.h>

// A translation may put the values in another order; markers without a value stay as they are.
TEST(Einsetzen, setztDieWerteAnIhreMarken) {
    EXPECT_EQ(Einsetzen("Stab %1: Ø%2, l = %3", {"1", "12", "1200"}), "Stab 1: Ø12, l = 1200");
    EXPECT_EQ(Einsetzen("Nie można zapisać pliku %1: %2", {"a.dxf", "dysk jest pełny"}),
              "Nie można zapisać pliku a.dxf: dysk jest pełny");
    EXPECT_EQ(Einsetzen("%2 / %1", {"x", "y"}), "y / x");
    EXPECT_EQ(Einsetzen("%1%1", {"ab"}), "abab");
    EXPECT_EQ(Einsetzen("100 % und %3", {"a"}), "100 % und %3");
    EXPECT_EQ(Einsetzen("ende %", {"a"}), "ende %");
    EXPECT_EQ(Einsetzen("%1", {"%2"}), "%2");  // a value is never searched for markers again
}
