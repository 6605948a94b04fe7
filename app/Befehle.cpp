#include "app/Befehle.h"

#include <QtGlobal>
#include <algorithm>

#include "app/TfrmHauptMaske.h"

namespace {

using H = TfrmHauptMaske;
namespace A = Ansichten;

constexpr const char* Datei = QT_TRANSLATE_NOOP("Befehle", "&Datei");
constexpr const char* Projekt = QT_TRANSLATE_NOOP("Befehle", "&Projekt");
constexpr const char* Eingaben = QT_TRANSLATE_NOOP("Befehle", "&Eingaben");
constexpr const char* MenueBerechnung = QT_TRANSLATE_NOOP("Befehle", "Be&rechnung");
constexpr const char* Bedarfsliste = QT_TRANSLATE_NOOP("Befehle", "Bedarfs&liste");
constexpr const char* Export = QT_TRANSLATE_NOOP("Befehle", "E&xport");
constexpr const char* Optionen = QT_TRANSLATE_NOOP("Befehle", "&Optionen");
constexpr const char* Hilfe = QT_TRANSLATE_NOOP("Befehle", "&Hilfe");

constexpr const char* BaumDatei = QT_TRANSLATE_NOOP("Befehle", "Datei");
constexpr const char* BaumEingaben = EingabenGruppe;
constexpr const char* BaumBedarfsliste = QT_TRANSLATE_NOOP("Befehle", "Bedarfsliste");
constexpr const char* BaumOptionen = QT_TRANSLATE_NOOP("Befehle", "Optionen");
constexpr const char* BaumHilfe = QT_TRANSLATE_NOOP("Befehle", "Hilfe");
constexpr const char* Oben = "";
constexpr const char* NichtImBaum = nullptr;

// clang-format off
const std::vector<Befehlseintrag> tabelle{
    {Befehl::Neu, "actNeu", Datei, QT_TRANSLATE_NOOP("Befehle", "&Neu..."), "Ctrl+N",
     BaumDatei, QT_TRANSLATE_NOOP("Befehle", "Neu"), A::Immer, false, &H::Neu},
    {Befehl::Oeffnen, "actOeffnen", Datei, QT_TRANSLATE_NOOP("Befehle", "&Öffnen..."), "Ctrl+O",
     BaumDatei, QT_TRANSLATE_NOOP("Befehle", "Öffnen"), A::Immer, false, &H::Oeffnen},
    {Befehl::Speichern, "actSpeichern", Datei, QT_TRANSLATE_NOOP("Befehle", "&Speichern"), "Ctrl+S",
     BaumDatei, QT_TRANSLATE_NOOP("Befehle", "Speichern"), A::Immer, false, &H::Speichern},
    {Befehl::SpeichernUnter, "actSpeichernUnter", Datei, QT_TRANSLATE_NOOP("Befehle", "Speichern &unter ..."),
     "Ctrl+U", BaumDatei, QT_TRANSLATE_NOOP("Befehle", "Speichern unter ..."), A::Immer, false, &H::SpeichernUnter},
    {Befehl::DruckerEinrichten, "actDruckerEinrichten", Datei, QT_TRANSLATE_NOOP("Befehle", "Drucker &einrichten..."),
     "", BaumDatei, QT_TRANSLATE_NOOP("Befehle", "Drucker einrichten ..."), A::Immer, true, &H::DruckerEinrichten},
    {Befehl::Drucken, "actDrucken", Datei, QT_TRANSLATE_NOOP("Befehle", "&Drucken"), "Ctrl+D",
     NichtImBaum, nullptr, A::MitErgebnis, false, &H::Drucken},
    {Befehl::AlsPdf, "actAlsPdf", Datei, QT_TRANSLATE_NOOP("Befehle", "Als &PDF speichern..."), "",
     NichtImBaum, nullptr, A::MitErgebnis, false, &H::AlsPdf},
    {Befehl::ProjektDrucken, "actProjektDrucken", Datei, QT_TRANSLATE_NOOP("Befehle", "Pro&jekt drucken..."), "",
     NichtImBaum, nullptr, A::Immer, true, &H::ProjektDrucken},
    {Befehl::ProjektAlsPdf, "actProjektAlsPdf", Datei, QT_TRANSLATE_NOOP("Befehle", "Projekt als PD&F..."), "",
     NichtImBaum, nullptr, A::Immer, false, &H::ProjektAlsPdf},
    {Befehl::Projektverwaltung, "actProjektverwaltung", Projekt, QT_TRANSLATE_NOOP("Befehle", "&Projektverwaltung"),
     "Ctrl+V", Oben, QT_TRANSLATE_NOOP("Befehle", "Projektverwaltung"), A::Immer, false, &H::Projektverwaltung},
    {Befehl::PositionHinzufuegen, "actPositionHinzufuegen", Projekt,
     QT_TRANSLATE_NOOP("Befehle", "Position &hinzufügen"), "", ProjektGruppe,
     QT_TRANSLATE_NOOP("Befehle", "Position hinzufügen"), A::Immer, true, &H::PositionHinzufuegen},
    {Befehl::PositionLoeschen, "actPositionLoeschen", Projekt,
     QT_TRANSLATE_NOOP("Befehle", "aktuelle Position &löschen"), "", ProjektGruppe,
     QT_TRANSLATE_NOOP("Befehle", "aktuelle Position löschen"), A::Immer, false, &H::PositionLoeschen},
    {Befehl::Rueckgaengig, "actRueckgaengig", Eingaben, QT_TRANSLATE_NOOP("Befehle", "&Rückgängig"), "Ctrl+Z",
     NichtImBaum, nullptr, A::Immer, false, &H::Rueckgaengig},
    {Befehl::Wiederherstellen, "actWiederherstellen", Eingaben, QT_TRANSLATE_NOOP("Befehle", "&Wiederherstellen"),
     "Ctrl+Y; Ctrl+Shift+Z", NichtImBaum, nullptr, A::Immer, false, &H::Wiederherstellen},
    {Befehl::Systemeingaben, "actSystemeingaben", Eingaben, QT_TRANSLATE_NOOP("Befehle", "Systemein&gaben"), "",
     BaumEingaben, QT_TRANSLATE_NOOP("Befehle", "Systemeingaben"), A::Vorschau, true, &H::Systemeingaben},
    {Befehl::Projektdaten, "actProjektdaten", Eingaben, QT_TRANSLATE_NOOP("Befehle", "&Projektdaten"), "",
     BaumEingaben, QT_TRANSLATE_NOOP("Befehle", "Projektdaten"), A::Immer, false, &H::Projektdaten},
    {Befehl::Eingabebaum, "actEingabebaum", Eingaben, QT_TRANSLATE_NOOP("Befehle", "Eingabe&baum"), "",
     NichtImBaum, nullptr, A::Immer, true, &H::EingabebaumUmschalten},
    {Befehl::Berechnen, "actBerechnen", MenueBerechnung, QT_TRANSLATE_NOOP("Befehle", "&Berechnung durchführen"), "",
     NichtImBaum, nullptr, A::Immer, false, &H::Berechnen},
    {Befehl::Vorschau, "actVorschau", MenueBerechnung, QT_TRANSLATE_NOOP("Befehle", "&Vorschau anzeigen"), "",
     NichtImBaum, nullptr, A::Immer, false, &H::Vorschau},
    {Befehl::Tragfaehigkeitstabellen, "actTragfaehigkeitstabellen", MenueBerechnung,
     QT_TRANSLATE_NOOP("Befehle", "&Tragfähigkeitstabellen..."), "", NichtImBaum, nullptr, A::Immer, true,
     &H::Tragfaehigkeitstabellen},
    {Befehl::BedarfslisteAnzeigen, "actBedarfslisteAnzeigen", Bedarfsliste,
     QT_TRANSLATE_NOOP("Befehle", "&Bedarfsliste anzeigen"), "", BaumBedarfsliste,
     QT_TRANSLATE_NOOP("Befehle", "Bedarfsliste anzeigen"), A::Immer, false, &TfrmHauptMaske::BedarfslisteAnzeigen},
    {Befehl::BedarfslisteAufnehmen, "actBedarfsliste", Bedarfsliste,
     QT_TRANSLATE_NOOP("Befehle", "zu Bedarfsliste &hinzufügen"), "", BaumBedarfsliste,
     QT_TRANSLATE_NOOP("Befehle", "In Bedarfsliste aufnehmen"), A::MitErgebnis, false,
     &TfrmHauptMaske::BedarfslisteAufnehmen},
    {Befehl::ExportDatei, "actExportDatei", Export, QT_TRANSLATE_NOOP("Befehle", "Ergebnisse in &Datei exportieren"),
     "", NichtImBaum, nullptr, A::Vorschau, false, &H::ErgebnisseExportieren},
    {Befehl::ExportZwischenablage, "actExportZwischenablage", Export,
     QT_TRANSLATE_NOOP("Befehle", "Ergebnisse in &Zwischenablage exportieren"), "", NichtImBaum, nullptr,
     A::Vorschau, false, &H::ErgebnisseInZwischenablage},
    {Befehl::DxfDorn, "actDxfDorn", Export, QT_TRANSLATE_NOOP("Befehle", "DXF Export - D&orn"), "",
     NichtImBaum, nullptr, A::MitErgebnis, true, &H::DxfDorn},
    {Befehl::DxfBewehrung, "actDxfBewehrung", Export, QT_TRANSLATE_NOOP("Befehle", "DXF Export - &Bewehrung"), "",
     NichtImBaum, nullptr, A::MitErgebnis, false, &H::DxfBewehrung},
    {Befehl::DxfAnzeigen, "actDxfAnzeigen", Export, QT_TRANSLATE_NOOP("Befehle", "DXF-Datei &anzeigen..."), "",
     NichtImBaum, nullptr, A::Immer, false, &H::DxfAnzeigen},
    {Befehl::Bemessung, "actBemessung", Optionen, QT_TRANSLATE_NOOP("Befehle", "&Bemessung"), "",
     BaumOptionen, QT_TRANSLATE_NOOP("Befehle", "Bemessung"), A::Immer, false, &H::Bemessung},
    {Befehl::Farbeinstellungen, "actFarbeinstellungen", Optionen, QT_TRANSLATE_NOOP("Befehle", "&Farbeinstellungen"),
     "", BaumOptionen, QT_TRANSLATE_NOOP("Befehle", "Einstellungen"), A::Immer, false, &H::Farbeinstellungen},
    {Befehl::HilfeInhalt, "actHilfeInhalt", Hilfe, QT_TRANSLATE_NOOP("Befehle", "&Inhalt"), "F1",
     BaumHilfe, QT_TRANSLATE_NOOP("Befehle", "Inhalt"), A::Immer, false, &H::HilfeInhalt},
    {Befehl::HilfeSuchen, "actHilfeSuchen", Hilfe, QT_TRANSLATE_NOOP("Befehle", "&Suchen"), "",
     BaumHilfe, QT_TRANSLATE_NOOP("Befehle", "Suchen"), A::Immer, false, &H::HilfeSuchen},
    {Befehl::HilfeUeberHilfe, "actHilfeUeberHilfe", Hilfe, QT_TRANSLATE_NOOP("Befehle", "Über &Hilfe"), "",
     BaumHilfe, QT_TRANSLATE_NOOP("Befehle", "Über Hilfe"), A::Immer, false, &H::HilfeUeberHilfe},
    {Befehl::Ueber, "actUeber", Hilfe, QT_TRANSLATE_NOOP("Befehle", "&Über QUORVEL® ZAVR ..."), "",
     BaumHilfe, QT_TRANSLATE_NOOP("Befehle", "Über QUORVEL® ZAVR ..."), A::Immer, true, &H::Ueber},
    {Befehl::Katalog, "actKatalog", Hilfe, QT_TRANSLATE_NOOP("Befehle", "ZAVR - &Katalog"), "",
     BaumHilfe, QT_TRANSLATE_NOOP("Befehle", "ZAVR - Katalog"), A::Immer, false, &H::Katalog},
    {Befehl::Zulassung, "actZulassung", Hilfe, QT_TRANSLATE_NOOP("Befehle", "ZAVR - &Zulassung"), "",
     BaumHilfe, QT_TRANSLATE_NOOP("Befehle", "ZAVR - Zulassung"), A::Immer, false, &H::Zulassung},
    {Befehl::Beenden, "actBeenden", Datei, QT_TRANSLATE_NOOP("Befehle", "&Beenden"), "Alt+F4",
     Oben, QT_TRANSLATE_NOOP("Befehle", "Programm beenden"), A::Immer, true, &H::Beenden},
};
// clang-format on

}  // namespace

const std::vector<Befehlseintrag>& Befehlstabelle() {
    return tabelle;
}

const Befehlseintrag& Eintrag(Befehl befehl) {
    return *std::find_if(tabelle.begin(), tabelle.end(),
                         [befehl](const auto& e) { return e.befehl == befehl; });
}

const std::vector<const char*>& Menues() {
    static const std::vector<const char*> menues{Datei,        Projekt, Eingaben, MenueBerechnung,
                                                 Bedarfsliste, Export,  Optionen, Hilfe};
    return menues;
}

bool Aktiv(const Befehlseintrag& eintrag, TsAnsicht ansicht) {
    return eintrag.ausfuehren && (eintrag.ansichten & (1u << static_cast<int>(ansicht))) != 0;
}
