#include "cli/KonsolenUmgebung.h"

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

// The locale name that decides number formats, in the order of precedence of the C library.
std::string_view ZahlenLocale() {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* wert = std::getenv(name); wert != nullptr && *wert != '\0') return wert;
    return "C";
}

// The separator of the installed locale; where that locale is not installed, the program's languages that
// write a decimal comma (German and Polish) still get it.
char RegionalerDezimaltrenner() {
    char trenner = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        trenner = *std::localeconv()->decimal_point;
    } else {
        const std::string_view name = ZahlenLocale();
        if (name.starts_with("de") || name.starts_with("pl")) trenner = ',';
    }
    std::setlocale(LC_NUMERIC, "C");  // number texts of the core rely on the C locale
    return trenner;
}

}  // namespace

KonsolenUmgebung::KonsolenUmgebung() {
    dezimaltrenner = RegionalerDezimaltrenner();
}

void KonsolenUmgebung::Meldung(const std::string& text) {
    StandardUmgebung::Meldung(text);
    std::cerr << text << '\n';
}
