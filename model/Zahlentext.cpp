#include "model/Zahlentext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Stellen = 15;

// Decimal digits (without trailing zeros) and the exponent of the first digit, after rounding to 15
// significant digits: 1234.5 gives "12345" and 3.
struct Ziffern {
    std::string ziffern;
    int exponent = 0;
};

Ziffern Zerlege(double betrag) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.*e", Stellen - 1, betrag);
    Ziffern z;
    const char* p = puffer;
    for (; *p != 'e'; ++p)
        if (*p != '.') z.ziffern += *p;
    z.exponent = std::atoi(p + 1);
    while (z.ziffern.size() > 1 && z.ziffern.back() == '0') z.ziffern.pop_back();
    return z;
}

std::string Festkomma(const Ziffern& z, char trenner) {
    std::string text;
    if (z.exponent < 0) {
        text.append(1, '0').append(1, trenner).append(-z.exponent - 1, '0');
        return text.append(z.ziffern);
    }
    const auto vorKomma = static_cast<std::size_t>(z.exponent) + 1;
    if (z.ziffern.size() <= vorKomma) return text.append(z.ziffern).append(vorKomma - z.ziffern.size(), '0');
    return text.append(z.ziffern, 0, vorKomma).append(1, trenner).append(z.ziffern, vorKomma);
}

std::string Wissenschaftlich(const Ziffern& z, char trenner) {
    std::string text = z.ziffern.substr(0, 1);
    if (z.ziffern.size() > 1) text.append(1, trenner).append(z.ziffern, 1);
    return text.append("E").append(std::to_string(z.exponent));
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

std::string FloatText(double wert, char dezimaltrenner) {
    if (std::isnan(wert)) return "NAN";
    if (std::isinf(wert)) return wert < 0 ? "-INF" : "INF";
    if (wert == 0) return "0";
    const Ziffern z = Zerlege(std::fabs(wert));
    const bool fest = z.exponent >= -5 && z.exponent < Stellen;
    std::string text = wert < 0 ? "-" : "";
    return text.append(fest ? Festkomma(z, dezimaltrenner) : Wissenschaftlich(z, dezimaltrenner));
}

std::optional<double> LeseFloat(std::string_view text) {
    text = OhneVorzeichenPlus(OhneRand(text));
    if (text == "NAN") return NAN;
    if (text == "INF") return INFINITY;
    if (text == "-INF") return -INFINITY;
    if (text.empty() || text.size() > 64) return std::nullopt;
    std::string punkt(text);
    for (char& c : punkt) {
        if (c == ',')
            c = '.';
        else if (!(c >= '0' && c <= '9') && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E')
            return std::nullopt;  // from_chars would also take "inf", "nan" and hex forms
    }
    double wert = 0;
    const char* ende = punkt.data() + punkt.size();
    const auto [p, fehler] = std::from_chars(punkt.data(), ende, wert, std::chars_format::general);
    if (fehler != std::errc() || p != ende) return std::nullopt;
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
