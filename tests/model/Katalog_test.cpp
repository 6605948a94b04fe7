#include "model/Katalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr TsDorn Alle(int i) {
    return static_cast<TsDorn>(i);
}

const TrDornTyp& Typ(int i) {
    return Katalog()[Alle(i)];
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
        const auto& t = Typ(i).Kennung.Dickenschwellen;
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
    const auto &kz = Typ(z()).Kennung, &kq = Typ(q()).Kennung;
    EXPECT_EQ(kq.Dickenschwellen, kz.Dickenschwellen);
    EXPECT_EQ(kq.EinflussBereich, kz.EinflussBereich);
    EXPECT_EQ(kq.BereichPosA, kz.BereichPosA);
    EXPECT_EQ(kq.MinRandSeite, kz.MinRandSeite);
    EXPECT_EQ(kq.MinRandSeiteL, kz.MinRandSeiteL);
    EXPECT_EQ(kq.MinStabDurchmesser, kz.MinStabDurchmesser);
    EXPECT_EQ(Typ(q()).Masse.Durchmesser, Typ(z()).Masse.Durchmesser);
    EXPECT_EQ(Typ(q()).Masse.Abstand, Typ(z()).Masse.Abstand);
    EXPECT_EQ(Typ(q()).Masse.Plattel, Typ(z()).Masse.Plattel);
    EXPECT_EQ(Typ(q()).Masse.Stab1d, Typ(z()).Masse.Stab1d);
    EXPECT_EQ(Typ(q()).Buegel.PosCd, Typ(z()).Buegel.PosCd);
    EXPECT_EQ(Typ(q()).Buegel.DistPosB1Rand, Typ(z()).Buegel.DistPosB1Rand);
    for (int k = 0; k < 3; ++k) {
        const auto &bz = Typ(z()).Standardbewehrung[k], &bq = Typ(q()).Standardbewehrung[k];
        for (auto [pz, pq] : {std::pair{bz.D, bq.D}, {bz.A, bq.A}, {bz.B1, bq.B1}, {bz.B2, bq.B2}}) {
            EXPECT_EQ(pq.Anz, pz.Anz) << "Klasse " << k + 1;
            EXPECT_EQ(pq.d, pz.d) << "Klasse " << k + 1;
            EXPECT_EQ(pq.Dist, pz.Dist) << "Klasse " << k + 1;
        }
    }
}

TEST_P(ZavrqVariante, hatNeunZehntelDerStahltragfaehigkeit) {
    for (int fb = 0; fb < 5; ++fb) EXPECT_NEAR(Typ(q()).VRds[fb], 0.9 * Typ(z()).VRds[fb], 0.1) << fb;
}

// The square variant carries two identical bars and reaches deeper into the member.
TEST_P(ZavrqVariante, hatZweiGleicheStaebe) {
    const auto& m = Typ(q()).Masse;
    EXPECT_EQ(m.Stab1l, m.Stab2l);
    EXPECT_EQ(m.Stab1a, m.Stab2a);
    EXPECT_GT(m.Laenge, Typ(z()).Masse.Laenge);
}

TEST_P(ZavrqVariante, istTeurerAlsDerZavrTyp) {
    EXPECT_GT(Typ(q()).Kennung.Preis, Typ(z()).Kennung.Preis);
    EXPECT_GT(Typ(q()).Kennung.ManschettenPreis, Typ(z()).Kennung.ManschettenPreis);
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
        for (int fb = 0; fb < 4; ++fb) EXPECT_GT(Typ(i).VRds[fb], Typ(i).VRds[fb + 1]) << i << " " << fb;
}

TEST(Katalog, achsabstandIstDoppelterRandabstand) {
    for (int i = 0; i < AnzahlDorne; ++i) {
        if (Alle(i) == TsDorn::ZAVRQ25HF) continue;  // the only type with a wider axis spacing, 255
        EXPECT_DOUBLE_EQ(Typ(i).Kennung.MinAchsabstand, 2 * Typ(i).Kennung.MinRandSeite) << i;
    }
    EXPECT_DOUBLE_EQ(Typ(Ord(TsDorn::ZAVRQ25HF)).Kennung.MinAchsabstand, 255);
}

// The stirrup sits just behind the dowel; both bars of a dowel have the same diameter.
TEST(Katalog, buegelLiegtAmDornende) {
    for (int i = 0; i < AnzahlDorne; ++i) {
        EXPECT_DOUBLE_EQ(Typ(i).Buegel.DistPosCRand, Typ(i).Masse.Laenge) << i;
        EXPECT_EQ(Typ(i).Buegel.AnzPosC, 1) << i;
        EXPECT_EQ(Typ(i).Masse.Stab1d, Typ(i).Masse.Stab2d) << i;
        EXPECT_GE(Typ(i).Masse.RERohrh, Typ(i).Masse.Durchmesser) << i;
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
            const auto& b = Typ(i).Standardbewehrung[k];
            SCOPED_TRACE(testing::Message() << DornName(Alle(i)) << " Klasse " << k + 1);
            EXPECT_EQ(belegt(b.D), (b.D.Anz - 2) / 2);
            EXPECT_EQ(belegt(b.A), b.A.Anz / 2);
            EXPECT_EQ(belegt(b.B2), b.B2.Anz / 2);
            EXPECT_EQ(b.B1.Anz, 2);
            EXPECT_EQ(b.B1.Dist, (std::array<double, 5>{}));
            for (const auto* p : {&b.D, &b.A, &b.B1, &b.B2}) EXPECT_EQ(p->Anz % 2, 0);
            for (const auto* p : {&b.D, &b.B1, &b.B2}) EXPECT_GE(p->d, Typ(i).Kennung.MinStabDurchmesser);
        }
}

// --- One record per type: family, file number, row
// ----------------------------------------------------------

// The numbers the types have in every project file saved so far, typed in from the file format.
const std::pair<const char*, int> kDateinummern[] = {
    {"ZAVR 20 HF", 0},   {"ZAVR 25 HF", 1},    {"ZAVR 30 HF", 2},   {"ZAVR 45 HF", 3},   {"ZAVR 60 HF", 4},
    {"ZAVR 90 HF", 5},   {"ZAVR 120 HF", 6},   {"ZAVR 130", 7},     {"ZAVR 150", 8},     {"ZAVR 400", 9},
    {"ZAVR 450", 10},    {"ZAVRQ 25 HF", 11},  {"ZAVRQ 30 HF", 12}, {"ZAVRQ 45 HF", 13}, {"ZAVRQ 60 HF", 14},
    {"ZAVRQ 90 HF", 15}, {"ZAVRQ 120 HF", 16}, {"ZAVRQ 130", 17},   {"ZAVRQ 150", 18},   {"ZAVRQ 400", 19},
    {"ZAVRQ 450", 20}};

TEST(Dateinummer, jederTypBehaeltSeineGespeicherteNummer) {
    ASSERT_EQ(Katalog().Anzahl(), static_cast<int>(std::size(kDateinummern)));
    for (const auto& [name, nummer] : kDateinummern) {
        const std::optional<TsDorn> dorn = DornAusName(name);
        ASSERT_TRUE(dorn) << name;
        EXPECT_EQ(Dateinummer(*dorn), nummer) << name;
        EXPECT_EQ(DornAusDateinummer(nummer), dorn) << name;
    }
    EXPECT_EQ(Katalog().NaechsteDateinummer(), 21);
    for (long long fremd : {-1LL, 21LL, 65536LL, 1LL << 40}) EXPECT_FALSE(DornAusDateinummer(fremd)) << fremd;
}

// The family is the record's, and the names tell it independently.
TEST(Katalog, familieStehtImNamen) {
    int zavrq = 0;
    for (const TsDorn dorn : Katalog().Typen()) {
        const bool q = DornName(dorn).starts_with("ZAVRQ ");
        EXPECT_EQ(Familie(dorn), q ? TsDornFamilie::ZAVRQ : TsDornFamilie::ZAVR) << DornName(dorn);
        zavrq += q;
    }
    EXPECT_EQ(zavrq, 10);
}

TEST(Katalog, zeilenfolgeStelltJedeGroesseVorIhreQVariante) {
    std::vector<std::string> namen;
    for (const TsDorn dorn : Katalog().Zeilenfolge()) namen.push_back(DornName(dorn));
    EXPECT_EQ(namen,
              (std::vector<std::string>{
                  "ZAVR 20 HF",   "ZAVR 25 HF", "ZAVRQ 25 HF", "ZAVR 30 HF", "ZAVRQ 30 HF", "ZAVR 45 HF",
                  "ZAVRQ 45 HF",  "ZAVR 60 HF", "ZAVRQ 60 HF", "ZAVR 90 HF", "ZAVRQ 90 HF", "ZAVR 120 HF",
                  "ZAVRQ 120 HF", "ZAVR 130",   "ZAVRQ 130",   "ZAVR 150",   "ZAVRQ 150",   "ZAVR 400",
                  "ZAVRQ 400",    "ZAVR 450",   "ZAVRQ 450"}));
}

TEST(Katalog, namenOhneLeerzeichenUndGrossschreibung) {
    EXPECT_EQ(DornAusName("zavrq30hf"), TsDorn::ZAVRQ30HF);
    EXPECT_EQ(DornAusName(" ZAVR 450 "), TsDorn::ZAVR450);
    EXPECT_FALSE(DornAusName("ZAVR 99"));
    EXPECT_FALSE(DornAusName(""));
}

// A catalogue in which two types would share a number or a name, or a type has no name, cannot be made: the
// files and the lookups by name would mix them up.
TEST(Dornkatalog, verweigertDoppelteNummernUndNamen) {
    const auto mit = [](auto aendern) {
        std::vector<TrDornTyp> typen = StandardDorntypen();
        aendern(typen);
        return typen;
    };
    EXPECT_THROW(Dornkatalog(mit([](auto& t) { t[5].Dateinummer = 3; })), std::invalid_argument);
    EXPECT_THROW(Dornkatalog(mit([](auto& t) { t[5].Dateinummer = -1; })), std::invalid_argument);
    EXPECT_THROW(Dornkatalog(mit([](auto& t) { t[5].Name = "zavr 20hf"; })), std::invalid_argument);
    EXPECT_THROW(Dornkatalog(mit([](auto& t) { t[5].Name = ""; })), std::invalid_argument);
    EXPECT_NO_THROW(Dornkatalog(mit([](auto& t) { t[5].Dateinummer = 40; })));
}

// Another design order leaves names, numbers and rows with their types, and the program's catalogue comes
// back when the stand-in ends.
TEST(Dornkatalog, andereReihenfolgeBehaeltNummernUndZeilen) {
    std::vector<TrDornTyp> typen = StandardDorntypen();
    std::reverse(typen.begin(), typen.end());
    const Dornkatalog umgekehrt(typen);
    {
        const KatalogErsatz ersatz(umgekehrt);
        EXPECT_EQ(DornName(TsDorn::ZAVR20HF), "ZAVRQ 450");
        for (const auto& [name, nummer] : kDateinummern)
            EXPECT_EQ(DornName(*DornAusDateinummer(nummer)), name);
        std::vector<std::string> namen;
        for (const TsDorn dorn : Katalog().Zeilenfolge()) namen.push_back(DornName(dorn));
        EXPECT_EQ(namen.front(), "ZAVR 20 HF");
        EXPECT_EQ(namen[2], "ZAVRQ 25 HF");
    }
    EXPECT_EQ(DornName(TsDorn::ZAVR20HF), "ZAVR 20 HF");
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
