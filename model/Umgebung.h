#pragma once

#include <deque>
#include <string>
#include <vector>

// The answers a question of the core can get.
enum class Antwort { Ja, Nein, Abbrechen };

// What the core needs from its surroundings. The desktop program, the command-line tool and the tests each
// supply one; the core never reaches the operating system for these by itself.
struct Umgebung {
    virtual ~Umgebung() = default;
    virtual int IDSprache() const = 0;          // user setting "IDSprache": 1031, 2057, 21, ...
    virtual int Bemessung() const = 0;          // user setting "Bemessung": ordinal of TsMaxDornabstand
    virtual char Dezimaltrenner() const = 0;    // regional decimal separator for files and fields
    virtual std::string HeuteKurz() const = 0;  // today's date in the short regional format
    virtual void Meldung(const std::string& text) = 0;  // a plain notice; the computation goes on
    // A question with Yes and No, or with Yes, No and Cancel.
    virtual Antwort Frage(const std::string& text, bool mitAbbrechen) = 0;
    // The German source text `text` of the translation context `kontext` in the user-interface language.
    // Named like Qt's function so that the catalogue tools collect every text passed here.
    virtual std::string translate(const char* kontext, const char* text) const;
    // The same for a text with a count: "%n" stands for `anzahl`, and the language chooses the plural form
    // ("1 Bügel", "1 link", "4 links").
    virtual std::string translate(const char* kontext, const char* text, const char* unterscheidung,
                                  int anzahl) const;
};

// "%n" of a text replaced by the count, as Qt does it for a text without plural forms.
std::string MitAnzahl(std::string text, int anzahl);

// The surroundings of the command-line tool and of tests: German, unlimited spacing, ISO date, notices and
// questions collected in order; questions are answered from `antworten`, then with `standardAntwort`.
class StandardUmgebung : public Umgebung {
public:
    int IDSprache() const override { return idSprache; }
    int Bemessung() const override { return bemessung; }
    char Dezimaltrenner() const override { return dezimaltrenner; }
    std::string HeuteKurz() const override;
    void Meldung(const std::string& text) override;
    Antwort Frage(const std::string& text, bool mitAbbrechen) override;

    int idSprache = 1031;
    int bemessung = 0;
    char dezimaltrenner = ',';
    std::string heute;  // empty: today's date as YYYY-MM-DD
    std::vector<std::string> meldungen;
    std::vector<std::string> fragen;
    std::deque<Antwort> antworten;
    Antwort standardAntwort = Antwort::Ja;
};
