#include "Testprojekt.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "files/ProjektFelder.h"
#include "model/TKModell.h"

namespace {

// Walks the key blocks like the writer and sets every field to something new: the next enumeration value,
// the negated flag, a number and a text derived from a running counter.
class Befueller {
public:
    explicit Befueller(int kette) : kette(kette) {}

    void Abschnitt(const std::string&) {}
    void Position(int) {}
    void Ergebnisse() {}

    template <class T, class G, class S>
    void Text(const char*, T& o, G get, S set) {
        (o.*set)((o.*get)() + " Süd=" + std::to_string(++k));
    }
    // Counts, diameters and the status stay within what a design can store (at most 8 suspension bars,
    // codes up to 9), so the results read back as stored.
    template <class T, class G, class S>
    void Zahl(const char*, T& o, G get, S set) {
        (o.*set)(static_cast<decltype((o.*get)())>(1 + ((o.*get)() + ++k) % 8));
    }
    template <class T, class G, class S, class... Vorgabe>
    void Enum(const char*, T& o, G get, S set, Vorgabe...) {
        using E = decltype((o.*get)());
        (o.*set)(static_cast<E>((Ord((o.*get)()) + 1) % AnzahlWerte<E>()));
    }
    template <class T, class G, class S>
    void Float(const char*, T& o, G, S set) {
        (o.*set)(Bruch());
    }
    template <class T, class G, class S>
    void Flag(const char*, T& o, G get, S set) {
        (o.*set)(!(o.*get)());
    }
    template <class T, class G, class S>
    void Vermerk(const char* key, T& o, G get, S set) {
        Flag(key, o, get, set);
    }
    template <class T, class G, class S>
    void Textliste(const char*, const std::string&, T& o, G, S set) {
        (o.*set)({std::string("Zeile ").append(std::to_string(++k)), "", "Größe=3 € ä"});
    }
    template <class T, class G, class S>
    void FloatListe(const std::string&, T& o, G, S set) {
        (o.*set)({Bruch(), 50, -Bruch()});
    }
    int Anzahl(const char*, int anzahl, int) { return anzahl; }

    void Positionen(TKModell& m) { m.SetAktAnwendung(m.GetAnzAnwendung()); }
    void Eintraege(TKStueckliste& s) {
        for (int n = 1; n <= 3; ++n) {
            TKStueckliste::Eintrag e;
            for (int l = 0; l < (n == 2 ? 13 : 10); ++l)
                e.push_back(std::string("E").append(std::to_string(n)).append("Z").append(std::to_string(l)));
            e[5] = n == 3 ? "nicht aktiv" : "aktiv";
            s.AddEintrag(e);
        }
    }
    void Belastung(TKBelastung& b) {
        b.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
        b.SetLastverteilung(0.35);
        b.SetPunktLast((876 + 10 * ++k) / 10.0);
        b.SetGammaf(1.35);
        b.SetLastLaenge(3000 + k);
        b.ResetbeliebigeLast();
        b.AddbeliebigeLast({1500, 33.3});
        b.AddbeliebigeLast({0, 12.5 + k});
        b.AddbeliebigeLast({750.25, 0.000001});
        b.AddbeliebigeLast({3000, 1e20});
        b.SetLinienLastLinks(7.75);  // end values and shape deliberately differ from the points
        b.SetLinienlast(TsLinienlast::llLiklRe);
        b.SetGesamtLast(123.456);
    }
    void AnzDorn(TKErgebnisse& r, int anzahl) {
        for (int d = 0; d < anzahl; ++d)
            r.SetAnzDorn(static_cast<TsDorn>(d),
                         static_cast<std::uint16_t>(std::max(kette - 1, 2) - (d + k) % 2));
    }
    void VRds(TKDornDaten& d) {
        for (int i = 0; i < AnzahlWerte<TsFugenbreite>(); ++i)
            d.SetVRds(static_cast<TsFugenbreite>(i), Bruch());
    }
    void DornAbstaende(TKDornErgebnis& e) {
        e.ResetDornAbstand();
        for (int i = 0; i < kette; ++i) e.AddDornAbstand(Bruch(), i % 3 != 1);
    }
    void Meldungen(TKMeldungen& m) {
        m.Reset();
        for (std::uint16_t code : {std::uint16_t(2), std::uint16_t(5 + k % 4), std::uint16_t(1)})
            m.SetMeldung(code);
    }

private:
    // k + 0.125 plus a few thousandths, computed as one division so that it is the double nearest to its
    // short decimal text.
    double Bruch() {
        ++k;
        return (k * 1000.0 + 125 + k % 9) / 1000.0;
    }

    int kette;
    int k = 0;
};

}  // namespace

TKModell Testprojekt(Umgebung& umgebung, int positionen, int kette) {
    TKModell m(umgebung);
    m.SetAnzAnwendung(static_cast<std::uint16_t>(positionen));
    Befueller befueller(kette);
    ProjektFelder(befueller, m);
    return m;
}

std::vector<std::string> Dateizeilen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    std::vector<std::string> zeilen;
    for (std::string zeile; std::getline(f, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeilen.push_back(zeile);
    }
    return zeilen;
}

void SchreibeDateizeilen(const std::string& pfad, const std::vector<std::string>& zeilen) {
    std::ofstream f(pfad, std::ios::binary);
    for (const std::string& zeile : zeilen) f << zeile << "\r\n";
}
