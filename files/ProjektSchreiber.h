#pragma once

#include <string>

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

// Writes the key blocks of ProjektFelder.h into a store, in their order.
class ProjektSchreiber {
public:
    explicit ProjektSchreiber(TKDateiTransfer& store) : s(store) {}

    // Each section first checks the size: a project too large for a file stops here with EFBIG rather than
    // after its whole text has been built.
    void Abschnitt(std::string name);

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
        for (std::size_t n = 1; n <= zeilen.size(); ++n)
            s.WriteString(section, praefix + std::to_string(n), zeilen[n - 1]);
    }
    template <class T, class G, class S>
    void FloatListe(const std::string& name, const T& o, G get, S) {
        const auto& werte = (o.*get)();
        s.WriteInteger(section, "Anz" + name, static_cast<int>(werte.size()));
        for (std::size_t i = 0; i < werte.size(); ++i)
            s.WriteFloat(section, name + "_" + std::to_string(i), werte[i]);
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
    TKDateiTransfer& s;
    std::string section;
};

// Programm.Name and Programm.Version, then every block of the project. Throws std::invalid_argument for a
// bill-of-quantities entry with fewer than ten lines, which the format cannot hold, and std::system_error
// (EFBIG) for a project of more lines than a file may have.
void SchreibeProjekt(TKDateiTransfer& s, const TKModell& modell);
