#include "model/Zahlentext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr int Stellen = 15;

// The significant digits of a number without trailing zeros, and the decimal exponent of the first:
// 1234.5 gives "12345" and 3.
struct Ziffern {
    char ziffern[24];
    int anzahl = 0;
    int exponent = 0;
};

// From the scientific form of to_chars, "1.2345e+03".
Ziffern Zerlege(const char* p, const char* ende) {
    Ziffern z;
    for (; p != ende && *p != 'e'; ++p)
        if (*p != '.') z.ziffern[z.anzahl++] = *p;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), ende, z.exponent);
    while (z.anzahl > 1 && z.ziffern[z.anzahl - 1] == '0') --z.anzahl;
    return z;
}

// Rounded to 15 significant digits. For a normal double the shortest text that reads back as it is that
// rounding whenever it has at most 15 digits: 15-digit steps are more than four times the spacing of the
// doubles there, so no other 15-digit number lies as close. Otherwise the digits are rounded explicitly.
Ziffern Zerlege(double betrag) {
    char puffer[48];
    if (betrag >= std::numeric_limits<double>::min()) {
        const auto kurz =
            std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific);
        const Ziffern z = Zerlege(puffer, kurz.ptr);
        if (z.anzahl <= Stellen) return z;
    }
    const auto gerundet =
        std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, Stellen - 1);
    return Zerlege(puffer, gerundet.ptr);
}

char* Kopiere(char* ziel, std::string_view text) {
    return std::copy(text.begin(), text.end(), ziel);
}

char* Festkomma(char* t, const Ziffern& z, char trenner) {
    const std::string_view ziffern(z.ziffern, static_cast<std::size_t>(z.anzahl));
    if (z.exponent < 0) {
        *t++ = '0';
        *t++ = trenner;
        t = std::fill_n(t, -z.exponent - 1, '0');
        return Kopiere(t, ziffern);
    }
    const auto vorKomma = static_cast<std::size_t>(z.exponent) + 1;
    if (ziffern.size() <= vorKomma) return std::fill_n(Kopiere(t, ziffern), vorKomma - ziffern.size(), '0');
    t = Kopiere(t, ziffern.substr(0, vorKomma));
    *t++ = trenner;
    return Kopiere(t, ziffern.substr(vorKomma));
}

char* Wissenschaftlich(char* t, const Ziffern& z, char trenner) {
    *t++ = z.ziffern[0];
    if (z.anzahl > 1) {
        *t++ = trenner;
        t = Kopiere(t, std::string_view(z.ziffern + 1, static_cast<std::size_t>(z.anzahl - 1)));
    }
    *t++ = 'E';
    return std::to_chars(t, t + 8, z.exponent).ptr;
}

std::string_view OhneRand(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// from_chars takes no "+"; a sign after it ("+-5") stays and fails the parse.
std::string_view OhneVorzeichenPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+' && text.size() > 1 && text[1] != '-') text.remove_prefix(1);
    return text;
}

}  // namespace

char* FloatZeichen(char* ziel, double wert, char dezimaltrenner) {
    if (std::isnan(wert)) return Kopiere(ziel, "NAN");
    if (std::isinf(wert)) return Kopiere(ziel, wert < 0 ? "-INF" : "INF");
    if (wert == 0) return Kopiere(ziel, "0");
    if (wert < 0) *ziel++ = '-';
    const Ziffern z = Zerlege(std::fabs(wert));
    const bool fest = z.exponent >= -5 && z.exponent < Stellen;
    return fest ? Festkomma(ziel, z, dezimaltrenner) : Wissenschaftlich(ziel, z, dezimaltrenner);
}

std::string FloatText(double wert, char dezimaltrenner) {
    char text[MaxFloatZeichen];
    return std::string(text, FloatZeichen(text, wert, dezimaltrenner));
}

namespace {

constexpr std::array<double, 23> Zehnerpotenzen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The numbers files hold, read at once: a sign, at most 19 significant digits with "," or "." between them
// and an exponent of at most three digits. An integer of at most 2^53 times or divided by a power of ten up
// to 10^22 is a single correctly rounded operation, the value every reader of decimal numbers gives. Empty
// for any other text, which the general path then reads or refuses.
std::optional<double> Einfach(std::string_view text) {
    std::size_t i = 0;
    const bool negativ = !text.empty() && text[0] == '-';
    if (negativ) ++i;
    std::uint64_t mantisse = 0;
    int ziffern = 0;
    int nachkomma = 0;
    bool ziffer = false;
    bool trenner = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ziffer = true;
            if (mantisse != 0 || c != '0') ++ziffern;
            if (ziffern > 19) return std::nullopt;
            mantisse = mantisse * 10 + static_cast<std::uint64_t>(c - '0');
            nachkomma += trenner;
        } else if ((c == '.' || c == ',') && !trenner) {
            trenner = true;
        } else {
            break;
        }
    }
    if (!ziffer) return std::nullopt;
    int exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
        ++i;
        const bool minus = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        const std::size_t anfang = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && i - anfang < 3; ++i)
            exponent = exponent * 10 + (text[i] - '0');
        if (i == anfang || i != text.size()) return std::nullopt;
        if (minus) exponent = -exponent;
    }
    const int e = exponent - nachkomma;
    if (mantisse > (std::uint64_t{1} << 53) || e < -22 || e > 22) return std::nullopt;
    double wert = static_cast<double>(mantisse);
    wert = e < 0 ? wert / Zehnerpotenzen[static_cast<std::size_t>(-e)]
                 : wert * Zehnerpotenzen[static_cast<std::size_t>(e)];
    return negativ ? -wert : wert;
}

}  // namespace

// Read where it stands; only a number with a comma is copied, to give from_chars its point.
std::optional<double> LeseFloat(std::string_view text) {
    text = OhneVorzeichenPlus(OhneRand(text));
    if (const std::optional<double> wert = Einfach(text)) return wert;
    if (text == "NAN") return NAN;
    if (text == "INF") return INFINITY;
    if (text == "-INF") return -INFINITY;
    constexpr std::size_t Laengste = 64;
    if (text.empty() || text.size() > Laengste) return std::nullopt;
    std::size_t komma = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // from_chars would also take "inf", "nan" and hex forms
        if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E') continue;
        if (c != ',') return std::nullopt;
        komma = i;
    }
    char punkt[Laengste];
    if (komma != std::string_view::npos) {
        std::replace_copy(text.begin(), text.end(), punkt, ',', '.');
        text = std::string_view(punkt, text.size());
    }
    double wert = 0;
    const auto [p, fehler] =
        std::from_chars(text.data(), text.data() + text.size(), wert, std::chars_format::general);
    if (fehler != std::errc() || p != text.data() + text.size()) return std::nullopt;
    return wert;
}

std::optional<int> LeseInteger(std::string_view text) {
    text = OhneVorzeichenPlus(OhneRand(text));
    int wert = 0;
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
    if (fehler != std::errc() || p != ende) return std::nullopt;
    return wert;
}

std::string FestkommaText(double wert, int stellen, char dezimaltrenner) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", stellen, wert);
    std::string s(text);
    for (char& c : s)
        if (c == '.') c = dezimaltrenner;
    return s;
}

std::string AusnutzungText(double ist, double widerstand, char dezimaltrenner) {
    return FestkommaText(widerstand > 0 ? ist / widerstand : 0.0, 2, dezimaltrenner);
}

std::string ZentimeterText(double millimeter, char dezimaltrenner) {
    const double zentimeter = millimeter / 10.0;
    if (!std::isfinite(zentimeter)) return "0";
    return FloatText(zentimeter == 0 ? 0.0 : zentimeter, dezimaltrenner);
}
