#pragma once

#include "model/Umgebung.h"

// The surroundings of the command-line tool: the language and decimal separator chosen at its start
// (cli/Kommandozeile.h), and notices printed to standard error as they come.
class KonsolenUmgebung : public StandardUmgebung {
public:
    KonsolenUmgebung();
    void Meldung(const std::string& text) override;
    std::string translate(const char* kontext, const char* text) const override;
    std::string translate(const char* kontext, const char* text, const char* unterscheidung,
                          int anzahl) const override;
};
