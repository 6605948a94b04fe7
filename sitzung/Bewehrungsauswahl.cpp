#include "sitzung/Bewehrungsauswahl.h"

#include <algorithm>

#include "calc/TKZAVRBemessung.h"
#include "model/Katalog.h"
#include "model/Umgebung.h"
#include "sitzung/Projektsitzung.h"

void Bewehrungsauswahl::Beginnen() {
    sitzung_.BearbeitungBeginnen();
    TKAnwendung& a = sitzung_.ArbeitskopieAendern();
    dorn_ = a.cErgebnisse.GetAktDorn();
    gespeicherterAbstand_ = a.GetMaxDornabstand();
    a.SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
}

const TKDornDaten& Bewehrungsauswahl::Daten() const {
    return sitzung_.Arbeitskopie().cErgebnisse.cDornDaten[Ord(dorn_)];
}

const TKDornErgebnis& Bewehrungsauswahl::Ergebnis() const {
    return sitzung_.Arbeitskopie().cErgebnisse.cDornErgebnis[Ord(dorn_)];
}

TKDornDaten& Bewehrungsauswahl::Record() {
    return sitzung_.ArbeitskopieAendern().cErgebnisse.cDornDaten[Ord(dorn_)];
}

TKDornErgebnis& Bewehrungsauswahl::ErgebnisRecord() {
    return sitzung_.ArbeitskopieAendern().cErgebnisse.cDornErgebnis[Ord(dorn_)];
}

Bewehrungsauswahl::Staebe Bewehrungsauswahl::Anzahlen() const {
    const TKDornDaten& d = Daten();
    return {d.GetAnzPosA(), d.GetAnzPosB1(), d.GetAnzPosB2(), d.GetAnzPosC(), d.GetAnzPosD()};
}

Bewehrungsauswahl::Staebe Bewehrungsauswahl::Durchmesser() const {
    const TKDornDaten& d = Daten();
    return {d.GetPosAd(), d.GetPosB1d(), d.GetPosB2d(), d.GetPosCd(), d.GetPosDd()};
}

std::string Bewehrungsauswahl::Durchmesserliste() const {
    const TKGeometrie& g = sitzung_.Arbeitskopie().cErgebnisse.cGeometrie;
    if (g.GetPlatteDicke() < 300) return "6;8;10;12;14;16";
    if (g.GetPlatteDicke() >= 400 && g.GetBetondeckungVorn() >= 30) return "6;8;10;12;14;16;20;25";
    return "6;8;10;12;14;16;20";
}

// A recalculation by hand is no new design run: the information on wide spacings, given once per run and
// type, is not due again because the reinforcement changed.
bool Bewehrungsauswahl::Neuberechnen() {
    const bool abstandMeldung = Ergebnis().GetAbstandMeldung();
    const bool passt = TKZAVRBemessung(sitzung_.ArbeitskopieAendern(), sitzung_.GetUmgebung())
                           .BerechneDorn(dorn_, TsCalc::caManuell);
    ErgebnisRecord().SetAbstandMeldung(abstandMeldung);
    return passt;
}

// The layout step refuses what it cannot lay out, among it fewer than two B1 bars, so no division by the
// number of B1 pairs is ever reached.
bool Bewehrungsauswahl::Auslegen(TsPosTyp posTyp) {
    if (!LegeBewehrungAus(sitzung_.Arbeitskopie().cErgebnisse.cGeometrie, Record(), Ergebnis(), posTyp))
        return false;
    Neuberechnen();
    ErgebnisRecord().SetBewehrungManuell(true);
    return true;
}

bool Bewehrungsauswahl::AnzahlenAendern(const Staebe& anzahlen, TsPosTyp posTyp) {
    TKDornDaten& d = Record();
    d.SetAnzPosA(anzahlen.A);
    d.SetAnzPosB1(anzahlen.B1);
    d.SetAnzPosB2(anzahlen.B2);
    d.SetAnzPosC(anzahlen.C);
    d.SetAnzPosD(anzahlen.D);
    return Auslegen(posTyp);
}

bool Bewehrungsauswahl::DurchmesserAendern(const Staebe& durchmesser, TsPosTyp posTyp) {
    TKDornDaten& d = Record();
    d.SetPosAd(durchmesser.A);
    d.SetPosB1d(durchmesser.B1);
    d.SetPosB2d(durchmesser.B2);
    d.SetPosCd(durchmesser.C);
    d.SetPosDd(durchmesser.D);
    return Auslegen(posTyp);
}

Bewehrungsauswahl::Standard Bewehrungsauswahl::StandardSetzen() {
    const TKDornErgebnis& e = Ergebnis();
    if (2 * std::min(e.GetAbstandLinks(), e.GetAbstandRechts()) < Daten().GetBereichPosA())
        return Standard::RandabstandZuKlein;
    if (e.Getby() <= StandardBereichPosA(dorn_)) return Standard::DornabstandZuKlein;
    const TKGeometrie& g = sitzung_.Arbeitskopie().cGeometrie;
    Record().SetDorn(dorn_, g.GetFugenbreite(), g.GetPlatteDicke());
    Neuberechnen();
    ErgebnisRecord().SetBewehrungManuell(false);
    return Standard::Gesetzt;
}

bool Bewehrungsauswahl::LaengsbewehrungDuennerAlsAufhaengung() const {
    const TKDornDaten& d = Daten();
    const int laengs = d.GetAnzPosB2() > 0 ? std::min(d.GetPosB1d(), d.GetPosB2d()) : d.GetPosB1d();
    return laengs < d.GetPosDd();
}

bool Bewehrungsauswahl::Uebernehmen() {
    sitzung_.ArbeitskopieAendern().SetMaxDornabstand(gespeicherterAbstand_);
    return Neuberechnen();
}

void Bewehrungsauswahl::Weiterbearbeiten() {
    sitzung_.ArbeitskopieAendern().SetMaxDornabstand(TsMaxDornabstand::da5dmin_redF);
}

void Bewehrungsauswahl::Abschliessen() {
    sitzung_.BearbeitungAbschliessen(
        sitzung_.GetUmgebung().translate("Projektsitzung", QT_TRANSLATE_NOOP("Projektsitzung", "Bewehrung")));
}

void Bewehrungsauswahl::Verwerfen() {
    sitzung_.BearbeitungVerwerfen();
}
