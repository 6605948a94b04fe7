#include "cli/Sprachwahl.h"

#include "cli/Argumente.h"

#include <clocale>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr int Deutsch = 1031;
constexpr int Englisch = 2057;
constexpr int Polnisch = 21;

std::optional<int> KennungAusKuerzel(std::string_view name) {
    if (name.starts_with("de")) return Deutsch;
    if (name.starts_with("en")) return Englisch;
    if (name.starts_with("pl")) return Polnisch;
    return std::nullopt;
}

// The first of the variables that is set, in the order of precedence of the C library.
std::string_view Umgebungswert(std::initializer_list<const char*> namen) {
    for (const char* name : namen)
        if (const char* wert = std::getenv(name); wert != nullptr && *wert != '\0') return wert;
    return "C";
}

// The separator of the installed numeric locale; where that locale is not installed, the program's
// languages that write a decimal comma (German and Polish) still get it.
char LocaleDezimaltrenner() {
    char trenner = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        trenner = *std::localeconv()->decimal_point;
    } else {
        const std::optional<int> sprache = KennungAusKuerzel(Umgebungswert({"LC_ALL", "LC_NUMERIC", "LANG"}));
        if (sprache == Deutsch || sprache == Polnisch) trenner = ',';
    }
    std::setlocale(LC_NUMERIC, "C");  // number texts of the core rely on the C locale
    return trenner;
}

std::string Getrimmt(const std::string& text) {
    const auto anfang = text.find_first_not_of(" \t\r");
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(" \t\r") - anfang + 1);
}

}  // namespace

Sprachoptionen SprachoptionenEntnehmen(std::vector<std::string>& argumente) {
    Sprachoptionen o;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        auto [name, wert] = OptionTeilen(argumente[i]);
        if (name != "--language" && name != "--decimal") {
            rest.push_back(argumente[i]);
            continue;
        }
        if (!wert && i + 1 < argumente.size()) wert = argumente[++i];
        if (name == "--language") {
            if (wert == "de")
                o.kennung = Deutsch;
            else if (wert == "en")
                o.kennung = Englisch;
            else if (wert == "pl")
                o.kennung = Polnisch;
            else
                o.fehler = "--language";
        } else if (wert == "," || wert == ".") {
            o.dezimaltrenner = wert->front();
        } else {
            o.fehler = "--decimal";
        }
    }
    argumente = std::move(rest);
    return o;
}

std::optional<int> IDSpracheAusEinstellungen(const fs::path& datei) {
    std::ifstream ein(datei);
    bool abschnitt = false;
    for (std::string zeile; std::getline(ein, zeile);) {
        zeile = Getrimmt(zeile);
        if (zeile.starts_with('[')) {
            abschnitt = zeile == "[Anwenderdaten]";
            continue;
        }
        const auto gleich = zeile.find('=');
        if (!abschnitt || gleich == std::string::npos || Getrimmt(zeile.substr(0, gleich)) != "IDSprache")
            continue;
        try {
            return std::stoi(zeile.substr(gleich + 1));
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<fs::path> Einstellungsdateien(const fs::path& cliOrdner) {
    std::vector<fs::path> dateien;
    if (!cliOrdner.empty()) dateien.push_back(cliOrdner / ".." / "lib" / "zavr" / "zavr.INI");
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
        dateien.push_back(fs::path(xdg) / "zavr" / "zavr.INI");
    else if (const char* heim = std::getenv("HOME"); heim != nullptr && *heim != '\0')
        dateien.push_back(fs::path(heim) / ".config" / "zavr" / "zavr.INI");
    return dateien;
}

std::optional<int> LocaleSprache() {
    return KennungAusKuerzel(Umgebungswert({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

Spracheinstellung SpracheBestimmen(const Sprachoptionen& optionen, const fs::path& cliOrdner) {
    Spracheinstellung s;
    if (optionen.kennung) {
        s.kennung = *optionen.kennung;
        s.dezimaltrenner = s.kennung == Englisch ? '.' : ',';
    } else {
        std::optional<int> gespeichert;
        for (const fs::path& datei : Einstellungsdateien(cliOrdner)) {
            if (!fs::exists(datei)) continue;
            gespeichert = IDSpracheAusEinstellungen(datei);
            break;
        }
        // As the start window: a stored locale other than English or Polish means German.
        if (gespeichert)
            s.kennung = *gespeichert == Englisch || *gespeichert == Polnisch ? *gespeichert : Deutsch;
        else
            s.kennung = LocaleSprache().value_or(Deutsch);
        s.dezimaltrenner = LocaleDezimaltrenner();
    }
    if (optionen.dezimaltrenner) s.dezimaltrenner = *optionen.dezimaltrenner;
    return s;
}
