#include "files/TKDateiTransfer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <system_error>

#include "datei/DateiErsetzen.h"
#include "datei/DateiLesen.h"
#include "datei/Dateifehler.h"
#include "files/Zeichensatz.h"
#include "model/Zahlentext.h"

void TKDateiTransfer::ReadFile(const std::string& FileName) {
    SetDateiInhalt(DateiLesen(FileName, MaxDateigroesse));
}

void TKDateiTransfer::SaveFile(const std::string& FileName) const {
    if (ZuVieleZeilen()) throw std::system_error(EFBIG, Schreibfehler(), FileName);
    const std::string inhalt = GetDateiInhalt();
    if (inhalt.size() > MaxDateigroesse) throw std::system_error(EFBIG, Schreibfehler(), FileName);
    DateiErsetzen(FileName, inhalt);
}

// Lines end at CR LF, a lone CR or a lone LF; a line end after the last line adds no empty line, and
// empty lines are passed over (a file of blank lines costs no memory per line).
void TKDateiTransfer::SetDateiInhalt(const std::string& bytes) {
    if (bytes.size() > MaxDateigroesse) throw std::system_error(EFBIG, Lesefehler());
    TText = DateiTextAlsUtf8(bytes);
    TDaten.clear();
    // Searching LF and CR separately lets both searches run at memchr speed; the next LF is kept until
    // passed, so a file with lone CRs only is not searched to its end for every line.
    const std::string_view text(TText);
    std::size_t lf = std::min(text.find('\n'), text.size());
    for (std::size_t anfang = 0; anfang < text.size();) {
        if (lf < anfang) lf = std::min(text.find('\n', anfang), text.size());
        const std::size_t ende = std::min(text.substr(0, lf).find('\r', anfang), lf);
        if (ende > anfang) {
            if (TDaten.size() == MaxZeilen) throw std::system_error(EFBIG, Lesefehler());
            TDaten.push_back({anfang, ende - anfang});
        }
        anfang = ende + (text.substr(ende, 2) == "\r\n" ? 2 : 1);
    }
    TAnzVerbraucht = 0;
    TIndex.Leeren();
    TIndex.Reservieren(TDaten.size());
    TIndexiert = 0;
}

std::string TKDateiTransfer::GetDateiInhalt() const {
    std::string text;
    text.reserve(TText.size() + 2 * TDaten.size());
    for (const Zeile& z : TDaten)
        if (!z.verbraucht) text.append(Text(z)).append("\r\n");
    return Utf8AlsDateiText(text);
}

std::vector<std::string> TKDateiTransfer::GetDaten() const {
    std::vector<std::string> daten;
    for (const Zeile& z : TDaten)
        if (!z.verbraucht) daten.emplace_back(Text(z));
    return daten;
}

// A line break inside an entry would split it in the file, and the rest would be read as an entry of its
// own; it is written as a blank.
void TKDateiTransfer::Anhaengen(std::string_view pSection, std::string_view pValue, std::string_view wert) {
    const std::size_t anfang = TText.size();
    TText.append(pSection).append(1, '.').append(pValue).append(1, '=').append(wert);
    std::replace_if(
        TText.begin() + static_cast<std::ptrdiff_t>(anfang), TText.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    TDaten.push_back({anfang, TText.size() - anfang});
}

void TKDateiTransfer::WriteString(std::string_view pSection, std::string_view pValue,
                                  std::string_view pString) {
    Anhaengen(pSection, pValue, pString);
}

void TKDateiTransfer::WriteInteger(std::string_view pSection, std::string_view pValue, int pInteger) {
    Anhaengen(pSection, pValue, std::to_string(pInteger));
}

void TKDateiTransfer::WriteFloat(std::string_view pSection, std::string_view pValue, double pDouble) {
    Anhaengen(pSection, pValue, FloatText(pDouble, TDezimaltrenner));
}

void TKDateiTransfer::WriteBool(std::string_view pSection, std::string_view pValue, bool pBool) {
    Anhaengen(pSection, pValue, pBool ? "True" : "False");
}

// Lines written after the last read join the index on the next read, so writing costs no lookups.
// The table is larger than the caches: a block of lines has its slots fetched before it is entered.
void TKDateiTransfer::IndexNachfuehren() {
    constexpr std::size_t Block = 32;
    struct Name {
        std::uint32_t nr;
        std::uint64_t hash;
    } block[Block];
    while (TIndexiert < TDaten.size()) {
        std::size_t n = 0;
        for (; n < Block && TIndexiert < TDaten.size(); ++TIndexiert) {
            Zeile& z = TDaten[TIndexiert];
            const std::size_t gleich = Text(z).find('=');
            if (gleich == std::string_view::npos) continue;
            z.name = static_cast<std::uint32_t>(gleich);
            block[n++] = {static_cast<std::uint32_t>(TIndexiert),
                          TIndex.Vormerken(Text(z).substr(0, gleich))};
        }
        for (std::size_t i = 0; i < n; ++i) {
            const Zeile& z = TDaten[block[i].nr];
            Verketten(block[i].nr, TIndex.Eintragen(TText, z.anfang, z.name, block[i].hash));
        }
    }
}

void TKDateiTransfer::Verketten(std::uint32_t nr, Namensindex::Kette& k) {
    if (k.erste == Namensindex::Keine)
        k.erste = nr;
    else
        TDaten[k.letzte].naechste = nr;
    k.letzte = nr;
}

// The value of the first unread line of that name. A non-empty value is consumed; an empty one stays, so it
// keeps answering for its name.
std::string_view TKDateiTransfer::TakeValue(std::string_view pSection, std::string_view pValue) {
    IndexNachfuehren();
    Namensindex::Kette* k = TIndex.Finden(TText, pSection, pValue);
    if (k == nullptr || k->erste == Namensindex::Keine) return {};
    Zeile& z = TDaten[k->erste];
    const std::string_view wert = Text(z).substr(z.name + 1);
    if (wert.empty()) return wert;
    z.verbraucht = true;
    ++TAnzVerbraucht;
    k->erste = z.naechste;
    if (k->erste == Namensindex::Keine) k->letzte = Namensindex::Keine;
    return wert;
}
std::string TKDateiTransfer::ReadString(std::string_view pSection, std::string_view pValue,
                                        const std::string&) {
    return std::string(TakeValue(pSection, pValue));
}

bool TKDateiTransfer::ReadBool(std::string_view pSection, std::string_view pValue, bool) {
    return TakeValue(pSection, pValue) == "True";
}

int TKDateiTransfer::ReadInteger(std::string_view pSection, std::string_view pValue, int pDefault) {
    return LeseInteger(TakeValue(pSection, pValue)).value_or(pDefault);
}

double TKDateiTransfer::ReadFloat(std::string_view pSection, std::string_view pValue, double pDefault) {
    const std::optional<double> wert = LeseFloat(TakeValue(pSection, pValue));
    return wert && std::isfinite(*wert) ? *wert : pDefault;
}

bool TKDateiTransfer::Vorhanden(std::string_view pSection, std::string_view pValue) {
    IndexNachfuehren();
    const Namensindex::Kette* k = TIndex.Finden(TText, pSection, pValue);
    return k != nullptr && k->erste != Namensindex::Keine;
}
