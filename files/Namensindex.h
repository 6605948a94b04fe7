#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

// Index of the entry names of a line list ("Section.Key=Value"): for each name, compared without regard to
// letter case, a chain of line numbers. It keeps no copies of the names (an entry refers to the place of
// its name in the store's text), so building and looking up allocate nothing per line. Entries are stored in
// the order of their first line; since readers ask for names in roughly the order they were written, a lookup
// first tries the entry after the previous hit and so walks the entries like the file, touching the hash
// table only when the order differs.
class Namensindex {
public:
    static constexpr std::uint32_t Keine = UINT32_MAX;
    struct Kette {
        std::uint32_t erste = Keine;
        std::uint32_t letzte = Keine;
    };

    void Leeren();
    void Reservieren(std::size_t namen);
    // The hash of a name, with its slot fetched into the cache ahead of an Eintragen.
    std::uint64_t Vormerken(std::string_view name) const;
    // The chain of the name at text[anfang, anfang + laenge) (hash from Vormerken), created when new.
    Kette& Eintragen(std::string_view text, std::size_t anfang, std::uint32_t laenge, std::uint64_t hash);
    // The chain of the name "section.key", or nullptr.
    Kette* Finden(std::string_view text, std::string_view section, std::string_view key);

private:
    struct Eintrag {
        std::uint64_t hash;
        std::size_t anfang;    // place of the name in the text
        std::uint32_t laenge;  // length of the name
        Kette kette;
    };

    template <class Gleich>
    std::uint32_t& Platz(std::uint64_t hash, Gleich gleich);
    void Vergroessern();

    std::vector<Eintrag> eintraege;
    std::vector<std::uint32_t> plaetze;  // open addressing into eintraege; Keine marks a free slot
    std::size_t naechster = 0;           // entry after the last one found
    // The name lengths that occur (the last bit for all from its length on): a file that leaves out most
    // keys, as one with inputs only does, answers most lookups without hashing a name.
    std::bitset<128> laengen;
};
