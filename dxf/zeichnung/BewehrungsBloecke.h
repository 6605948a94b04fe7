#pragma once

#include <string>

#include "dxf/DXF_Object.h"
#include "dxf/zeichnung/BewehrungsMasse.h"
#include "dxf/zeichnung/BewehrungsTexte.h"
#include "dxf/zeichnung/DxfZeichner.h"
#include "model/Zahlentext.h"

// What the four blocks of the reinforcement drawing share: the document they fill, the values they draw
// and how they label them.
struct TrBewehrungsBlatt {
    DXF_Object& doc;
    const TrBewehrungsMasse& m;
    TrBewehrungsTexte texte;
    char dezimaltrenner;

    std::string Cm(double mm) const { return ZentimeterText(mm, dezimaltrenner); }
    // "Pos. 1 (4 Bügel Ø10)"
    std::string BuegelText() const;
    // "Pos. Asx1 (6Ø16)": the mark `name` with its count and diameter.
    std::string Marke(const char* name, const std::string& anzahl, int durchmesser) const;
};

// The drawing's title and, for a type that failed a check, the note "nicht zulässig (...)" drawn red below
// it.
struct TrTitel {
    std::string zeile;
    std::string unzulaessig;
};

// Each block draws around the origin of its state; the title creates layer "0", the plan view "PosA".
void ZeichneTitel(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand, const TrTitel& titel);
void ZeichneDraufsicht(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand);
void ZeichneAnsicht(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand);
void ZeichneSchnitt(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand);

// Where the blocks go: the plan view always at the origin.
struct TrAnsichtsorte {
    Point3D titel, ansicht, schnitt;
};
TrAnsichtsorte Ansichtsorte(const TrBewehrungsBlatt& blatt, const TrTitel& titel);
