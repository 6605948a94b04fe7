#include "dxf/zeichnung/Dornzeichnung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "DxfTestHilfen.h"
#include "dxf/zeichnung/DornDxfExport.h"
#include "dxf/zeichnung/DxfDateiname.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"

namespace {

namespace fs = std::filesystem;

const StandardUmgebung Deutsch;

std::string Lies(const fs::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path Ordner() {
    const fs::path ordner = fs::path(ZAVR_BINARY_DIR) / "zeichnung_dorn_test";
    fs::create_directories(ordner);
    return ordner;
}

TEST(Dornzeichnung, jederTypHatEineZeichnungMitDenVierLayern) {
    for (int t = 0; t < AnzahlDorne; ++t) {
        const TsDorn dorn = static_cast<TsDorn>(t);
        const DXF_Object doc = DornZeichnung(dorn, Deutsch);
        std::vector<std::string> layer;
        for (const auto& l : doc.layer_lists) layer.push_back(l->layer_name);
        EXPECT_EQ(layer, (std::vector<std::string>{"0", "SCHUBDORN", "BEMAßUNG_TEILE", "TEXT_5MM"}));
        const auto texte = Texte(doc, "TEXT_5MM");
        EXPECT_NE(std::find(texte.begin(), texte.end(), "QUORVEL® Doppelschubdorn " + DornName(dorn)),
                  texte.end());
        for (const auto& l : doc.layer_lists) EXPECT_GT(l->num_lists(), 0) << t << " " << l->layer_name;
    }
}

TEST(Dornzeichnung, schliesstDieLueckeBeiZavr25HF) {
    const auto texte = Texte(DornZeichnung(TsDorn::ZAVR25HF, Deutsch), "TEXT_5MM");
    EXPECT_NE(std::find(texte.begin(), texte.end(), "QUORVEL® Doppelschubdorn ZAVR 25 HF"), texte.end());
    EXPECT_NE(std::find(texte.begin(), texte.end(), "Zeichnung Nr. 101"), texte.end());
}

TEST(Dornzeichnung, ergibtJedesMalDieselbenBytes) {
    const fs::path a = Ordner() / "gleich_a.dxf", b = Ordner() / "gleich_b.dxf";
    for (TsDorn dorn : {TsDorn::ZAVR20HF, TsDorn::ZAVRQ90HF}) {
        DornDXFSpeichern(dorn, a.string(), Deutsch);
        DornDXFSpeichern(dorn, b.string(), Deutsch);
        const std::string inhalt = Lies(a);
        EXPECT_EQ(inhalt, Lies(b));
        EXPECT_EQ(inhalt, DxfText(DornZeichnung(dorn, Deutsch)));
    }
}

// The dimension texts of a type, straight from the catalogue table (mm): plate width, plate height and bar
// spacing (in both views), length behind the joint face (twice), web plate, rod lengths and distances, sleeve
// tube.
struct Dornmasse {
    TsDorn dorn;
    std::vector<std::string> masse;
    double texthoehe;
};
class Dornzeichnung_Masse : public ::testing::TestWithParam<Dornmasse> {};

TEST_P(Dornzeichnung_Masse, nenntDieKatalogmasse) {
    const DXF_Object doc = DornZeichnung(GetParam().dorn, Deutsch);
    auto texte = Texte(doc, "BEMAßUNG_TEILE");
    auto erwartet = GetParam().masse;
    std::sort(texte.begin(), texte.end());
    std::sort(erwartet.begin(), erwartet.end());
    EXPECT_EQ(texte, erwartet);
    for (const Text_* t : Alle<Text_>(doc)) {
        const bool titel = t->textstr.rfind("QUORVEL", 0) == 0;
        EXPECT_DOUBLE_EQ(t->h, titel ? 1.4 * GetParam().texthoehe : GetParam().texthoehe);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typen, Dornzeichnung_Masse,
    ::testing::Values(
        // Round sleeve: no sleeve width dimension.
        Dornmasse{TsDorn::ZAVR20HF,
                  {"60", "110", "50", "100", "100", "40", "40", "18", "120", "120", "78", "28", "54"},
                  5},
        Dornmasse{TsDorn::ZAVR45HF,
                  {"60", "130", "50", "125", "125", "65", "65", "25,4", "155", "155", "84", "29", "58"},
                  10},
        // Rectangular sleeve, both rods alike: one rod length and one rod distance.
        Dornmasse{TsDorn::ZAVRQ30HF,
                  {"75", "70", "120", "120", "50", "50", "25", "50", "160", "160", "84", "53"},
                  10},
        Dornmasse{TsDorn::ZAVRQ450,
                  {"160", "300", "320", "320", "180", "180", "75", "130", "400", "400", "190", "89"},
                  20}));

bool Nahe(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

// Every dimension measures what its text says: the line under (or, upright, beside) a centred text is as
// long as the number (ticks and slashes lengthen it by A/2).
TEST(Dornzeichnung, jedesMassIstSoLangWieSeinText) {
    for (TsDorn dorn : {TsDorn::ZAVR20HF, TsDorn::ZAVR150, TsDorn::ZAVRQ60HF, TsDorn::ZAVRQ450}) {
        const DXF_Object doc = DornZeichnung(dorn, Deutsch);
        const auto linien = Alle<Line_>(doc, "BEMAßUNG_TEILE");
        for (const Text_* t : Alle<Text_>(doc, "BEMAßUNG_TEILE")) {
            std::string zahl = t->textstr;
            std::replace(zahl.begin(), zahl.end(), ',', '.');
            const double wert = std::stod(zahl);
            const double e = t->h / 5, A = t->h / 5 * 4;
            const Point3D mitte = t->rot_angle == 0 ? Point3D{t->align_pt.x, t->align_pt.y - e, 0}
                                                    : Point3D{t->align_pt.x + e, t->align_pt.y, 0};
            EXPECT_EQ(t->hor_align, 1) << t->textstr;
            const bool gefunden = std::any_of(linien.begin(), linien.end(), [&](const Line_* l) {
                return Nahe((l->p1.x + l->p2.x) / 2, mitte.x) && Nahe((l->p1.y + l->p2.y) / 2, mitte.y) &&
                       Nahe(distance2D(l->p1, l->p2), wert + A / 2);
            });
            EXPECT_TRUE(gefunden) << DornName(dorn) << ": " << t->textstr;
        }
    }
}

TEST(Dornzeichnung, plattenumrissHatBreiteUndHoeheDesKatalogs) {
    // ZAVR 90 HF: plate 90 × 180 around the front view's centre.
    const DXF_Object doc = DornZeichnung(TsDorn::ZAVR90HF, Deutsch);
    const auto linien = Alle<Line_>(doc, "SCHUBDORN");
    const auto hat = [&](Point3D a, Point3D b) {
        return std::any_of(linien.begin(), linien.end(), [&](const Line_* l) {
            return Nahe(l->p1.x, a.x) && Nahe(l->p1.y, a.y) && Nahe(l->p2.x, b.x) && Nahe(l->p2.y, b.y);
        });
    };
    EXPECT_TRUE(hat({-45, -90}, {-45, 90}));
    EXPECT_TRUE(hat({-45, 90}, {45, 90}));
}

struct Endung {
    const char* gewaehlt;
    const char* geschrieben;
};
class Dxfendung : public ::testing::TestWithParam<Endung> {};

TEST_P(Dxfendung, wirdNurBeiFremderEndungAngehaengt) {
    EXPECT_EQ(MitDxfEndung(GetParam().gewaehlt), GetParam().geschrieben);
}

INSTANTIATE_TEST_SUITE_P(Namen, Dxfendung,
                         ::testing::Values(Endung{"plan.dxf", "plan.dxf"}, Endung{"plan.DXF", "plan.DXF"},
                                           Endung{"plan.Dxf", "plan.Dxf"}, Endung{"plan.txt", "plan.txt.dxf"},
                                           Endung{"plan", "plan.dxf"},
                                           Endung{"plan.dxf.bak", "plan.dxf.bak.dxf"},
                                           Endung{"ord.ner/plan", "ord.ner/plan.dxf"},
                                           Endung{"ord.ner\\plan", "ord.ner\\plan.dxf"},
                                           Endung{"ZAVR_020 HF.dxf", "ZAVR_020 HF.dxf"}));

TEST(DornDxfSchreiben, schreibtUnterDemKatalognamenUndHaengtDieEndungAn) {
    const fs::path ordner = Ordner();
    std::string fehler;
    fs::remove(ordner / "ZAVRQ_030 HF.dxf");
    ASSERT_TRUE(DornDxfSchreiben(TsDorn::ZAVRQ30HF, (ordner / DornDxfDatei(TsDorn::ZAVRQ30HF)).string(),
                                 fehler, Deutsch));
    EXPECT_EQ(Lies(ordner / "ZAVRQ_030 HF.dxf"), DxfText(DornZeichnung(TsDorn::ZAVRQ30HF, Deutsch)));
    fs::remove(ordner / "dorn.txt.dxf");
    ASSERT_TRUE(DornDxfSchreiben(TsDorn::ZAVR30HF, (ordner / "dorn.txt").string(), fehler, Deutsch));
    EXPECT_TRUE(fs::exists(ordner / "dorn.txt.dxf"));
}

TEST(DornDxfSchreiben, meldetEineNichtSchreibbareDatei) {
    std::string fehler;
    EXPECT_FALSE(DornDxfSchreiben(TsDorn::ZAVR30HF, "/nicht/vorhanden/dorn.dxf", fehler, Deutsch));
    EXPECT_EQ(fehler,
              "Die Datei \"/nicht/vorhanden/dorn.dxf\" konnte nicht geschrieben werden: der Ordner existiert "
              "nicht");
    EXPECT_THROW(DornDXFSpeichern(TsDorn::ZAVR30HF, "/nicht/vorhanden/dorn.dxf", Deutsch), std::exception);
}

}  // namespace
