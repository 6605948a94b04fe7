#include "model/Zahlentext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

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

// The form the format describes, built from printf's 15 significant digits: trailing zeros dropped, fixed
// notation from 1E-5 to below 1E15, otherwise the mantissa and "E" with the exponent.
std::string NachPrintf(double wert, char trenner) {
    char text[48];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(wert));
    std::string ziffern = std::string(1, text[0]) + std::string(text + 2, 14);
    const int exponent = std::atoi(text + 17);
    while (ziffern.size() > 1 && ziffern.back() == '0') ziffern.pop_back();
    std::string ergebnis = wert < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        ergebnis += ziffern.substr(0, 1);
        if (ziffern.size() > 1) ergebnis += trenner + ziffern.substr(1);
        return ergebnis + "E" + std::to_string(exponent);
    }
    if (exponent < 0) return ergebnis + "0" + trenner + std::string(-exponent - 1, '0') + ziffern;
    const auto vorKomma = static_cast<std::size_t>(exponent) + 1;
    if (ziffern.size() <= vorKomma) return ergebnis + ziffern + std::string(vorKomma - ziffern.size(), '0');
    return ergebnis + ziffern.substr(0, vorKomma) + trenner + ziffern.substr(vorKomma);
}

// Any double, subnormals included, and the exact halves between two 15-digit numbers (16-digit integers
// ending in 5, where printf rounds to even).
TEST(FloatText, wiePrintfMitFuenfzehnStellen) {
    std::mt19937_64 g(11);
    for (int i = 0; i < 100000; ++i) {
        double wert = 0;
        const std::uint64_t bits = g();
        std::memcpy(&wert, &bits, sizeof wert);
        if (!std::isfinite(wert) || wert == 0) continue;
        ASSERT_EQ(FloatText(wert, ','), NachPrintf(wert, ',')) << bits;
    }
    for (int i = 0; i < 10000; ++i) {
        const double haelfte = 1e15 + 10.0 * static_cast<double>(g() % 800000000000000ULL) + 5;
        ASSERT_EQ(FloatText(haelfte, '.'), NachPrintf(haelfte, '.'));
    }
}

// Numbers as files hold them and beyond (more digits, larger exponents), with either separator, as strtod
// reads them with a point.
TEST(FloatLesen, wieStrtod) {
    std::mt19937 g(5);
    const auto ziffern = [&](int n) {
        std::string z;
        for (int i = 0; i < n; ++i) z += static_cast<char>('0' + g() % 10);
        return z;
    };
    for (int i = 0; i < 100000; ++i) {
        std::string text = g() % 3 == 0 ? "-" : "";
        text += ziffern(static_cast<int>(g() % 12));
        if (g() % 2 == 0) text += (g() % 2 == 0 ? "." : ",") + ziffern(static_cast<int>(g() % 12));
        if (g() % 3 == 0)
            text += std::string(g() % 2 == 0 ? "E" : "e") + (g() % 2 == 0 ? "-" : "") + ziffern(1 + g() % 2);
        std::string punkt = text;
        std::replace(punkt.begin(), punkt.end(), ',', '.');
        char* ende = nullptr;
        const double erwartet = std::strtod(punkt.c_str(), &ende);
        const bool gueltig = !punkt.empty() && ende == punkt.c_str() + punkt.size();
        const std::optional<double> gelesen = LeseFloat(text);
        ASSERT_EQ(gelesen.has_value(), gueltig) << text;
        if (!gueltig) continue;
        ASSERT_EQ(std::signbit(*gelesen), std::signbit(erwartet)) << text;
        ASSERT_EQ(*gelesen, erwartet) << text;
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
