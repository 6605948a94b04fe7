#include "sitzung/Projektsitzung.h"

#include <filesystem>
#include <system_error>

#include "calc/TKZAVRBemessung.h"
#include "datei/Dateifehler.h"
#include "dxf/DXF_Object.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/DornDxfExport.h"
#include "dxf/zeichnung/DxfDateiname.h"
#include "files/ProjektDatei.h"
#include "files/ProjektTexte.h"
#include "model/Uebersetzung.h"
#include "model/Umgebung.h"

namespace {

std::string Getrimmt(const std::string& text) {
    const auto anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

}  // namespace

Projektsitzung::Projektsitzung(Umgebung& umgebung)
    : umgebung_(umgebung), modell_(umgebung), arbeitskopie_(modell_.cAnwendung.front()) {}

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
    AnsichtEinstellen(TsAnsicht::anEingabe);
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
    ArbeitskopieAnlegen();
    datei_ = datei;
    return {};
}

Dateiergebnis Projektsitzung::Speichern() {
    if (datei_.empty())
        return {false, Text(QT_TRANSLATE_NOOP("Projektsitzung", "Das Projekt hat noch keinen Dateinamen."))};
    return SpeichernUnter(datei_);
}

Dateiergebnis Projektsitzung::SpeichernUnter(const std::string& datei) {
    ArbeitskopieZurueckschreiben();
    try {
        ProjektSpeichern(modell_, datei);
    } catch (const std::exception& fehler) {
        return {false, datei + Text(QT_TRANSLATE_NOOP("Projektsitzung", " kann nicht gespeichert werden: ")) +
                           Grund(fehler)};
    }
    datei_ = datei;
    return {};
}

std::string Projektsitzung::Dateivorschlag() const {
    const std::string name = Getrimmt(modell_.cProjektdaten.GetBauvorhaben());
    return name.empty() ? std::string() : name + ".ZAV";
}

bool Projektsitzung::Speicherfrage(const std::function<std::optional<std::string>()>& dateiWaehlen) {
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
    try {
        if (!ReadPartFromFile(modell_, datei, index)) return {false, {}};  // the reader has said why
    } catch (const std::system_error& fehler) {
        return Lesefehler(fehler);
    }
    PositionWaehlen(modell_.GetAnzAnwendung());
    return {};
}

void Projektsitzung::BeliebigeLastSetzen(std::vector<TrFloatPoint> punkte) {
    arbeitskopie_.cBelastungDesign.SetbeliebigeLast(std::move(punkte));
}

void Projektsitzung::ProjektdatenSetzen(const TKProjektdaten& daten) {
    modell_.cProjektdaten = daten;
}

void Projektsitzung::MaxDornabstandSetzen(TsMaxDornabstand abstand) {
    arbeitskopie_.SetMaxDornabstand(abstand);
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
    if (ergebnis.Aufgenommen()) {
        for (int nummer = 1; nummer <= modell_.GetAnzAnwendung(); ++nummer) {
            PositionWaehlen(nummer);
            BedarfslisteAufnehmen(std::to_string(nummer));
        }
        PositionWaehlen(aktuell);
    }
    return ergebnis;
}

void Projektsitzung::BedarfslisteSetzen(const TKStueckliste& liste) {
    modell_.cStueckliste = liste;
}

bool Projektsitzung::PositionWaehlen(int nummer) {
    if (nummer < 1 || nummer > modell_.GetAnzAnwendung()) return false;
    ArbeitskopieZurueckschreiben();
    modell_.SetAktAnwendung(static_cast<std::uint16_t>(nummer));
    ArbeitskopieAnlegen();
    PositionZeigen();
    return true;
}

bool Projektsitzung::PositionHinzufuegen() {
    const int anzahl = modell_.GetAnzAnwendung();
    if (anzahl >= MaxPositionen) {
        umgebung_.Meldung(
            Text(QT_TRANSLATE_NOOP("Projektsitzung", "Das Projekt kann keine weitere Position aufnehmen.")));
        return false;
    }
    ArbeitskopieZurueckschreiben();
    modell_.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl + 1));
    KopiereAnwendung(modell_, modell_.GetAktAnwendung(), anzahl + 1);
    return PositionWaehlen(anzahl + 1);
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
    // The working copy of the removed position is dropped, not written back.
    modell_.cAnwendung.erase(modell_.cAnwendung.begin() + (modell_.GetAktAnwendung() - 1));
    modell_.cAnwendung.emplace_back(umgebung_);  // keeps the count, which SetAnzAnwendung then lowers
    modell_.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl - 1));
    modell_.SetAktAnwendung(static_cast<std::uint16_t>(anzahl - 1));
    ArbeitskopieAnlegen();
    PositionZeigen();
    return true;
}

Berechnung Projektsitzung::Pruefen(const TKAnwendung& anwendung) {
    Berechnung b{PruefeVorBerechnung(anwendung, umgebung_), false};
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

Berechnung Projektsitzung::Berechnen() {
    const Berechnung b = Pruefen(arbeitskopie_);
    if (b.abgelehnt) AnsichtEinstellen(TsAnsicht::anEingabe);
    if (!b.bemessen) return b;
    BerechneErgebnis(arbeitskopie_, umgebung_);
    AnsichtEinstellen(TsAnsicht::anUebersicht);
    return b;
}

Berechnung Projektsitzung::Vorschau() {
    const Berechnung b = Pruefen(arbeitskopie_);
    if (b.abgelehnt) AnsichtEinstellen(TsAnsicht::anEingabe);
    if (!b.bemessen) return b;
    if (ansicht_ != TsAnsicht::anUebersicht) BerechneErgebnis(arbeitskopie_, umgebung_);
    AnsichtEinstellen(TsAnsicht::anVorschau);
    return b;
}

Berechnung Projektsitzung::PositionBerechnen(int nummer) {
    ArbeitskopieZurueckschreiben();
    TKAnwendung& anwendung = modell_.cAnwendung.at(static_cast<std::size_t>(nummer - 1));
    const Berechnung b = Pruefen(anwendung);
    if (b.bemessen) BerechneErgebnis(anwendung, umgebung_);
    ArbeitskopieAnlegen();
    return b;
}

std::vector<Berechnung> Projektsitzung::AlleBemessen() {
    std::vector<Berechnung> ergebnisse;
    for (int nummer = 1; nummer <= modell_.GetAnzAnwendung(); ++nummer) {
        if (Position(nummer).cErgebnisse.GetBerechnet())
            ergebnisse.push_back({{}, false, true});
        else
            ergebnisse.push_back(PositionBerechnen(nummer));
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
    }
    return {};
}

Dateiergebnis Projektsitzung::DornDxf(TsDorn dorn, const std::string& datei) const {
    std::string fehler;
    if (!DornDxfSchreiben(dorn, datei, fehler, umgebung_)) return {false, fehler};
    return {};
}
