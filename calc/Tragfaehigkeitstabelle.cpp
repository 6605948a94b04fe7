#include "calc/Tragfaehigkeitstabelle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "calc/TKZAVRBemessung.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"

namespace {

// A design load no dowel carries: the design then reinforces as far as the method allows, and its
// resistance is the most the type can be shown to carry at the grid point.
constexpr double UnbegrenzteLast = 1e6;
// Member edges so far away that they reduce nothing.
constexpr double FerneRaender = 1e5;
// Status code of the load check.
constexpr std::uint16_t LastZuHoch = 2;

double AufCmAufgerundet(double mm) {
    return 10 * std::ceil(mm / 10 - 1e-9);
}

// The next whole centimetre above `mm`.
double CmDarueber(double mm) {
    return 10 * (std::floor(mm / 10 + 1e-9) + 1);
}

Massgebend MassgebenderNachweis(const TKDornErgebnis& e) {
    if (e.GetVRds() <= std::min(e.GetVRdct(), e.GetVRdce())) return Massgebend::Stahl;
    return e.GetVRdct() <= e.GetVRdce() ? Massgebend::Durchstanzen : Massgebend::Betonkante;
}

// The distances the checks ask for whatever the load: the approval's minimum values, the width the
// reinforcement needs (the width check adds 50 mm to it) and, for the standard method, the standard
// reinforcement's width. Edge distance, spacing.
std::pair<double, double> Mindestabstaende(const Tabellenpunkt& punkt, const TKDornDaten& daten,
                                           const TKDornErgebnis& e) {
    const double bewehrung = daten.GetBereichPosA() + 50;
    const double standard =
        punkt.methode == TsBewehrungCalc::bcZulassung ? StandardBereichPosA(punkt.dorn) : 0;
    return {std::max({e.GetZulMinRand(), bewehrung / 2, standard / 2}),
            std::max({e.GetZulMinAchs(), bewehrung, standard})};
}

// The design of the one type of a grid point in its reference situation, with member edges at `rand`.
class Entwurf {
public:
    Entwurf(const Tabellenpunkt& punkt, double vEd, Umgebung& umgebung, double rand = FerneRaender)
        : dorn(punkt.dorn), anwendung(umgebung) {
        Referenzsituation(anwendung, punkt, vEd, rand);
        // The design run's first step, then its design of this one type.
        TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
        ergebnisse.cGeometrie = anwendung.cGeometrie;
        ergebnisse.SetBerechnet(true);
        TKZAVRBemessung(anwendung, umgebung).DornAufteilung(dorn);
    }
    const TKDornErgebnis& Ergebnis() const { return anwendung.cErgebnisse.cDornErgebnis[Ord(dorn)]; }
    const TKDornDaten& Daten() const { return anwendung.cErgebnisse.cDornDaten[Ord(dorn)]; }
    // The failed checks but the load check: the type cannot be used here, whatever its load.
    std::vector<std::uint16_t> Fehler() const {
        std::vector<std::uint16_t> fehler;
        for (std::uint16_t code : Ergebnis().cFehler.GetMeldungen())
            if (code != LastZuHoch) fehler.push_back(code);
        return fehler;
    }

private:
    TsDorn dorn;
    TKAnwendung anwendung;
};

// The smallest edge distance in whole cm from which on the design admits the load of a cell. From half the
// punching zone along the joint on, an edge cuts nothing off the critical perimeter and leaves the
// reinforcement the full width, so the design is the one of the table. Nearer edges lower the punching
// resistance only; with the standard reinforcement, which keeps its width, the critical perimeter and so
// the resistance grow with the edge distance, and where punching does not govern the search halves the
// range between the checks' own minimum and that half width (the value found has been designed). The
// optimised reinforcement adapts to the width a nearer edge leaves, and what it then admits does not grow
// steadily with the distance, so its tables keep the half width.
double KleinsterRand(const Tabellenzelle& zelle, double untere, double frei, Umgebung& umgebung) {
    long unten = std::lround(AufCmAufgerundet(untere) / 10);
    long oben = std::lround(AufCmAufgerundet(std::max(untere, frei)) / 10);
    if (zelle.massgebend == Massgebend::Durchstanzen || zelle.punkt.methode != TsBewehrungCalc::bcZulassung ||
        unten >= oben)
        return 10.0 * oben;
    const auto traegt = [&](long cm) {
        return Entwurf(zelle.punkt, zelle.VRd, umgebung, 10.0 * cm).Ergebnis().GetStatus() == 0;
    };
    if (traegt(unten)) return 10.0 * unten;
    while (oben - unten > 1) {
        const long mitte = (unten + oben) / 2;
        (traegt(mitte) ? oben : unten) = mitte;
    }
    return 10.0 * oben;
}

// The values of an admissible cell from a design that admits the load `vRd`. The spacing is the one from
// which on neighbouring dowels count as single dowels: their punching zones along the joint do not overlap.
void Werte(Tabellenzelle& zelle, const Entwurf& entwurf, double vRd, Umgebung& umgebung) {
    const TKDornErgebnis& e = entwurf.Ergebnis();
    zelle.VRds = AufHundertstelAbgerundet(e.GetVRds());
    zelle.VRdct = AufHundertstelAbgerundet(e.GetVRdct());
    zelle.VRdce = AufHundertstelAbgerundet(e.GetVRdce());
    zelle.VRd = AufHundertstelAbgerundet(vRd);
    zelle.massgebend = MassgebenderNachweis(e);
    const auto [rand, achs] = Mindestabstaende(zelle.punkt, entwurf.Daten(), e);
    zelle.minRand = KleinsterRand(zelle, rand, e.Getby() / 2, umgebung);
    zelle.minAchs = std::max(AufCmAufgerundet(achs), CmDarueber(e.Getby()));
}

}  // namespace

double AufHundertstelAbgerundet(double kN) {
    // A value a hair below a hundredth through binary rounding counts as that hundredth.
    return std::floor(kN * 100 + 1e-6) / 100;
}

void Referenzsituation(TKAnwendung& anwendung, const Tabellenpunkt& punkt, double vEd, double rand) {
    anwendung.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    anwendung.SetBetonguete(punkt.guete);
    anwendung.SetFeuerwiderstand(punkt.brandschutz);
    anwendung.SetBewehrungCalc(punkt.methode);
    TKGeometrie& g = anwendung.cGeometrie;
    g.SetPlatteDicke(punkt.h);
    g.SetFugenbreite(punkt.fuge);
    g.SetBetondeckungOben(ReferenzDeckung);
    g.SetBetondeckungUnten(ReferenzDeckung);
    g.SetBetondeckungVorn(ReferenzDeckung);
    g.SetRandLinks(true);
    g.SetRandRechts(true);
    g.SetBauteilRandLinks(rand);
    g.SetBauteilRandRechts(rand);
    TKBelastung& last = anwendung.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
    last.SetLastverteilung(0);
    last.SetPunktLast(vEd);
}

Tabellenzelle BerechneZelle(const Tabellenpunkt& punkt, Umgebung& umgebung) {
    Tabellenzelle zelle;
    zelle.punkt = punkt;
    const Entwurf hoechst(punkt, UnbegrenzteLast, umgebung);
    if (hoechst.Fehler().empty()) {
        Werte(zelle, hoechst, hoechst.Ergebnis().GetVRdZul(), umgebung);
        return zelle;
    }
    // The optimised reinforcement for the highest load may not fit into the slab where the reinforcement
    // the design reduces to for a load it can carry does: the design under the resistance decides.
    const double last = AufHundertstelAbgerundet(hoechst.Ergebnis().GetVRdZul());
    const Entwurf bestaetigt(punkt, last, umgebung);
    if (bestaetigt.Ergebnis().GetStatus() == 0 && last > 0)
        Werte(zelle, bestaetigt, last, umgebung);
    else
        zelle.fehler = bestaetigt.Fehler();
    return zelle;
}

std::vector<Tabellenzelle> BerechneTabelle(const Tabellenauswahl& auswahl, Umgebung& umgebung) {
    std::vector<Tabellenzelle> zellen;
    if (AnzahlPunkte(auswahl) > MaxTabellenpunkte) return zellen;
    zellen.reserve(AnzahlPunkte(auswahl));
    for (TsDorn dorn : auswahl.dorne)
        for (TsFugenbreite fuge : auswahl.fugen)
            for (TsFeuerwiderstand brandschutz : auswahl.brandschutz)
                for (TsBewehrungCalc methode : auswahl.methoden)
                    for (double h : Dicken(auswahl, dorn))
                        for (TsBetonguete guete : auswahl.gueten)
                            zellen.push_back(
                                BerechneZelle({dorn, guete, h, fuge, brandschutz, methode}, umgebung));
    return zellen;
}
