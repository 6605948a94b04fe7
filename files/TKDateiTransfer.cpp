#include "files/TKDateiTransfer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <system_error>

#include "datei/DateiLesen.h"
#include "datei/Dateifehler.h"
#include "files/Zeichensatz.h"
#include "files/Zeilenschreiber.h"
#include "model/Zahlentext.h"

void TKDateiTransfer::ReadFile(const std::string& FileName) {
    SetDateiInhalt(DateiLesen(FileName, MaxDateigroesse));
}

void TKDateiTransfer::SetDateiInhalt(std::string bytes) {
    if (bytes.size() > MaxDateigroesse) throw std::system_error(EFBIG, Lesefehler());
    const std::size_t groesse = bytes.size();
    if (!TDaten.Laden(std::move(bytes), MaxBloecke(groesse))) {
        TDaten = Zeilenbestand();
        throw std::system_error(EFBIG, Lesefehler());
    }
}

void TKDateiTransfer::SaveFile(const std::string& FileName) const {
    Dateiziel ziel(FileName, MaxDateigroesse);
    SchreibeZeilen(ziel, TDezimaltrenner, [&](Zeilenschreiber& s) {
        TDaten.JedeZeile([&](std::string_view zeile, bool windows1252) { s.Zeile(zeile, windows1252); });
    });
    ziel.Abschliessen();
}

std::string TKDateiTransfer::GetDateiInhalt() const {
    Textziel ziel;
    SchreibeZeilen(ziel, TDezimaltrenner, [&](Zeilenschreiber& s) {
        TDaten.JedeZeile([&](std::string_view zeile, bool windows1252) { s.Zeile(zeile, windows1252); });
    });
    return std::move(ziel.text);
}

std::vector<std::string> TKDateiTransfer::GetDaten() const {
    std::vector<std::string> daten;
    TDaten.JedeZeile([&](std::string_view zeile, bool windows1252) {
        std::string& text = daten.emplace_back();
        if (windows1252)
            HaengeWindows1252An(text, zeile);
        else
            text.assign(zeile);
    });
    return daten;
}

// A line break inside an entry would split it in the file, and the rest would be read as an entry of its
// own; it is written as a blank.
void TKDateiTransfer::WriteString(std::string_view pSection, const Schluessel& pValue,
                                  std::string_view pString) {
    std::string teile[3]{std::string(pSection), std::string(pValue.Text()), std::string(pString)};
    for (std::string& teil : teile)
        for (char& c : teil)
            if (c == '\r' || c == '\n') c = ' ';
    TDaten.Anhaengen(teile[0], teile[1], teile[2]);
}

void TKDateiTransfer::WriteInteger(std::string_view pSection, const Schluessel& pValue, int pInteger) {
    WriteString(pSection, pValue, std::to_string(pInteger));
}

void TKDateiTransfer::WriteFloat(std::string_view pSection, const Schluessel& pValue, double pDouble) {
    WriteString(pSection, pValue, FloatText(pDouble, TDezimaltrenner));
}

void TKDateiTransfer::WriteBool(std::string_view pSection, const Schluessel& pValue, bool pBool) {
    WriteString(pSection, pValue, pBool ? "True" : "False");
}

// The value of the first unread line of that name, as UTF-8. A non-empty value is consumed; an empty one
// stays, so it keeps answering for its name.
std::string TKDateiTransfer::ReadString(std::string_view pSection, const Schluessel& pValue,
                                        const std::string&) {
    const std::optional<Zeilenbestand::Wert> wert = TDaten.Nimm(pSection, pValue.Text());
    if (!wert) return {};
    std::string text;
    if (wert->windows1252)
        HaengeWindows1252An(text, wert->bytes);
    else
        text.assign(wert->bytes);
    return text;
}

// Numbers and flags are ASCII; a value with other bytes is no number in any encoding, so these read the
// bytes as they stand.
bool TKDateiTransfer::ReadBool(std::string_view pSection, const Schluessel& pValue, bool) {
    const std::optional<Zeilenbestand::Wert> wert = TDaten.Nimm(pSection, pValue.Text());
    return wert && wert->bytes == "True";
}

int TKDateiTransfer::ReadInteger(std::string_view pSection, const Schluessel& pValue, int pDefault) {
    const std::optional<Zeilenbestand::Wert> wert = TDaten.Nimm(pSection, pValue.Text());
    return wert ? LeseInteger(wert->bytes).value_or(pDefault) : pDefault;
}

TKDateiTransfer::Ganzzahl TKDateiTransfer::ReadGanzzahl(std::string_view pSection, const Schluessel& pValue) {
    const std::optional<Zeilenbestand::Wert> wert = TDaten.Nimm(pSection, pValue.Text());
    if (!wert || wert->bytes.empty()) return {};
    Ganzzahl zahl{true, LeseInteger(wert->bytes), {}};
    if (wert->windows1252)
        HaengeWindows1252An(zahl.text, wert->bytes);
    else
        zahl.text.assign(wert->bytes);
    return zahl;
}

std::vector<std::size_t> TKDateiTransfer::Indizes(std::string_view pSection, std::string_view pPraefix) {
    constexpr std::size_t stellen = 9;  // beyond any list a file can hold
    const auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    std::vector<std::size_t> indizes;
    TDaten.JederSchluessel(pSection, [&](std::string_view key, std::string_view wert) {
        // An empty value is never consumed; it holds nothing that could be lost.
        if (wert.empty() || key.size() <= pPraefix.size() || key.size() > pPraefix.size() + stellen) return;
        for (std::size_t i = 0; i < pPraefix.size(); ++i)
            if (klein(key[i]) != klein(pPraefix[i])) return;
        const std::string_view ziffern = key.substr(pPraefix.size());
        if (ziffern.size() > 1 && ziffern[0] == '0') return;
        std::size_t index = 0;
        for (char c : ziffern) {
            if (c < '0' || c > '9') return;
            index = index * 10 + static_cast<std::size_t>(c - '0');
        }
        indizes.push_back(index);
    });
    std::sort(indizes.begin(), indizes.end());
    indizes.erase(std::unique(indizes.begin(), indizes.end()), indizes.end());
    return indizes;
}

double TKDateiTransfer::ReadFloat(std::string_view pSection, const Schluessel& pValue, double pDefault) {
    return ReadFloat(pSection, pValue).value_or(pDefault);
}

std::optional<double> TKDateiTransfer::ReadFloat(std::string_view pSection, const Schluessel& pValue) {
    const std::optional<Zeilenbestand::Wert> wert = TDaten.Nimm(pSection, pValue.Text());
    const std::optional<double> zahl = wert ? LeseFloat(wert->bytes) : std::nullopt;
    if (zahl && std::isfinite(*zahl)) return zahl;
    return std::nullopt;
}

bool TKDateiTransfer::Vorhanden(std::string_view pSection, const Schluessel& pValue) {
    return TDaten.Vorhanden(pSection, pValue.Text());
}
