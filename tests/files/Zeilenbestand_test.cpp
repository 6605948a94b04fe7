#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "files/TKDateiTransfer.h"
#include "files/Zeichensatz.h"

// The store against the key-value store taken literally: a list of lines, each read a scan from the top for
// the first line of the name (compared with the case of ASCII letters and Latin-1 capitals folded), a
// non-empty value removing its line. Random files and random mixtures of reads in file order, reads out of
// order, existence checks and writes must give the same values and leave the same lines.

namespace {

std::string Gefaltet(const std::string& text) {
    std::string f = text;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const auto c = static_cast<unsigned char>(f[i]);
        if (c >= 'A' && c <= 'Z') f[i] = static_cast<char>(c + 32);
        if (i > 0 && static_cast<unsigned char>(f[i - 1]) == 0xC3 && c >= 0x80 && c <= 0x9E && c != 0x97)
            f[i] = static_cast<char>(c + 32);
    }
    return f;
}

class Liste {
public:
    explicit Liste(std::vector<std::string> zeilen) : zeilen(std::move(zeilen)) {}

    std::optional<std::string> Nimm(const std::string& name, bool verbrauchen) {
        for (auto it = zeilen.begin(); it != zeilen.end(); ++it) {
            const std::size_t gleich = it->find('=');
            if (gleich == std::string::npos || Gefaltet(it->substr(0, gleich)) != Gefaltet(name)) continue;
            std::string wert = it->substr(gleich + 1);
            if (verbrauchen && !wert.empty()) zeilen.erase(it);
            return wert;
        }
        return std::nullopt;
    }

    std::vector<std::string> zeilen;
};

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::string zeile;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') {
            zeile += text[i];
            continue;
        }
        if (!zeile.empty()) zeilen.push_back(zeile);
        zeile.clear();
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    }
    return zeilen;
}

const std::vector<std::string> Abschnitte{"A",     "a",     "Position_1",    "POSITION_1",
                                          "Größe", "GRÖßE", "DornDaten_1_2", ""};
const std::vector<std::string> Schluessel{"k",    "K", "TWert", "twert", "Deckenstärke1", "DECKENSTÄRKE1",
                                          "x.y z"};

struct Zufall {
    std::mt19937 g;
    std::size_t Ganz(std::size_t n) { return g() % n; }
    bool Wahr(unsigned prozent) { return g() % 100 < prozent; }
    template <class T>
    const T& Eins(const std::vector<T>& werte) {
        return werte[Ganz(werte.size())];
    }
    std::string Name() {
        // Numbered keys, many of one section, make sections of more than one block.
        const std::string key = Wahr(30) ? "TDist_" + std::to_string(Ganz(150)) : Eins(Schluessel);
        return Eins(Abschnitte) + "." + key;
    }
};

// The file as UTF-8 lines and as bytes: Windows-1252 (when every line fits) or UTF-8 with its mark, with
// line ends of every kind, blank lines and lines that have no name.
std::string Datei(Zufall& z, std::vector<std::string>& zeilen) {
    const int anzahl = static_cast<int>(z.Ganz(400));
    std::string abschnitt = z.Eins(Abschnitte);
    for (int i = 0; i < anzahl; ++i) {
        if (z.Wahr(10)) abschnitt = z.Eins(Abschnitte);
        const std::string key = z.Wahr(50) ? "TDist_" + std::to_string(i % 150) : z.Eins(Schluessel);
        const std::vector<std::string> werte{"", "1", "2,5", "Süd=Nord", "x", "ÄÖÜ"};
        std::string zeile = abschnitt + "." + key + "=" + z.Eins(werte);
        if (z.Wahr(3)) zeile = z.Wahr(50) ? "ohne Namen" : abschnitt + "." + key;
        zeilen.push_back(zeile);
    }
    std::string text;
    for (const std::string& zeile : zeilen) {
        if (z.Wahr(5)) text += "\r\n";
        text += zeile + std::vector<std::string>{"\r\n", "\n", "\r"}[z.Ganz(3)];
    }
    const bool utf8 = z.Wahr(30);
    const std::string einzelbyte = Utf8AlsDateiText(text);
    return utf8 || einzelbyte.starts_with(BomUtf8) ? std::string(BomUtf8) + text : einzelbyte;
}

TEST(Zeilenbestand, liestWieDieZeilenlisteInJederReihenfolge) {
    Zufall z{std::mt19937(2024)};
    for (int datei = 0; datei < 100; ++datei) {
        std::vector<std::string> zeilen;
        const std::string bytes = Datei(z, zeilen);
        TKDateiTransfer store;
        store.SetDateiInhalt(bytes);
        Liste liste(Zeilen(DateiTextAlsUtf8(bytes)));
        ASSERT_EQ(store.GetDaten(), liste.zeilen) << datei;
        for (int schritt = 0; schritt < 300; ++schritt) {
            // Mostly the name of the first unread line, as a reader in file order asks.
            std::string name = z.Name();
            if (z.Wahr(70) && !liste.zeilen.empty())
                name = liste.zeilen.front().substr(0, liste.zeilen.front().find('='));
            const std::size_t punkt = name.find('.');
            const std::string section = punkt == std::string::npos ? "" : name.substr(0, punkt);
            const std::string key = punkt == std::string::npos ? name : name.substr(punkt + 1);
            name = section + "." + key;
            if (z.Wahr(10)) {
                ASSERT_EQ(store.Vorhanden(section, key), liste.Nimm(name, false).has_value()) << name;
            } else if (z.Wahr(5)) {
                store.WriteString(section, key, "neu");
                liste.zeilen.push_back(section + "." + key + "=neu");
            } else {
                ASSERT_EQ(store.ReadString(section, key), liste.Nimm(name, true).value_or(""))
                    << datei << " " << name;
            }
        }
        ASSERT_EQ(store.GetDaten(), liste.zeilen) << datei;
        ASSERT_EQ(store.GetAnzahlZeilen(), liste.zeilen.size());
    }
}

// A section of many lines read out of order: the reads find their lines through the section's keys.
TEST(Zeilenbestand, grosserAbschnittRueckwaerts) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "Last.x" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    TKDateiTransfer store;
    store.SetDateiInhalt(text);
    for (int i = 4999; i >= 0; --i) {
        ASSERT_TRUE(store.Vorhanden("LAST", "X" + std::to_string(i)));
        ASSERT_EQ(store.ReadInteger("last", "x" + std::to_string(i), -1), i);
    }
    EXPECT_EQ(store.GetAnzahlZeilen(), 0u);
    EXPECT_FALSE(store.AbschnittOffen("Last"));
}

// Many sections, each of which comes back later in the file in another letter case and out of order, and
// sections added after reading: every read answers from the section's lines in file order, whichever of its
// occurrences they stand in.
TEST(Zeilenbestand, vieleAbschnitteDieWiederkommen) {
    constexpr int Anzahl = 20000;
    std::string text;
    for (int i = 0; i < Anzahl; ++i)
        text += "Position_" + std::to_string(i) + ".k=" + std::to_string(i) + "\n";
    for (int i = Anzahl - 1; i >= 0; i -= 3) {
        text += "POSITION_" + std::to_string(i) + ".K=" + std::to_string(-i) + "\n";
        text += "position_" + std::to_string(i) + ".z=" + std::to_string(2 * i) + "\n";
    }
    TKDateiTransfer store;
    store.SetDateiInhalt(text);
    for (int i = 0; i < Anzahl; ++i) store.WriteInteger("Neu_" + std::to_string(i), "k", i);
    for (int i = 0; i < Anzahl; ++i) {
        const std::string section = "position_" + std::to_string(i);
        const bool wieder = (Anzahl - 1 - i) % 3 == 0;
        ASSERT_EQ(store.ReadInteger(section, "K", 1), i) << i;
        ASSERT_EQ(store.ReadInteger(section, "k", 1), wieder ? -i : 1) << i;
        ASSERT_EQ(store.ReadInteger(section, "Z", -1), wieder ? 2 * i : -1) << i;
        ASSERT_FALSE(store.AbschnittOffen(section)) << i;
        ASSERT_EQ(store.ReadInteger("NEU_" + std::to_string(i), "K", -1), i) << i;
    }
    EXPECT_EQ(store.GetAnzahlZeilen(), 0u);
}

// A list is taken whole at once only where its lines stand as the writer writes them, unread, from the
// line after the count on; anything else is left to the element-by-element check.
struct Folge {
    const char* name;
    std::string zeilen;  // after "L.Anz=2"
    std::vector<std::string_view> praefixe;
    std::size_t von;
    bool erwartet;
};

class Folgen : public ::testing::TestWithParam<Folge> {};

TEST_P(Folgen, nurWieGeschrieben) {
    TKDateiTransfer store;
    store.SetDateiInhalt("L.Anz=2\n" + GetParam().zeilen + "M.x=1\n");
    ASSERT_EQ(store.ReadInteger("L", "Anz", 0), 2);
    const std::vector<std::string_view>& praefixe = GetParam().praefixe;
    EXPECT_EQ(store.Folgen("L", praefixe, GetParam().von, 2), GetParam().erwartet);
    EXPECT_EQ(
        store.GetAnzahlZeilen(),
        static_cast<std::size_t>(std::count(GetParam().zeilen.begin(), GetParam().zeilen.end(), '\n')) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Folgen,
    ::testing::Values(Folge{"eineListe", "L.x_0=1\nL.x_1=2\n", {"x_"}, 0, true},
                      Folge{"abEins", "L.x1=1\nL.x2=2\n", {"x"}, 1, true},
                      Folge{"zweiVerschraenkt", "L.a0=1\nL.b0=2\nL.a1=3\nL.b1=4\n", {"a", "b"}, 0, true},
                      Folge{"andereReihenfolge", "L.a0=1\nL.a1=3\nL.b0=2\nL.b1=4\n", {"a", "b"}, 0, false},
                      Folge{"luecke", "L.x_0=1\nL.x_2=2\n", {"x_"}, 0, false},
                      Folge{"fuehrendeNull", "L.x_0=1\nL.x_01=2\n", {"x_"}, 0, false},
                      Folge{"laengererSchluessel", "L.x_0=1\nL.x_10=2\n", {"x_"}, 0, false},
                      Folge{"andereSchreibung", "L.x_0=1\nL.X_1=2\n", {"x_"}, 0, false},
                      Folge{"andererAbschnitt", "L.x_0=1\nK.x_1=2\n", {"x_"}, 0, false},
                      Folge{"ohneGleich", "L.x_0=1\nL.x_1\n", {"x_"}, 0, false},
                      Folge{"umlautImPraefix", "L.\xC3\xA4_0=1\nL.\xC3\xA4_1=2\n", {"\xC3\xA4_"}, 0, false},
                      Folge{"praefixMitGleich", "L.x=0=1\nL.x=1=2\n", {"x="}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
