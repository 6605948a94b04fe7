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

// Each block draws around the origin of its state; the title creates layer "0", the plan view "PosA".
// The title with the type's name and, when `unzulaessig` is not empty, that note as a red line below it.
void ZeichneTitel(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand, const std::string& dornName,
                  const std::string& unzulaessig);
void ZeichneDraufsicht(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand);
void ZeichneAnsicht(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand);
void ZeichneSchnitt(const TrBewehrungsBlatt& blatt, const TrDxfZustand& zustand);
