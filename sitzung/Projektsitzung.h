#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "calc/Wirtschaftlichkeit.h"
#include "files/TKExplorer.h"
#include "model/Bedarfsliste.h"
#include "model/TKModell.h"
#include "model/Typen.h"
#include "model/Vorpruefung.h"
#include "sitzung/Eingabe.h"
#include "sitzung/Verlauf.h"

class DXF_Messages;
class DXF_Object;
struct Tabellenzelle;
struct Umgebung;

// What became of a use case that reads or writes a file.
struct Dateiergebnis {
    bool ok = true;
    std::string grund;  // why it failed, in the user-interface language; empty when it was reported already
    bool verweigert = false;  // nothing to write: the content could not be made (not a file error)

    explicit operator bool() const { return ok; }
};

// The outcome of the calculate command on one position.
struct Berechnung {
    Vorpruefung pruefung;    // its hints include the one added when the user declined the spacing question
    bool abgelehnt = false;  // the user declined to design with the wide constant spacing
    bool bemessen = false;
};

// What the add command did with the bill of quantities.
enum class Aufnahme {
    Angehaengt,    // a new entry at the end
    Ersetzt,       // the entry of the same position number, after Yes to the question
    OhneErgebnis,  // nothing: the position has no results to take
    Unzulaessig    // nothing: the selected type is not admissible (or no type is)
};

// What the add command for every position did: nothing at all when a position failed its checks or has
// no admissible selected type.
struct Sammelaufnahme {
    std::vector<int> nichtBemessen;  // positions whose checks failed
    std::vector<int> unzulaessig;    // positions without an admissible selected type
    bool Aufgenommen() const { return nichtBemessen.empty() && unzulaessig.empty(); }
};

// The positions of another project file as the project browser lists them.
struct Projektinhalt {
    Dateiergebnis ergebnis;
    std::vector<TKExplorer::Projekt> positionen;
};

// The most economical admissible dowel of each family, by display name.
struct OptimaleDorne {
    std::string zavr;   // for movements along the joint
    std::string zavrq;  // for movements along and across the joint
};

// The open project of the desktop program and of the command-line tool: the model, the working copy of the
// current position, the file the project belongs to, the view mode and the history of changes. Every use
// case is a plain function that returns its outcome; questions and the notices the use cases themselves give
// go through the surroundings. Every change of the project is one such function: it checks the input,
// applies it, records it for undo and tells the observer what changed. Nothing else writes the project:
// views get it read-only. Model and working copy keep their addresses for the whole session (a new or opened
// project is assigned into them), so views may hold references to them.
class Projektsitzung {
public:
    explicit Projektsitzung(Umgebung& umgebung);
    Projektsitzung(const Projektsitzung&) = delete;
    Projektsitzung& operator=(const Projektsitzung&) = delete;

    Umgebung& GetUmgebung() const { return umgebung_; }
    const TKModell& Modell() const { return modell_; }
    const TKAnwendung& Arbeitskopie() const { return arbeitskopie_; }
    // Told after every change with its Geaendert flags (after the change is complete and recorded).
    void SetBeobachter(std::function<void(unsigned)> beobachter) { beobachter_ = std::move(beobachter); }
    // The project file; empty for a new project.
    const std::string& Datei() const { return datei_; }
    TsAnsicht Ansicht() const { return ansicht_; }
    // The model's side of a view switch: the sketch shown and, for input, the input sketch's dowel.
    void AnsichtEinstellen(TsAnsicht ansicht);
    // Position `nummer` (1-based) as the user sees it: for the current position the working copy.
    const TKAnwendung& Position(int nummer) const;

    void Neu();
    // Reads the file; a project that cannot be read leaves the open project as it was. The model is taken as
    // stored; a window then shows it with PositionZeigen.
    Dateiergebnis Oeffnen(const std::string& datei);
    // Writes the project, with the working copy, to its file; fails when it has none.
    Dateiergebnis Speichern();
    // Writes the project to `datei`, which then is the project's file.
    Dateiergebnis SpeichernUnter(const std::string& datei);
    // A copy of the project, with the working copy, in `sicherung` for recovery after a crash: the project's
    // file and whether it differs from it stay as they are. Refused (verweigert) while a dialog edits the
    // working copy, whose state is then not the project's.
    Dateiergebnis SicherungSchreiben(const std::string& sicherung);
    // Opens such a copy as the project of the file `datei` (empty: a new project), which it differs from.
    Dateiergebnis SicherungOeffnen(const std::string& sicherung, const std::string& datei);
    // The project name with ".ZAV" as file name for "save as", or empty without a project name.
    std::string Dateivorschlag() const;
    // "Soll der aktuelle Zustand gespeichert werden?" before the project is given up. Yes saves, to the
    // project's file or to the one `dateiWaehlen` returns (nothing: cancelled). True when the caller may go
    // on: after No, or after Yes and a successful save (its failure is reported through the surroundings).
    bool Speicherfrage(const std::function<std::optional<std::string>()>& dateiWaehlen);

    // Lists the positions of another project file without opening it; a foreign file lists none.
    Projektinhalt ProjektinhaltLesen(const std::string& datei) const;
    // Appends a copy of position `index` (0-based) of another project file, with its name and results, and
    // makes it current. A foreign file appends nothing.
    Dateiergebnis PositionUebernehmen(const std::string& datei, int index);

    // The points of the working copy's arbitrary line load, in any order (they are kept sorted by x); the
    // arbitrary-load dialog sets them inside a Bearbeitung, which makes its changes one step.
    void BeliebigeLastSetzen(std::vector<TrFloatPoint> punkte);

    // The header every printed page carries.
    void ProjektdatenSetzen(const TKProjektdaten& daten);
    // The spacing rule of the current position.
    void MaxDornabstandSetzen(TsMaxDornabstand abstand);
    // Of the current position; designs it first when it has no results.
    OptimaleDorne OptimaleDorneAnzeigen();

    // The dowel position `nummer` delivers, and that choice in words ("Kein gültiger Dorn gefunden" when no
    // type is admissible). Every output that names, draws or orders "the" dowel of a position asks here.
    Dornwahl Gewaehlt(int nummer) const;
    std::string GewaehltText(int nummer) const;
    // Whether `dorn` passed every check in the results of position `nummer`.
    bool Zulaessig(int nummer, TsDorn dorn) const;

    // "zu Bedarfsliste hinzufügen": the entry of the current position for its selected dowel type, with the
    // position number as the position selector shows it. A type that is not admissible is never ordered.
    // The entries are searched from the first: one whose position number equals the trimmed
    // `positionsText` is replaced when the user answers Yes to the question; No goes on searching. When none
    // was replaced, the entry is appended.
    Aufnahme BedarfslisteAufnehmen(const std::string& positionsText);
    // For scripts, after AlleBemessen: the add command for every position in order, each with its number as
    // the selector shows it. Adds nothing unless every position passed its checks (`berechnungen`, as
    // AlleBemessen returned them) and has an admissible selected type.
    Sammelaufnahme AllePositionenAufnehmen(const std::vector<Berechnung>& berechnungen);
    // The bill of quantities as the dialog edited it: entries, their order and the remarks.
    void BedarfslisteSetzen(const TKStueckliste& liste);

    // The working copy replaces the stored current position.
    void ArbeitskopieZurueckschreiben();
    // Makes position `nummer` current; false and nothing changed outside 1 … count.
    bool PositionWaehlen(int nummer);
    // Appends a copy of the current position and makes it current; false after a notice at the most
    // positions a project file can hold.
    bool PositionHinzufuegen();
    // Removes the current position after the user confirmed it; when the bill of quantities holds entries of
    // it, asks whether they go as well (otherwise they keep no position). Entries of later positions follow
    // their new numbers. The last position becomes current. False after the notice for the only one, or
    // when the user declined.
    bool PositionLoeschen();
    // A new position from an admissible cell of a capacity table: the cell's reference situation with its
    // resistance as design load and its type selected, current and ready to calculate. False for a cell
    // without values, and after the notice at the most positions a project file can hold.
    bool PositionAusTabelle(const Tabellenzelle& zelle);

    // The calculate command on the working copy: the checks, the question on a wide constant spacing and,
    // when they pass, the design; the overview then shows the results.
    Berechnung Berechnen();
    // The design part of the preview command: the checks; the design only when the overview does not show
    // results already; then the preview mode.
    Berechnung Vorschau();
    // The calculate command on a stored position, for scripts: the current position, the sketch and the view
    // stay as they are.
    Berechnung PositionBerechnen(int nummer);
    // Before the proof of the whole project: every position without results is checked and designed as by
    // PositionBerechnen. One outcome per position in order; a position with results counts as designed.
    std::vector<Berechnung> AlleBemessen();

    // The reinforcement drawing of position `nummer` for one dowel type, as a DXF file.
    Dateiergebnis BewehrungDxf(int nummer, TsDorn dorn, const std::string& datei) const;
    // The same drawing into the empty document `zeichnung` (for the preview); refused (verweigert) when the
    // position has no results or its values give no sound drawing.
    Dateiergebnis BewehrungZeichnen(int nummer, TsDorn dorn, DXF_Object& zeichnung) const;
    // Writes a drawing to `datei`, ".dxf" appended unless it ends so.
    Dateiergebnis DxfSpeichern(const DXF_Object& zeichnung, const std::string& datei) const;
    // Reads any DXF file; what cannot be read is reported through `meldungen` and the rest is kept. A missing
    // file fails with "Datei nicht gefunden", one that holds no drawing (not DXF, binary, empty) with
    // "Die Datei enthält keine lesbare DXF-Zeichnung" and the reason.
    Dateiergebnis DxfLesen(const std::string& datei, DXF_Messages& meldungen, DXF_Object& zeichnung) const;
    // The stored drawing of a dowel type, as a DXF file.
    Dateiergebnis DornDxf(TsDorn dorn, const std::string& datei) const;

    // Shows the current position: the sketch follows its results, the view its calculation state.
    void PositionZeigen();
    // The application case's rules on the working copy as it was read (edge flags, the load cases the case
    // allows, the dowel-row sketch only for pairs and rows), as the window applies them when it shows a
    // position. Not a change of its own: a project written by this program already follows them.
    void FallregelnAnwenden();

    // Inputs of the current position. Each checks the input, applies it with the rules that go with it,
    // records it for undo and returns what it changed; a refused input changes nothing.
    // A numeric field from its text as typed: the regional decimal separator only, an empty text is the
    // field's fallback.
    Eingabeergebnis FeldSetzen(Feld feld, const std::string& text);
    // A numeric field from a value in the field's unit.
    Eingabeergebnis FeldwertSetzen(Feld feld, double wert);
    Eingabeergebnis AnwendungsfallSetzen(TsAnwendungsfall fall);
    // A constant load takes its start value as end value.
    Eingabeergebnis LastfallSetzen(TsBelastungsfall fall);
    // The arbitrary load of a row from a table file of value pairs (see Lastimport), as one step with the
    // load case; a line that fails the dialog's checks refuses the whole table with the line named.
    Eingabeergebnis LastdateiUebernehmen(const std::string& datei);
    Eingabeergebnis FugenbreiteSetzen(TsFugenbreite breite);
    // `auswahl`: index in the seven grades offered for the position's country.
    Eingabeergebnis BetongueteSetzen(int auswahl);
    Eingabeergebnis FeuerwiderstandSetzen(TsFeuerwiderstand feuerwiderstand);
    Eingabeergebnis BewehrungCalcSetzen(TsBewehrungCalc verfahren);
    Eingabeergebnis DornPaarAbstandBerechnen(bool berechnen);
    Eingabeergebnis KonstanterDornabstand(bool konstant);
    Eingabeergebnis PositionBenennen(const std::string& name);
    Eingabeergebnis ProjektBenennen(const std::string& name);
    // The values the design-value dialog opens with for one load value: the characteristic values and
    // factors stored with the position when they give the design value the position holds, otherwise that
    // design value counted as variable load. OK without a change therefore changes nothing.
    TKLast BemessungswerteVorschlag(Lastwert wert) const;
    // The dialog's OK: the characteristic values and factors are kept, the design value rounded to 0.1.
    Eingabeergebnis BemessungswerteSetzen(Lastwert wert, const TKLast& last);
    // The dowel type shown and delivered for the current position.
    Eingabeergebnis DornWaehlen(TsDorn dorn);
    Eingabeergebnis SkizzeWaehlen(TsSkizzeTyp typ);
    // The results of the current position no longer count as its design (scripts that change inputs): the
    // window shows it in input mode, and every output designs it anew before anything is made from it.
    Eingabeergebnis BerechnungVerwerfen();

    // A dialog that changes the working copy while it is open (arbitrary load, reinforcement): Beginnen keeps
    // the working copy as it is; the changes made until Abschliessen are one step named `name`, Verwerfen
    // brings the kept state back. They nest; only the outermost records a step.
    void BearbeitungBeginnen();
    Eingabeergebnis BearbeitungAbschliessen(const std::string& name);
    void BearbeitungVerwerfen();

    bool KannRueckgaengig() const { return verlauf_.KannRueckgaengig(); }
    bool KannWiederherstellen() const { return verlauf_.KannWiederherstellen(); }
    std::string NameRueckgaengig() const { return verlauf_.NameRueckgaengig(); }
    std::string NameWiederherstellen() const { return verlauf_.NameWiederherstellen(); }
    // Takes the last change back (or makes the next undone one again); the position it concerns becomes
    // current and is shown. False when there is none.
    bool Rueckgaengig();
    bool Wiederherstellen();
    // Whether the project differs from its file (a new project: from an empty one).
    bool Geaendert() const { return verlauf_.Geaendert(); }

private:
    friend class Bewehrungsauswahl;  // changes the working copy inside an open Bearbeitung
    friend struct Sitzungszugang;    // tests set up projects directly

    TKAnwendung& ArbeitskopieAendern() { return arbeitskopie_; }
    // Records the step of a change of the current position from `vorher`; nothing when it did not change
    // anything or a Bearbeitung is open. Returns whether the position changed.
    bool PositionAufnehmen(TKAnwendung vorher, const std::string& name, bool aendertDatei = true,
                           const std::string& zusammenfassen = {});
    void SchrittAufnehmen(std::string name, std::vector<Verlauf::Teil> teile, int aktuellVorher,
                          bool aendertDatei = true, std::string zusammenfassen = {});
    void Melden(unsigned geaendert) const;
    // Applies a change of the working copy as one step and reports `geaendert` when it changed something.
    Eingabeergebnis Aendern(const std::string& name, unsigned geaendert,
                            const std::function<void(TKAnwendung&)>& aenderung);
    // Makes position `nummer` current and shows it after an undo or redo.
    void NachVerlauf(int nummer);
    Eingabeergebnis Abgelehnt(Feldpruefung pruefung) const;
    std::string Lastpunkthinweis(const std::vector<Lastpunktaenderung>& punkte) const;
    Aufnahme EintragAufnehmen(const std::string& nummer);
    // The bill becomes `liste` (which may be the bill itself, changed in place) as one step from `vorher`.
    void BedarfslisteErsetzen(const TKStueckliste& liste, TKStueckliste vorher);
    bool PlatzFuerPosition() const;
    // Appends positions through `anhaengen` (false: nothing appended) as one step named `name`; the last
    // one becomes current.
    bool PositionAnhaengen(const char* name, const std::function<bool()>& anhaengen);
    Berechnung PositionBemessen(int nummer);
    // The positions `nummern` designed as one step; the current position, the sketch and the view stay.
    std::vector<Berechnung> Bemessen(const std::vector<int>& nummern);

    // The checks before a design of position `nummer`, with the question; sets the model's check flag.
    Berechnung Pruefen(const TKAnwendung& anwendung, int nummer);
    // The hint on the first value of the position outside the window's limits, naming its key in the file.
    std::optional<std::string> Feldhinweis(const TKAnwendung& anwendung, int nummer) const;
    // After reading: positions from `von` on with a value outside the limits lose their results' validity.
    void EingabenPruefen(int von);
    void ArbeitskopieAnlegen();
    Dateiergebnis Lesefehler(const std::system_error& fehler) const;
    // The project with the working copy into `datei`; the project's file and saved state stay.
    Dateiergebnis Schreiben(const std::string& datei);
    std::string Text(const char* text) const;
    // The reason of a failed file operation in the user-interface language.
    std::string Grund(const std::exception& fehler) const;

    Umgebung& umgebung_;
    TKModell modell_;
    TKAnwendung arbeitskopie_;
    std::string datei_;
    TsAnsicht ansicht_ = TsAnsicht::anEingabe;
    Verlauf verlauf_;
    std::vector<TKAnwendung> bearbeitungen_;  // the working copy as each open Bearbeitung began
    std::function<void(unsigned)> beobachter_;
};
