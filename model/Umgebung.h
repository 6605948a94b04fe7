#pragma once

#include <string>
#include <vector>

// What the core needs from its surroundings. The desktop program, the command-line tool and the tests each
// supply one; the core never reaches the operating system for these by itself.
struct Umgebung {
    virtual ~Umgebung() = default;
    virtual int IDSprache() const = 0;             // user setting "IDSprache": 1031, 2057, 21, ...
    virtual int Bemessung() const = 0;             // user setting "Bemessung": ordinal of TsMaxDornabstand
    virtual char Dezimaltrenner() const = 0;       // regional decimal separator for files and fields
    virtual std::string HeuteKurz() const = 0;     // today's date in the short regional format
    virtual void Meldung(const std::string& text) = 0;  // a plain notice; the computation goes on
};

// The surroundings of the command-line tool and of tests: German, unlimited spacing, ISO date, notices
// collected in order (and optionally echoed by the caller).
class StandardUmgebung : public Umgebung {
public:
    int IDSprache() const override { return idSprache; }
    int Bemessung() const override { return bemessung; }
    char Dezimaltrenner() const override { return dezimaltrenner; }
    std::string HeuteKurz() const override;
    void Meldung(const std::string& text) override;

    int idSprache = 1031;
    int bemessung = 0;
    char dezimaltrenner = ',';
    std::string heute;  // empty: today's date as YYYY-MM-DD
    std::vector<std::string> meldungen;
};
