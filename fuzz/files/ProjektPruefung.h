#pragma once

// What must hold for any bytes read as a project file. The fuzz target checks it for every input, and the
// corpus test for every seed and every input a fault was ever found with.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/ProjektLeser.h"
#include "files/ProjektSchreiber.h"
#include "files/ProjektTexte.h"
#include "files/TKDateiTransfer.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace projektpruefung {

// Reading thousands of default positions for every input would slow the fuzzer to a crawl: an input
// declaring more than this is passed over, unless it declares more than a project may have, which is
// refused at once.
constexpr int HoechstensPositionen = 2;

// Code point by code point, independently of the decoder under test: no stray or missing continuation
// bytes, no overlong form, no surrogate, nothing beyond U+10FFFF.
inline bool GueltigesUtf8(std::string_view text) {
    constexpr std::array<std::uint32_t, 4> Kleinste{0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int folge = c < 0x80           ? 0
                          : (c >> 5) == 0x6  ? 1
                          : (c >> 4) == 0xE  ? 2
                          : (c >> 3) == 0x1E ? 3
                                             : -1;
        if (folge < 0 || i + static_cast<std::size_t>(folge) >= text.size() + (folge == 0)) return false;
        std::uint32_t zeichen = folge == 0 ? c : c & (0x3Fu >> folge);
        for (int k = 1; k <= folge; ++k) {
            const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) return false;
            zeichen = (zeichen << 6) | (b & 0x3Fu);
        }
        if (zeichen < Kleinste[static_cast<std::size_t>(folge)] || zeichen > 0x10FFFF ||
            (zeichen >= 0xD800 && zeichen <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

// A list and the lines of a written file that belong to it alone (derived values included).
struct Liste {
    const char* zaehler;
    std::vector<std::string_view> zeilen;
};
inline const std::array<Liste, 6> Listen{{
    {"ProjektDaten.TFirmaZeilen", {"ProjektDaten.TFirma"}},
    {"Stueckliste.TBemerkungZeilen", {"Stueckliste.TBemerkung"}},
    {"Stueckliste.TStueckliste", {"Stueckliste.TStueckliste"}},
    {"BelastungDesign_1.AnzbeliebigeLast", {"BelastungDesign_1."}},
    {"DornErgebnis_1_0.AnzTDornAbstand",
     {"DornErgebnis_1_0.AnzTDornAbstand", "DornErgebnis_1_0.TDornAbstand_",
      "DornErgebnis_1_0.TDornNotwendig_"}},
    {"DornErgebnisFehler_1_0.AnzTMeldungen", {"DornErgebnisFehler_1_0."}},
}};

// The lines of the results of position 1.
inline const Liste Ergebnisse1{"Ergebnisse_1.",
                               {"Ergebnisse_1.", "ErgGeometrie_1.", "DornDaten_1_", "DornErgebnis_1_",
                                "DornErgebnisFehler_1_", "DornErgebnisWarnungen_1_"}};

struct Ergebnis {
    bool gelesen = false;
    int positionen = 0;
    std::string datei;                // the project written again, when it was read
    std::vector<std::string> zeilen;  // its lines as text, whatever the file's encoding
};

inline Ergebnis Lesen(const std::string& bytes) {
    StandardUmgebung umgebung;
    umgebung.heute = "09.12.2026";
    TKModell modell(umgebung);
    TKDateiTransfer s(umgebung.Dezimaltrenner());
    s.SetDateiInhalt(bytes);
    if (!LeseProjekt(s, modell)) return {};
    std::string datei = ProjektInhalt(modell);
    TKDateiTransfer geschrieben(umgebung.Dezimaltrenner());
    geschrieben.SetDateiInhalt(datei);
    return {true, modell.GetAnzAnwendung(), std::move(datei), geschrieben.GetDaten()};
}

// The lines that do not belong to the list.
inline std::vector<std::string> Uebrige(std::vector<std::string> zeilen, const Liste& liste) {
    std::erase_if(zeilen, [&](const std::string& z) {
        return std::any_of(liste.zeilen.begin(), liste.zeilen.end(),
                           [&](std::string_view p) { return z.starts_with(p); });
    });
    return zeilen;
}

// The list to inflate: the first from `wahl` on whose count the input holds (inflating a list the input
// does not mention tests little), or none.
inline const Liste* Gewaehlt(const std::string& bytes, std::size_t wahl) {
    for (std::size_t i = 0; i < Listen.size(); ++i) {
        const Liste& liste = Listen[(wahl + i) % Listen.size()];
        if (bytes.find(liste.zaehler) != std::string::npos) return &liste;
    }
    return nullptr;
}

}  // namespace projektpruefung

// Empty when every property holds, otherwise which one failed. `wahl` picks the list whose count is
// inflated for the test of independent lists.
inline std::string PruefeProjektDatei(const std::string& bytes, std::size_t wahl) {
    using namespace projektpruefung;
    int angegeben = 1;
    try {
        TKDateiTransfer probe;
        probe.SetDateiInhalt(bytes);
        angegeben = std::max(probe.ReadInteger("HauptMaske", "TAnzAnwendung", 1), 1);
    } catch (const std::system_error&) {
        return {};  // larger than a file may be: refused before reading
    }
    if (angegeben > HoechstensPositionen && angegeben <= MaxPositionen) return {};

    const Ergebnis erstes = Lesen(bytes);
    if (angegeben > MaxPositionen) return erstes.gelesen ? "more positions than allowed were read" : "";
    if (!erstes.gelesen) return {};

    // Every declared position is there, and what was read is valid text.
    if (erstes.positionen != angegeben) return "declared positions lost";
    if (erstes.datei.starts_with("\xEF\xBB\xBF") && !GueltigesUtf8(std::string_view(erstes.datei).substr(3)))
        return "invalid UTF-8 written";

    // What was read writes, and reads back to the same file.
    const Ergebnis zweites = Lesen(erstes.datei);
    if (!zweites.gelesen || zweites.datei != erstes.datei) return "round trip changed the file";

    // A count inflated far beyond the file changes nothing but its own list.
    const Liste* liste = Gewaehlt(bytes, wahl);
    if (!liste || bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return {};
    std::string aufgeblaeht = bytes;
    aufgeblaeht.insert(bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0,
                       std::string(liste->zaehler) + "=2000000000\r\n");
    const Ergebnis drittes = Lesen(aufgeblaeht);
    if (!drittes.gelesen) return std::string("inflating ") + liste->zaehler + " refused the file";
    if (Uebrige(drittes.zeilen, *liste) == Uebrige(erstes.zeilen, *liste)) return {};
    // A damaged results list costs the position's results, nothing else. The inflated count can damage it
    // (elements lost behind a gap) or hide its damage (a count of the file's own that is no number is left
    // unread behind it), so either reading may be the one without results.
    const auto verworfen = [](const Ergebnis& e) {
        return std::find(e.zeilen.begin(), e.zeilen.end(), "Ergebnisse_1.TBerechnet=False") != e.zeilen.end();
    };
    if (!std::string_view(liste->zaehler).starts_with("DornErgebnis") ||
        !(verworfen(erstes) || verworfen(drittes)) ||
        Uebrige(Uebrige(drittes.zeilen, *liste), Ergebnisse1) !=
            Uebrige(Uebrige(erstes.zeilen, *liste), Ergebnisse1))
        return std::string("inflating ") + liste->zaehler + " changed other lists";
    return {};
}
