#include "files/Zeichensatz.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

// The code page by table against the system's converter: every byte read, every character written, and
// random texts, valid or not.

namespace {

std::optional<std::string> Iconv(const std::string& text, const char* nach, const char* von) {
    iconv_t cd = iconv_open(nach, von);
    std::string ziel(4 * text.size() + 8, '\0');
    char* ein = const_cast<char*>(text.data());
    std::size_t einRest = text.size();
    char* aus = ziel.data();
    std::size_t ausRest = ziel.size();
    const std::size_t r = iconv(cd, &ein, &einRest, &aus, &ausRest);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) return std::nullopt;
    ziel.resize(ziel.size() - ausRest);
    return ziel;
}

std::optional<std::string> Tabelle(const std::string& text) {
    std::string ziel(text.size(), '\0');
    char* ende = AlsWindows1252(text, ziel.data());
    if (!ende) return std::nullopt;
    ziel.resize(static_cast<std::size_t>(ende - ziel.data()));
    return ziel;
}

// The five bytes the code page leaves unassigned read as the control character of the same number and
// have no byte to go back to.
TEST(Windows1252, jedesByteWieDerKonverter) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::string utf8;
        HaengeWindows1252An(utf8, byte);
        const std::optional<std::string> erwartet = Iconv(byte, "UTF-8", "CP1252");
        if (erwartet) {
            EXPECT_EQ(utf8, *erwartet) << b;
            EXPECT_EQ(Tabelle(utf8), byte) << b;
        } else {
            EXPECT_EQ(Windows1252Zeichen(static_cast<unsigned char>(b)), static_cast<char32_t>(b)) << b;
            EXPECT_EQ(Tabelle(utf8), std::nullopt) << b;
        }
    }
}

// Except where the converter loses characters: it drops the tag characters (U+E0000 to U+E007F, as in
// flag emoji), which the table keeps (the file is then written as UTF-8).
TEST(Windows1252, jedesZeichenWieDerKonverter) {
    std::vector<char32_t> zeichen;
    for (char32_t z = 1; z < 0x10000; ++z)
        if (z < 0xD800 || z >= 0xE000) zeichen.push_back(z);
    for (char32_t z = 0x10000; z < 0x110000; z += 251) zeichen.push_back(z);
    for (char32_t z = 0xE0000; z < 0xE0080; ++z) zeichen.push_back(z);
    for (const char32_t z : zeichen) {
        std::string utf8;
        HaengeUtf8An(utf8, z);
        const bool verloren = z >= 0xE0000 && z <= 0xE007F;
        ASSERT_EQ(Tabelle(utf8), verloren ? std::nullopt : Iconv(utf8, "CP1252", "UTF-8"))
            << std::hex << static_cast<unsigned>(z);
        if (verloren) {
            EXPECT_EQ(Iconv("x" + utf8, "CP1252", "UTF-8"), "x");
        }
    }
}

TEST(Windows1252, zufaelligeBytesWieDerKonverter) {
    std::mt19937 g(7);
    const std::string bausteine[] = {
        "a",    "\xC3\xA4", "\xE2\x82\xAC",     "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xC3", "\x80",     "\xF0\x9F\x98\x80", "\xC5\x81", "\xC2\x81"};
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = static_cast<int>(g() % 6); n >= 0; --n) text += bausteine[g() % std::size(bausteine)];
        EXPECT_EQ(Tabelle(text), Iconv(text, "CP1252", "UTF-8")) << text;
        EXPECT_EQ(IstUtf8(text), Iconv(text, "UTF-16LE", "UTF-8").has_value()) << text;
    }
}

}  // namespace
