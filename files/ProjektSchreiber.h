#pragma once

#include <string>

#include "files/Dateiwert.h"
#include "files/Zeilenschreiber.h"
#include "model/Typen.h"

class TKBelastung;
class TKDornDaten;
class TKDornErgebnis;
class TKErgebnisse;
class TKMeldungen;
class TKModell;
class TKStueckliste;

// Writes the key blocks of ProjektFelder.h into a store, in their order.
class ProjektSchreiber {
public:
    explicit ProjektSchreiber(Zeilenschreiber& schreiber) : s(schreiber) {}

    void Abschnitt(std::string name) { section = std::move(name); }
    void Position(int) {}
    void Ergebnisse() {}

    template <class T, class G, class S>
    void Text(const char* key, const T& o, G get, S) {
        s.WriteString(section, key, (o.*get)());
    }
    template <class T, class G, class S>
    void Zahl(const char* key, const T& o, G get, S) {
        s.WriteInteger(section, key, (o.*get)());
    }
    template <class T, class G, class S, class... Vorgabe>
    void Enum(const char* key, const T& o, G get, S, Vorgabe...) {
        s.WriteInteger(section, key, Dateiwert((o.*get)()));
    }
    template <class T, class G, class S>
    void Float(const char* key, const T& o, G get, S) {
        s.WriteFloat(section, key, (o.*get)());
    }
    template <class T, class G, class S>
    void Flag(const char* key, const T& o, G get, S) {
        s.WriteBool(section, key, (o.*get)());
    }
    template <class T, class G, class S>
    void Vermerk(const char* key, const T& o, G get, S) {
        if ((o.*get)()) s.WriteBool(section, key, true);
    }
    template <class T, class G, class S>
    void Textliste(const char* zaehler, const std::string& praefix, const T& o, G get, S) {
        const auto& zeilen = (o.*get)();
        s.WriteInteger(section, zaehler, static_cast<int>(zeilen.size()));
        for (std::size_t n = 1; n <= zeilen.size(); ++n) s.WriteString(section, {praefix, n}, zeilen[n - 1]);
    }
    template <class T, class G, class S>
    void FloatListe(const std::string& name, const T& o, G get, S) {
        const auto& werte = (o.*get)();
        s.WriteInteger(section, "Anz" + name, static_cast<int>(werte.size()));
        const std::string praefix = name + "_";
        for (std::size_t i = 0; i < werte.size(); ++i) s.WriteFloat(section, {praefix, i}, werte[i]);
    }
    int Anzahl(const char* key, int anzahl, int) {
        s.WriteInteger(section, key, anzahl);
        return anzahl;
    }

    void Positionen(const TKModell& m);
    void Eintraege(const TKStueckliste& stueckliste);
    void Belastung(const TKBelastung& b);
    void AnzDorn(const TKErgebnisse& r, int anzahl);
    void VRds(const TKDornDaten& d);
    void DornAbstaende(const TKDornErgebnis& e);
    void Meldungen(const TKMeldungen& m);

private:
    Zeilenschreiber& s;
    std::string section;
};

// Programm.Name and Programm.Version, then every block of the project. Throws std::invalid_argument for a
// bill-of-quantities entry with fewer than ten lines, which the format cannot hold.
void SchreibeProjekt(Zeilenschreiber& s, const TKModell& modell);

// The bytes of the project's file, in memory.
std::string ProjektInhalt(const TKModell& modell);
