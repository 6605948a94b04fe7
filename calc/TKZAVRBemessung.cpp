#include "calc/TKZAVRBemessung.h"

#include <algorithm>
#include <cmath>

#include "calc/Dornverteilung.h"
#include "calc/Ganzzahl.h"
#include "calc/Stabwahl.h"
#include "calc/Tragfaehigkeit.h"
#include "calc/Widerstaende.h"
#include "calc/Wirtschaftlichkeit.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"

namespace {

constexpr double Theta = 0.5759586531581287604;  // 33°, slope of the concrete failure cone

// Without the 30 mm front cover no bar of more than 20 mm may be used.
void BegrenzeDurchmesser(TKDornDaten& daten) {
    const Durchmesser dm = LeseDurchmesser(daten);
    SchreibeDurchmesser(daten,
                        {std::min(dm.A, 20), std::min(dm.B1, 20), std::min(dm.D, 20), std::min(dm.B2, 20)});
}

}  // namespace

double Lastfaktor(const TKBelastung& last) {
    // A negative ratio cannot be entered; reading one from a damaged file must not divide by zero.
    const double r = std::max(last.GetLastverteilung(), 0.0);
    return (r * 1.35 + 1.5) / (r + 1) / 1.5;
}

TKZAVRBemessung::TKZAVRBemessung(TKAnwendung& anwendung, Umgebung& umgebung)
    : anwendung(anwendung), umgebung(umgebung), abgebrochen(anwendung.cErgebnisse.cDornErgebnis.size()) {}

Dornkontext TKZAVRBemessung::Kontext(TsDorn dorn) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    return {ergebnisse.cGeometrie, anwendung.GetBetonguete(), ergebnisse.cDornDaten[Ord(dorn)],
            ergebnisse.cDornErgebnis[Ord(dorn)], umgebung};
}

TKDornErgebnis& TKZAVRBemessung::Ergebnis(TsDorn dorn) {
    return anwendung.cErgebnisse.cDornErgebnis[Ord(dorn)];
}

bool TKZAVRBemessung::DornBewehrung(TKDornDaten& pDornDaten, const TKDornErgebnis& pDornErgebnis,
                                    TsPosTyp pPosTyp) {
    return LegeBewehrungAus(anwendung.cErgebnisse.cGeometrie, pDornDaten, pDornErgebnis, pPosTyp);
}

void TKZAVRBemessung::Berechne() {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    ergebnisse.cGeometrie = anwendung.cGeometrie;
    ergebnisse.SetBerechnet(true);
    reihenlast.reset();
    for (const TsDorn dorn : Katalog().Typen()) DornAufteilung(dorn);
    ergebnisse.SetAktDorn(WirtschaftlichsterDorn(anwendung).value_or(TsDorn::ZAVR20HF));
}

void TKZAVRBemessung::DornAufteilung(TsDorn pDorn) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    const double kF = Lastfaktor(anwendung.cBelastungDesign);
    ergebnisse.ResetAktDorn(pDorn);
    abgebrochen[Ord(pDorn)] = false;
    // Every run starts from a fresh result record, so recalculating gives the result of the first run.
    ergebnisse.cDornErgebnis[Ord(pDorn)].Erneuern(pDorn);
    if (ergebnisse.cGeometrie.GetBetondeckungVorn() < 30 &&
        anwendung.GetBewehrungCalc() == TsBewehrungCalc::bcOptimal)
        BegrenzeDurchmesser(ergebnisse.cDornDaten[Ord(pDorn)]);
    BestimmeKennlaengen(pDorn);

    const TsAnwendungsfall fall = anwendung.GetAnwendungsfall();
    if (IstReihe(fall)) {
        OrdneReiheAn(pDorn, kF);
        return;
    }
    if (IstPaar(fall))
        OrdnePaarAn(pDorn, kF);
    else
        OrdneEinzelnAn(pDorn, kF);
    PasseAnBreiteAn(ergebnisse.cGeometrie, ergebnisse.cDornDaten[Ord(pDorn)], Ergebnis(pDorn),
                    anwendung.GetBewehrungCalc());
    BerechneDorn(pDorn, TsCalc::caAuto);
}

void TKZAVRBemessung::BestimmeKennlaengen(TsDorn dorn) {
    const Dornkontext k = Kontext(dorn);
    const double d = Nutzhoehe(k);
    const double h = k.geometrie.GetPlatteDicke();
    const double m = static_cast<double>(Ganzzahl((h + k.daten.GetDornAbstand()) / std::tan(Theta)));
    TKDornErgebnis& e = k.ergebnis;
    e.Setbx(1.5 * d + k.geometrie.GetBetondeckungVorn());
    e.SetZulMinAchs(k.daten.GetMinAchsabstand());
    e.SetZulMinRand(k.daten.GetMinRandSeite());
    e.SetTypAchs(3 * d + k.daten.GetEinflussBereich());
    e.SetTypRand(m / 2);
    e.ResetDornAbstand();
}

void TKZAVRBemessung::OrdnePaarAn(TsDorn dorn, double kF) {
    const TKGeometrie& geometrie = anwendung.cErgebnisse.cGeometrie;
    TKDornErgebnis& e = Ergebnis(dorn);
    const double l = geometrie.GetFugenlaenge();
    double s = 0;
    double rand = 0;
    if (!geometrie.GetDornPaarAbstandCalc()) {
        s = geometrie.GetDornPaarAbstand();
        rand = (l - s) / 2;
    } else if (l < 2 * e.GetTypRand() + e.GetZulMinAchs() || l > 2 * e.GetZulMinRand() + e.GetTypAchs()) {
        s = l / 2;
        rand = l / 4;
    } else {
        rand = e.GetTypRand();
        s = l - 2 * e.GetTypRand();
    }
    e.SetAbstandLinks(rand);
    e.SetAbstandRechts(rand);
    e.SetDornPaarAbstand(s);
    if (s > e.GetTypAchs()) {
        e.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
        e.SetKritAchs(e.GetTypAchs());
    } else {
        e.SetDornAnordnung(TsDornAnordnung::daDornPaar);
        e.SetKritAchs(2 * e.GetTypRand());
    }
    e.SetIstMinAchs(s);
    anwendung.cErgebnisse.SetAnzDorn(dorn, 2);
    e.AddDornAbstand(rand, true);
    e.AddDornAbstand(s, true);
    e.AddDornAbstand(rand, true);

    const TKBelastung& last = anwendung.cBelastungDesign;
    const double qL = last.GetLinienLastLinks();
    const double qR = last.GetLinienLastRechts();
    e.SetVRdIst(kF * l * (3 * std::max(qL, qR) + std::min(qL, qR)) / 4000 / 2);
    // The width along the joint must be known before the reinforcement is fitted into it.
    e.Setby(3 * e.GetNutzhoehe() + anwendung.cErgebnisse.cDornDaten[Ord(dorn)].GetEinflussBereich());
}

void TKZAVRBemessung::OrdneEinzelnAn(TsDorn dorn, double kF) {
    const TKGeometrie& geometrie = anwendung.cErgebnisse.cGeometrie;
    TKDornErgebnis& e = Ergebnis(dorn);
    const double rL = geometrie.GetBauteilRandLinks();
    const double rR = geometrie.GetBauteilRandRechts();
    e.SetAbstandRechts(geometrie.GetRandRechts() ? rR : e.GetTypRand());
    e.SetAbstandLinks(geometrie.GetRandLinks() ? rL : e.GetTypRand());
    anwendung.cErgebnisse.SetAnzDorn(dorn, 1);
    e.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
    e.AddDornAbstand(rL, true);
    e.AddDornAbstand(rR, true);
    e.SetIstMinAchs(2 * std::min(rL, rR));
    e.SetKritAchs(e.GetTypAchs());
    Tragfaehigkeit(dorn);
    e.SetVRdIst(kF * anwendung.cBelastungDesign.GetPunktLast());
}

void TKZAVRBemessung::OrdneReiheAn(TsDorn dorn, double kF) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    TKDornErgebnis& e = Ergebnis(dorn);
    const double bE = ergebnisse.cDornDaten[Ord(dorn)].GetEinflussBereich();
    const double by = 3 * e.GetNutzhoehe() + bE;
    e.Setby(by);
    e.SetAbstandLinks(by / 2);
    e.SetAbstandRechts(by / 2);
    e.SetKritAchs(e.GetTypAchs());
    for (int durchgang = 1; durchgang <= 2; ++durchgang) {
        e.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
        Reihendurchgang(dorn, kF);
        const double typAchs = 3 * Nutzhoehe(Kontext(dorn)) + bE;
        BestimmeReihenanordnung(dorn, typAchs);
        PasseAnBreiteAn(ergebnisse.cGeometrie, ergebnisse.cDornDaten[Ord(dorn)], e,
                        anwendung.GetBewehrungCalc());
        BerechneDorn(dorn, TsCalc::caAuto);
        // The second pass is the last: its edge distances are those of its dimension chain.
        if (durchgang == 2 || ergebnisse.cGeometrie.GetDornAbstandCalc() || !(e.GetVRdZul() < e.GetVRdIst()))
            return;
        e.SetAbstandLinks(e.GetTypRand());
        e.SetAbstandRechts(e.GetTypRand());
    }
}

void TKZAVRBemessung::BestimmeReihenanordnung(TsDorn dorn, double typAchs) {
    TKDornErgebnis& e = Ergebnis(dorn);
    const int n = anwendung.cErgebnisse.GetAnzDorn(dorn);
    double f = 0;
    if (n <= 1) {
        f = 2 * std::min(e.GetDornAbstand(0), e.GetDornAbstand(1));
        e.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
    } else if (n == 2) {
        f = 2 * std::min(e.GetDornAbstand(0), e.GetDornAbstand(1));
        e.SetIstMinAchs(f);
        if (f > typAchs) {
            e.SetDornAnordnung(TsDornAnordnung::daEinzelDorn);
            e.SetKritAchs(typAchs);
        } else {
            e.SetDornAnordnung(TsDornAnordnung::daDornPaar);
            e.SetKritAchs(e.GetZulMinAchs());
        }
    } else {
        f = e.GetIstMinAchs();
        e.SetDornAnordnung(f < typAchs ? TsDornAnordnung::daDornReihe : TsDornAnordnung::daEinzelDorn);
    }
    e.SetTypAchs(typAchs);
    e.SetDornPaarAbstand(f);
}

// The first row pass of a run prepares the design load as every pass walks it: an arbitrary load cut at the
// joint length (and taken with the total of the points it keeps), a linear one as its two end values over
// the joint. The design load itself keeps the cut, as it always did; the preparation repeated would change
// nothing, so it is done once.
Verteilungslast& TKZAVRBemessung::Reihenlast(double kF) {
    if (reihenlast) return *reihenlast;
    TKBelastung& last = anwendung.cBelastungDesign;
    const double l = anwendung.cErgebnisse.cGeometrie.GetFugenlaenge();
    const bool linear = last.GetBelastungsfall() == TsBelastungsfall::bfLinienlast ||
                        last.GetBelastungsfall() == TsBelastungsfall::bfKonstanteLast;
    if (!linear) {
        last.PruefeFugenlaenge(l);
        // Cutting leaves the total of the uncut list; the distribution needs the total of the points it
        // walks, or the first run would differ from every later one.
        last = TKBelastung(last);
    }
    const TKBelastung kopie(last);
    if (linear) {
        last.SetLastLaenge(l);
        last.ResetbeliebigeLast();
        last.AddbeliebigeLast({0, kopie.GetLinienLastLinks()});
        last.AddbeliebigeLast({l, kopie.GetLinienLastRechts()});
    }
    reihenlast.emplace(last, l, kF, umgebung);
    last = kopie;
    return *reihenlast;
}

void TKZAVRBemessung::Reihendurchgang(TsDorn dorn, double kF) {
    TKErgebnisse& ergebnisse = anwendung.cErgebnisse;
    TKDornErgebnis& e = Ergebnis(dorn);
    // Each pass designs the type anew; only a failure of this pass counts.
    abgebrochen[Ord(dorn)] = false;
    e.SetVRdIst(Tragfaehigkeit(dorn));

    Verteilungslast& last = Reihenlast(kF);
    // A load of fewer than two points gives no arrangement and no dowel load at all.
    bool angeordnet = false;
    if (last.MitLast())
        angeordnet = ergebnisse.cGeometrie.GetDornAbstandCalc() ? VerteileKonstant(anwendung, dorn, last)
                                                                : VerteileAutomatisch(anwendung, dorn, last);
    else
        e.SetVRdIst(0);

    if (!angeordnet) {
        abgebrochen[Ord(dorn)] = true;
        e.ResetDornAbstand();
        ergebnisse.SetAnzDorn(dorn, 0);
        e.SetAbstandLinks(0);
        e.SetIstMinAchs(0);
        e.SetAbstandRechts(0);
        return;
    }
    const int n = ergebnisse.GetAnzDorn(dorn);
    double minAchs = e.GetDornAbstand(1);
    for (int i = 2; i <= n - 1; ++i) minAchs = std::min(minAchs, e.GetDornAbstand(i));
    e.SetAbstandLinks(e.GetDornAbstand(0));
    e.SetIstMinAchs(minAchs);
    e.SetAbstandRechts(e.GetDornAbstand(n));
}

double TKZAVRBemessung::Tragfaehigkeit(TsDorn dorn) {
    return ::Tragfaehigkeit(Kontext(dorn), anwendung.GetBewehrungCalc(), abgebrochen[Ord(dorn)]);
}

void BerechneErgebnis(TKAnwendung& anwendung, Umgebung& umgebung) {
    TKZAVRBemessung(anwendung, umgebung).Berechne();
}

std::string OptimalenDornAnzeigen(TKAnwendung& anwendung, int pDornTyp, Umgebung& umgebung) {
    if (!anwendung.cErgebnisse.GetBerechnet()) BerechneErgebnis(anwendung, umgebung);
    const std::optional<TsDorn> dorn =
        GuenstigsterDorn(anwendung, pDornTyp == 1 ? TsDornFamilie::ZAVR : TsDornFamilie::ZAVRQ);
    if (!dorn) return umgebung.translate("Bemessung", "Kein gültiger Dorn gefunden");
    return DornName(*dorn);
}
