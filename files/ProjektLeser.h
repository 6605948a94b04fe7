#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

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

    explicit ProjektLeser(TKDateiTransfer& store) : s(store) {}

    void Abschnitt(std::string name) { section = std::move(name); }

    template <class T, class G, class S>
    void Text(const char* key, T& o, G, S set) {
        (o.*set)(s.ReadString(section, key));
    }
    template <class T, class G, class S>
    void Zahl(const char* key, T& o, G get, S set) {
        using W = std::remove_cvref_t<decltype((o.*get)())>;
        const W alt = (o.*get)();
        const int wert = s.ReadInteger(section, key, alt);
        (o.*set)(std::in_range<W>(wert) ? static_cast<W>(wert) : alt);
    }
    template <class T, class G, class S>
    void Enum(const char* key, T& o, G get, S set) {
        Enum(key, o, get, set, (o.*get)());
    }
    template <class T, class G, class S, class E>
    void Enum(const char* key, T& o, G, S set, E vorgabe) {
        (o.*set)(AusDateiwert(s.ReadInteger(section, key, Dateiwert(vorgabe)), vorgabe));
    }
    template <class T, class G, class S>
    void Float(const char* key, T& o, G get, S set) {
        (o.*set)(s.ReadFloat(section, key, (o.*get)()));
    }
    template <class T, class G, class S>
    void Flag(const char* key, T& o, G, S set) {
        (o.*set)(s.ReadBool(section, key));
    }
    template <class T, class G, class S>
    void Vermerk(const char* key, T& o, G get, S set) {
        Flag(key, o, get, set);
    }
    template <class T, class G, class S>
    void Textliste(const char* zaehler, const std::string& praefix, T& o, G, S set) {
        const int anzahl = Listenlaenge(
            zaehler, [&](int i) { return s.Vorhanden(section, praefix + std::to_string(i + 1)); });
        std::vector<std::string> zeilen;
        zeilen.reserve(anzahl);
        for (int n = 1; n <= anzahl; ++n)
            zeilen.push_back(s.ReadString(section, praefix + std::to_string(n)));
        (o.*set)(zeilen);
    }
    template <class T, class G, class S>
    void FloatListe(const std::string& name, T& o, G, S set) {
        std::vector<double> werte(static_cast<std::size_t>(Listenlaenge(
            "Anz" + name, [&](int i) { return s.Vorhanden(section, name + "_" + std::to_string(i)); })));
        for (std::size_t i = 0; i < werte.size(); ++i)
            werte[i] = s.ReadFloat(section, name + "_" + std::to_string(i), 0);
        (o.*set)(std::move(werte));
    }
    // A count that can be at most `hoechstens` (AnzTAnzDorn); what lies beyond is not read.
    int Anzahl(const char* key, int, int hoechstens) {
        return std::clamp(s.ReadInteger(section, key, 0), 0, hoechstens);
    }

    void Positionen(TKModell& m);
    void Eintraege(TKStueckliste& stueckliste);
    void Belastung(TKBelastung& b);
    void AnzDorn(TKErgebnisse& r, int anzahl);
    void VRds(TKDornDaten& d);
    void DornAbstaende(TKDornErgebnis& e);
    void Meldungen(TKMeldungen& m);

private:
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
    template <class Vorhanden>
    int Listenlaenge(const std::string& key, Vorhanden vorhanden) {
        return Glaubhaft(s.ReadInteger(section, key, 0), vorhanden);
    }
    void Lastpunkte(TKBelastung& b);

    TKDateiTransfer& s;
    std::string section;
};

// The header check and every block of the project into `modell`, which is replaced only when everything was
// read. A version text other than the program's, or more than MaxPositionen positions, is refused with a
// notice.
bool LeseProjekt(TKDateiTransfer& s, TKModell& modell);
