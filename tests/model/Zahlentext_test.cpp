#include "model/Zahlentext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Floatfall {
    double wert;
    char trenner;
    const char* text;
};

class FloatSchreiben : public ::testing::TestWithParam<Floatfall> {};

TEST_P(FloatSchreiben, kuerzesteAllgemeineFormMitFuenfzehnStellen) {
    EXPECT_EQ(FloatText(GetParam().wert, GetParam().trenner), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Formen, FloatSchreiben,
    ::testing::Values(
        Floatfall{250.0, ',', "250"}, Floatfall{12.5, ',', "12,5"}, Floatfall{12.5, '.', "12.5"},
        Floatfall{0.000001, ',', "1E-6"}, Floatfall{1.5e20, ',', "1,5E20"}, Floatfall{1.5e20, '.', "1.5E20"},
        Floatfall{-2.5e-7, ',', "-2,5E-7"}, Floatfall{0.00001, ',', "0,00001"},
        Floatfall{0.0001234, ',', "0,0001234"}, Floatfall{-0.5, ',', "-0,5"}, Floatfall{0.0, ',', "0"},
        Floatfall{-0.0, ',', "0"}, Floatfall{0.1 + 0.2, ',', "0,3"},
        Floatfall{1.0 / 3.0, ',', "0,333333333333333"}, Floatfall{2.0 / 3.0, '.', "0.666666666666667"},
        Floatfall{123456789012345.0, ',', "123456789012345"},
        Floatfall{1234567890123456.0, ',', "1,23456789012346E15"}, Floatfall{999999999999999.9, ',', "1E15"},
        Floatfall{1e15, ',', "1E15"}, Floatfall{100.0, ',', "100"}, Floatfall{1e100, ',', "1E100"},
        Floatfall{NAN, ',', "NAN"}, Floatfall{-INFINITY, ',', "-INF"}));

struct Lesefall {
    const char* text;
    std::optional<double> wert;
};

class FloatLesen : public ::testing::TestWithParam<Lesefall> {};

TEST_P(FloatLesen, nimmtKommaUndPunktAnUndSonstNurZahlen) {
    EXPECT_EQ(LeseFloat(GetParam().text), GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(Texte, FloatLesen,
                         ::testing::Values(Lesefall{"12,5", 12.5}, Lesefall{"12.5", 12.5},
                                           Lesefall{"-0,25", -0.25}, Lesefall{"1E-6", 1e-6},
                                           Lesefall{"1,5E20", 1.5e20}, Lesefall{"1.5e20", 1.5e20},
                                           Lesefall{" 3 ", 3.0}, Lesefall{"+2", 2.0}, Lesefall{"250", 250.0},
                                           Lesefall{"INF", INFINITY}, Lesefall{"", std::nullopt},
                                           Lesefall{"abc", std::nullopt}, Lesefall{"1,2,3", std::nullopt},
                                           Lesefall{"1.234,5", std::nullopt}, Lesefall{"inf", std::nullopt},
                                           Lesefall{"nan", std::nullopt}, Lesefall{"0x10", std::nullopt},
                                           Lesefall{"+-2", std::nullopt}, Lesefall{"12,5kN", std::nullopt},
                                           Lesefall{"1e400", std::nullopt}));

TEST(FloatLesen, nanBleibtNan) {
    EXPECT_TRUE(std::isnan(*LeseFloat("NAN")));
}

// Every value with at most 15 significant digits comes back exactly, under both separators.
TEST(FloatText, RundreiseFuenfzehnStellen) {
    std::srand(4711);
    for (int i = 0; i < 20000; ++i) {
        char text[40];
        const long long mantisse = (static_cast<long long>(std::rand()) << 20) ^ std::rand();
        std::snprintf(
            text, sizeof text, "%.14e",
            static_cast<double>(mantisse % 1000000000000000LL) * std::pow(10.0, std::rand() % 40 - 20));
        const double wert = std::strtod(text, nullptr);
        for (char trenner : {',', '.'}) {
            const auto gelesen = LeseFloat(FloatText(wert, trenner));
            ASSERT_TRUE(gelesen.has_value()) << FloatText(wert, trenner);
            EXPECT_EQ(*gelesen, wert) << FloatText(wert, trenner);
        }
    }
}

struct Ganzzahlfall {
    const char* text;
    std::optional<int> wert;
};

class IntegerLesen : public ::testing::TestWithParam<Ganzzahlfall> {};

TEST_P(IntegerLesen, vorzeichenUndZiffernIm32BitBereich) {
    EXPECT_EQ(LeseInteger(GetParam().text), GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, IntegerLesen,
    ::testing::Values(Ganzzahlfall{"3", 3}, Ganzzahlfall{"-3", -3}, Ganzzahlfall{"+3", 3},
                      Ganzzahlfall{" 7", 7}, Ganzzahlfall{"2147483647", 2147483647},
                      Ganzzahlfall{"2147483648", std::nullopt}, Ganzzahlfall{"-2147483649", std::nullopt},
                      Ganzzahlfall{"3.0", std::nullopt}, Ganzzahlfall{"", std::nullopt},
                      Ganzzahlfall{"0x1F", std::nullopt}, Ganzzahlfall{"--3", std::nullopt},
                      Ganzzahlfall{"3a", std::nullopt}));

}  // namespace

TEST(AusnutzungText, zweiNachkommastellenUndNullOhneWiderstand) {
    EXPECT_EQ(AusnutzungText(30, 40, ','), "0,75");
    EXPECT_EQ(AusnutzungText(50, 40, '.'), "1.25");
    EXPECT_EQ(AusnutzungText(1, 3, ','), "0,33");
    EXPECT_EQ(AusnutzungText(30, 0, ','), "0,00");  // not yet designed
}

namespace {
struct Laenge {
    double millimeter;
    char trenner;
    const char* text;
};
class ZentimeterTexte : public ::testing::TestWithParam<Laenge> {};
}  // namespace

TEST_P(ZentimeterTexte, inKuerzesterForm) {
    EXPECT_EQ(ZentimeterText(GetParam().millimeter, GetParam().trenner), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Laengen, ZentimeterTexte,
                         ::testing::Values(Laenge{125, ',', "12,5"}, Laenge{300, ',', "30"},
                                           Laenge{36, ',', "3,6"}, Laenge{25.4, ',', "2,54"},
                                           Laenge{125, '.', "12.5"}, Laenge{0, ',', "0"},
                                           Laenge{-0.0, ',', "0"}, Laenge{1234.5, ',', "123,45"},
                                           Laenge{-60, ',', "-6"}, Laenge{2.5, ',', "0,25"},
                                           Laenge{NAN, ',', "0"}, Laenge{INFINITY, '.', "0"}));
