#include "sitzung/Bedarfsnummern.h"

#include <gtest/gtest.h>

#include "model/Bedarfsliste.h"

namespace {

// An entry of the bill names its position by number; the numbers follow when a position goes.
TEST(Bedarfsnummern, folgenDerNummerierung) {
    const auto eintrag = [](const std::string& nummer) {
        TKStueckliste::Eintrag e(Bedarfszeile::Anzahl);
        e[Bedarfszeile::Position] = "Pos " + nummer;
        e[Bedarfszeile::LfdNr] = nummer;
        return e;
    };
    TKStueckliste liste;
    for (const char* nummer : {"1", "2", " 3", "2", "x"}) liste.AddEintrag(eintrag(nummer));
    EXPECT_EQ(AnzahlEintraegeVon(liste, 2), 2);
    EXPECT_EQ(AnzahlEintraegeVon(liste, 3), 1);

    const auto nummern = [](const TKStueckliste& l) {
        std::vector<std::string> n;
        for (int nr = 1; nr <= l.GetCountEintraege(); ++nr)
            n.push_back(l.GetEintrag(nr)[Bedarfszeile::LfdNr]);
        return n;
    };
    TKStueckliste entfernt = liste;
    PositionEntfernt(entfernt, 2, true);
    EXPECT_EQ(nummern(entfernt), (std::vector<std::string>{"1", "2", "x"}));
    EXPECT_EQ(entfernt.GetEintrag(2)[Bedarfszeile::Position], "Pos  3");
    TKStueckliste behalten = liste;
    PositionEntfernt(behalten, 2, false);
    EXPECT_EQ(nummern(behalten), (std::vector<std::string>{"1", "", "2", "", "x"}));
}

}  // namespace
