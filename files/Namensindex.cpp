#include "files/Namensindex.h"

#include <algorithm>
#include <bit>

namespace {

// Case folding of names: ASCII letters and the Latin-1 capitals (UTF-8 C3 80 to C3 9E without the
// multiplication sign), which covers the umlauts of the bill-of-quantities keys. `vorher` is the byte before.
unsigned char Gefaltet(unsigned char c, unsigned char vorher) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (vorher == 0xC3 && c >= 0x80 && c <= 0x9E && c != 0x97) return static_cast<unsigned char>(c + 32);
    return c;
}

// FNV-1a over the folded bytes of one or more pieces of a name.
class Hash {
public:
    Hash& operator<<(std::string_view teil) {
        for (const char zeichen : teil) {
            const auto c = static_cast<unsigned char>(zeichen);
            wert = (wert ^ Gefaltet(c, vorher)) * 0x100000001B3ULL;
            vorher = c;
        }
        return *this;
    }
    // FNV's low bits alone cluster for names that differ only in a digit; the final mix spreads them.
    std::uint64_t Wert() const {
        std::uint64_t h = wert ^ (wert >> 33);
        h *= 0xFF51AFD7ED558CCDULL;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ULL;
        return h ^ (h >> 33);
    }

private:
    std::uint64_t wert = 0xCBF29CE484222325ULL;
    unsigned char vorher = 0;
};

// Compares the folded bytes of `name` with those of the pieces, which together must be as long as `name`.
class Vergleich {
public:
    explicit Vergleich(std::string_view name) : name(name) {}
    bool Teil(std::string_view teil) {
        for (const char zeichen : teil) {
            const auto a = static_cast<unsigned char>(name[pos]);
            const auto b = static_cast<unsigned char>(zeichen);
            if (Gefaltet(a, vorherA) != Gefaltet(b, vorherB)) return false;
            vorherA = a;
            vorherB = b;
            ++pos;
        }
        return true;
    }

private:
    std::string_view name;
    std::size_t pos = 0;
    unsigned char vorherA = 0;
    unsigned char vorherB = 0;
};

std::size_t Laengenbit(std::size_t laenge, std::size_t bits) {
    return std::min(laenge, bits - 1);
}

}  // namespace

void Namensindex::Leeren() {
    eintraege.clear();
    plaetze.clear();
    naechster = 0;
    laengen.reset();
}

// At most half the slots are used, so probe sequences stay short.
void Namensindex::Reservieren(std::size_t namen) {
    eintraege.reserve(namen);
    if (plaetze.size() >= 2 * namen) return;
    plaetze.assign(std::bit_ceil(std::max<std::size_t>(2 * namen, 16)), Keine);
    for (std::uint32_t i = 0; i < eintraege.size(); ++i)
        Platz(eintraege[i].hash, [](std::uint32_t) { return false; }) = i;
}

void Namensindex::Vergroessern() {
    Reservieren(std::max<std::size_t>(plaetze.size(), 8));
}

// Linear probing from the hash's slot to the slot of the name or the first free one.
template <class Gleich>
std::uint32_t& Namensindex::Platz(std::uint64_t hash, Gleich gleich) {
    const std::size_t maske = plaetze.size() - 1;
    for (std::size_t i = hash & maske;; i = (i + 1) & maske) {
        std::uint32_t& p = plaetze[i];
        if (p == Keine || (eintraege[p].hash == hash && gleich(p))) return p;
    }
}

std::uint64_t Namensindex::Vormerken(std::string_view name) const {
    const std::uint64_t hash = (Hash() << name).Wert();
    if (!plaetze.empty()) __builtin_prefetch(&plaetze[hash & (plaetze.size() - 1)]);
    return hash;
}

Namensindex::Kette& Namensindex::Eintragen(std::string_view text, std::size_t anfang, std::uint32_t laenge,
                                           std::uint64_t hash) {
    if (2 * (eintraege.size() + 1) > plaetze.size()) Vergroessern();
    const std::string_view name = text.substr(anfang, laenge);
    std::uint32_t& p = Platz(hash, [&](std::uint32_t e) {
        const Eintrag& q = eintraege[e];
        return q.laenge == laenge && Vergleich(text.substr(q.anfang, laenge)).Teil(name);
    });
    if (p == Keine) {
        p = static_cast<std::uint32_t>(eintraege.size());
        eintraege.push_back({hash, anfang, laenge, {}});
        laengen.set(Laengenbit(laenge, laengen.size()));
    }
    return eintraege[p].kette;
}

Namensindex::Kette* Namensindex::Finden(std::string_view text, std::string_view section,
                                        std::string_view key) {
    const std::size_t laenge = section.size() + 1 + key.size();
    if (plaetze.empty() || !laengen.test(Laengenbit(laenge, laengen.size()))) return nullptr;
    const std::uint64_t hash = (Hash() << section << "." << key).Wert();
    const auto gleich = [&](std::uint32_t e) {
        const Eintrag& q = eintraege[e];
        Vergleich v{text.substr(q.anfang, q.laenge)};
        return q.hash == hash && q.laenge == laenge && v.Teil(section) && v.Teil(".") && v.Teil(key);
    };
    if (naechster < eintraege.size() && gleich(static_cast<std::uint32_t>(naechster)))
        return &eintraege[naechster++].kette;
    const std::uint32_t e = Platz(hash, gleich);
    if (e == Keine) return nullptr;
    naechster = e + 1;
    return &eintraege[e].kette;
}
