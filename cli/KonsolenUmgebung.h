#pragma once

#include "model/Umgebung.h"

// The surroundings of the command-line tool: the decimal separator of the user's locale (LC_ALL,
// LC_NUMERIC, LANG), German texts, and notices printed to standard error as they come.
class KonsolenUmgebung : public StandardUmgebung {
public:
    KonsolenUmgebung();
    void Meldung(const std::string& text) override;
};
