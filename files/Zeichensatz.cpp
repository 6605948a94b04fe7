#include "files/Zeichensatz.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <stdexcept>

namespace {

constexpr std::string_view BomUtf16LE = "\xFF\xFE";
constexpr std::string_view BomUtf16BE = "\xFE\xFF";
constexpr std::string_view Ersatzzeichen = "\xEF\xBF\xBD";  // U+FFFD

// The characters of the bytes 0x80 to 0x9F; the five bytes the code page leaves unassigned stand for the
// control character of the same number.
constexpr std::array<char32_t, 32> Zeichen80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Unbelegt(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// The byte of a character, or -1.
int Windows1252Byte(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<int>(zeichen);
    for (std::size_t i = 0; i < Zeichen80.size(); ++i)
        if (Zeichen80[i] == zeichen && !Unbelegt(static_cast<unsigned char>(0x80 + i)))
            return static_cast<int>(0x80 + i);
    return -1;
}

class Konverter {
public:
    Konverter(const char* nach, const char* von) : cd(iconv_open(nach, von)) {
        if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: Kodierung nicht verfügbar");
    }
    ~Konverter() { iconv_close(cd); }
    Konverter(const Konverter&) = delete;
    Konverter& operator=(const Konverter&) = delete;

    // Converts as much as possible; returns the number of input bytes left when a byte sequence cannot
    // be converted (0 when everything went through). `ziel` receives the converted text.
    std::size_t Umwandeln(std::string_view& quelle, std::string& ziel) {
        char puffer[4096];
        while (!quelle.empty()) {
            char* ein = const_cast<char*>(quelle.data());
            std::size_t einRest = quelle.size();
            char* aus = puffer;
            std::size_t ausRest = sizeof puffer;
            const std::size_t r = iconv(cd, &ein, &einRest, &aus, &ausRest);
            ziel.append(puffer, aus);
            quelle.remove_prefix(quelle.size() - einRest);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return quelle.size();
        }
        return 0;
    }

private:
    iconv_t cd;
};

bool IstAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// The length of the well-formed UTF-8 sequence at the start of `text` (not empty, first byte not ASCII),
// or minus the length of its longest well-formed beginning, which one replacement character stands for
// (at least one byte). The second byte after E0, ED, F0 and F4 has a narrower range: no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
int Utf8Folge(std::string_view text) {
    const auto erstes = static_cast<unsigned char>(text[0]);
    int laenge = 0;
    unsigned char von = 0x80;
    unsigned char bis = 0xBF;
    if (erstes >= 0xC2 && erstes <= 0xDF) {
        laenge = 2;
    } else if (erstes >= 0xE0 && erstes <= 0xEF) {
        laenge = 3;
        if (erstes == 0xE0) von = 0xA0;
        if (erstes == 0xED) bis = 0x9F;
    } else if (erstes >= 0xF0 && erstes <= 0xF4) {
        laenge = 4;
        if (erstes == 0xF0) von = 0x90;
        if (erstes == 0xF4) bis = 0x8F;
    } else {
        return -1;
    }
    for (int i = 1; i < laenge; ++i) {
        if (static_cast<std::size_t>(i) >= text.size()) return -i;
        const auto b = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if (b < von || b > bis) return -i;
        von = 0x80;
        bis = 0xBF;
    }
    return laenge;
}

// Well-formed sequences are copied; every ill-formed one becomes one U+FFFD, so the text in memory is always
// valid UTF-8 (JSON output and a later save rely on it).
std::string DekodiereUtf8(std::string_view quelle) {
    std::string ziel;
    ziel.reserve(quelle.size());
    while (!quelle.empty()) {
        const auto ascii = std::find_if_not(quelle.begin(), quelle.end(), IstAscii) - quelle.begin();
        ziel.append(quelle.substr(0, static_cast<std::size_t>(ascii)));
        quelle.remove_prefix(static_cast<std::size_t>(ascii));
        if (quelle.empty()) break;
        const int n = Utf8Folge(quelle);
        if (n > 0)
            ziel.append(quelle.substr(0, static_cast<std::size_t>(n)));
        else
            ziel.append(Ersatzzeichen);
        quelle.remove_prefix(static_cast<std::size_t>(n > 0 ? n : -n));
    }
    return ziel;
}

std::string DekodiereUtf16(std::string_view quelle, const char* von) {
    Konverter k("UTF-8", von);
    std::string ziel;
    ziel.reserve(quelle.size());
    while (k.Umwandeln(quelle, ziel) > 0) {
        ziel += Ersatzzeichen;
        quelle.remove_prefix(std::min<std::size_t>(2, quelle.size()));
    }
    return ziel;
}

}  // namespace

char32_t Windows1252Zeichen(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? Zeichen80[byte - 0x80] : byte;
}

Utf8Zeichen LeseUtf8Zeichen(std::string_view text) {
    const auto erstes = static_cast<unsigned char>(text[0]);
    if (erstes < 0x80) return {erstes, 1};
    const int n = Utf8Folge(text);
    if (n < 0) return {0, 0};
    char32_t zeichen = erstes & (0x7Fu >> n);
    for (int i = 1; i < n; ++i) zeichen = (zeichen << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
    return {zeichen, static_cast<std::size_t>(n)};
}

void HaengeUtf8An(std::string& ziel, char32_t z) {
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (z >> 18));
        ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

void HaengeWindows1252An(std::string& ziel, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto ascii = std::find_if_not(bytes.begin(), bytes.end(), IstAscii) - bytes.begin();
        ziel.append(bytes.substr(0, static_cast<std::size_t>(ascii)));
        bytes.remove_prefix(static_cast<std::size_t>(ascii));
        if (bytes.empty()) break;
        HaengeUtf8An(ziel, Windows1252Zeichen(static_cast<unsigned char>(bytes[0])));
        bytes.remove_prefix(1);
    }
}

char* AlsWindows1252(std::string_view text, char* ziel) {
    while (!text.empty()) {
        if (IstAscii(text[0])) {
            *ziel++ = text[0];
            text.remove_prefix(1);
            continue;
        }
        const Utf8Zeichen z = LeseUtf8Zeichen(text);
        const int byte = z.laenge > 0 ? Windows1252Byte(z.zeichen) : -1;
        if (byte < 0) return nullptr;
        *ziel++ = static_cast<char>(byte);
        text.remove_prefix(z.laenge);
    }
    return ziel;
}

bool IstUtf8(std::string_view text) {
    while (!text.empty()) {
        const auto ascii = std::find_if_not(text.begin(), text.end(), IstAscii) - text.begin();
        text.remove_prefix(static_cast<std::size_t>(ascii));
        if (text.empty()) return true;
        const int n = Utf8Folge(text);
        if (n < 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string DateiTextAlsUtf8(std::string_view b) {
    if (b.starts_with(BomUtf8)) return DekodiereUtf8(b.substr(3));
    if (b.starts_with(BomUtf16LE)) return DekodiereUtf16(b.substr(2), "UTF-16LE");
    if (b.starts_with(BomUtf16BE)) return DekodiereUtf16(b.substr(2), "UTF-16BE");
    std::string ziel;
    ziel.reserve(b.size() + b.size() / 16);
    HaengeWindows1252An(ziel, b);
    return ziel;
}

std::string Utf8AlsDateiText(std::string_view text) {
    std::string ziel(text.size(), '\0');
    if (char* ende = AlsWindows1252(text, ziel.data())) {
        ziel.resize(static_cast<std::size_t>(ende - ziel.data()));
        return ziel;
    }
    return std::string(BomUtf8).append(text);
}
