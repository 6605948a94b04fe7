// Writes designed projects of random positions, the same for the same seed on every build, so that two
// builds of the program can be compared byte for byte on their project files:
//
//   zavr_zufallsprojekte ANZAHL SEED ZIEL [JE_DATEI] [--reihen] [--rundreise]
//
// ANZAHL positions in files of JE_DATEI positions (default 500) named ZIEL_000.ZAV, ZIEL_001.ZAV, ... Each
// position gets random inputs over every option the program offers (application case, method, spacing
// rule, grade, fire resistance, country, geometry, point, constant, linear and arbitrary loads), is
// designed and stored with its results. Files alternate between the decimal comma and the point; some
// carry names and bill-of-quantities lines outside Windows-1252 and are written as UTF-8.
// --reihen: every position a 30 m row at close spacing, the largest results a position holds.
// --rundreise: each file is opened again and saved a second time; the two must be equal.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "calc/TKZAVRBemessung.h"
#include "files/ProjektDatei.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

// Only the raw output of the generator is used: its sequence is fixed by the standard, the distributions of
// the library are not.
class Zufall {
public:
    explicit Zufall(unsigned long long saat) : erzeuger(saat) {}

    double Zahl(double von, double bis) {
        return von + (bis - von) * static_cast<double>(erzeuger() >> 11) * 0x1p-53;
    }
    int Ganz(int von, int bis) {
        return von + static_cast<int>(erzeuger() % static_cast<unsigned long long>(bis - von + 1));
    }
    bool Wahr(int prozent) { return Ganz(1, 100) <= prozent; }
    // A value as typed: whole millimetres or one decimal, now and then with every digit.
    double Eingabe(double von, double bis) {
        const double z = Zahl(von, bis);
        switch (Ganz(0, 3)) {
            case 0:
                return static_cast<double>(static_cast<long long>(z));
            case 1:
                return static_cast<double>(static_cast<long long>(z * 10)) / 10;
            case 2:
                return static_cast<double>(static_cast<long long>(z * 4)) / 4;
            default:
                return z;
        }
    }
    template <class E>
    E Wert() {
        return static_cast<E>(Ganz(0, AnzahlWerte<E>() - 1));
    }

private:
    std::mt19937_64 erzeuger;
};

// The last name needs more than Windows-1252; only every third file uses it.
const char* const Namen[] = {"Decke über Keller", "Fuge Achse 3", "Wand/Decke Süd", "Rampe",
                             "Größe 2",           "P-17",         "Übergang €",     "Łódź Nord"};

void Last(Zufall& z, TKBelastung& last, double fugenlaenge, TsBelastungsfall fall) {
    last.SetBelastungsfall(fall);
    last.SetLastverteilung(z.Wahr(50) ? 0 : z.Eingabe(0, 3));
    last.SetGammaf(z.Wahr(50) ? 1.35 : 1.5);
    last.SetPunktLast(z.Eingabe(5, 250));
    last.SetLastLaenge(fugenlaenge);
    if (fall == TsBelastungsfall::bfbeliebigeLast) {
        // Points in any order, now and then beyond the joint or short of it, rarely a measured load.
        const int anzahl = z.Wahr(1) ? 3001 : z.Ganz(2, 40);
        const double laenge = fugenlaenge * (z.Wahr(20) ? z.Zahl(0.6, 1.3) : 1.0);
        std::vector<TrFloatPoint> punkte;
        for (int i = 0; i < anzahl; ++i)
            punkte.push_back(
                {z.Wahr(70) ? laenge * i / (anzahl - 1) : z.Eingabe(0, laenge), z.Eingabe(0, 120)});
        last.SetbeliebigeLast(std::move(punkte));
    } else {
        const double links = z.Eingabe(5, 120);
        const double rechts = fall == TsBelastungsfall::bfKonstanteLast ? links : z.Eingabe(5, 120);
        last.ResetbeliebigeLast();
        last.AddbeliebigeLast({0, links});
        last.AddbeliebigeLast({fugenlaenge, rechts});
    }
}

void Geometrie(Zufall& z, TKGeometrie& g, bool reihe, bool gross) {
    g.SetFugenbreite(z.Wert<TsFugenbreite>());
    g.SetFugenlaenge(gross ? 30000 : reihe ? z.Eingabe(400, 30000) : z.Eingabe(300, 4000));
    g.SetBetondeckungUnten(z.Eingabe(20, 50));
    g.SetBetondeckungOben(z.Eingabe(20, 50));
    if (z.Wahr(30)) g.SetBetondeckungVorn(z.Eingabe(20, 50));
    g.SetPlatteDicke(gross ? 400 : z.Eingabe(160, 500));
    g.SetWandDicke(z.Eingabe(150, 450));
    g.SetRandLinks(z.Wahr(50));
    g.SetRandRechts(z.Wahr(50));
    g.SetBauteilRandLinks(z.Eingabe(60, 1200));
    g.SetBauteilRandRechts(z.Eingabe(60, 1200));
    g.SetDornPaarAbstand(z.Eingabe(200, 2000));
    g.SetDornPaarAbstandCalc(z.Wahr(50));
    g.SetkonstDornAbstand(gross ? 250 : z.Eingabe(150, 1500));
    g.SetDornAbstandCalc(gross || z.Wahr(25));
}

void Position(Zufall& z, TKAnwendung& a, bool gross, bool utf8) {
    a.SetPosition(z.Wahr(30) ? Namen[z.Ganz(0, utf8 ? 7 : 6)] : "Pos. " + std::to_string(z.Ganz(1, 999)));
    a.SetAktLand(z.Wert<TsLand>());
    a.SetAnwendungsfall(gross ? TsAnwendungsfall::afReihePlatte : z.Wert<TsAnwendungsfall>());
    a.SetBewehrungCalc(z.Wert<TsBewehrungCalc>());
    a.SetMaxDornabstand(z.Wert<TsMaxDornabstand>());
    a.SetBetonguete(z.Wert<TsBetonguete>());
    a.SetFeuerwiderstand(z.Wert<TsFeuerwiderstand>());
    const bool reihe = IstReihe(a.GetAnwendungsfall());
    Geometrie(z, a.cGeometrie, reihe, gross);
    const double l = a.cGeometrie.GetFugenlaenge();
    const TsBelastungsfall fall = a.GetAnwendungsfall() == TsAnwendungsfall::afEinzel
                                      ? TsBelastungsfall::bfPunktlast
                                      : static_cast<TsBelastungsfall>(z.Ganz(1, reihe ? 3 : 2));
    Last(z, a.cBelastungDesign, l, fall);
    Last(z, a.cBelastungCharg, l, z.Wert<TsBelastungsfall>());
    Last(z, a.cBelastungCharq, l, z.Wert<TsBelastungsfall>());
}

void Projektdaten(Zufall& z, TKModell& m, bool utf8) {
    m.cProjektdaten.SetBauvorhaben(utf8 && z.Wahr(50) ? "Brücke Ørestad → Nord" : "Parkhaus Süd");
    m.cProjektdaten.SetBearbeiter("Dipl.-Ing. Weiß");
    m.cProjektdaten.SetDatum(z.Wahr(50) ? "" : "09.12.2026");
    m.cProjektdaten.SetProjektNr(std::to_string(z.Ganz(1, 99999)));
    m.cProjektdaten.SetFirma({"Ingenieurbüro", "", "Hauptstraße 1"});
    m.cStueckliste.SetBemerkung({"Bemerkung ä", ""});
    for (int n = z.Ganz(0, 3); n > 0; --n) {
        TKStueckliste::Eintrag e;
        for (int l = z.Ganz(10, 14); l > 0; --l)
            e.push_back(z.Wahr(20) ? "" : "Zeile " + std::to_string(l) + " ö");
        m.cStueckliste.AddEintrag(e);
    }
}

std::string Dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool gross = false;
    bool rundreise = false;
    std::erase_if(args, [&](const std::string& a) {
        if (a == "--reihen") return gross = true;
        if (a == "--rundreise") return rundreise = true;
        return false;
    });
    if (args.size() < 3) {
        std::fprintf(stderr, "zavr_zufallsprojekte ANZAHL SEED ZIEL [JE_DATEI] [--reihen] [--rundreise]\n");
        return 2;
    }
    const int anzahl = std::atoi(args[0].c_str());
    Zufall z(std::strtoull(args[1].c_str(), nullptr, 10));
    const int jeDatei = args.size() > 3 ? std::atoi(args[3].c_str()) : 500;
    for (int datei = 0; datei * jeDatei < anzahl; ++datei) {
        StandardUmgebung umgebung;
        umgebung.dezimaltrenner = datei % 2 == 0 ? ',' : '.';
        TKModell modell(umgebung);
        const bool utf8 = datei % 3 == 2;
        Projektdaten(z, modell, utf8);
        modell.SetCalcFlag(z.Wahr(50));
        const int positionen = std::min(jeDatei, anzahl - datei * jeDatei);
        modell.SetAnzAnwendung(static_cast<std::uint16_t>(positionen));
        for (TKAnwendung& a : modell.cAnwendung) {
            Position(z, a, gross, utf8);
            BerechneErgebnis(a, umgebung);
        }
        modell.SetAktAnwendung(static_cast<std::uint16_t>(z.Ganz(1, positionen)));
        char nummer[16];
        std::snprintf(nummer, sizeof nummer, "_%03d.ZAV", datei);
        const std::string pfad = args[2] + nummer;
        if (!SaveToFile(modell, pfad)) {
            std::fprintf(stderr, "%s: nicht gespeichert\n", pfad.c_str());
            return 1;
        }
        if (!rundreise) continue;
        TKModell gelesen(umgebung);
        const std::string zweite = pfad + ".2";
        if (!ReadFromFile(gelesen, pfad) || !SaveToFile(gelesen, zweite) ||
            Dateiinhalt(pfad) != Dateiinhalt(zweite)) {
            std::fprintf(stderr, "%s: zweites Speichern weicht ab\n", pfad.c_str());
            return 1;
        }
        std::remove(zweite.c_str());
    }
    return 0;
}
