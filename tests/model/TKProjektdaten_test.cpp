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

}  // namespace
