#pragma once

#include "app/Anwendereinstellungen.h"
#include "model/Umgebung.h"

class Dialogdienst;
class QLocale;

// Locale identifier of the user's regional settings in the numbering the settings file uses:
// 1031 German, 2057 British and 1033 other English, 21 Polish, 0 anything else.
int LocaleKennung(const QLocale& locale);

// The core's surroundings in the desktop program: the user settings file, the regional settings and the
// program's message boxes.
class DesktopUmgebung : public Umgebung {
public:
    DesktopUmgebung(Anwendereinstellungen einstellungen, Dialogdienst& dialoge);

    int IDSprache() const override;
    int Bemessung() const override;
    char Dezimaltrenner() const override { return dezimaltrenner_; }
    std::string HeuteKurz() const override;
    void Meldung(const std::string& text) override;
    Antwort Frage(const std::string& text, bool mitAbbrechen) override;
    std::string translate(const char* kontext, const char* text) const override;
    std::string translate(const char* kontext, const char* text, const char* unterscheidung,
                          int anzahl) const override;

    const Anwendereinstellungen& Einstellungen() const { return einstellungen_; }
    Dialogdienst& Dialoge() { return dialoge_; }
    void SetDezimaltrenner(char trenner) { dezimaltrenner_ = trenner; }

private:
    Anwendereinstellungen einstellungen_;
    Dialogdienst& dialoge_;
    char dezimaltrenner_;
};
