#pragma once

#include <algorithm>
#include <string>
#include <type_traits>
#include <utility>

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
// or a number outside its field's range counts as unreadable. List lengths are bounded by the lines the file
// has left, so a damaged count cannot make the reader allocate more than the file could describe.
class ProjektLeser {
public:
    explicit ProjektLeser(TKDateiTransfer& store) : s(store), restZeilen(store.GetAnzahlZeilen()) {}

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
        (o.*set)(AusOrdinal(s.ReadInteger(section, key, Ord(vorgabe)), vorgabe));
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
    void Textliste(const char* zaehler, const std::string& praefix, T& o, G, S set) {
        const int anzahl = Listenlaenge(zaehler);
        std::vector<std::string> zeilen;
        zeilen.reserve(anzahl);
        for (int n = 1; n <= anzahl; ++n)
            zeilen.push_back(s.ReadString(section, praefix + std::to_string(n)));
        (o.*set)(zeilen);
    }
    template <class T, class G, class S>
    void FloatListe(const std::string& name, T& o, G, S set) {
        std::vector<double> werte(Listenlaenge("Anz" + name));
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
    int Listenlaenge(const std::string& key);
    int Begrenzt(int anzahl);
    void Lastpunkte(TKBelastung& b);

    TKDateiTransfer& s;
    std::string section;
    std::size_t restZeilen;  // list elements the file can still describe
};

// The header check and every block of the project into `modell`, which is replaced only when everything was
// read. A version text other than the program's is refused with the notice.
bool LeseProjekt(TKDateiTransfer& s, TKModell& modell);
