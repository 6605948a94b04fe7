#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/Namensindex.h"

// The line store under the project file: a whole file held as lines "Section.Key=Value". Writers append
// entries in a fixed order; readers ask by section and key with a default. Reading consumes: a value once
// read is gone, so a name written several times reads back its occurrences in file order. Names compare
// without regard to letter case. Floats use the regional decimal separator given at construction.
class TKDateiTransfer {
public:
    explicit TKDateiTransfer(char pDezimaltrenner = ',') : TDezimaltrenner(pDezimaltrenner) {}

    // Replaces all lines by those of the file. Throws std::system_error when it cannot be read.
    void ReadFile(const std::string& FileName);
    // Creates or atomically replaces the file. Throws std::system_error on failure; an existing file then
    // stays as it was.
    void SaveFile(const std::string& FileName) const;

    // The same as ReadFile and SaveFile, on the file's bytes.
    void SetDateiInhalt(const std::string& bytes);
    std::string GetDateiInhalt() const;

    void WriteString(std::string_view pSection, std::string_view pValue, std::string_view pString);
    void WriteInteger(std::string_view pSection, std::string_view pValue, int pInteger);
    void WriteFloat(std::string_view pSection, std::string_view pValue, double pDouble);
    void WriteBool(std::string_view pSection, std::string_view pValue, bool pBool);

    // An absent entry reads as the empty text and a boolean as false; the lookup itself cannot fail, so
    // `pDefault` of these two never applies. It stays for callers written against the usual signature.
    std::string ReadString(std::string_view pSection, std::string_view pValue,
                           const std::string& pDefault = {});
    bool ReadBool(std::string_view pSection, std::string_view pValue, bool pDefault = false);
    // An absent entry or a text that is no number gives `pDefault`. Floats accept "," and ".".
    int ReadInteger(std::string_view pSection, std::string_view pValue, int pDefault);
    double ReadFloat(std::string_view pSection, std::string_view pValue, double pDefault);

    // The lines not yet consumed by a read, in file order, and their number.
    std::vector<std::string> GetDaten() const;
    std::size_t GetAnzahlZeilen() const { return TDaten.size() - TAnzVerbraucht; }

private:
    // A line is a piece of TText; the lines of a file stay in the text as it was read, written lines are
    // appended to it, so no line has an allocation of its own.
    struct Zeile {
        std::size_t anfang;
        std::size_t laenge;
        std::uint32_t name = Namensindex::Keine;      // length of the name, once indexed; Keine: no "="
        std::uint32_t naechste = Namensindex::Keine;  // next unread line of the same name
        bool verbraucht = false;
    };

    std::string_view Text(const Zeile& z) const { return std::string_view(TText).substr(z.anfang, z.laenge); }
    std::string_view TakeValue(std::string_view pSection, std::string_view pValue);
    void Anhaengen(std::string_view pSection, std::string_view pValue, std::string_view wert);
    void IndexNachfuehren();
    void Verketten(std::uint32_t nr, Namensindex::Kette& k);

    char TDezimaltrenner;
    std::string TText;
    std::vector<Zeile> TDaten;
    std::size_t TAnzVerbraucht = 0;
    // The unread occurrences of each name as a chain through Zeile::naechste, oldest first.
    Namensindex TIndex;
    std::size_t TIndexiert = 0;  // lines [0, TIndexiert) are in TIndex
};
