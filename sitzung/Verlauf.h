#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/TKAnwendung.h"
#include "model/TKProjektdaten.h"
#include "model/TKStueckliste.h"

class TKModell;

// The history of a project's changes, for undo and redo, and whether the project differs from its file.
// A step keeps, for each part of the project it changed, what that part holds on the other side of the
// step. Undoing or redoing exchanges it with what the project holds now, so one record serves both ways.
class Verlauf {
public:
    // The parts of a project a step can exchange.
    struct Position {  // the content of position `nummer`
        int nummer;
        TKAnwendung inhalt;
    };
    struct Eingefuegt {  // position `nummer` came in; exchanged, it leaves again
        int nummer;
    };
    struct Entfernt {  // position `nummer` went; exchanged, it comes back
        int nummer;
        TKAnwendung inhalt;
    };
    struct Projektdaten {
        TKProjektdaten daten;
    };
    struct Bedarfsliste {
        TKStueckliste liste;
    };
    using Teil = std::variant<Position, Eingefuegt, Entfernt, Projektdaten, Bedarfsliste>;

    struct Schritt {
        std::string name;         // the change in words, for "Rückgängig: <name>"
        std::vector<Teil> teile;  // in the order the change made them
        int aktuellVorher = 1;    // the current position before the change and after it
        int aktuellNachher = 1;
        bool aendertDatei = true;  // false for what the project file does not hold (the sketch shown)
        // Not empty: a step with the same key right after this one belongs to it (typing in one field).
        std::string zusammenfassen;
    };

    // At most this many steps are kept; the oldest go first.
    static constexpr std::size_t MaxSchritte = 200;

    // A change made to the project. Steps undone before are dropped.
    void Aufnehmen(Schritt schritt);
    bool KannRueckgaengig() const { return jetzt_ > 0; }
    bool KannWiederherstellen() const { return jetzt_ < schritte_.size(); }
    // The name of the step undo or redo would take; empty when there is none.
    std::string NameRueckgaengig() const;
    std::string NameWiederherstellen() const;
    // Takes the last step back (or the next one again) on `modell`, whose stored positions must hold
    // everything. Returns the current position number afterwards; nothing when there is no step.
    std::optional<int> Rueckgaengig(TKModell& modell);
    std::optional<int> Wiederherstellen(TKModell& modell);

    // The project as it is now is what its file holds.
    void Gespeichert();
    // Whether the project differs from its file: some step that changes what the file holds lies between
    // the state saved last and now.
    bool Geaendert() const;
    // A new or opened project: no history, nothing changed.
    void Leeren();
    // A project that differs from its file from the start (one brought back from a copy).
    void Ungespeichert() { gespeichert_.reset(); }

private:
    std::vector<Schritt> schritte_;
    std::size_t jetzt_ = 0;                       // steps [0, jetzt_) are made, the rest can be redone
    std::optional<std::size_t> gespeichert_ = 0;  // nothing: the saved state can no longer be reached
};
