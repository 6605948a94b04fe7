#pragma once

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "files/Dateiwert.h"
#include "files/TKDateiTransfer.h"
#include "model/Typen.h"

class TKBelastung;
class TKDornDaten;
class TKDornErgebnis;
class TKErgebnisse;
class TKMeldungen;
class TKModell;
class TKStueckliste;

// What reading found in a file that the project does not take as it stands. A finding of a position's
// results (Beschaedigt) discards them; the others are notices, the values present being kept.
struct Lesebefund {
    enum class Art {
        Beschaedigt,   // a stored result breaks its bound (or its list lost elements): results discarded
        KeineAnzahl,   // a list count that is no number
        Fehlend,       // keys of a load list are missing; the points present are read
        NichtGelesen,  // present elements beyond what the list's count takes were not read
    };
    Art art;
    int position;            // 1-based; 0 for the project's own sections
    std::string schluessel;  // "Section.Key"; for Fehlend the missing keys
    std::string wert;        // the value as it stands, where it matters
};

// Reads the key blocks of ProjektFelder.h from a store into freshly created objects. An absent or
// unreadable value keeps what the object holds (or the stated default); an ordinal outside its enumeration
// or a number outside its field's range counts as unreadable. A project has the positions it declares, up
// to MaxPositionen. A list has the elements its count declares, absent ones reading their defaults, unless
// the count is not credible (see Glaubhaft); each list is judged by its own lines only, so a damaged count
// changes nothing but its own list, and no count makes the reader work or allocate beyond the file's size.
class ProjektLeser {
public:
    // Thrown for a file declaring more positions than a project can have.
    class ZuVielePositionen : public std::runtime_error {
    public:
        ZuVielePositionen();
    };
    // Thrown for a file whose number of positions is no number: which positions it has is unknown.
    class KeinePositionsanzahl : public std::runtime_error {
    public:
        explicit KeinePositionsanzahl(std::string text);
        std::string text;  // the value as it stands
    };

    explicit ProjektLeser(TKDateiTransfer& store) : s(store) {}

    // A section of which no line is left unread (as in a file with inputs only) reads its defaults without
    // asking the store for each key.
    void Abschnitt(std::string name) {
        ListenPruefen();
        section = std::move(name);
        leer = !s.AbschnittOffen(section);
    }
    // The sections of position `p` begin; results follow from Ergebnisse on.
    void Position(int p) {
        ListenPruefen();
        position = p;
        ergebnisse = false;
    }
    void Ergebnisse() {
        ListenPruefen();
        ergebnisse = true;
    }
    // After the last section: its lists are checked for elements left unread.
    void Abschliessen() { Abschnitt({}); }
    const std::vector<Lesebefund>& Befunde() const { return befunde; }

    // The accessors of single fields are inlined where the key blocks call them: getter and setter are then
    // known and called directly, which counts in a file of 10,000 positions of 2,000 keys each.
    template <class T, class G, class S>
    [[gnu::always_inline]] void Text(const char* key, T& o, G, S set) {
        (o.*set)(LiesText(key));
    }
    template <class T, class G, class S>
    [[gnu::always_inline]] void Zahl(const char* key, T& o, G get, S set) {
        using W = std::remove_cvref_t<decltype((o.*get)())>;
        const W alt = (o.*get)();
        const int wert = LiesZahl(key, alt);
        if (!std::in_range<W>(wert)) Beschaedigt(key, std::to_string(wert));
        (o.*set)(std::in_range<W>(wert) ? static_cast<W>(wert) : alt);
    }
    template <class T, class G, class S>
    [[gnu::always_inline]] void Enum(const char* key, T& o, G get, S set) {
        Enum(key, o, get, set, (o.*get)());
    }
    template <class T, class G, class S, class E>
    [[gnu::always_inline]] void Enum(const char* key, T& o, G, S set, E vorgabe) {
        (o.*set)(AusDateiwert(LiesZahl(key, Dateiwert(vorgabe)), vorgabe));
    }
    template <class T, class G, class S>
    [[gnu::always_inline]] void Float(const char* key, T& o, G get, S set) {
        (o.*set)(LiesFloat(key, (o.*get)()));
    }
    template <class T, class G, class S>
    [[gnu::always_inline]] void Flag(const char* key, T& o, G, S set) {
        (o.*set)(LiesFlag(key));
    }
    template <class T, class G, class S>
    void Vermerk(const char* key, T& o, G get, S set) {
        Flag(key, o, get, set);
    }
    template <class T, class G, class S>
    void Textliste(const char* zaehler, const std::string& praefix, T& o, G, S set) {
        const int anzahl = Listenlaenge(zaehler, {praefix}, 1);
        Liste(praefix);
        std::vector<std::string> zeilen;
        zeilen.reserve(anzahl);
        for (int n = 1; n <= anzahl; ++n) zeilen.push_back(LiesText({praefix, Nr(n)}));
        (o.*set)(zeilen);
    }
    template <class T, class G, class S>
    void FloatListe(const std::string& name, T& o, G, S set) {
        if (leer) {
            (o.*set)(std::vector<double>());
            return;
        }
        const std::string praefix = name + "_";
        std::vector<double> werte(static_cast<std::size_t>(Listenlaenge("Anz" + name, {praefix})));
        Liste(praefix);
        for (std::size_t i = 0; i < werte.size(); ++i) werte[i] = LiesFloat({praefix, i}, 0);
        (o.*set)(std::move(werte));
    }
    // A count that can be at most `hoechstens` (AnzTAnzDorn); what lies beyond is not read.
    int Anzahl(const char* key, int, int hoechstens) { return std::clamp(LiesZahl(key, 0), 0, hoechstens); }

    void Positionen(TKModell& m);
    void Eintraege(TKStueckliste& stueckliste);
    void Belastung(TKBelastung& b);
    void AnzDorn(TKErgebnisse& r, int anzahl);
    void VRds(TKDornDaten& d);
    void DornAbstaende(TKDornErgebnis& e);
    void Meldungen(TKMeldungen& m);

private:
    static std::size_t Nr(int i) { return static_cast<std::size_t>(i); }

    // More elements than this may be absent from a list beyond those present before its count is doubted.
    static constexpr int Spielraum = 16;

    // How many of `anzahl` declared elements to read; vorhanden(i) tells whether element i (0-based) has a
    // line in the file. Absent elements read their defaults, as a hand-written file may leave some out. But
    // when the absent ones outnumber those present by more than Spielraum, the count is not what the file
    // holds (a damaged or inflated count): then only the elements present from the first on are read. The
    // elements are looked at only until that is decided, so a list costs about what its own lines hold.
    template <class Vorhanden>
    int Glaubhaft(int anzahl, Vorhanden vorhanden) {
        int fehlend = 0;
        int erstesFehlendes = 0;
        for (int i = 0; i < anzahl; ++i) {
            if (vorhanden(i)) continue;
            if (fehlend++ == 0) erstesFehlendes = i;
            if (fehlend > i + 1 - fehlend + Spielraum) return erstesFehlendes;
        }
        return std::max(anzahl, 0);
    }
    // The length of the lists whose element i has the keys `praefixe` i+von, read in turn (element i of each
    // before element i+1). Lists that stand as the writer writes them are known to be whole from one look at
    // their lines; others are judged by Glaubhaft. A list count that is no number reads none of the list's elements; the finding
    // names it, and the elements present are named as not read.
    int Listenlaenge(const Schluessel& key, std::initializer_list<std::string_view> praefixe, int von = 0);
    int LiesAnzahl(const Schluessel& key);
    // The list of elements `praefix` i of the current section: elements the reading left are reported when
    // the section ends.
    void Liste(std::string praefix) { listen.push_back(std::move(praefix)); }
    void ListenPruefen();
    void Befund(Lesebefund::Art art, std::string key, std::string wert = {});
    // A value of the position's results that cannot be what a design stored.
    void Beschaedigt(std::string_view key, std::string wert);
    // Each for a key text (whose key is made only when the store is asked) and for a built key.
    template <class K>
    std::string LiesText(const K& key) {
        return leer ? std::string() : s.ReadString(section, key);
    }
    std::string LiesText(const Schluessel& key) { return LiesText<Schluessel>(key); }
    template <class K>
    int LiesZahl(const K& key, int vorgabe) {
        return leer ? vorgabe : s.ReadInteger(section, key, vorgabe);
    }
    int LiesZahl(const Schluessel& key, int vorgabe) { return LiesZahl<Schluessel>(key, vorgabe); }
    template <class K>
    double LiesFloat(const K& key, double vorgabe) {
        return leer ? vorgabe : s.ReadFloat(section, key, vorgabe);
    }
    double LiesFloat(const Schluessel& key, double vorgabe) { return LiesFloat<Schluessel>(key, vorgabe); }
    template <class K>
    bool LiesFlag(const K& key) {
        return !leer && s.ReadBool(section, key);
    }
    bool LiesFlag(const Schluessel& key) { return LiesFlag<Schluessel>(key); }
    bool Da(const Schluessel& key) { return !leer && s.Vorhanden(section, key); }
    // A value read where it stands in the file but set later, where the setters need another order than the
    // file's: empty when the key is absent or its value unreadable.
    std::optional<double> FloatWert(const char* key) {
        return leer ? std::nullopt : s.ReadFloat(section, key);
    }
    std::optional<int> ZahlWert(const char* key) {
        return leer ? std::nullopt : s.ReadGanzzahl(section, key).wert;
    }
    std::vector<TrFloatPoint> Lastpunkte();

    TKDateiTransfer& s;
    std::string section;
    bool leer = false;
    int position = 0;
    bool ergebnisse = false;
    std::vector<std::string> listen;  // of the current section
    std::vector<Lesebefund> befunde;
};

// The header check and every block of the project into `modell`, which is replaced only when everything was
// read. A version text other than the program's, more than MaxPositionen positions or a number of positions
// that is no number, is refused with a notice. A position whose stored results break a bound (see
// ErsteGrenzverletzung) or lost elements of a list keeps its inputs but not its results: it is not
// designed. What was not taken as it stands is told in one notice that names each key.
bool LeseProjekt(TKDateiTransfer& s, TKModell& modell);
// The notice of the findings, in the user-interface language; empty without findings. Names positions by
// their number and name in `modell`.
std::string Befundtext(const std::vector<Lesebefund>& befunde, const TKModell& modell);
