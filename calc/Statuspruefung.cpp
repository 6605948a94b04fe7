#include "calc/Statuspruefung.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calc/Stabwahl.h"
#include "model/Katalog.h"

namespace {

// The load check compares whole tenths of a kilonewton, truncated. A value that is not finite never
// passes.
bool UeberLastet(double zulaessig, double vorhanden) {
    if (!std::isfinite(zulaessig) || !std::isfinite(vorhanden)) return true;
    return std::trunc(10 * zulaessig) < std::trunc(10 * vorhanden);
}

// A row whose chain holds no dowel has no arrangement: the distribution could not place the dowels.
bool OhneAnordnung(TsAnwendungsfall fall, const TKDornErgebnis& ergebnis) {
    return IstReihe(fall) && ergebnis.GetAnzDornAbstand() < 2;
}

void PruefeAbstandsinformation(TKDornErgebnis& ergebnis, double plattendicke, TsMaxDornabstand regel) {
    if (5 * plattendicke < ergebnis.GetMaxDornAbstand()) {
        ergebnis.cWarnungen.SetMeldung(0);
        if (regel != TsMaxDornabstand::daOhne) {
            ergebnis.cWarnungen.SetMeldung(1);
            ergebnis.SetAbstandMeldung(false);
        } else {
            ergebnis.SetAbstandMeldung(true);
        }
    } else {
        ergebnis.SetAbstandMeldung(false);
    }
}

}  // namespace

void PruefeStatus(TKAnwendung& anwendung, TsDorn dorn, bool abgebrochen) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    const TKGeometrie& geometrie = ergebnisse.cGeometrie;
    const TKDornDaten& daten = ergebnisse.cDornDaten[Ord(dorn)];
    TKDornErgebnis& ergebnis = ergebnisse.cDornErgebnis[Ord(dorn)];
    const TsAnwendungsfall fall = anwendung.GetAnwendungsfall();
    const bool einzel = fall == TsAnwendungsfall::afEinzel;
    const bool zulassung = anwendung.GetBewehrungCalc() == TsBewehrungCalc::bcZulassung;
    const double e = ergebnis.GetIstMinAchs();
    const double eKrit = StandardBereichPosA(dorn);
    const double aMin = std::min(ergebnis.GetAbstandLinks(), ergebnis.GetAbstandRechts());
    const double rMin = std::min(geometrie.GetBauteilRandLinks(), geometrie.GetBauteilRandRechts());
    const int n = ergebnisse.GetAnzDorn(dorn);
    const Durchmesser dm = LeseDurchmesser(daten);

    std::uint16_t status = 0;
    const auto fehler = [&](std::uint16_t code) {
        ergebnis.cFehler.SetMeldung(code);
        status = code;
    };
    if (!einzel && daten.GetBereichPosA() + 50 > e) fehler(9);
    if (einzel && daten.GetBereichPosA() + 50 > 2 * rMin) fehler(6);
    if (IstWand(fall) && daten.GetDornLaenge() + geometrie.GetBetondeckungVorn() > geometrie.GetWandDicke())
        fehler(7);
    const bool ohneNachweis = abgebrochen || OhneAnordnung(fall, ergebnis);
    if (ohneNachweis || UeberLastet(ergebnis.GetVRdZul(), ergebnis.GetVRdIst())) fehler(2);
    if (eKrit / 2 > aMin && zulassung) fehler(4);
    PruefeAbstandsinformation(ergebnis, geometrie.GetPlatteDicke(), anwendung.GetMaxDornabstand());
    if (!einzel) {
        if (e < eKrit && zulassung && n >= 2) fehler(5);
        if (e < ergebnis.GetZulMinAchs() && n >= 2) fehler(3);
    }
    if (aMin < ergebnis.GetZulMinRand()) fehler(4);
    if (!Passt(geometrie, daten, dm) || geometrie.GetPlatteDicke() < daten.GetMinBauteildicke()) fehler(1);
    const double zulaessig = ergebnis.GetVRdZul();
    const double eta = zulaessig > 0 ? ergebnis.GetVRdIst() / zulaessig : 0;
    ergebnis.SetEtaQ(std::isfinite(eta) ? eta : 0);
    if (std::min(geometrie.GetBetondeckungOben(), geometrie.GetBetondeckungUnten()) < 30 &&
        std::max({dm.A, dm.B1, dm.B2, dm.D}) > 20)
        fehler(8);
    // Without an arrangement the load cannot be shown to be carried, whatever the other checks found.
    if (ohneNachweis) status = 2;
    ergebnis.SetStatus(status);
}
