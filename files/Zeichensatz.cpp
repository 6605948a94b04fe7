#include "files/Zeichensatz.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace {

constexpr std::string_view BomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view BomUtf16LE = "\xFF\xFE";
constexpr std::string_view BomUtf16BE = "\xFE\xFF";
constexpr std::string_view Ersatzzeichen = "\xEF\xBF\xBD";  // U+FFFD

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

// The bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no Windows-1252 character; they read as the C1 control
// character of the same number, so that they survive a later save.
std::string AlsSteuerzeichen(std::string_view byte) {
    const auto b = static_cast<unsigned char>(byte[0]);
    return {static_cast<char>(0xC0 | (b >> 6)), static_cast<char>(0x80 | (b & 0x3F))};
}

std::string AlsErsatzzeichen(std::string_view) {
    return std::string(Ersatzzeichen);
}

// Appends the decoded input, replacing each undecodable unit of `einheit` bytes by `ersatz(unit)`.
template <typename Ersatz>
void Dekodieren(Konverter& k, std::string_view quelle, std::string& ziel, std::size_t einheit,
                Ersatz ersatz) {
    while (k.Umwandeln(quelle, ziel) > 0) {
        const std::size_t n = std::min(einheit, quelle.size());
        ziel += ersatz(quelle.substr(0, n));
        quelle.remove_prefix(n);
    }
}

bool IstAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// For encodings that share ASCII with UTF-8: ASCII runs are copied, only the runs of other bytes (whole
// characters, since their bytes are all above 0x7F) go to `umwandeln`, which returns false to give up.
template <typename Umwandlung>
bool AsciiDirekt(std::string_view quelle, std::string& ziel, Umwandlung umwandeln) {
    ziel.reserve(quelle.size() + quelle.size() / 16);
    while (!quelle.empty()) {
        const auto ascii = std::find_if_not(quelle.begin(), quelle.end(), IstAscii) - quelle.begin();
        ziel.append(quelle.substr(0, ascii));
        quelle.remove_prefix(ascii);
        const auto andere = std::find_if(quelle.begin(), quelle.end(), IstAscii) - quelle.begin();
        if (andere > 0 && !umwandeln(quelle.substr(0, andere))) return false;
        quelle.remove_prefix(andere);
    }
    return true;
}

template <typename Ersatz>
std::string Dekodieren(std::string_view quelle, const char* von, Ersatz ersatz) {
    Konverter k("UTF-8", von);
    std::string ziel;
    AsciiDirekt(quelle, ziel, [&](std::string_view teil) {
        Dekodieren(k, teil, ziel, 1, ersatz);
        return true;
    });
    return ziel;
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
    AsciiDirekt(quelle, ziel, [&](std::string_view teil) {
        while (!teil.empty()) {
            const int n = Utf8Folge(teil);
            if (n > 0)
                ziel.append(teil.substr(0, static_cast<std::size_t>(n)));
            else
                ziel.append(Ersatzzeichen);
            teil.remove_prefix(static_cast<std::size_t>(n > 0 ? n : -n));
        }
        return true;
    });
    return ziel;
}

std::string DekodiereUtf16(std::string_view quelle, const char* von) {
    Konverter k("UTF-8", von);
    std::string ziel;
    ziel.reserve(quelle.size());
    Dekodieren(k, quelle, ziel, 2, AlsErsatzzeichen);
    return ziel;
}

std::optional<std::string> AlsWindows1252(std::string_view text) {
    Konverter k("CP1252", "UTF-8");
    std::string ziel;
    if (!AsciiDirekt(text, ziel, [&](std::string_view teil) { return k.Umwandeln(teil, ziel) == 0; }))
        return std::nullopt;
    return ziel;
}

}  // namespace

std::string DateiTextAlsUtf8(const std::string& bytes) {
    const std::string_view b(bytes);
    if (b.starts_with(BomUtf8)) return DekodiereUtf8(b.substr(3));
    if (b.starts_with(BomUtf16LE)) return DekodiereUtf16(b.substr(2), "UTF-16LE");
    if (b.starts_with(BomUtf16BE)) return DekodiereUtf16(b.substr(2), "UTF-16BE");
    return Dekodieren(b, "CP1252", AlsSteuerzeichen);
}

std::string Utf8AlsDateiText(const std::string& text) {
    if (auto einzelbyte = AlsWindows1252(text)) return *std::move(einzelbyte);
    return std::string(BomUtf8) + text;
}
