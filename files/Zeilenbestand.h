#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The lines "Section.Key=Value" of the key-value store, read where they stand in the file's text. A line is
// found by its name (section, dot, key; compared without regard to letter case) and consumed by a read unless
// its value is empty; repeated names answer in file order.
//
// Readers ask for names in about the order in which they were written, so a cursor walks the text with them:
// the line under the cursor is tried first, and nothing else is touched while the names follow. Only a name
// found elsewhere goes through the sections: the lines are grouped into blocks of up to 64 lines of one
// section, each section knows its blocks, and a section the file lacks answers at once. Per block the store
// keeps which lines are unread; lines the cursor passed unread are counted per section, so a section whose
// passed lines were all read can trust the cursor again. Memory beyond the text is a few bytes per section,
// plus, for the one large section looked up out of order last, a sorted list of its keys.
class Zeilenbestand {
public:
    // A value where it stands in the text: Windows-1252 or UTF-8 bytes.
    struct Wert {
        std::string_view bytes;
        bool windows1252;
    };

    Zeilenbestand() { Laden({}, 0); }

    // Replaces everything by the lines of a file's bytes (a byte-order mark selects UTF-8 or UTF-16; without
    // one the bytes are Windows-1252). False when the lines would need more blocks than `hoechstensBloecke`.
    bool Laden(std::string bytes, std::size_t hoechstensBloecke);
    // Appends a line "section.key=wert" (UTF-8, free of line breaks).
    void Anhaengen(std::string_view section, std::string_view key, std::string_view wert);

    // The value of the first unread line of that name; the line is consumed unless the value is empty.
    std::optional<Wert> Nimm(std::string_view section, std::string_view key);
    // Whether an unread line of that name exists; nothing is consumed.
    bool Vorhanden(std::string_view section, std::string_view key);
    // Whether the unread lines from the cursor on are the elements von … von+anzahl-1 of the lists
    // `praefixe` (key praefix and number, in decimal), element i of each list before element i+1 of the
    // first, all of the section: a reader's check that a list is whole, at the cost of reading its lines
    // once. False also where the lines hold the elements in another way; nothing is consumed.
    bool Folgen(std::string_view section, std::span<const std::string_view> praefixe, std::size_t von,
                std::size_t anzahl);
    // False when no unread line belongs to the section.
    bool AbschnittOffen(std::string_view section);
    // Calls f(key, wert) with the bytes of every unread line of the section, in file order; nothing is
    // consumed. A section whose name holds a dot is not searched.
    template <class F>
    void JederSchluessel(std::string_view section, F f);

    // Calls f(bytes, windows1252) for every unread line, in file order.
    template <class F>
    void JedeZeile(F f) const;
    std::size_t AnzahlOffen() const { return offen; }

private:
    static constexpr std::uint32_t Keine = UINT32_MAX;
    static constexpr std::uint32_t Zeilen = 64;  // lines per block at most

    struct Block {
        std::uint64_t anfang;  // place of the first line
        std::uint64_t offen;   // bit i: line i unread
        std::uint32_t abschnitt;
        std::uint32_t naechster = Keine;  // next block of the section
        std::uint32_t abschnittLaenge;    // bytes of the section text at the start of each line
        std::uint32_t zeilen = 0;
    };
    struct Abschnitt {
        std::uint64_t hash;
        std::uint64_t name;  // the section text of its first line
        std::uint32_t laenge;
        std::uint32_t ersterBlock;
        std::uint32_t letzterBlock;
        std::uint32_t zeilen = 0;
        std::uint32_t offen = 0;       // unread lines
        std::uint32_t rueckstand = 0;  // unread lines behind the cursor
    };
    // A line: its block, its number in the block and its place.
    struct Ort {
        std::uint32_t block = 0;
        std::uint32_t zeile = 0;
        std::uint64_t pos = 0;
        bool operator<(const Ort& o) const { return block != o.block ? block < o.block : zeile < o.zeile; }
    };
    // The keys of one large section, sorted by hash, in file order within a hash.
    struct Schluesselindex {
        struct Eintrag {
            std::uint32_t hash;
            std::uint32_t block;
            std::uint32_t zeile;
            std::uint64_t pos;
        };
        std::uint32_t abschnitt = Keine;
        std::vector<Eintrag> eintraege;
    };

    bool Windows1252(std::uint64_t pos) const { return datei1252 && pos < dateiEnde; }
    std::uint64_t Zeilenende(std::uint64_t pos) const;
    std::uint64_t NaechsteZeile(std::uint64_t pos) const;
    // The start of the line after the line end at `ende`.
    std::uint64_t NachZeilenende(std::uint64_t ende) const {
        if (ende >= text.size()) return ende;
        return ende + (text[ende] == '\r' && ende + 1 < text.size() && text[ende + 1] == '\n' ? 2 : 1);
    }
    void Einteilen(std::uint64_t von);
    void NeueZeile(std::uint64_t pos, std::uint64_t ende, bool anschluss);
    std::uint32_t AbschnittFuerZeile(std::uint64_t pos, std::uint32_t laenge);
    std::uint32_t AbschnittFuer(std::string_view section);
    // Whether the line under the cursor belongs to that section.
    bool AmCursor(std::string_view section) const;
    // A place of the section table: the section's number in the low half, the high half of its name's hash
    // above it, so that probing past other sections does not visit their records; all ones when free.
    static constexpr std::uint64_t Frei = UINT64_MAX;
    static std::uint64_t Eintrag(std::uint64_t hash, std::uint32_t nr) {
        return (hash & ~std::uint64_t{Keine}) | nr;
    }
    std::uint64_t* Platz(std::uint64_t hash, std::string_view name, bool windows1252);
    std::size_t Heimat(std::uint64_t hash) const { return hash >> verschiebung; }
    std::uint32_t NeuerAbschnitt(std::uint64_t pos, std::uint32_t laenge, std::uint64_t hash);
    void Verzeichnen(std::size_t groesse);
    bool GleicherName(std::uint32_t a, std::uint32_t b) const;
    void Vereinige(std::uint32_t frueher, std::uint32_t spaeter);
    // A lookup: the section found and the key, which is plain ASCII or not.
    struct Anfrage {
        std::uint32_t abschnitt;
        std::string_view key;
        bool ascii;
    };
    std::optional<Anfrage> Frage(std::string_view section, std::string_view key);
    std::optional<std::uint64_t> KeyPasst(const Ort& ort, const Anfrage& anfrage) const;
    Ort Weiter(const Ort& ort, std::uint64_t naechste) const;
    Ort Weiter(const Ort& ort) const;
    std::optional<Ort> Suche(std::uint32_t abschnitt, const Anfrage& anfrage);
    const Schluesselindex& Index(std::uint32_t abschnitt);
    void CursorAufOffen();
    void CursorHinter(const Ort& fund, bool gelesen, std::uint64_t naechste);
    bool Offen(const Ort& ort) const { return (bloecke[ort.block].offen >> ort.zeile) & 1; }

    std::string text;
    std::uint64_t dateiEnde = 0;  // lines after it were appended (UTF-8)
    bool datei1252 = false;
    std::vector<Block> bloecke;
    std::vector<Abschnitt> abschnitte;   // entry 0: lines without a name, never found
    std::vector<std::uint64_t> plaetze;  // open addressing into abschnitte
    int verschiebung = 60;               // the top bits of a hash give its home place
    bool sammeln = false;                // while a file is divided: sections without the table
    std::uint32_t gesammelt = 0;         // the section last collected
    std::size_t offen = 0;
    Ort cursor;
    Ort vorschau;  // where Vorhanden looks first: behind its last find
    std::string letzteSection;
    std::uint32_t letzterAbschnitt = Keine;
    bool letzteGueltig = false;
    std::string punktName;  // a name whose section text holds a dot, split anew
    Schluesselindex index;
};

template <class F>
void Zeilenbestand::JederSchluessel(std::string_view section, F f) {
    if (!AbschnittOffen(section) || section.find('.') != std::string_view::npos) return;
    for (std::uint32_t b = abschnitte[AbschnittFuer(section)].ersterBlock; b != Keine;
         b = bloecke[b].naechster) {
        std::uint64_t pos = bloecke[b].anfang;
        for (std::uint32_t z = 0; z < bloecke[b].zeilen; ++z) {
            const std::uint64_t ende = Zeilenende(pos);
            if ((bloecke[b].offen >> z) & 1) {
                const std::uint64_t anfang = pos + bloecke[b].abschnittLaenge + 1;
                const std::string_view rest = std::string_view(text).substr(anfang, ende - anfang);
                const std::size_t gleich = rest.find('=');
                f(rest.substr(0, gleich),
                  gleich == std::string_view::npos ? std::string_view() : rest.substr(gleich + 1));
            }
            pos = NachZeilenende(ende);
        }
    }
}

template <class F>
void Zeilenbestand::JedeZeile(F f) const {
    for (const Block& b : bloecke) {
        std::uint64_t pos = b.anfang;
        for (std::uint32_t z = 0; z < b.zeilen; ++z) {
            const std::uint64_t ende = Zeilenende(pos);
            if ((b.offen >> z) & 1) f(std::string_view(text).substr(pos, ende - pos), Windows1252(pos));
            pos = NaechsteZeile(pos);
        }
    }
}
