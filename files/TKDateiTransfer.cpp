#include "files/TKDateiTransfer.h"

#include "files/DateiErsetzen.h"
#include "files/Zahlentext.h"
#include "files/Zeichensatz.h"

namespace {

// Case folding for names: ASCII letters and the Latin-1 capitals (UTF-8 C3 80 to C3 9E without the
// multiplication sign), which covers the umlauts of the bill-of-quantities keys.
std::string Gefaltet(std::string_view name) {
    std::string f(name);
    for (std::size_t i = 0; i < f.size(); ++i) {
        const auto c = static_cast<unsigned char>(f[i]);
        if (c >= 'A' && c <= 'Z') {
            f[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < f.size()) {
            const auto n = static_cast<unsigned char>(f[i + 1]);
            if (n >= 0x80 && n <= 0x9E && n != 0x97) f[i + 1] = static_cast<char>(n + 32);
            ++i;
        }
    }
    return f;
}

std::string Eintragsname(std::string_view section, std::string_view key) {
    std::string name;
    name.reserve(section.size() + key.size() + 1);
    name.append(section).append(1, '.').append(key);
    return name;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        const std::size_t ende = text.find_first_of("\r\n", anfang);
        if (ende == std::string::npos) {
            zeilen.push_back(text.substr(anfang));
            break;
        }
        zeilen.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + (text.compare(ende, 2, "\r\n") == 0 ? 2 : 1);
    }
    return zeilen;
}

}  // namespace

void TKDateiTransfer::ReadFile(const std::string& FileName) {
    SetDateiInhalt(DateiLesen(FileName));
}

void TKDateiTransfer::SaveFile(const std::string& FileName) const {
    DateiErsetzen(FileName, GetDateiInhalt());
}

void TKDateiTransfer::SetDateiInhalt(const std::string& bytes) {
    TDaten = Zeilen(DateiTextAlsUtf8(bytes));
    TVerbraucht.assign(TDaten.size(), false);
    TAnzVerbraucht = 0;
    TNaechste.assign(TDaten.size(), Keine);
    TIndex.clear();
    TIndexiert = 0;
}

std::string TKDateiTransfer::GetDateiInhalt() const {
    std::string text;
    for (std::size_t i = 0; i < TDaten.size(); ++i)
        if (!TVerbraucht[i]) text.append(TDaten[i]).append("\r\n");
    return Utf8AlsDateiText(text);
}

std::vector<std::string> TKDateiTransfer::GetDaten() const {
    std::vector<std::string> daten;
    for (std::size_t i = 0; i < TDaten.size(); ++i)
        if (!TVerbraucht[i]) daten.push_back(TDaten[i]);
    return daten;
}

void TKDateiTransfer::Anhaengen(std::string_view pSection, std::string_view pValue, std::string_view wert) {
    std::string zeile = Eintragsname(pSection, pValue);
    zeile.append(1, '=').append(wert);
    TDaten.push_back(std::move(zeile));
    TVerbraucht.push_back(false);
    TNaechste.push_back(Keine);
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
void TKDateiTransfer::IndexNachfuehren() {
    for (; TIndexiert < TDaten.size(); ++TIndexiert) {
        const std::string& zeile = TDaten[TIndexiert];
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string::npos) continue;
        Vorkommen& v = TIndex[Gefaltet(std::string_view(zeile).substr(0, gleich))];
        const auto nr = static_cast<std::uint32_t>(TIndexiert);
        if (v.erste == Keine)
            v.erste = nr;
        else
            TNaechste[v.letzte] = nr;
        v.letzte = nr;
    }
}

// The value of the first unread line of that name. A non-empty value is consumed; an empty one stays, so it
// keeps answering for its name.
std::string_view TKDateiTransfer::TakeValue(std::string_view pSection, std::string_view pValue) {
    IndexNachfuehren();
    const auto it = TIndex.find(Gefaltet(Eintragsname(pSection, pValue)));
    if (it == TIndex.end() || it->second.erste == Keine) return {};
    Vorkommen& v = it->second;
    const std::uint32_t nr = v.erste;
    const std::string_view zeile = TDaten[nr];
    const std::string_view wert = zeile.substr(zeile.find('=') + 1);
    if (wert.empty()) return wert;
    TVerbraucht[nr] = true;
    ++TAnzVerbraucht;
    v.erste = TNaechste[nr];
    if (v.erste == Keine) v.letzte = Keine;
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
    return LeseFloat(TakeValue(pSection, pValue)).value_or(pDefault);
}
