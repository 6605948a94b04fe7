#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "datei/DateiErsetzen.h"
#include "files/Schluessel.h"

// Entry lines "Section.Key=Value", written one after another straight into the bytes of a file: CR LF after
// every line, numbers as the key-value store writes them, a line break inside a text written as a blank (it
// would split the entry). The file is Windows-1252; a text the code page lacks makes the whole file UTF-8
// with a byte-order mark. That is found only on the way, so SchreibeZeilen writes such a file twice.
class Zeilenschreiber {
public:
    // Where the bytes go: a file being replaced, or a text.
    class Ziel {
    public:
        virtual ~Ziel() = default;
        virtual void Schreiben(std::string_view bytes) = 0;
        // Everything written so far is dropped; the file starts again.
        virtual void Verwerfen() = 0;
    };

    Zeilenschreiber(Ziel& ziel, char dezimaltrenner, bool utf8);
    ~Zeilenschreiber();
    Zeilenschreiber(const Zeilenschreiber&) = delete;
    Zeilenschreiber& operator=(const Zeilenschreiber&) = delete;

    void WriteString(std::string_view pSection, const Schluessel& pValue, std::string_view pString);
    void WriteInteger(std::string_view pSection, const Schluessel& pValue, long long pInteger);
    void WriteFloat(std::string_view pSection, const Schluessel& pValue, double pDouble);
    void WriteBool(std::string_view pSection, const Schluessel& pValue, bool pBool);
    // A whole line of a store, UTF-8 or (windows1252) as the bytes of a Windows-1252 file.
    void Zeile(std::string_view zeile, bool windows1252);

    // Passes the bytes still held to the target. False when a text needed UTF-8 while writing Windows-1252:
    // then nothing after it was written.
    bool Beenden();

private:
    void Text(std::string_view text);
    void Roh(std::string_view bytes);
    void Zeilenende();
    char* Platz(std::size_t laenge);
    void Leeren();

    Ziel& ziel;
    char dezimaltrenner;
    bool utf8;
    bool utf8Noetig = false;
    std::unique_ptr<char[]> puffer;
    std::size_t belegt = 0;
};

// Writes the lines of `schreiben(Zeilenschreiber&)` to `ziel` as Windows-1252, or once more from the start
// as UTF-8 with a byte-order mark when a text needs it.
template <class Schreiben>
void SchreibeZeilen(Zeilenschreiber::Ziel& ziel, char dezimaltrenner, Schreiben schreiben) {
    {
        Zeilenschreiber einzelbyte(ziel, dezimaltrenner, false);
        schreiben(einzelbyte);
        if (einzelbyte.Beenden()) return;
    }
    ziel.Verwerfen();
    Zeilenschreiber utf8(ziel, dezimaltrenner, true);
    schreiben(utf8);
    utf8.Beenden();
}

// A text as target, for files kept in memory.
class Textziel : public Zeilenschreiber::Ziel {
public:
    void Schreiben(std::string_view bytes) override { text.append(bytes); }
    void Verwerfen() override { text.clear(); }
    std::string text;
};

// A file being replaced (DateiErsetzen), as target. Beyond `hoechstens` bytes writing stops with EFBIG ("die
// Datei wäre größer als erlaubt"): no file is written that could not be read again. Abschliessen() puts it in
// place.
class Dateiziel : public Zeilenschreiber::Ziel {
public:
    Dateiziel(const std::string& pfad, std::uint64_t hoechstens);
    void Schreiben(std::string_view bytes) override;
    void Verwerfen() override { ersetzung.Verwerfen(); }
    void Abschliessen() { ersetzung.Abschliessen(); }

private:
    const std::string& pfad;
    std::uint64_t hoechstens;
    Ersetzung ersetzung;
};
