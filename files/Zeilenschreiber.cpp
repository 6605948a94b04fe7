#include "files/Zeilenschreiber.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <system_error>

#include "datei/Dateifehler.h"
#include "files/Zeichensatz.h"
#include "model/Zahlentext.h"

namespace {

constexpr std::size_t Puffergroesse = std::size_t{1} << 16;
// Longer texts go through the buffer in pieces of at most this size.
constexpr std::size_t Stueckgroesse = Puffergroesse / 2;

bool Unauffaellig(unsigned char c) {
    return c < 0x80 && c != '\r' && c != '\n';
}

void ZeilenumbruchAlsLeerzeichen(char* anfang, char* ende) {
    std::replace_if(
        anfang, ende, [](char c) { return c == '\r' || c == '\n'; }, ' ');
}

// A piece that ends between the bytes of a character would not convert.
std::size_t Stueckende(std::string_view text) {
    if (text.size() <= Stueckgroesse) return text.size();
    std::size_t n = Stueckgroesse;
    while (n > Stueckgroesse - 4 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

}  // namespace

Zeilenschreiber::Zeilenschreiber(Ziel& ziel, char dezimaltrenner, bool utf8)
    : ziel(ziel),
      dezimaltrenner(dezimaltrenner),
      utf8(utf8),
      puffer(std::make_unique_for_overwrite<char[]>(Puffergroesse)) {
    if (utf8) Roh(BomUtf8);
}

Zeilenschreiber::~Zeilenschreiber() = default;

char* Zeilenschreiber::Platz(std::size_t laenge) {
    if (belegt + laenge > Puffergroesse) Leeren();
    return puffer.get() + belegt;
}

void Zeilenschreiber::Leeren() {
    ziel.Schreiben(std::string_view(puffer.get(), belegt));
    belegt = 0;
}

void Zeilenschreiber::Roh(std::string_view bytes) {
    if (utf8Noetig) return;
    if (bytes.size() > Stueckgroesse) {
        Leeren();
        ziel.Schreiben(bytes);
        return;
    }
    std::copy(bytes.begin(), bytes.end(), Platz(bytes.size()));
    belegt += bytes.size();
}

void Zeilenschreiber::Text(std::string_view text) {
    while (!text.empty() && !utf8Noetig) {
        const std::string_view stueck = text.substr(0, Stueckende(text));
        text.remove_prefix(stueck.size());
        char* anfang = Platz(stueck.size());
        char* ende = nullptr;
        if (std::all_of(stueck.begin(), stueck.end(), [](char c) { return Unauffaellig(c); })) {
            ende = std::copy(stueck.begin(), stueck.end(), anfang);
        } else {
            ende = utf8 ? std::copy(stueck.begin(), stueck.end(), anfang) : AlsWindows1252(stueck, anfang);
            if (!ende) {
                utf8Noetig = true;
                return;
            }
            ZeilenumbruchAlsLeerzeichen(anfang, ende);
        }
        belegt = static_cast<std::size_t>(ende - puffer.get());
    }
}

void Zeilenschreiber::Zeilenende() {
    Roh("\r\n");
}

void Zeilenschreiber::WriteString(std::string_view pSection, const Schluessel& pValue,
                                  std::string_view pString) {
    Text(pSection);
    Roh(".");
    Text(pValue.Text());
    Roh("=");
    Text(pString);
    Zeilenende();
}

void Zeilenschreiber::WriteInteger(std::string_view pSection, const Schluessel& pValue, long long pInteger) {
    char zahl[24];
    WriteString(pSection, pValue,
                std::string_view(zahl, std::to_chars(zahl, zahl + sizeof zahl, pInteger).ptr));
}

void Zeilenschreiber::WriteFloat(std::string_view pSection, const Schluessel& pValue, double pDouble) {
    char zahl[MaxFloatZeichen];
    WriteString(pSection, pValue, std::string_view(zahl, FloatZeichen(zahl, pDouble, dezimaltrenner)));
}

void Zeilenschreiber::WriteBool(std::string_view pSection, const Schluessel& pValue, bool pBool) {
    WriteString(pSection, pValue, pBool ? "True" : "False");
}

// A Windows-1252 line keeps its bytes, unless one of them is the code page's unassigned ones: read as
// control characters, they have no byte to go back to.
void Zeilenschreiber::Zeile(std::string_view zeile, bool windows1252) {
    if (!windows1252) {
        Text(zeile);
    } else if (!utf8) {
        const bool unbelegt = std::any_of(zeile.begin(), zeile.end(), [](char c) {
            const char32_t z = Windows1252Zeichen(static_cast<unsigned char>(c));
            return z >= 0x80 && z < 0xA0;
        });
        if (unbelegt) utf8Noetig = true;
        Roh(zeile);
    } else {
        std::string text;
        HaengeWindows1252An(text, zeile);
        Text(text);
    }
    Zeilenende();
}

bool Zeilenschreiber::Beenden() {
    if (utf8Noetig) return false;
    Leeren();
    return true;
}

Dateiziel::Dateiziel(const std::string& pfad, std::uint64_t hoechstens)
    : pfad(pfad), hoechstens(hoechstens), ersetzung(pfad) {}

void Dateiziel::Schreiben(std::string_view bytes) {
    if (ersetzung.Groesse() + bytes.size() > hoechstens)
        throw std::system_error(EFBIG, Schreibfehler(), pfad);
    ersetzung.Schreiben(bytes);
}
