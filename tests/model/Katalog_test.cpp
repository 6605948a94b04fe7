#include "model/Katalog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <vector>

namespace {

constexpr TsDorn Alle(int i) {
    return static_cast<TsDorn>(i);
}

// --- Thickness classes -----------------------------------------------------------------------------------

struct Schwellen {
    TsDorn typ;
    double t1, t2, t3;
};

// Thresholds of the approval, typed in once more so that a slip in the catalogue shows up here.
const Schwellen kSchwellen[] = {
    {TsDorn::ZAVR20HF, 160, 180, 200},   {TsDorn::ZAVR25HF, 160, 180, 200},
    {TsDorn::ZAVR30HF, 180, 200, 220},   {TsDorn::ZAVR45HF, 200, 220, 240},
    {TsDorn::ZAVR60HF, 240, 340, 340},   {TsDorn::ZAVR90HF, 260, 320, 320},
    {TsDorn::ZAVR120HF, 280, 300, 400},  {TsDorn::ZAVR130, 350, 400, 400},
    {TsDorn::ZAVR150, 450, 450, 450},    {TsDorn::ZAVR400, 600, 600, 600},
    {TsDorn::ZAVR450, 650, 650, 650},    {TsDorn::ZAVRQ25HF, 160, 180, 200},
    {TsDorn::ZAVRQ30HF, 180, 200, 220},  {TsDorn::ZAVRQ45HF, 200, 220, 240},
    {TsDorn::ZAVRQ60HF, 240, 340, 340},  {TsDorn::ZAVRQ90HF, 260, 320, 320},
    {TsDorn::ZAVRQ120HF, 280, 300, 400}, {TsDorn::ZAVRQ130, 350, 400, 400},
    {TsDorn::ZAVRQ150, 450, 450, 450},   {TsDorn::ZAVRQ400, 600, 600, 600},
    {TsDorn::ZAVRQ450, 650, 650, 650},
};

struct DickenFall {
    TsDorn typ;
    double h;
    int klasse;
};

void PrintTo(const DickenFall& f, std::ostream* os) {
    *os << "typ " << Ord(f.typ) << ", h " << f.h << " -> Klasse " << f.klasse;
}

// Probes just below, at and just above every threshold, far below the first and far above the last.
std::vector<DickenFall> DickenFaelle() {
    std::vector<DickenFall> faelle;
    for (const auto& s : kSchwellen) {
        auto klasse = [&](double h) { return h >= s.t3 ? 3 : h >= s.t2 ? 2 : 1; };
        for (double h : {0.0, s.t1 - 40, s.t1 - 0.1, s.t1, s.t1 + 0.1, s.t2 - 0.1, s.t2, s.t2 + 0.1,
                         s.t3 - 0.1, s.t3, s.t3 + 0.1, s.t3 + 1000})
            faelle.push_back({s.typ, h, klasse(h)});
    }
    return faelle;
}

class Dickenklasse : public ::testing::TestWithParam<DickenFall> {};

TEST_P(Dickenklasse, waehltDieKlasseAnDenSchwellen) {
    const auto& f = GetParam();
    EXPECT_EQ(DickenKlasse(f.typ, f.h), f.klasse);
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, Dickenklasse, ::testing::ValuesIn(DickenFaelle()));

TEST(Dickenklasse, randfaelleMitGleichenSchwellen) {
    EXPECT_EQ(DickenKlasse(TsDorn::ZAVR60HF, 300), 1);  // t2 = t3 = 340: class 2 is never chosen
    EXPECT_EQ(DickenKlasse(TsDorn::ZAVR60HF, 340), 3);
    EXPECT_EQ(DickenKlasse(TsDorn::ZAVR20HF, 150), 1);
    EXPECT_EQ(DickenKlasse(TsDorn::ZAVR150, 449.9), 1);
    EXPECT_EQ(DickenKlasse(TsDorn::ZAVR150, 450), 3);
}

TEST(Katalog, jederTypHatSeineSchwellenAufsteigendGeordnet) {
    ASSERT_EQ(std::size(kSchwellen), static_cast<std::size_t>(AnzahlDorne));
    for (int i = 0; i < AnzahlDorne; ++i) {
        EXPECT_EQ(kSchwellen[i].typ, Alle(i));
        const auto& t = DornKennung[i].Dickenschwellen;
        EXPECT_LE(t[0], t[1]) << i;
        EXPECT_LE(t[1], t[2]) << i;
    }
}

// --- Names
// ---------------------------------------------------------------------------------------------------

TEST(Katalog, anzeigenamenAllerTypen) {
    const char* namen[] = {"ZAVR 20 HF",  "ZAVR 25 HF",   "ZAVR 30 HF",  "ZAVR 45 HF",  "ZAVR 60 HF",
                           "ZAVR 90 HF",  "ZAVR 120 HF",  "ZAVR 130",    "ZAVR 150",    "ZAVR 400",
                           "ZAVR 450",    "ZAVRQ 25 HF",  "ZAVRQ 30 HF", "ZAVRQ 45 HF", "ZAVRQ 60 HF",
                           "ZAVRQ 90 HF", "ZAVRQ 120 HF", "ZAVRQ 130",   "ZAVRQ 150",   "ZAVRQ 400",
                           "ZAVRQ 450"};
    for (int i = 0; i < AnzahlDorne; ++i) EXPECT_EQ(DornName(Alle(i)), namen[i]);
}

// The drawing file name is the display name with the size padded to three digits after an underscore.
TEST(Katalog, dxfDateinamenFolgenDemAnzeigenamen) {
    for (int i = 0; i < AnzahlDorne; ++i) {
        std::string name = DornName(Alle(i));
        const auto blank = name.find(' ');
        const auto ende = name.find(' ', blank + 1);
        std::string groesse = name.substr(blank + 1, ende == std::string::npos ? ende : ende - blank - 1);
        groesse.insert(0, 3 - groesse.size(), '0');
        const std::string rest = ende == std::string::npos ? "" : name.substr(ende);
        EXPECT_EQ(DornDxfDatei(Alle(i)), name.substr(0, blank) + "_" + groesse + rest + ".dxf");
    }
    EXPECT_EQ(DornDxfDatei(TsDorn::ZAVR20HF), "ZAVR_020 HF.dxf");
    EXPECT_EQ(DornDxfDatei(TsDorn::ZAVRQ450), "ZAVRQ_450.dxf");
}

TEST(Katalog, zeichnungsnummernSindEindeutigVon101Bis121) {
    std::set<int> nummern;
    for (int i = 0; i < AnzahlDorne; ++i) nummern.insert(DornZeichnungNr(Alle(i)));
    ASSERT_EQ(nummern.size(), static_cast<std::size_t>(AnzahlDorne));
    EXPECT_EQ(*nummern.begin(), 101);
    EXPECT_EQ(*nummern.rbegin(), 121);
    EXPECT_EQ(DornZeichnungNr(TsDorn::ZAVR20HF), 121);
    EXPECT_EQ(DornZeichnungNr(TsDorn::ZAVR25HF), 101);
    EXPECT_EQ(DornZeichnungNr(TsDorn::ZAVR90HF), 110);
    EXPECT_EQ(DornZeichnungNr(TsDorn::ZAVRQ90HF), 120);
}

TEST(Katalog, manschettenNachFugenbreite) {
    EXPECT_EQ(ManschettenName(TsFugenbreite::fb0bis20), "PRYL-20");
    EXPECT_EQ(ManschettenName(TsFugenbreite::fb20bis30), "PRYL-20");
    EXPECT_EQ(ManschettenName(TsFugenbreite::fb30bis40), "PRYL-40");
    EXPECT_EQ(ManschettenName(TsFugenbreite::fb40bis50), "PRYL-40");
    EXPECT_EQ(ManschettenName(TsFugenbreite::fb50bis60), "PRYL-60");
}

// --- Bar cross-sections
// ---------------------------------------------------------------------------------------

TEST(Querschnitt, listeEntsprichtDemKreisquerschnitt) {
    for (int d : StabDurchmesser) EXPECT_NEAR(Querschnitt(d), std::numbers::pi * d * d / 4, 0.5) << d;
    EXPECT_DOUBLE_EQ(Querschnitt(6), 28.3);
    EXPECT_DOUBLE_EQ(Querschnitt(14), 154);
    EXPECT_DOUBLE_EQ(Querschnitt(25), 491);
}

TEST(Querschnitt, unbekannterDurchmesserZaehltMit616) {
    for (int d : {0, -8, 7, 18, 22, 32, 40}) EXPECT_DOUBLE_EQ(Querschnitt(d), 616) << d;
}

// --- Relations between the tables that a transcription slip would break
// ---------------------------------------

// ZAVRQ type i + 10 is the square-sleeve variant of ZAVR type i (i = 1 ... 10).
class ZavrqVariante : public ::testing::TestWithParam<int> {
protected:
    int z() const { return GetParam(); }
    int q() const { return GetParam() + 10; }
};

TEST_P(ZavrqVariante, teiltBewehrungUndGrenzenMitDemZavrTyp) {
    const auto &kz = DornKennung[z()], &kq = DornKennung[q()];
    EXPECT_EQ(kq.Dickenschwellen, kz.Dickenschwellen);
    EXPECT_EQ(kq.EinflussBereich, kz.EinflussBereich);
    EXPECT_EQ(kq.BereichPosA, kz.BereichPosA);
    EXPECT_EQ(kq.MinRandSeite, kz.MinRandSeite);
    EXPECT_EQ(kq.MinRandSeiteL, kz.MinRandSeiteL);
    EXPECT_EQ(kq.MinStabDurchmesser, kz.MinStabDurchmesser);
    EXPECT_EQ(DornMasse[q()].Durchmesser, DornMasse[z()].Durchmesser);
    EXPECT_EQ(DornMasse[q()].Abstand, DornMasse[z()].Abstand);
    EXPECT_EQ(DornMasse[q()].Plattel, DornMasse[z()].Plattel);
    EXPECT_EQ(DornMasse[q()].Stab1d, DornMasse[z()].Stab1d);
    EXPECT_EQ(DornBuegel[q()].PosCd, DornBuegel[z()].PosCd);
    EXPECT_EQ(DornBuegel[q()].DistPosB1Rand, DornBuegel[z()].DistPosB1Rand);
    for (int k = 0; k < 3; ++k) {
        const auto &bz = DornStandardBewehrung[z()][k], &bq = DornStandardBewehrung[q()][k];
        for (auto [pz, pq] : {std::pair{bz.D, bq.D}, {bz.A, bq.A}, {bz.B1, bq.B1}, {bz.B2, bq.B2}}) {
            EXPECT_EQ(pq.Anz, pz.Anz) << "Klasse " << k + 1;
            EXPECT_EQ(pq.d, pz.d) << "Klasse " << k + 1;
            EXPECT_EQ(pq.Dist, pz.Dist) << "Klasse " << k + 1;
        }
    }
}

TEST_P(ZavrqVariante, hatNeunZehntelDerStahltragfaehigkeit) {
    for (int fb = 0; fb < 5; ++fb) EXPECT_NEAR(DornVRds[q()][fb], 0.9 * DornVRds[z()][fb], 0.1) << fb;
}

// The square variant carries two identical bars and reaches deeper into the member.
TEST_P(ZavrqVariante, hatZweiGleicheStaebe) {
    const auto& m = DornMasse[q()];
    EXPECT_EQ(m.Stab1l, m.Stab2l);
    EXPECT_EQ(m.Stab1a, m.Stab2a);
    EXPECT_GT(m.Laenge, DornMasse[z()].Laenge);
}

TEST_P(ZavrqVariante, istTeurerAlsDerZavrTyp) {
    EXPECT_GT(DornKennung[q()].Preis, DornKennung[z()].Preis);
    EXPECT_GT(DornKennung[q()].ManschettenPreis, DornKennung[z()].ManschettenPreis);
}

INSTANTIATE_TEST_SUITE_P(Typen, ZavrqVariante, ::testing::Range(1, 11));

TEST(Katalog, preiseSteigenInnerhalbJederFamilie) {
    for (auto [von, bis] : {std::pair{0, 10}, {11, 20}})
        for (int i = von; i < bis; ++i) {
            EXPECT_LT(DornPreis(Alle(i)), DornPreis(Alle(i + 1))) << i;
            EXPECT_LE(ManschettenPreis(Alle(i)), ManschettenPreis(Alle(i + 1))) << i;
        }
    EXPECT_DOUBLE_EQ(DornPreis(TsDorn::ZAVR120HF), 337.75);
    EXPECT_DOUBLE_EQ(ManschettenPreis(TsDorn::ZAVRQ450), 26.1);
}

TEST(Katalog, stahltragfaehigkeitFaelltMitDerFugenbreite) {
    for (int i = 0; i < AnzahlDorne; ++i)
        for (int fb = 0; fb < 4; ++fb) EXPECT_GT(DornVRds[i][fb], DornVRds[i][fb + 1]) << i << " " << fb;
}

TEST(Katalog, achsabstandIstDoppelterRandabstand) {
    for (int i = 0; i < AnzahlDorne; ++i) {
        if (Alle(i) == TsDorn::ZAVRQ25HF) continue;  // the only type with a wider axis spacing, 255
        EXPECT_DOUBLE_EQ(DornKennung[i].MinAchsabstand, 2 * DornKennung[i].MinRandSeite) << i;
    }
    EXPECT_DOUBLE_EQ(DornKennung[Ord(TsDorn::ZAVRQ25HF)].MinAchsabstand, 255);
}

// The stirrup sits just behind the dowel; both bars of a dowel have the same diameter.
TEST(Katalog, buegelLiegtAmDornende) {
    for (int i = 0; i < AnzahlDorne; ++i) {
        EXPECT_DOUBLE_EQ(DornBuegel[i].DistPosCRand, DornMasse[i].Laenge) << i;
        EXPECT_EQ(DornBuegel[i].AnzPosC, 1) << i;
        EXPECT_EQ(DornMasse[i].Stab1d, DornMasse[i].Stab2d) << i;
        EXPECT_GE(DornMasse[i].RERohrh, DornMasse[i].Durchmesser) << i;
    }
}

// Every stored spacing belongs to a bar pair and every pair beyond the first D pair has one.
TEST(Katalog, standardbewehrungHatZuJedemPaarEinenAbstand) {
    auto belegt = [](const TrBewehrungsPos& p) {
        int n = 0;
        while (n < static_cast<int>(p.Dist.size()) && p.Dist[n] > 0) ++n;
        for (int k = n; k < static_cast<int>(p.Dist.size()); ++k) EXPECT_EQ(p.Dist[k], 0);
        return n;
    };
    for (int i = 0; i < AnzahlDorne; ++i)
        for (int k = 0; k < 3; ++k) {
            const auto& b = DornStandardBewehrung[i][k];
            SCOPED_TRACE(testing::Message() << DornName(Alle(i)) << " Klasse " << k + 1);
            EXPECT_EQ(belegt(b.D), (b.D.Anz - 2) / 2);
            EXPECT_EQ(belegt(b.A), b.A.Anz / 2);
            EXPECT_EQ(belegt(b.B2), b.B2.Anz / 2);
            EXPECT_EQ(b.B1.Anz, 2);
            EXPECT_EQ(b.B1.Dist, (std::array<double, 5>{}));
            for (const auto* p : {&b.D, &b.A, &b.B1, &b.B2}) EXPECT_EQ(p->Anz % 2, 0);
            for (const auto* p : {&b.D, &b.B1, &b.B2}) EXPECT_GE(p->d, DornKennung[i].MinStabDurchmesser);
        }
}

TEST(Katalog, standardBereichPosAUndKleinsterStab) {
    EXPECT_DOUBLE_EQ(StandardBereichPosA(TsDorn::ZAVR20HF), 240);
    EXPECT_DOUBLE_EQ(StandardBereichPosA(TsDorn::ZAVR30HF), 257);
    EXPECT_DOUBLE_EQ(StandardBereichPosA(TsDorn::ZAVRQ450), 940);
    EXPECT_EQ(MinStabDurchmesser(TsDorn::ZAVR25HF), 6);
    EXPECT_EQ(MinStabDurchmesser(TsDorn::ZAVRQ45HF), 8);
    EXPECT_EQ(MinStabDurchmesser(TsDorn::ZAVR450), 14);
}

}  // namespace
