#include "sitzung/Lastanpassung.h"

#include <gtest/gtest.h>

#include "model/TKBelastung.h"

namespace {

std::vector<TrFloatPoint> Punkte(const TKBelastung& last) {
    std::vector<TrFloatPoint> punkte;
    for (int i = 0; i < last.GetAnzLastPunkte(); ++i) punkte.push_back(last.GetbeliebigeLast(i));
    return punkte;
}

// The design reads the points up to the joint end: a shorter joint moves the first point beyond it onto
// the end and drops the rest; a load that reached the old end reaches the new one.
TEST(Lastanpassung, kuerzereUndLaengereFuge) {
    TKBelastung last;
    last.SetbeliebigeLast({{0, 50}, {4500, 30}, {6000, 10}});
    auto aenderungen = LastAnFugenlaengeAnpassen(last, 6000, 3000);
    EXPECT_EQ(Punkte(last), (std::vector<TrFloatPoint>{{0, 50}, {3000, 30}}));
    EXPECT_EQ(aenderungen, (std::vector<Lastpunktaenderung>{{{4500, 30}, 3000}, {{6000, 10}, std::nullopt}}));
    EXPECT_DOUBLE_EQ(last.GetGesamtLast(), 120);  // 3 m × (50 + 30) / 2
    EXPECT_DOUBLE_EQ(last.GetLastLaenge(), 3000);

    TKBelastung standard;  // (0, 50) and (2000, 50) on a 2 m joint
    aenderungen = LastAnFugenlaengeAnpassen(standard, 2000, 6000);
    EXPECT_EQ(Punkte(standard), (std::vector<TrFloatPoint>{{0, 50}, {6000, 50}}));
    EXPECT_EQ(aenderungen, (std::vector<Lastpunktaenderung>{{{2000, 50}, 6000}}));
    EXPECT_DOUBLE_EQ(standard.GetGesamtLast(), 300);

    TKBelastung teil;  // a load on part of the joint stays where it is
    teil.SetbeliebigeLast({{0, 40}, {1500, 40}});
    EXPECT_TRUE(LastAnFugenlaengeAnpassen(teil, 2000, 6000).empty());
    EXPECT_EQ(Punkte(teil), (std::vector<TrFloatPoint>{{0, 40}, {1500, 40}}));
    EXPECT_TRUE(LastAnFugenlaengeAnpassen(teil, 6000, 1500).empty());  // a point on the new end stays
}

}  // namespace
