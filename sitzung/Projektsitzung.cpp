#include "sitzung/Projektsitzung.h"

#include <filesystem>
#include <system_error>

#include "calc/TKZAVRBemessung.h"
#include "datei/Dateifehler.h"
#include "dxf/DXF_Object.h"
#include "dxf/DXF_exception.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/DornDxfExport.h"
#include "dxf/zeichnung/DxfDateiname.h"
#include "files/ProjektDatei.h"
#include "files/ProjektTexte.h"
#include "model/Uebersetzung.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"
#include "sitzung/Bedarfsnummern.h"

namespace {

std::string Getrimmt(const std::string& text) {
    const auto anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

}  // namespace

Projektsitzung::Projektsitzung(Umgebung& umgebung)
    : umgebung_(umgebung), modell_(umgebung), arbeitskopie_(modell_.cAnwendung.front()) {}

void Projektsitzung::Melden(unsigned geaendert) const {
    if (geaendert != 0 && beobachter_) beobachter_(geaendert);
}

void Projektsitzung::SchrittAufnehmen(std::string name, std::vector<Verlauf::Teil> teile, int aktuellVorher,
                                      bool aendertDatei, std::string zusammenfassen) {
    verlauf_.Aufnehmen({std::move(name), std::move(teile), aktuellVorher, modell_.GetAktAnwendung(),
                        aendertDatei, std::move(zusammenfassen)});
}

bool Projektsitzung::PositionAufnehmen(TKAnwendung vorher, const std::string& name, bool aendertDatei,
                                       const std::string& zusammenfassen) {
    if (vorher == arbeitskopie_) return false;
    if (!bearbeitungen_.empty()) return true;  // part of the open Bearbeitung's step
    const int nummer = modell_.GetAktAnwendung();
    std::vector<Verlauf::Teil> teile;
    teile.emplace_back(Verlauf::Position{nummer, std::move(vorher)});
    SchrittAufnehmen(name, std::move(teile), nummer, aendertDatei, zusammenfassen);
    return true;
}

std::string Projektsitzung::Text(const char* text) const {
    return umgebung_.translate("Projektsitzung", text);
}

std::string Projektsitzung::Grund(const std::exception& fehler) const {
    return umgebung_.translate("Dateifehler", Fehlergrund(fehler).c_str());
}

void Projektsitzung::ArbeitskopieAnlegen() {
    arbeitskopie_ = modell_.cAnwendung.at(modell_.GetAktAnwendung() - 1);
}

void Projektsitzung::ArbeitskopieZurueckschreiben() {
    modell_.cAnwendung.at(modell_.GetAktAnwendung() - 1) = arbeitskopie_;
}

const TKAnwendung& Projektsitzung::Position(int nummer) const {
    if (nummer == modell_.GetAktAnwendung()) return arbeitskopie_;
    return modell_.cAnwendung.at(static_cast<std::size_t>(nummer - 1));
}

void Projektsitzung::AnsichtEinstellen(TsAnsicht ansicht) {
    ansicht_ = ansicht;
    if (ansicht != TsAnsicht::anEingabe) {
        modell_.SetSkizzeAnzeige(arbeitskopie_.cErgebnisse.GetErgebnisAnzeige());
        return;
    }
    modell_.SetSkizzeAnzeige(TsSkizzeTyp::stEingabe);
    modell_.cEingabeDornDaten.SetDorn(modell_.GetEingabeDorn(), modell_.GetEingabeFugenbreite(),
                                      modell_.cEingabeGeometrie.GetPlatteDicke());
}

void Projektsitzung::PositionZeigen() {
    modell_.SetSkizzeAnzeige(arbeitskopie_.cErgebnisse.GetErgebnisAnzeige());
    AnsichtEinstellen(arbeitskopie_.cErgebnisse.GetBerechnet() ? TsAnsicht::anUebersicht
                                                               : TsAnsicht::anEingabe);
}

void Projektsitzung::Neu() {
    modell_ = TKModell(umgebung_);
    ArbeitskopieAnlegen();
    datei_.clear();
    verlauf_.Leeren();
    bearbeitungen_.clear();
    AnsichtEinstellen(TsAnsicht::anEingabe);
    Melden(Geaendert::Projekt);
}

Dateiergebnis Projektsitzung::Lesefehler(const std::system_error& fehler) const {
    return {false, Text(QT_TRANSLATE_NOOP("Projektsitzung", "Kann angegebene Datei nicht öffnen!")) + " (" +
                       Grund(fehler) + ")"};
}

Dateiergebnis Projektsitzung::Oeffnen(const std::string& datei) {
    TKModell gelesen(umgebung_);
    try {
        if (!ReadFromFile(gelesen, datei)) return {false, {}};  // the reader has said why
    } catch (const std::system_error& fehler) {
        return Lesefehler(fehler);
    }
    modell_ = std::move(gelesen);
    EingabenPruefen(1);
    ArbeitskopieAnlegen();
    datei_ = datei;
    verlauf_.Leeren();
    bearbeitungen_.clear();
    Melden(Geaendert::Projekt);
    return {};
}

// Positions read with a value outside the window's limits are not designed: results stored with them do
// not count, and the notice names each such position with its key.
void Projektsitzung::EingabenPruefen(int von) {
    std::string meldung;
    for (int nummer = von; nummer <= modell_.GetAnzAnwendung(); ++nummer) {
        TKAnwendung& a = modell_.cAnwendung[static_cast<std::size_t>(nummer - 1)];
        const std::optional<std::string> hinweis = Feldhinweis(a, nummer);
        if (!hinweis) continue;
        a.cErgebnisse.SetBerechnet(false);
        meldung += '\n';
        meldung += Einsetzen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Position %1 \"%2\": %3")),
                             {std::to_string(nummer), a.GetPosition(), *hinweis});
    }
    if (!meldung.empty())
        umgebung_.Meldung(Text(QT_TRANSLATE_NOOP("Projektsitzung",
                                                 "Werte außerhalb der Grenzen der Eingabe; diese Positionen "
                                                 "werden nicht bemessen:")) +
                          meldung);
}

Dateiergebnis Projektsitzung::Speichern() {
    if (datei_.empty())
        return {false, Text(QT_TRANSLATE_NOOP("Projektsitzung", "Das Projekt hat noch keinen Dateinamen."))};
    return SpeichernUnter(datei_);
}

Dateiergebnis Projektsitzung::Schreiben(const std::string& datei) {
    ArbeitskopieZurueckschreiben();
    try {
        ProjektSpeichern(modell_, datei);
    } catch (const std::exception& fehler) {
        return {false, datei + Text(QT_TRANSLATE_NOOP("Projektsitzung", " kann nicht gespeichert werden: ")) +
                           Grund(fehler)};
    }
    return {};
}

Dateiergebnis Projektsitzung::SpeichernUnter(const std::string& datei) {
    if (Dateiergebnis ergebnis = Schreiben(datei); !ergebnis) return ergebnis;
    datei_ = datei;
    verlauf_.Gespeichert();
    Melden(Geaendert::Datei);
    return {};
}

Dateiergebnis Projektsitzung::SicherungSchreiben(const std::string& sicherung) {
    if (!bearbeitungen_.empty()) return {false, {}, true};
    return Schreiben(sicherung);
}

Dateiergebnis Projektsitzung::SicherungOeffnen(const std::string& sicherung, const std::string& datei) {
    Dateiergebnis ergebnis = Oeffnen(sicherung);
    if (!ergebnis) return ergebnis;
    datei_ = datei;
    verlauf_.Ungespeichert();
    Melden(Geaendert::Datei);
    return ergebnis;
}

std::string Projektsitzung::Dateivorschlag() const {
    const std::string name = Getrimmt(modell_.cProjektdaten.GetBauvorhaben());
    return name.empty() ? std::string() : name + ".ZAV";
}

bool Projektsitzung::Speicherfrage(const std::function<std::optional<std::string>()>& dateiWaehlen) {
    if (!Geaendert()) return true;
    switch (umgebung_.Frage(
        Text(QT_TRANSLATE_NOOP("Projektsitzung", "Soll der aktuelle Zustand gespeichert werden?")), true)) {
        case Antwort::Nein:
            return true;
        case Antwort::Abbrechen:
            return false;
        case Antwort::Ja:
            break;
    }
    Dateiergebnis ergebnis;
    if (!datei_.empty()) {
        ergebnis = Speichern();
    } else {
        const std::optional<std::string> datei = dateiWaehlen();
        if (!datei) return false;
        ergebnis = SpeichernUnter(*datei);
    }
    if (!ergebnis && !ergebnis.grund.empty()) umgebung_.Meldung(ergebnis.grund);
    return ergebnis.ok;
}

Projektinhalt Projektsitzung::ProjektinhaltLesen(const std::string& datei) const {
    TKExplorer explorer(umgebung_);
    Projektinhalt inhalt;
    try {
        if (!explorer.ReadFromFile(datei)) inhalt.ergebnis = {false, {}};  // the notice is given
    } catch (const std::system_error& fehler) {
        inhalt.ergebnis = Lesefehler(fehler);
    }
    inhalt.positionen = explorer.GetProjekt();
    return inhalt;
}

Dateiergebnis Projektsitzung::PositionUebernehmen(const std::string& datei, int index) {
    Dateiergebnis ergebnis;
    PositionAnhaengen(QT_TRANSLATE_NOOP("Projektsitzung", "Position übernehmen"), [&] {
        try {
            if (!ReadPartFromFile(modell_, datei, index)) ergebnis = {false, {}};  // the reader has said why
        } catch (const std::system_error& fehler) {
            ergebnis = Lesefehler(fehler);
        }
        if (ergebnis) EingabenPruefen(modell_.GetAnzAnwendung());
        return ergebnis.ok;
    });
    return ergebnis;
}

// Appended positions become current; the step takes them out again. The working copy goes back into the
// project first, so that `anhaengen` finds the current position as the user sees it.
bool Projektsitzung::PositionAnhaengen(const char* name, const std::function<bool()>& anhaengen) {
    ArbeitskopieZurueckschreiben();
    const int aktuell = modell_.GetAktAnwendung();
    const int anzahl = modell_.GetAnzAnwendung();
    if (!anhaengen() || modell_.GetAnzAnwendung() <= anzahl) return false;
    std::vector<Verlauf::Teil> teile;
    for (int nummer = anzahl + 1; nummer <= modell_.GetAnzAnwendung(); ++nummer)
        teile.emplace_back(Verlauf::Eingefuegt{nummer});
    modell_.SetAktAnwendung(modell_.GetAnzAnwendung());
    ArbeitskopieAnlegen();
    PositionZeigen();
    SchrittAufnehmen(Text(name), std::move(teile), aktuell);
    Melden(Geaendert::Positionen | Geaendert::Eingaben | Geaendert::Ergebnisse);
    return true;
}

void Projektsitzung::BeliebigeLastSetzen(std::vector<TrFloatPoint> punkte) {
    arbeitskopie_.cBelastungDesign.SetbeliebigeLast(std::move(punkte));
}

void Projektsitzung::ProjektdatenSetzen(const TKProjektdaten& daten) {
    if (daten == modell_.cProjektdaten) return;
    std::vector<Verlauf::Teil> teile;
    teile.emplace_back(Verlauf::Projektdaten{modell_.cProjektdaten});
    modell_.cProjektdaten = daten;
    SchrittAufnehmen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Projektdaten")), std::move(teile),
                     modell_.GetAktAnwendung());
    Melden(Geaendert::Projektdaten);
}

void Projektsitzung::MaxDornabstandSetzen(TsMaxDornabstand abstand) {
    Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Maximaler Dornabstand")), Geaendert::Eingaben,
            [abstand](TKAnwendung& a) { a.SetMaxDornabstand(abstand); });
}

OptimaleDorne Projektsitzung::OptimaleDorneAnzeigen() {
    OptimaleDorne dorne;
    dorne.zavr = OptimalenDornAnzeigen(arbeitskopie_, 1, umgebung_);
    dorne.zavrq = OptimalenDornAnzeigen(arbeitskopie_, 2, umgebung_);
    return dorne;
}

Dornwahl Projektsitzung::Gewaehlt(int nummer) const {
    return GewaehlterDorn(Position(nummer));
}

std::string Projektsitzung::GewaehltText(int nummer) const {
    return DornwahlText(Gewaehlt(nummer), umgebung_);
}

bool Projektsitzung::Zulaessig(int nummer, TsDorn dorn) const {
    const TKErgebnisse& ergebnisse = Position(nummer).cErgebnisse;
    return ergebnisse.GetBerechnet() && ergebnisse.cDornErgebnis[Ord(dorn)].GetStatus() == 0;
}

Aufnahme Projektsitzung::BedarfslisteAufnehmen(const std::string& positionsText) {
    TKStueckliste vorher = modell_.cStueckliste;
    const Aufnahme aufnahme = EintragAufnehmen(positionsText);
    BedarfslisteErsetzen(modell_.cStueckliste, std::move(vorher));
    return aufnahme;
}

Aufnahme Projektsitzung::EintragAufnehmen(const std::string& positionsText) {
    const Dornwahl wahl = GewaehlterDorn(arbeitskopie_);
    if (wahl.zustand == Wahlzustand::NichtBemessen) return Aufnahme::OhneErgebnis;
    if (!wahl.Zulaessig()) return Aufnahme::Unzulaessig;
    const std::string nummer = Getrimmt(positionsText);
    const TKStueckliste::Eintrag eintrag = Bedarfseintrag(arbeitskopie_, nummer, umgebung_.Dezimaltrenner());
    TKStueckliste& liste = modell_.cStueckliste;
    const std::string frage = Text(QT_TRANSLATE_NOOP(
        "Projektsitzung",
        "Die aktuelle Position ist schon in der Bedarfsliste vorhanden\n\nSoll diese überschrieben werden?"));
    for (int nr = 1; nr <= liste.GetCountEintraege(); ++nr) {
        if (Zeile(liste.GetEintrag(nr), Bedarfszeile::LfdNr) != nummer) continue;
        if (umgebung_.Frage(frage, false) != Antwort::Ja) continue;
        liste.ChangeEintrag(eintrag, nr);
        return Aufnahme::Ersetzt;
    }
    liste.AddEintrag(eintrag);
    return Aufnahme::Angehaengt;
}

Sammelaufnahme Projektsitzung::AllePositionenAufnehmen(const std::vector<Berechnung>& berechnungen) {
    const int aktuell = modell_.GetAktAnwendung();
    Sammelaufnahme ergebnis;
    for (int nummer = 1; nummer <= modell_.GetAnzAnwendung(); ++nummer) {
        if (!berechnungen.at(static_cast<std::size_t>(nummer - 1)).bemessen)
            ergebnis.nichtBemessen.push_back(nummer);
        else if (!Gewaehlt(nummer).Zulaessig())
            ergebnis.unzulaessig.push_back(nummer);
    }
    if (!ergebnis.Aufgenommen()) return ergebnis;
    TKStueckliste vorher = modell_.cStueckliste;
    for (int nummer = 1; nummer <= modell_.GetAnzAnwendung(); ++nummer) {
        PositionWaehlen(nummer);
        EintragAufnehmen(std::to_string(nummer));
    }
    PositionWaehlen(aktuell);
    BedarfslisteErsetzen(modell_.cStueckliste, std::move(vorher));
    return ergebnis;
}

void Projektsitzung::BedarfslisteSetzen(const TKStueckliste& liste) {
    BedarfslisteErsetzen(liste, modell_.cStueckliste);
}

void Projektsitzung::BedarfslisteErsetzen(const TKStueckliste& liste, TKStueckliste vorher) {
    if (liste == vorher) return;
    if (&liste != &modell_.cStueckliste) modell_.cStueckliste = liste;
    std::vector<Verlauf::Teil> teile;
    teile.emplace_back(Verlauf::Bedarfsliste{std::move(vorher)});
    SchrittAufnehmen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Bedarfsliste")), std::move(teile),
                     modell_.GetAktAnwendung());
    Melden(Geaendert::Bedarfsliste);
}

bool Projektsitzung::PositionWaehlen(int nummer) {
    if (nummer < 1 || nummer > modell_.GetAnzAnwendung()) return false;
    ArbeitskopieZurueckschreiben();
    modell_.SetAktAnwendung(static_cast<std::uint16_t>(nummer));
    ArbeitskopieAnlegen();
    PositionZeigen();
    Melden(Geaendert::Positionen | Geaendert::Eingaben | Geaendert::Ergebnisse);
    return true;
}

bool Projektsitzung::PlatzFuerPosition() const {
    if (modell_.GetAnzAnwendung() < MaxPositionen) return true;
    umgebung_.Meldung(
        Text(QT_TRANSLATE_NOOP("Projektsitzung", "Das Projekt kann keine weitere Position aufnehmen.")));
    return false;
}

bool Projektsitzung::PositionHinzufuegen() {
    if (!PlatzFuerPosition()) return false;
    return PositionAnhaengen(QT_TRANSLATE_NOOP("Projektsitzung", "Position hinzufügen"), [this] {
        const int neu = modell_.GetAnzAnwendung() + 1;
        modell_.SetAnzAnwendung(static_cast<std::uint16_t>(neu));
        return KopiereAnwendung(modell_, modell_.GetAktAnwendung(), neu);
    });
}

bool Projektsitzung::PositionLoeschen() {
    const int anzahl = modell_.GetAnzAnwendung();
    if (anzahl <= 1) {
        umgebung_.Meldung(
            Text(QT_TRANSLATE_NOOP("Projektsitzung", "Es ist nur eine Position im Projekt vorhanden.")) +
            "\n\n" +
            Text(QT_TRANSLATE_NOOP("Projektsitzung", "Die letzte Position kann nicht entfernt werden!")));
        return false;
    }
    const int nummer = modell_.GetAktAnwendung();
    const std::string frage =
        Einsetzen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Soll die Position %1 \"%2\" gelöscht werden?")),
                  {std::to_string(nummer), arbeitskopie_.GetPosition()});
    if (umgebung_.Frage(frage, false) != Antwort::Ja) return false;
    const int eintraege = AnzahlEintraegeVon(modell_.cStueckliste, nummer);
    const bool eintraegeEntfernen =
        eintraege > 0 &&
        umgebung_.Frage(
            Einsetzen(Text(QT_TRANSLATE_NOOP("Projektsitzung",
                                             "Die Position %1 steht in der Bedarfsliste. Soll ihr "
                                             "Eintrag ebenfalls entfernt werden?")),
                      {std::to_string(nummer)}),
            false) == Antwort::Ja;

    // The step keeps the position as the user sees it, working copy and results included.
    std::vector<Verlauf::Teil> teile;
    teile.emplace_back(Verlauf::Bedarfsliste{modell_.cStueckliste});
    teile.emplace_back(Verlauf::Entfernt{nummer, arbeitskopie_});
    PositionEntfernt(modell_.cStueckliste, nummer, eintraegeEntfernen);
    modell_.cAnwendung.erase(modell_.cAnwendung.begin() + (nummer - 1));
    modell_.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl - 1));
    modell_.SetAktAnwendung(static_cast<std::uint16_t>(anzahl - 1));
    ArbeitskopieAnlegen();
    PositionZeigen();
    SchrittAufnehmen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Position löschen")), std::move(teile), nummer);
    Melden(Geaendert::Positionen | Geaendert::Eingaben | Geaendert::Ergebnisse | Geaendert::Bedarfsliste);
    return true;
}

std::optional<std::string> Projektsitzung::Feldhinweis(const TKAnwendung& anwendung, int nummer) const {
    const std::optional<Feldfehler> fehler = PositionPruefen(anwendung);
    if (!fehler) return std::nullopt;
    const Feldbeschreibung& b = Beschreibung(fehler->feld);
    return Einsetzen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "%1 (%2 = %3): %4")),
                     {umgebung_.translate("Eingabebereich", b.schritt), Dateischluessel(fehler->feld, nummer),
                      FloatText(b.lesen(anwendung), umgebung_.Dezimaltrenner()),
                      umgebung_.translate(MeldungKontext(fehler->pruefung), Meldungstext(fehler->pruefung))});
}

// A value outside the window's limits (from a file or a script) fails first: the checks and the design
// assume them.
Berechnung Projektsitzung::Pruefen(const TKAnwendung& anwendung, int nummer) {
    Berechnung b{PruefeVorBerechnung(anwendung, umgebung_), false};
    if (std::optional<std::string> hinweis = Feldhinweis(anwendung, nummer))
        b.pruefung.Hinweise.insert(b.pruefung.Hinweise.begin(), std::move(*hinweis));
    bool bestanden = b.pruefung.Bestanden();
    if (b.pruefung.KonstanterAbstandFrage &&
        umgebung_.Frage(umgebung_.translate("Vorpruefung", FrageKonstanterAbstand), false) != Antwort::Ja) {
        b.pruefung.Hinweise.push_back(umgebung_.translate("Vorpruefung", HinweisKonstanterAbstand));
        bestanden = false;
        b.abgelehnt = true;
    }
    modell_.SetCalcFlag(bestanden);
    b.bemessen = bestanden;
    return b;
}

// A design run is a step: undoing it brings back the results the position had before.
Berechnung Projektsitzung::Berechnen() {
    const Berechnung b = Pruefen(arbeitskopie_, modell_.GetAktAnwendung());
    if (b.abgelehnt) AnsichtEinstellen(TsAnsicht::anEingabe);
    if (!b.bemessen) return b;
    Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Berechnung")), Geaendert::Ergebnisse,
            [this](TKAnwendung& a) { BerechneErgebnis(a, umgebung_); });
    AnsichtEinstellen(TsAnsicht::anUebersicht);
    return b;
}

Berechnung Projektsitzung::Vorschau() {
    const Berechnung b = Pruefen(arbeitskopie_, modell_.GetAktAnwendung());
    if (b.abgelehnt) AnsichtEinstellen(TsAnsicht::anEingabe);
    if (!b.bemessen) return b;
    if (ansicht_ != TsAnsicht::anUebersicht)
        Aendern(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Berechnung")), Geaendert::Ergebnisse,
                [this](TKAnwendung& a) { BerechneErgebnis(a, umgebung_); });
    AnsichtEinstellen(TsAnsicht::anVorschau);
    return b;
}

Berechnung Projektsitzung::PositionBemessen(int nummer) {
    TKAnwendung& anwendung = modell_.cAnwendung.at(static_cast<std::size_t>(nummer - 1));
    const Berechnung b = Pruefen(anwendung, nummer);
    if (b.bemessen) BerechneErgebnis(anwendung, umgebung_);
    return b;
}

Berechnung Projektsitzung::PositionBerechnen(int nummer) {
    return Bemessen({nummer}).front();
}

std::vector<Berechnung> Projektsitzung::AlleBemessen() {
    std::vector<int> nummern;
    for (int nummer = 1; nummer <= modell_.GetAnzAnwendung(); ++nummer)
        if (!Position(nummer).cErgebnisse.GetBerechnet()) nummern.push_back(nummer);
    std::vector<Berechnung> bemessen = Bemessen(nummern);
    std::vector<Berechnung> ergebnisse(static_cast<std::size_t>(modell_.GetAnzAnwendung()),
                                       {{}, false, true});
    for (std::size_t i = 0; i < nummern.size(); ++i)
        ergebnisse[static_cast<std::size_t>(nummern[i] - 1)] = std::move(bemessen[i]);
    return ergebnisse;
}

// The positions `nummern` designed as one step; the current position, the sketch and the view stay.
std::vector<Berechnung> Projektsitzung::Bemessen(const std::vector<int>& nummern) {
    ArbeitskopieZurueckschreiben();
    std::vector<Berechnung> ergebnisse;
    std::vector<Verlauf::Teil> teile;
    for (int nummer : nummern) {
        TKAnwendung vorher = modell_.cAnwendung.at(static_cast<std::size_t>(nummer - 1));
        ergebnisse.push_back(PositionBemessen(nummer));
        if (!(vorher == modell_.cAnwendung[static_cast<std::size_t>(nummer - 1)]))
            teile.emplace_back(Verlauf::Position{nummer, std::move(vorher)});
    }
    ArbeitskopieAnlegen();
    if (!teile.empty()) {
        SchrittAufnehmen(Text(QT_TRANSLATE_NOOP("Projektsitzung", "Berechnung")), std::move(teile),
                         modell_.GetAktAnwendung());
        Melden(Geaendert::Ergebnisse);
    }
    return ergebnisse;
}

Dateiergebnis Projektsitzung::BewehrungDxf(int nummer, TsDorn dorn, const std::string& datei) const {
    DXF_Object zeichnung;
    if (Dateiergebnis ergebnis = BewehrungZeichnen(nummer, dorn, zeichnung); !ergebnis) return ergebnis;
    return DxfSpeichern(zeichnung, datei);
}

Dateiergebnis Projektsitzung::BewehrungZeichnen(int nummer, TsDorn dorn, DXF_Object& zeichnung) const {
    std::string fehler;
    if (!BewehrungsZeichnung(Position(nummer), dorn, umgebung_, zeichnung, fehler))
        return {false, fehler, true};
    return {};
}

Dateiergebnis Projektsitzung::DxfSpeichern(const DXF_Object& zeichnung, const std::string& datei) const {
    std::string fehler;
    if (!SpeichereDxf(zeichnung, MitDxfEndung(datei), fehler, umgebung_)) return {false, fehler};
    return {};
}

Dateiergebnis Projektsitzung::DxfLesen(const std::string& datei, DXF_Messages& meldungen,
                                       DXF_Object& zeichnung) const {
    std::error_code fehler;
    if (!std::filesystem::exists(datei, fehler))
        return {false, Text(QT_TRANSLATE_NOOP("Projektsitzung", "Datei nicht gefunden"))};
    try {
        zeichnung = DXF_Object::create_from_file(datei, meldungen);
    } catch (const std::system_error& e) {
        return Lesefehler(e);
    } catch (const DXF_read_exception& e) {
        return {false,
                Text(QT_TRANSLATE_NOOP("Projektsitzung", "Die Datei enthält keine lesbare DXF-Zeichnung")) +
                    " (" + e.what() + ")"};
    }
    return {};
}

Dateiergebnis Projektsitzung::DornDxf(TsDorn dorn, const std::string& datei) const {
    std::string fehler;
    if (!DornDxfSchreiben(dorn, datei, fehler, umgebung_)) return {false, fehler};
    return {};
}
