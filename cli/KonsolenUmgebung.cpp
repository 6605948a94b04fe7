#include "cli/KonsolenUmgebung.h"

#include <iostream>

#include "cli/Kommandozeile.h"

KonsolenUmgebung::KonsolenUmgebung() {
    idSprache = Sprache().kennung;
    dezimaltrenner = Sprache().dezimaltrenner;
}

void KonsolenUmgebung::Meldung(const std::string& text) {
    StandardUmgebung::Meldung(text);
    std::cerr << text << '\n';
}

std::string KonsolenUmgebung::translate(const char* kontext, const char* text) const {
    return ::translate(kontext, text);
}

std::string KonsolenUmgebung::translate(const char* kontext, const char* text, const char* unterscheidung,
                                        int anzahl) const {
    return ::translate(kontext, text, unterscheidung, anzahl);
}
