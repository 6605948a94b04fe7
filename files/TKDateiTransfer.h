#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/Schluessel.h"
#include "files/Zeilenbestand.h"

// The line store under the project file: a whole file held as lines "Section.Key=Value". Writers append
// entries in a fixed order; readers ask by section and key with a default. Reading consumes: a value once
// read is gone, so a name written several times reads back its occurrences in file order. Names compare
// without regard to letter case. Floats use the regional decimal separator given at construction.
class TKDateiTransfer {
public:
    // The largest file the store reads and the program writes as a project: 4 GiB. The largest project
    // the program builds, 10,000 positions each designed as a 30 m row of dowels at close spacing, takes
    // about 2.9 GB. Reading holds the file's bytes and some 32 bytes per section, so a larger file would
    // take memory beyond any project's; it is refused with EFBIG ("die Datei ist zu groß").
    static constexpr std::uint64_t MaxDateigroesse = std::uint64_t{4} << 30;
    // A file's lines in blocks of one section each: at most one block per 16 bytes beyond the first 65,536
    // blocks, so the blocks of a file of many short lines that change section at every line (which no
    // project is) never take more memory than twice its size. Such a file is refused with EFBIG.
    static std::size_t MaxBloecke(std::size_t dateigroesse) { return dateigroesse / 16 + 65536; }

    explicit TKDateiTransfer(char pDezimaltrenner = ',') : TDezimaltrenner(pDezimaltrenner) {}

    // Replaces all lines by those of the file. Throws std::system_error when it cannot be read, is no
    // regular file (a device or a pipe) or is larger than the maximum.
    void ReadFile(const std::string& FileName);
    // Creates or atomically replaces the file. Throws std::system_error on failure, naming the reason; an
    // existing file then stays as it was.
    void SaveFile(const std::string& FileName) const;

    // The same as ReadFile and SaveFile, on the file's bytes. Empty lines hold no entry and are not kept.
    void SetDateiInhalt(std::string bytes);
    std::string GetDateiInhalt() const;

    void WriteString(std::string_view pSection, const Schluessel& pValue, std::string_view pString);
    void WriteInteger(std::string_view pSection, const Schluessel& pValue, int pInteger);
    void WriteFloat(std::string_view pSection, const Schluessel& pValue, double pDouble);
    void WriteBool(std::string_view pSection, const Schluessel& pValue, bool pBool);

    // An absent entry reads as the empty text and a boolean as false; the lookup itself cannot fail, so
    // `pDefault` of these two never applies. It stays for callers written against the usual signature.
    std::string ReadString(std::string_view pSection, const Schluessel& pValue,
                           const std::string& pDefault = {});
    bool ReadBool(std::string_view pSection, const Schluessel& pValue, bool pDefault = false);
    // An absent entry or a text that is no number gives `pDefault`. Floats accept "," and ".".
    int ReadInteger(std::string_view pSection, const Schluessel& pValue, int pDefault);
    // An integer entry as it stands: absent (or empty), or present with its number or with a text that is
    // none.
    struct Ganzzahl {
        bool vorhanden = false;
        std::optional<int> wert;
        std::string text;  // the text as it stands, for a message about it
    };
    Ganzzahl ReadGanzzahl(std::string_view pSection, const Schluessel& pValue);
    // Non-finite values ("NAN", "INF", exponents beyond the range) read as `pDefault`.
    double ReadFloat(std::string_view pSection, const Schluessel& pValue, double pDefault);
    // The same without a default: empty when the key is absent or its value no finite number.
    std::optional<double> ReadFloat(std::string_view pSection, const Schluessel& pValue);
    // Whether an unread line of that name exists (also one with an empty value); nothing is consumed.
    bool Vorhanden(std::string_view pSection, const Schluessel& pValue);
    // The indices i of the unread keys `pPraefix` i of the section (i in decimal without leading zeros, as
    // the writer writes them) whose value is not empty, sorted; nothing is consumed.
    std::vector<std::size_t> Indizes(std::string_view pSection, std::string_view pPraefix);
    // Whether the unread lines from the last one read on are the elements von … von+anzahl-1 of the lists
    // `pPraefixe`, interleaved, as the writer writes them; nothing is consumed.
    bool Folgen(std::string_view pSection, std::span<const std::string_view> pPraefixe, std::size_t von,
                std::size_t anzahl) {
        return TDaten.Folgen(pSection, pPraefixe, von, anzahl);
    }
    // Whether any unread line may belong to the section; when not, every key of it reads as absent.
    bool AbschnittOffen(std::string_view pSection) { return TDaten.AbschnittOffen(pSection); }

    // The lines not yet consumed by a read, in file order, and their number.
    std::vector<std::string> GetDaten() const;
    std::size_t GetAnzahlZeilen() const { return TDaten.AnzahlOffen(); }

private:
    char TDezimaltrenner;
    Zeilenbestand TDaten;
};
