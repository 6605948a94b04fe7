#pragma once

#include <QtGlobal>
#include <vector>

#include "model/Typen.h"

class TfrmHauptMaske;

// The commands of the main window. One table says for each its menu entry, shortcut, place in the
// navigation tree, the view modes in which it is enabled, and its handler; menus, toolbar, tree and
// enabled states are all built from it.
enum class Befehl {
    Neu,
    Oeffnen,
    Speichern,
    SpeichernUnter,
    DruckerEinrichten,
    Drucken,
    AlsPdf,
    ProjektDrucken,
    ProjektAlsPdf,
    Projektverwaltung,
    PositionHinzufuegen,
    PositionLoeschen,
    Rueckgaengig,
    Wiederherstellen,
    Systemeingaben,
    Projektdaten,
    Eingabebaum,
    Berechnen,
    Vorschau,
    Tragfaehigkeitstabellen,
    BedarfslisteAnzeigen,
    BedarfslisteAufnehmen,
    ExportDatei,
    ExportZwischenablage,
    DxfDorn,
    DxfBewehrung,
    DxfAnzeigen,
    Bemessung,
    Farbeinstellungen,
    HilfeInhalt,
    HilfeSuchen,
    HilfeUeberHilfe,
    Ueber,
    Katalog,
    Zulassung,
    Beenden,
};

// The view modes in which a command is enabled and its tree entry present.
namespace Ansichten {
constexpr unsigned Eingabe = 1u << static_cast<int>(TsAnsicht::anEingabe);
constexpr unsigned Vorschau = 1u << static_cast<int>(TsAnsicht::anVorschau);
constexpr unsigned Uebersicht = 1u << static_cast<int>(TsAnsicht::anUebersicht);
constexpr unsigned Immer = Eingabe | Vorschau | Uebersicht;
constexpr unsigned MitErgebnis = Vorschau | Uebersicht;
}  // namespace Ansichten

struct Befehlseintrag {
    Befehl befehl;
    const char* name;    // object name of the action
    const char* menue;   // the menu it belongs to
    const char* text;    // menu caption with its accelerator
    const char* kurz;    // shortcuts separated by "; ", empty for none
    const char* gruppe;  // its group in the navigation tree; empty: a top entry of the tree
    const char* baum;    // its entry in the navigation tree; nullptr: not in the tree
    unsigned ansichten;  // Ansichten in which it is enabled
    bool trenner;        // a separator before it in its menu
    void (TfrmHauptMaske::*ausfuehren)();
};

// Every command, in the order of the navigation tree; within a menu the commands keep this order too.
// Texts are German source texts of the context "Befehle".
const std::vector<Befehlseintrag>& Befehlstabelle();
const Befehlseintrag& Eintrag(Befehl befehl);

// The menus of the menu bar in their order.
const std::vector<const char*>& Menues();

// The tree group that holds the positions ("Bauvorhaben: " and the project name), its sub-entry, and the
// inputs group; the three start expanded.
inline constexpr const char* ProjektGruppe = QT_TRANSLATE_NOOP("Befehle", "Bauvorhaben: ");
inline constexpr const char* PositionsGruppe = QT_TRANSLATE_NOOP("Befehle", "aktuelle Positionen");
inline constexpr const char* EingabenGruppe = QT_TRANSLATE_NOOP("Befehle", "Eingaben");
inline constexpr const char* ZuletztGruppe = QT_TRANSLATE_NOOP("Befehle", "Zuletzt geöffnet");

bool Aktiv(const Befehlseintrag& eintrag, TsAnsicht ansicht);
