// The session's inputs of the current position, with their rules, and undo and redo.
#include <algorithm>
#include <cmath>

#include "model/Umgebung.h"
#include "model/Zahlentext.h"
#include "sitzung/Lastimport.h"
#include "sitzung/Projektsitzung.h"

namespace {

// A value shown in a field and read back may differ from the stored one in the last bits.
bool Gleich(double a, double b) {
    return a == b || std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

bool LastfallErlaubt(TsAnwendungsfall fall, TsBelastungsfall last) {
    if (fall == TsAnwendungsfall::afEinzel) return last == TsBelastungsfall::bfPunktlast;
    if (last == TsBelastungsfall::bfKonstanteLast || last == TsBelastungsfall::bfLinienlast) return true;
    return IstReihe(fall) && last == TsBelastungsfall::bfbeliebigeLast;
}

// Edge distances exist only for a single dowel, which carries a point load and has no row to draw; a pair
// carries a constant or linear load, a row any line load.
void Fallregeln(TKAnwendung& a) {
    const TsAnwendungsfall fall = a.GetAnwendungsfall();
    const bool einzel = fall == TsAnwendungsfall::afEinzel;
    a.cGeometrie.SetRandLinks(einzel);
    a.cGeometrie.SetRandRechts(einzel);
    if (einzel && a.cErgebnisse.GetErgebnisAnzeige() == TsSkizzeTyp::stDornReihe)
        a.cErgebnisse.SetErgebnisAnzeige(TsSkizzeTyp::stAnsicht);
    TKBelastung& last = a.cBelastungDesign;
    if (!LastfallErlaubt(fall, last.GetBelastungsfall()))
        last.SetBelastungsfall(einzel ? TsBelastungsfall::bfPunktlast : TsBelastungsfall::bfLinienlast);
}

double WertVon(const TKBelastung& last, Lastwert wert) {
    switch (wert) {
        case Lastwert::Punkt:
            return last.GetPunktLast();
        case Lastwert::Links:
            return last.GetLinienLastLinks();
        case Lastwert::Rechts:
            break;
    }
    return last.GetLinienLastRechts();
}

void LastwertSetzen(TKBelastung& last, Lastwert wert, double v) {
    switch (wert) {
        case Lastwert::Punkt:
            last.SetPunktLast(v);
            return;
        case Lastwert::Links:
            last.SetLinienLastLinks(v);
            return;
        case Lastwert::Rechts:
            last.SetLinienLastRechts(v);
            return;
    }
}

bool Konstant(const TKAnwendung& a) {
    return a.cBelastungDesign.GetBelastungsfall() == TsBelastungsfall::bfKonstanteLast;
}

}  // namespace

Eingabeergebnis Projektsitzung::Aendern(const std::string& name, unsigned geaendert,
                                        const std::function<void(TKAnwendung&)>& aenderung) {
    TKAnwendung vorher = arbeitskopie_;
    aenderung(arbeitskopie_);
    Eingabeergebnis ergebnis;
    if (!PositionAufnehmen(std::move(vorher), name)) return ergebnis;
    ergebnis.geaendert = geaendert;
    Melden(geaendert);
    return ergebnis;
}

Eingabeergebnis Projektsitzung::Abgelehnt(Feldpruefung pruefung) const {
    Eingabeergebnis ergebnis;
    ergebnis.pruefung = pruefung;
    ergebnis.meldung = umgebung_.translate(MeldungKontext(pruefung), Meldungstext(pruefung));
    return ergebnis;
}

void Projektsitzung::FallregelnAnwenden() {
    Fallregeln(arbeitskopie_);
    if (arbeitskopie_.GetAnwendungsfall() == TsAnwendungsfall::afEinzel &&
        modell_.GetSkizzeAnzeige() == TsSkizzeTyp::stDornReihe)
        modell_.SetSkizzeAnzeige(TsSkizzeTyp::stAnsicht);
}

Eingabeergebnis Projektsitzung::FeldSetzen(Feld feld, const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos)
        return FeldwertSetzen(feld, Beschreibung(feld).ersatz);
    const std::optional<double> wert = ZahlAusText(text, umgebung_.Dezimaltrenner());
    return wert ? FeldwertSetzen(feld, *wert) : Abgelehnt(Feldpruefung::KeineZahl);
}

Eingabeergebnis Projektsitzung::FeldwertSetzen(Feld feld, double wert) {
    const Feldbeschreibung& b = Beschreibung(feld);
    const Feldpruefung pruefung =
        FeldEingebbar(feld, arbeitskopie_) ? FeldPruefen(feld, wert) : Feldpruefung::Gesperrt;
    if (pruefung != Feldpruefung::Gueltig) return Abgelehnt(pruefung);
    const double modellwert = wert * b.faktor;
    const double alteFuge = arbeitskopie_.cGeometrie.GetFugenlaenge();
    std::vector<Lastpunktaenderung> punkte;
    Eingabeergebnis ergebnis =
        Aendern(umgebung_.translate("Eingabebereich", b.schritt), Geaendert::Eingaben, [&](TKAnwendung& a) {
            if (Gleich(b.lesen(a), modellwert)) return;
            b.schreiben(a, modellwert);
            if (feld == Feld::LinienlastLinks && Konstant(a))
                Beschreibung(Feld::LinienlastRechts).schreiben(a, modellwert);
            // The design reads the points of a line load up to the joint end only.
            if (feld == Feld::Fugenlaenge)
                punkte = LastAnFugenlaengeAnpassen(a.cBelastungDesign, alteFuge, modellwert);
        });
    if (!punkte.empty() &&
        arbeitskopie_.cBelastungDesign.GetBelastungsfall() == TsBelastungsfall::bfbeliebigeLast) {
        ergebnis.hinweis = Lastpunkthinweis(punkte);
        ergebnis.lastpunkte = std::move(punkte);
    }
    return ergebnis;
}

std::string Projektsitzung::Lastpunkthinweis(const std::vector<Lastpunktaenderung>& punkte) const {
    const char t = umgebung_.Dezimaltrenner();
    std::string hinweis = Einsetzen(
        Text(QT_TRANSLATE_NOOP("Projektsitzung",
                               "Die Fugenlänge ist jetzt %1 m. Die Punkte der beliebigen Last wurden "
                               "angepasst:")),
        {FloatText(arbeitskopie_.cGeometrie.GetFugenlaenge() / 1000, t)});
    for (const Lastpunktaenderung& p : punkte) {
        const std::string x = FloatText(p.punkt.x / 1000, t), q = FloatText(p.punkt.y, t);
        hinweis += '\n';
        hinweis +=
            (p.neuesX
                 ? Einsetzen(Text(QT_TRANSLATE_NOOP("Projektsitzung",
                                                    "x = %1 m (q = %2 kN/m): jetzt bei x = %3 m")),
                             {x, q, FloatText(*p.neuesX / 1000, t)})
                 : Einsetzen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "x = %1 m (q = %2 kN/m): entfällt")),
                             {x, q}));
    }
    return hinweis + "\n\n" +
           Text(QT_TRANSLATE_NOOP(
               "Projektsitzung",
               "\"Rückgängig\" stellt die vorherige Fugenlänge mit allen Lastpunkten wieder her."));
}

Eingabeergebnis Projektsitzung::AnwendungsfallSetzen(TsAnwendungsfall fall) {
    return Aendern(
        umgebung_.translate("Eingabebereich", QT_TRANSLATE_NOOP("Eingabebereich", "Anwendungsfall")),
        Geaendert::Eingaben | Geaendert::Skizze, [&](TKAnwendung& a) {
            a.SetAnwendungsfall(fall);
            Fallregeln(a);
            if (fall == TsAnwendungsfall::afEinzel && modell_.GetSkizzeAnzeige() == TsSkizzeTyp::stDornReihe)
                modell_.SetSkizzeAnzeige(TsSkizzeTyp::stAnsicht);
        });
}

Eingabeergebnis Projektsitzung::LastfallSetzen(TsBelastungsfall fall) {
    if (!LastfallErlaubt(arbeitskopie_.GetAnwendungsfall(), fall)) {
        Eingabeergebnis ergebnis;
        ergebnis.pruefung = Feldpruefung::Gesperrt;
        ergebnis.meldung = Text(QT_TRANSLATE_NOOP(
            "Projektsitzung", "Dieser Belastungsfall ist beim gewählten Anwendungsfall nicht möglich."));
        return ergebnis;
    }
    return Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Belastungsfall")), Geaendert::Eingaben,
                   [fall](TKAnwendung& a) {
                       TKBelastung& last = a.cBelastungDesign;
                       if (fall == TsBelastungsfall::bfKonstanteLast)
                           last.SetLinienLastRechts(last.GetLinienLastLinks());
                       last.SetBelastungsfall(fall);
                   });
}

// The whole table or nothing: a bad line leaves the load as it was.
Eingabeergebnis Projektsitzung::LastdateiUebernehmen(const std::string& datei) {
    const TsBelastungsfall beliebig = TsBelastungsfall::bfbeliebigeLast;
    if (!LastfallErlaubt(arbeitskopie_.GetAnwendungsfall(), beliebig)) return LastfallSetzen(beliebig);
    Lastimport tabelle = LastdateiLesen(datei, arbeitskopie_.cGeometrie.GetFugenlaenge(), umgebung_);
    if (!tabelle) {
        Eingabeergebnis ergebnis;
        ergebnis.pruefung = tabelle.pruefung;
        ergebnis.meldung = tabelle.fehler;
        return ergebnis;
    }
    return Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "beliebige Last")), Geaendert::Eingaben,
                   [&](TKAnwendung& a) {
                       a.cBelastungDesign.SetBelastungsfall(beliebig);
                       a.cBelastungDesign.SetbeliebigeLast(std::move(tabelle.punkte));
                   });
}

Eingabeergebnis Projektsitzung::FugenbreiteSetzen(TsFugenbreite breite) {
    return Aendern(
        umgebung_.translate("Eingabebereich", QT_TRANSLATE_NOOP("Eingabebereich", "max. Fugenbreite")),
        Geaendert::Eingaben, [breite](TKAnwendung& a) { a.cGeometrie.SetFugenbreite(breite); });
}

Eingabeergebnis Projektsitzung::BetongueteSetzen(int auswahl) {
    if (auswahl < 0 || auswahl > 6) return Abgelehnt(Feldpruefung::ZuGross);
    return Aendern(umgebung_.translate("Eingabebereich", QT_TRANSLATE_NOOP("Eingabebereich", "Betongüte")),
                   Geaendert::Eingaben,
                   [auswahl](TKAnwendung& a) { a.SetBetongueteAuswahl(auswahl, a.GetAktLand()); });
}

Eingabeergebnis Projektsitzung::FeuerwiderstandSetzen(TsFeuerwiderstand feuerwiderstand) {
    return Aendern(
        umgebung_.translate("Eingabebereich", QT_TRANSLATE_NOOP("Eingabebereich", "Feuerwiderstandsdauer")),
        Geaendert::Eingaben, [feuerwiderstand](TKAnwendung& a) { a.SetFeuerwiderstand(feuerwiderstand); });
}

Eingabeergebnis Projektsitzung::BewehrungCalcSetzen(TsBewehrungCalc verfahren) {
    return Aendern(umgebung_.translate("Eingabebereich",
                                       QT_TRANSLATE_NOOP("Eingabebereich", "Ermittlung der Bewehrung")),
                   Geaendert::Eingaben, [verfahren](TKAnwendung& a) { a.SetBewehrungCalc(verfahren); });
}

Eingabeergebnis Projektsitzung::DornPaarAbstandBerechnen(bool berechnen) {
    return Aendern(
        umgebung_.translate("Eingabebereich", QT_TRANSLATE_NOOP("Eingabebereich", "Dornabstand berechnen")),
        Geaendert::Eingaben, [berechnen](TKAnwendung& a) { a.cGeometrie.SetDornPaarAbstandCalc(berechnen); });
}

Eingabeergebnis Projektsitzung::KonstanterDornabstand(bool konstant) {
    return Aendern(
        umgebung_.translate("Eingabebereich", QT_TRANSLATE_NOOP("Eingabebereich", "konstanter Dornabstand")),
        Geaendert::Eingaben, [konstant](TKAnwendung& a) { a.cGeometrie.SetDornAbstandCalc(konstant); });
}

Eingabeergebnis Projektsitzung::PositionBenennen(const std::string& name) {
    return Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Positionsname")),
                   Geaendert::Eingaben | Geaendert::Positionen,
                   [&name](TKAnwendung& a) { a.SetPosition(name); });
}

// Typed letter by letter, the name is one step until something else changes.
Eingabeergebnis Projektsitzung::ProjektBenennen(const std::string& name) {
    Eingabeergebnis ergebnis;
    if (name == modell_.cProjektdaten.GetBauvorhaben()) return ergebnis;
    std::vector<Verlauf::Teil> teile;
    teile.emplace_back(Verlauf::Projektdaten{modell_.cProjektdaten});
    modell_.cProjektdaten.SetBauvorhaben(name);
    SchrittAufnehmen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Bauvorhaben")), std::move(teile),
                     modell_.GetAktAnwendung(), true, "Bauvorhaben");
    ergebnis.geaendert = Geaendert::Projektdaten;
    Melden(ergebnis.geaendert);
    return ergebnis;
}

TKLast Projektsitzung::BemessungswerteVorschlag(Lastwert wert) const {
    const TKAnwendung& a = arbeitskopie_;
    TKLast last = a.ctmpLast;
    if (a.cBelastungCharg.GetGammaf() != 0) last.Setgg(a.cBelastungCharg.GetGammaf());
    if (a.cBelastungCharq.GetGammaf() != 0) last.Setgq(a.cBelastungCharq.GetGammaf());
    if (last.Getgq() <= 0) last.Setgq(TKLast().Getgq());
    last.SetGk(WertVon(a.cBelastungCharg, wert));
    last.SetQk(WertVon(a.cBelastungCharq, wert));
    // Characteristic values that no longer give the design value in the field (it was typed or changed since)
    // do not belong to it: all of it counts as variable load.
    const double bemessungswert = WertVon(a.cBelastungDesign, wert);
    if (std::abs(RundeZehntel(last.GetFd()) - bemessungswert) > 1e-9) {
        last.SetGk(0);
        last.SetQk(bemessungswert / last.Getgq());
    }
    return last;
}

Eingabeergebnis Projektsitzung::BemessungswerteSetzen(Lastwert wert, const TKLast& last) {
    if (last == BemessungswerteVorschlag(wert)) return {};
    const Feld feld = FeldVon(wert);
    const double bemessungswert = RundeZehntel(last.GetFd());
    const Feldpruefung pruefung =
        FeldEingebbar(feld, arbeitskopie_) ? FeldPruefen(feld, bemessungswert) : Feldpruefung::Gesperrt;
    if (pruefung != Feldpruefung::Gueltig) return Abgelehnt(pruefung);
    return Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Bemessungswerte")), Geaendert::Eingaben,
                   [&](TKAnwendung& a) {
                       a.ctmpLast = last;
                       LastwertSetzen(a.cBelastungCharg, wert, last.GetGk());
                       LastwertSetzen(a.cBelastungCharq, wert, last.GetQk());
                       LastwertSetzen(a.cBelastungDesign, wert, bemessungswert);
                       if (wert == Lastwert::Links && Konstant(a))
                           LastwertSetzen(a.cBelastungDesign, Lastwert::Rechts, bemessungswert);
                       a.cBelastungCharg.SetGammaf(last.Getgg());
                       a.cBelastungCharq.SetGammaf(last.Getgq());
                   });
}

// The information on wide spacings is given once per design run, for the type it concerns.
Eingabeergebnis Projektsitzung::DornWaehlen(TsDorn dorn) {
    modell_.cEingabeDornDaten.SetDorn(TsDorn::ZAVR45HF, modell_.GetEingabeFugenbreite(),
                                      modell_.cEingabeGeometrie.GetPlatteDicke());
    Eingabeergebnis ergebnis =
        Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Dornauswahl")), Geaendert::Ergebnisse,
                [dorn](TKAnwendung& a) { a.cErgebnisse.SetAktDorn(dorn); });
    TKDornErgebnis& dornergebnis =
        arbeitskopie_.cErgebnisse.cDornErgebnis[static_cast<std::size_t>(Ord(dorn))];
    ergebnis.abstandMeldung = dornergebnis.GetAbstandMeldung();
    dornergebnis.SetAbstandMeldung(false);
    return ergebnis;
}

// The sketch shown is not stored in the project file; clicking through the sketches is one step.
Eingabeergebnis Projektsitzung::SkizzeWaehlen(TsSkizzeTyp typ) {
    modell_.SetSkizzeAnzeige(typ);
    TKAnwendung vorher = arbeitskopie_;
    arbeitskopie_.cErgebnisse.SetErgebnisAnzeige(typ);
    PositionAufnehmen(std::move(vorher), Text(QT_TRANSLATE_NOOP("Projektsitzung", "Skizze")), false,
                      "Skizze " + std::to_string(modell_.GetAktAnwendung()));
    Eingabeergebnis ergebnis;
    ergebnis.geaendert = Geaendert::Skizze;
    Melden(ergebnis.geaendert);
    return ergebnis;
}

Eingabeergebnis Projektsitzung::BerechnungVerwerfen() {
    return Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Berechnung")), Geaendert::Ergebnisse,
                   [](TKAnwendung& a) { a.cErgebnisse.SetBerechnet(false); });
}

void Projektsitzung::BearbeitungBeginnen() {
    bearbeitungen_.push_back(arbeitskopie_);
}

Eingabeergebnis Projektsitzung::BearbeitungAbschliessen(const std::string& name) {
    Eingabeergebnis ergebnis;
    if (bearbeitungen_.empty()) return ergebnis;
    TKAnwendung vorher = std::move(bearbeitungen_.back());
    bearbeitungen_.pop_back();
    if (!PositionAufnehmen(std::move(vorher), name)) return ergebnis;
    ergebnis.geaendert = Geaendert::Eingaben | Geaendert::Ergebnisse;
    Melden(ergebnis.geaendert);
    return ergebnis;
}

void Projektsitzung::BearbeitungVerwerfen() {
    if (bearbeitungen_.empty()) return;
    arbeitskopie_ = std::move(bearbeitungen_.back());
    bearbeitungen_.pop_back();
    Melden(Geaendert::Eingaben | Geaendert::Ergebnisse);
}

bool Projektsitzung::Rueckgaengig() {
    if (!bearbeitungen_.empty() || !verlauf_.KannRueckgaengig()) return false;
    ArbeitskopieZurueckschreiben();
    NachVerlauf(*verlauf_.Rueckgaengig(modell_));
    return true;
}

bool Projektsitzung::Wiederherstellen() {
    if (!bearbeitungen_.empty() || !verlauf_.KannWiederherstellen()) return false;
    ArbeitskopieZurueckschreiben();
    NachVerlauf(*verlauf_.Wiederherstellen(modell_));
    return true;
}

void Projektsitzung::NachVerlauf(int nummer) {
    modell_.SetAktAnwendung(
        static_cast<std::uint16_t>(std::clamp<int>(nummer, 1, modell_.GetAnzAnwendung())));
    ArbeitskopieAnlegen();
    PositionZeigen();
    Melden(Geaendert::Projekt);
}
