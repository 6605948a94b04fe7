#include "model/TKProjektdaten.h"

#include <gtest/gtest.h>

#include "model/Umgebung.h"

namespace {

TEST(TKProjektdaten, datumIstDasHeutigeDerUmgebung) {
    StandardUmgebung umgebung;
    umgebung.heute = "09.12.2026";
    const TKProjektdaten p(umgebung);
    EXPECT_EQ(p.GetDatum(), "09.12.2026");
    EXPECT_TRUE(p.GetBauvorhaben().empty() && p.GetFirma().empty() && p.GetBearbeiter().empty() &&
                p.GetProjektNr().empty());
}

TEST(TKProjektdaten, firmaWirdKopiert) {
    StandardUmgebung umgebung;
    TKProjektdaten p(umgebung);
    std::vector<std::string> zeilen{"Ingenieurbüro", "Straße 1"};
    p.SetFirma(zeilen);
    zeilen.clear();
    EXPECT_EQ(p.GetFirma(), (std::vector<std::string>{"Ingenieurbüro", "Straße 1"}));
}

}  // namespace
