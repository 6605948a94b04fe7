#include "model/Umgebung.h"

#include <chrono>
#include <cstdio>

std::string StandardUmgebung::HeuteKurz() const {
    if (!heute.empty()) return heute;
    const auto tag = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day ymd{tag};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

void StandardUmgebung::Meldung(const std::string& text) {
    meldungen.push_back(text);
}

std::string Umgebung::translate(const char*, const char* text) const {
    return text;
}

std::string Umgebung::translate(const char*, const char* text, const char*, int anzahl) const {
    return MitAnzahl(text, anzahl);
}

std::string MitAnzahl(std::string text, int anzahl) {
    const std::string zahl = std::to_string(anzahl);
    for (auto stelle = text.find("%n"); stelle != std::string::npos;
         stelle = text.find("%n", stelle + zahl.size()))
        text.replace(stelle, 2, zahl);
    return text;
}

Antwort StandardUmgebung::Frage(const std::string& text, bool) {
    fragen.push_back(text);
    if (antworten.empty()) return standardAntwort;
    const Antwort antwort = antworten.front();
    antworten.pop_front();
    return antwort;
}
