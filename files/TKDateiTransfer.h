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
    // The largest file the store reads or writes: 128 MiB and a line per 32 bytes of that (about 2,000
    // positions with their results; a position takes about 2,000 lines of 33 bytes on average). Larger files
    // are refused with EFBIG ("die Datei ist zu groß"), so that reading stays within bounded memory whatever
    // a file holds, and so that the program never writes a file it could not open again.
    static constexpr std::size_t MaxDateigroesse = std::size_t{128} << 20;
    static constexpr std::size_t MaxZeilen = MaxDateigroesse / 32;

    explicit TKDateiTransfer(char pDezimaltrenner = ',') : TDezimaltrenner(pDezimaltrenner) {}

    // Replaces all lines by those of the file. Throws std::system_error when it cannot be read, is no
    // regular file (a device or a pipe) or is larger than the maximum.
    void ReadFile(const std::string& FileName);
    // Creates or atomically replaces the file. Throws std::system_error on failure, naming the reason (also
    // EFBIG for more than the maximum); an existing file then stays as it was.
    void SaveFile(const std::string& FileName) const;

    // The same as ReadFile and SaveFile, on the file's bytes. Empty lines hold no entry and are not kept.
    void SetDateiInhalt(const std::string& bytes);
    std::string GetDateiInhalt() const;
    // True when the lines written so far are more than a file may hold; writers of long files ask it on the
    // way, so that they stop before taking the memory of a file that could never be saved.
    bool ZuVieleZeilen() const { return TDaten.size() > MaxZeilen; }

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
    // Non-finite values ("NAN", "INF", exponents beyond the range) read as `pDefault`.
    double ReadFloat(std::string_view pSection, std::string_view pValue, double pDefault);
    // Whether an unread line of that name exists (also one with an empty value); nothing is consumed.
    bool Vorhanden(std::string_view pSection, std::string_view pValue);

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
