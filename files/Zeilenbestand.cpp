#include "files/Zeilenbestand.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <numeric>

#include "files/Zeichensatz.h"

namespace {

// Reads a text character by character in its encoding. A byte that starts no well-formed UTF-8 sequence
// stands for itself, as a value no character has.
class Zeichenleser {
public:
    Zeichenleser(std::string_view text, bool windows1252) : text(text), windows1252(windows1252) {}
    bool Ende() const { return text.empty(); }
    char32_t Naechstes() {
        const auto byte = static_cast<unsigned char>(text[0]);
        if (byte < 0x80 || windows1252) {
            text.remove_prefix(1);
            return windows1252 ? Windows1252Zeichen(byte) : byte;
        }
        const Utf8Zeichen z = LeseUtf8Zeichen(text);
        text.remove_prefix(std::max<std::size_t>(z.laenge, 1));
        return z.laenge > 0 ? z.zeichen : 0x110000 + byte;
    }
    std::string_view Rest() const { return text; }

private:
    std::string_view text;
    bool windows1252;
};

// Names compare without regard to the case of ASCII letters and the Latin-1 capitals (which covers the
// umlauts of the bill-of-quantities keys).
char32_t Gefaltet(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    return c;
}

// FNV-1a over the folded characters, with a final mix: FNV's low bits alone cluster for names that differ
// only in a digit.
std::uint64_t Hash(std::string_view text, bool windows1252) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (Zeichenleser l(text, windows1252); !l.Ende();) h = (h ^ Gefaltet(l.Naechstes())) * 0x100000001B3ULL;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 33);
}

bool NurAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool GleichGefaltet(std::string_view a, bool a1252, std::string_view b, bool b1252) {
    if (a == b && (a1252 == b1252 || NurAscii(a))) return true;
    Zeichenleser x(a, a1252);
    Zeichenleser y(b, b1252);
    while (!x.Ende() && !y.Ende())
        if (Gefaltet(x.Naechstes()) != Gefaltet(y.Naechstes())) return false;
    return x.Ende() && y.Ende();
}

bool Zeilenumbruch(char c) {
    return c == '\r' || c == '\n';
}

// Eight bytes at a time: the high bit of each byte of the result marks a byte equal to `c`, exactly from the
// lowest marked byte on (a borrow can mark bytes only above a true match).
constexpr std::uint64_t Einsen = 0x0101010101010101ULL;
constexpr std::uint64_t Hochbits = 0x8080808080808080ULL;
std::uint64_t Gleiche(std::uint64_t wort, char c) {
    const std::uint64_t v = wort ^ (Einsen * static_cast<unsigned char>(c));
    return (v - Einsen) & ~v & Hochbits;
}
std::uint64_t Wort(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}
constexpr bool Wortweise = std::endian::native == std::endian::little;

}  // namespace

std::uint64_t Zeilenbestand::Zeilenende(std::uint64_t pos) const {
    const char* t = text.data();
    const std::uint64_t n = text.size();
    if constexpr (Wortweise) {
        for (; pos + 8 <= n; pos += 8) {
            const std::uint64_t w = Wort(t + pos);
            if (const std::uint64_t treffer = Gleiche(w, '\r') | Gleiche(w, '\n'))
                return pos + static_cast<std::uint64_t>(std::countr_zero(treffer)) / 8;
        }
    }
    while (pos < n && !Zeilenumbruch(t[pos])) ++pos;
    return pos;
}

std::uint64_t Zeilenbestand::NaechsteZeile(std::uint64_t pos) const {
    return NachZeilenende(Zeilenende(pos));
}

bool Zeilenbestand::Laden(std::string bytes, std::size_t hoechstensBloecke) {
    const std::string_view b(bytes);
    std::uint64_t anfang = 0;
    datei1252 = false;
    if (b.starts_with(BomUtf8) && IstUtf8(b.substr(BomUtf8.size()))) {
        text = std::move(bytes);
        anfang = BomUtf8.size();
    } else if (b.starts_with(BomUtf8) || b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF")) {
        text = DateiTextAlsUtf8(b);
    } else {
        text = std::move(bytes);
        datei1252 = true;
    }
    dateiEnde = text.size();
    bloecke.clear();
    abschnitte.assign(1, Abschnitt{0, 0, 0, Keine, Keine});
    plaetze.assign(16, Frei);
    verschiebung = 60;
    gesammelt = 0;
    offen = 0;
    letzteGueltig = false;
    index = {};
    sammeln = true;
    Einteilen(anfang);
    sammeln = false;
    if (bloecke.size() > hoechstensBloecke) return false;
    Verzeichnen(std::bit_ceil(std::max<std::size_t>(16, 2 * abschnitte.size())));
    cursor = {0, 0, bloecke.empty() ? 0 : bloecke[0].anfang};
    CursorAufOffen();
    vorschau = cursor;
    return true;
}

// Lines end at CR LF, a lone CR or a lone LF. The next LF is kept until passed and CR is searched only up
// to it, so both searches run at memchr speed, also in a file with lone CRs only. A blank line ends a
// block.
void Zeilenbestand::Einteilen(std::uint64_t von) {
    const char* t = text.data();
    const std::uint64_t n = text.size();
    const auto suche = [&](char c, std::uint64_t ab, std::uint64_t bis) {
        const void* p = bis > ab ? std::memchr(t + ab, c, bis - ab) : nullptr;
        return p ? static_cast<std::uint64_t>(static_cast<const char*>(p) - t) : bis;
    };
    std::uint64_t lf = suche('\n', von, n);
    bool anschluss = false;
    for (std::uint64_t pos = von; pos < n;) {
        if (lf < pos) lf = suche('\n', pos, n);
        const std::uint64_t ende = suche('\r', pos, lf);
        if (ende > pos) {
            NeueZeile(pos, ende, anschluss);
            anschluss = true;
        } else {
            anschluss = false;  // a blank line
        }
        pos = ende + (ende + 1 < n && t[ende] == '\r' && t[ende + 1] == '\n' ? 2 : 1);
    }
}

// A line joins the last block when it follows it directly, in the same part of the text (file or appended),
// and starts with the block's section text and a dot; otherwise it opens a block of its section.
void Zeilenbestand::NeueZeile(std::uint64_t pos, std::uint64_t ende, bool anschluss) {
    const char* zeile = text.data() + pos;
    const std::uint64_t laenge = ende - pos;
    const auto erstes = [&](char c, std::uint64_t bis) {
        return static_cast<const char*>(std::memchr(zeile, c, bis));
    };
    if (anschluss && !bloecke.empty()) {
        Block& b = bloecke.back();
        const bool gleicherTeil = (b.anfang < dateiEnde) == (pos < dateiEnde);
        const std::uint32_t sl = b.abschnittLaenge;
        // A line of the section without "=" joins it too: it has no name, so no key ever matches it.
        bool gleicherAbschnitt = false;
        if (b.abschnitt != 0) {
            gleicherAbschnitt =
                laenge > sl && zeile[sl] == '.' && std::memcmp(zeile, text.data() + b.anfang, sl) == 0;
        } else {
            const char* g = erstes('=', laenge);
            gleicherAbschnitt = !g || !erstes('.', static_cast<std::uint64_t>(g - zeile));
        }
        if (gleicherTeil && gleicherAbschnitt && b.zeilen < Zeilen) {
            b.offen |= std::uint64_t{1} << b.zeilen;
            ++b.zeilen;
            ++abschnitte[b.abschnitt].zeilen;
            ++abschnitte[b.abschnitt].offen;
            ++offen;
            if (b.abschnitt == index.abschnitt) index = {};
            return;
        }
    }
    const char* gleich = erstes('=', laenge);
    const char* punkt = gleich ? erstes('.', static_cast<std::uint64_t>(gleich - zeile)) : nullptr;
    const auto sl = static_cast<std::uint32_t>(punkt ? punkt - zeile : 0);
    const std::uint32_t a = punkt ? AbschnittFuerZeile(pos, sl) : 0;
    const auto nr = static_cast<std::uint32_t>(bloecke.size());
    bloecke.push_back({pos, 1, a, Keine, sl, 1});
    Abschnitt& abschnitt = abschnitte[a];
    if (abschnitt.letzterBlock == Keine)
        abschnitt.ersterBlock = nr;
    else
        bloecke[abschnitt.letzterBlock].naechster = nr;
    abschnitt.letzterBlock = nr;
    ++abschnitt.zeilen;
    ++abschnitt.offen;
    ++offen;
    if (a == index.abschnitt) index = {};
}

// Linear probing from the hash's home place to the place of the section or the first free one.
std::uint64_t* Zeilenbestand::Platz(std::uint64_t hash, std::string_view name, bool windows1252) {
    const std::size_t maske = plaetze.size() - 1;
    const std::uint64_t marke = Eintrag(hash, 0);
    for (std::size_t i = Heimat(hash);; i = (i + 1) & maske) {
        std::uint64_t& p = plaetze[i];
        if (p == Frei) return &p;
        if (Eintrag(p, 0) != marke) continue;
        const Abschnitt& a = abschnitte[static_cast<std::uint32_t>(p)];
        if (a.hash == hash && GleichGefaltet(std::string_view(text).substr(a.name, a.laenge),
                                             Windows1252(a.name), name, windows1252))
            return &p;
    }
}

// While a file is divided, a section goes on as long as its lines follow each other; whether a name came
// before is left to the table built afterwards. Probing the table for every new section would visit memory
// at random, once per section of a large file.
std::uint32_t Zeilenbestand::AbschnittFuerZeile(std::uint64_t pos, std::uint32_t laenge) {
    const std::string_view name = std::string_view(text).substr(pos, laenge);
    if (sammeln) {
        const Abschnitt& letzter = abschnitte[gesammelt];
        if (gesammelt == 0 || letzter.laenge != laenge ||
            std::memcmp(text.data() + letzter.name, name.data(), laenge) != 0)
            gesammelt = NeuerAbschnitt(pos, laenge, Hash(name, Windows1252(pos)));
        return gesammelt;
    }
    if (2 * (abschnitte.size() + 1) > plaetze.size()) Verzeichnen(2 * plaetze.size());
    const std::uint64_t hash = Hash(name, Windows1252(pos));
    std::uint64_t* p = Platz(hash, name, Windows1252(pos));
    if (*p != Frei) return static_cast<std::uint32_t>(*p);
    const std::uint32_t nr = NeuerAbschnitt(pos, laenge, hash);
    *p = Eintrag(hash, nr);
    return nr;
}

std::uint32_t Zeilenbestand::NeuerAbschnitt(std::uint64_t pos, std::uint32_t laenge, std::uint64_t hash) {
    const auto nr = static_cast<std::uint32_t>(abschnitte.size());
    abschnitte.push_back({hash, pos, laenge, Keine, Keine});
    letzteGueltig = false;
    return nr;
}

// The table is filled in the order of the home places: the sections are first sorted by the top bits of
// their hashes (a counting sort into 2,048 runs, which keeps file order within a run), so that its memory is
// written from front to back. A section whose name comes back joins its first occurrence.
void Zeilenbestand::Verzeichnen(std::size_t groesse) {
    plaetze.assign(groesse, Frei);
    verschiebung = 64 - std::countr_zero(groesse);
    const int fachBits = std::min(11, std::countr_zero(groesse));
    const auto fach = [&](std::uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - fachBits)); };
    std::vector<std::uint32_t> grenzen((std::size_t{1} << fachBits) + 1, 0);
    // A section without blocks has joined another one.
    for (std::size_t i = 1; i < abschnitte.size(); ++i)
        if (abschnitte[i].ersterBlock != Keine) ++grenzen[fach(abschnitte[i].hash) + 1];
    std::partial_sum(grenzen.begin(), grenzen.end(), grenzen.begin());
    // The place and the mark of an entry need only the hash's upper half.
    struct Neu {
        std::uint32_t oben;
        std::uint32_t nr;
    };
    std::vector<Neu> folge(grenzen.back());
    for (std::size_t i = 1; i < abschnitte.size(); ++i)
        if (abschnitte[i].ersterBlock != Keine)
            folge[grenzen[fach(abschnitte[i].hash)]++] = {
                static_cast<std::uint32_t>(abschnitte[i].hash >> 32), static_cast<std::uint32_t>(i)};
    const std::size_t maske = groesse - 1;
    for (const auto [oben, nr] : folge) {
        const std::uint64_t hash = std::uint64_t{oben} << 32;
        for (std::size_t i = Heimat(hash);; i = (i + 1) & maske) {
            const std::uint64_t p = plaetze[i];
            if (p == Frei) {
                plaetze[i] = Eintrag(hash, nr);
                break;
            }
            if (Eintrag(p, 0) == Eintrag(hash, 0) && GleicherName(static_cast<std::uint32_t>(p), nr)) {
                Vereinige(static_cast<std::uint32_t>(p), nr);
                break;
            }
        }
    }
    letzteGueltig = false;
}

bool Zeilenbestand::GleicherName(std::uint32_t a, std::uint32_t b) const {
    const Abschnitt& x = abschnitte[a];
    const Abschnitt& y = abschnitte[b];
    return x.hash == y.hash &&
           GleichGefaltet(std::string_view(text).substr(x.name, x.laenge), Windows1252(x.name),
                          std::string_view(text).substr(y.name, y.laenge), Windows1252(y.name));
}

// The later section's blocks follow the earlier one's, all of which stand before them in the file.
void Zeilenbestand::Vereinige(std::uint32_t frueher, std::uint32_t spaeter) {
    Abschnitt& ziel = abschnitte[frueher];
    Abschnitt& quelle = abschnitte[spaeter];
    for (std::uint32_t b = quelle.ersterBlock; b != Keine; b = bloecke[b].naechster)
        bloecke[b].abschnitt = frueher;
    bloecke[ziel.letzterBlock].naechster = quelle.ersterBlock;
    ziel.letzterBlock = quelle.letzterBlock;
    ziel.zeilen += quelle.zeilen;
    ziel.offen += quelle.offen;
    ziel.rueckstand += quelle.rueckstand;
    quelle = Abschnitt{quelle.hash, quelle.name, quelle.laenge, Keine, Keine};
}

// The last section asked for is kept, found or not, as readers ask for many keys of one section in a row.
// A reader moving on to the next section mostly finds it under the cursor; the section table, whose places
// lie scattered over memory in a large file, is searched only when the cursor's line is of another one.
std::uint32_t Zeilenbestand::AbschnittFuer(std::string_view section) {
    if (letzteGueltig && section == letzteSection) return letzterAbschnitt;
    letzterAbschnitt = AmCursor(section)
                           ? bloecke[cursor.block].abschnitt
                           : static_cast<std::uint32_t>(*Platz(Hash(section, false), section, false));
    letzteSection.assign(section);
    letzteGueltig = true;
    return letzterAbschnitt;
}

bool Zeilenbestand::AmCursor(std::string_view section) const {
    if (cursor.block >= bloecke.size()) return false;
    const Block& b = bloecke[cursor.block];
    return b.abschnitt != 0 && GleichGefaltet(std::string_view(text).substr(b.anfang, b.abschnittLaenge),
                                              Windows1252(b.anfang), section, false);
}

// Where the key of the line ends (at its "="), when the line has the key asked for. The bytes are compared
// first; only where they differ, or where a file's Windows-1252 bytes meet a key beyond ASCII, character by
// character without regard to case.
std::optional<std::uint64_t> Zeilenbestand::KeyPasst(const Ort& ort, const Anfrage& anfrage) const {
    const std::string_view key = anfrage.key;
    const std::uint64_t anfang = ort.pos + bloecke[ort.block].abschnittLaenge + 1;
    const std::uint64_t ende = anfang + key.size();
    const bool w = Windows1252(ort.pos);
    if (ende < text.size() && text[ende] == '=' && (!w || anfrage.ascii) &&
        std::memcmp(text.data() + anfang, key.data(), key.size()) == 0)
        return ende;
    Zeichenleser zeile(std::string_view(text).substr(anfang), w);
    for (Zeichenleser k(key, false); !k.Ende();) {
        if (zeile.Ende() || zeile.Rest()[0] == '=' || Zeilenumbruch(zeile.Rest()[0])) return std::nullopt;
        if (Gefaltet(zeile.Naechstes()) != Gefaltet(k.Naechstes())) return std::nullopt;
    }
    if (zeile.Ende() || zeile.Rest()[0] != '=') return std::nullopt;
    return text.size() - zeile.Rest().size();
}

// The line after `ort`, whose place is `naechste` when it is in the same block.
Zeilenbestand::Ort Zeilenbestand::Weiter(const Ort& ort, std::uint64_t naechste) const {
    if (ort.block >= bloecke.size()) return ort;
    if (ort.zeile + 1 < bloecke[ort.block].zeilen) return {ort.block, ort.zeile + 1, naechste};
    if (ort.block + 1 < bloecke.size()) return {ort.block + 1, 0, bloecke[ort.block + 1].anfang};
    return {static_cast<std::uint32_t>(bloecke.size()), 0, text.size()};
}

Zeilenbestand::Ort Zeilenbestand::Weiter(const Ort& ort) const {
    return Weiter(ort, ort.block < bloecke.size() ? NaechsteZeile(ort.pos) : text.size());
}

// The first unread line of the section with the key: through the blocks of a small section, through the
// key index of a large one.
std::optional<Zeilenbestand::Ort> Zeilenbestand::Suche(std::uint32_t abschnitt, const Anfrage& anfrage) {
    const Abschnitt& a = abschnitte[abschnitt];
    if (a.offen == 0) return std::nullopt;
    if (a.zeilen > Zeilen) {
        const Schluesselindex& idx = Index(abschnitt);
        const auto hash = static_cast<std::uint32_t>(Hash(anfrage.key, false));
        auto it =
            std::lower_bound(idx.eintraege.begin(), idx.eintraege.end(), hash,
                             [](const Schluesselindex::Eintrag& e, std::uint32_t h) { return e.hash < h; });
        for (; it != idx.eintraege.end() && it->hash == hash; ++it) {
            const Ort ort{it->block, it->zeile, it->pos};
            if (Offen(ort) && KeyPasst(ort, anfrage)) return ort;
        }
        return std::nullopt;
    }
    for (std::uint32_t b = a.ersterBlock; b != Keine; b = bloecke[b].naechster) {
        Ort ort{b, 0, bloecke[b].anfang};
        for (; ort.zeile < bloecke[b].zeilen && (bloecke[b].offen >> ort.zeile) != 0; ++ort.zeile) {
            if (Offen(ort) && KeyPasst(ort, anfrage)) return ort;
            ort.pos = NaechsteZeile(ort.pos);
        }
    }
    return std::nullopt;
}

const Zeilenbestand::Schluesselindex& Zeilenbestand::Index(std::uint32_t abschnitt) {
    if (index.abschnitt == abschnitt) return index;
    index = {abschnitt, {}};
    index.eintraege.reserve(abschnitte[abschnitt].zeilen);
    for (std::uint32_t b = abschnitte[abschnitt].ersterBlock; b != Keine; b = bloecke[b].naechster) {
        std::uint64_t pos = bloecke[b].anfang;
        for (std::uint32_t z = 0; z < bloecke[b].zeilen; ++z) {
            const std::uint64_t anfang = pos + bloecke[b].abschnittLaenge + 1;
            const std::uint64_t ende = Zeilenende(pos);
            const std::string_view rest = std::string_view(text).substr(anfang, ende - anfang);
            const auto hash =
                static_cast<std::uint32_t>(Hash(rest.substr(0, rest.find('=')), Windows1252(pos)));
            index.eintraege.push_back({hash, b, z, pos});
            pos = NachZeilenende(ende);
        }
    }
    std::stable_sort(
        index.eintraege.begin(), index.eintraege.end(),
        [](const Schluesselindex::Eintrag& x, const Schluesselindex::Eintrag& y) { return x.hash < y.hash; });
    return index;
}

// Lines without a name can never be read; the cursor passes them like read ones.
void Zeilenbestand::CursorAufOffen() {
    while (cursor.block < bloecke.size()) {
        const Block& b = bloecke[cursor.block];
        if (cursor.zeile >= b.zeilen || b.abschnitt == 0 || (b.offen >> cursor.zeile) == 0) {
            const std::uint32_t naechster = cursor.block + 1;
            cursor = {naechster, 0, naechster < bloecke.size() ? bloecke[naechster].anfang : text.size()};
            continue;
        }
        if (Offen(cursor)) return;
        cursor = Weiter(cursor);
    }
}

// The cursor moves on behind a line found at or after it (the next line starts at `naechste`); the unread
// lines it passes are counted as left behind in their sections, and so is the line found when it stays
// unread.
void Zeilenbestand::CursorHinter(const Ort& fund, bool gelesen, std::uint64_t naechste) {
    for (std::uint32_t b = cursor.block; cursor < fund && b <= fund.block; ++b) {
        std::uint64_t maske = bloecke[b].offen;
        if (b == cursor.block) maske &= ~((std::uint64_t{1} << cursor.zeile) - 1);
        if (b == fund.block) maske &= (std::uint64_t{1} << fund.zeile) - 1;
        if (maske != 0)
            abschnitte[bloecke[b].abschnitt].rueckstand += static_cast<std::uint32_t>(std::popcount(maske));
    }
    if (!gelesen) ++abschnitte[bloecke[fund.block].abschnitt].rueckstand;
    cursor = Weiter(fund, naechste);
    CursorAufOffen();
}

// A name is split at its first dot, whatever the caller took for section and key; no name holds "=" or a
// line break, so a key with one of them is never found.
std::optional<Zeilenbestand::Anfrage> Zeilenbestand::Frage(std::string_view section, std::string_view key) {
    std::uint64_t ungueltig = 0;
    std::uint64_t bits = 0;
    std::size_t i = 0;
    if constexpr (Wortweise) {
        const auto pruefe = [&](std::uint64_t w) {
            ungueltig |= Gleiche(w, '=') | Gleiche(w, '\r') | Gleiche(w, '\n');
            bits |= w;
        };
        for (; i + 8 <= key.size(); i += 8) pruefe(Wort(key.data() + i));
        // The rest as one word: the key's last eight bytes again, or a short key padded with zeros, which
        // match none of the three.
        if (i < key.size() && key.size() >= 8) {
            pruefe(Wort(key.data() + key.size() - 8));
        } else if (i < key.size()) {
            std::uint64_t w = 0;
            std::memcpy(&w, key.data(), key.size());
            pruefe(w);
        }
        i = key.size();
    }
    for (; i < key.size(); ++i) {
        const char c = key[i];
        ungueltig |= c == '=' || c == '\r' || c == '\n';
        bits |= static_cast<unsigned char>(c);
    }
    if (ungueltig) return std::nullopt;
    std::uint32_t a = Keine;
    if (letzteGueltig && section == letzteSection) {
        a = letzterAbschnitt;
    } else if (section.find('.') == std::string_view::npos) {
        a = AbschnittFuer(section);
    } else {
        punktName.assign(section).append(1, '.').append(key);
        const std::size_t punkt = punktName.find('.');
        return Frage(std::string_view(punktName).substr(0, punkt),
                     std::string_view(punktName).substr(punkt + 1));
    }
    if (a == Keine) return std::nullopt;
    return Anfrage{a, key, (bits & Hochbits) == 0};
}

std::optional<Zeilenbestand::Wert> Zeilenbestand::Nimm(std::string_view section, std::string_view key) {
    const std::optional<Anfrage> anfrage = Frage(section, key);
    if (!anfrage) return std::nullopt;
    const std::uint32_t a = anfrage->abschnitt;
    Ort fund = cursor;
    std::optional<std::uint64_t> gleich;
    if (cursor.block < bloecke.size() && bloecke[cursor.block].abschnitt == a &&
        abschnitte[a].rueckstand == 0)
        gleich = KeyPasst(cursor, *anfrage);
    if (!gleich) {
        const std::optional<Ort> gefunden = Suche(a, *anfrage);
        if (!gefunden) return std::nullopt;
        fund = *gefunden;
        gleich = KeyPasst(fund, *anfrage);
    }
    const std::uint64_t wertAnfang = *gleich + 1;
    const std::uint64_t wertEnde = Zeilenende(wertAnfang);
    const Wert wert{std::string_view(text).substr(wertAnfang, wertEnde - wertAnfang), Windows1252(fund.pos)};
    const bool gelesen = !wert.bytes.empty();
    const bool dahinter = fund < cursor;
    if (gelesen) {
        bloecke[fund.block].offen &= ~(std::uint64_t{1} << fund.zeile);
        --abschnitte[a].offen;
        --offen;
        if (dahinter) --abschnitte[a].rueckstand;
    }
    if (!dahinter) CursorHinter(fund, gelesen, NachZeilenende(wertEnde));
    vorschau = cursor;
    return wert;
}

// The keys are compared byte for byte, which finds the writer's lines; a prefix beyond ASCII, which a
// Windows-1252 line could match in its bytes but not in its characters, or one holding a character no name
// can hold, gives false, as does a section with a dot.
bool Zeilenbestand::Folgen(std::string_view section, std::span<const std::string_view> praefixe,
                           std::size_t von, std::size_t anzahl) {
    const auto ungeeignet = [](std::string_view p) {
        return std::any_of(p.begin(), p.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80 || c == '=' || c == '\r' || c == '\n';
        });
    };
    if (praefixe.empty() || section.find('.') != std::string_view::npos ||
        std::any_of(praefixe.begin(), praefixe.end(), ungeeignet))
        return false;
    const std::uint32_t a = AbschnittFuer(section);
    Ort ort = cursor;
    char ziffern[24];
    for (std::size_t i = von; i < von + anzahl; ++i) {
        const std::string_view nummer(
            ziffern,
            static_cast<std::size_t>(std::to_chars(ziffern, ziffern + sizeof ziffern, i).ptr - ziffern));
        for (const std::string_view praefix : praefixe) {
            if (ort.block >= bloecke.size() || bloecke[ort.block].abschnitt != a || !Offen(ort)) return false;
            const std::uint64_t anfang = ort.pos + bloecke[ort.block].abschnittLaenge + 1;
            const std::uint64_t gleich = anfang + praefix.size() + nummer.size();
            if (gleich >= text.size() || text[gleich] != '=' ||
                std::memcmp(text.data() + anfang, praefix.data(), praefix.size()) != 0 ||
                std::memcmp(text.data() + anfang + praefix.size(), nummer.data(), nummer.size()) != 0)
                return false;
            ort = Weiter(ort, NaechsteZeile(gleich));
        }
    }
    return true;
}

// A section with a dot would take keys from the name's first dot on; it is left to the lookup.
bool Zeilenbestand::AbschnittOffen(std::string_view section) {
    if (offen == 0) return false;
    if (section.find('.') != std::string_view::npos) return true;
    const std::uint32_t a = AbschnittFuer(section);
    return a != Keine && abschnitte[a].offen > 0;
}

// Lists are checked for their elements before they are read: the next element usually stands right behind
// the one found before, or one line further.
bool Zeilenbestand::Vorhanden(std::string_view section, std::string_view key) {
    const std::optional<Anfrage> anfrage = Frage(section, key);
    if (!anfrage || abschnitte[anfrage->abschnitt].offen == 0) return false;
    Ort ort = vorschau;
    for (int i = 0; i < 2 && ort.block < bloecke.size(); ++i, ort = Weiter(ort)) {
        if (bloecke[ort.block].abschnitt != anfrage->abschnitt || !Offen(ort)) continue;
        if (const std::optional<std::uint64_t> gleich = KeyPasst(ort, *anfrage)) {
            vorschau = Weiter(ort, NaechsteZeile(*gleich));
            return true;
        }
    }
    const std::optional<Ort> fund = Suche(anfrage->abschnitt, *anfrage);
    if (fund) vorschau = Weiter(*fund);
    return fund.has_value();
}

void Zeilenbestand::Anhaengen(std::string_view section, std::string_view key, std::string_view wert) {
    if (!text.empty() && !Zeilenumbruch(text.back())) text += '\n';
    const bool amEnde = cursor.block >= bloecke.size();
    const std::uint64_t pos = text.size();
    text.append(section).append(1, '.').append(key).append(1, '=').append(wert);
    const std::uint64_t ende = text.size();
    text += '\n';
    // Appended lines follow each other directly; a block of the file's lines never takes one of them.
    NeueZeile(pos, ende, true);
    if (amEnde) {
        const Block& b = bloecke.back();
        cursor = {static_cast<std::uint32_t>(bloecke.size() - 1), b.zeilen - 1, pos};
        vorschau = cursor;
    }
}
