#pragma once

#include <string>

#include "dxf/Codepage.h"

struct Umgebung;

// The words of the reinforcement drawing in the user-interface language.
struct TrBewehrungsTexte {
    std::string Titel;  // followed by the display name of the dowel type
    std::string Draufsicht, Ansicht, Schnitt;
    std::string Pos;     // the word of a bar mark: "Pos. A", "Pos. Asx1"
    std::string Buegel;  // the number of stirrups with its noun in the right plural form: "4 Bügel"
    std::string Verankern;
    std::string NichtZulaessig;  // below the title of a type that failed a check
};

TrBewehrungsTexte BewehrungsTexte(const Umgebung& umgebung, int anzahlBuegel);

// The code page a drawing's texts are written in: Central European (Windows-1250) in a Polish run, so that
// "ą ć ę ł ń ó ś ź ż" survive; Western European (Windows-1252) otherwise. A character the code page lacks
// (Ø in Windows-1250) goes into the file as the escape CAD programs read.
DXF_Codepage DxfCodepage(const Umgebung& umgebung);

// The text height of the views' labels and dimensions.
inline constexpr double Texthoehe = 30;

// The length of a label line: the width of its text as CAD programs draw it, and a little more, so the text
// stands on its line and not beyond it.
double Beschriftungsbreite(const std::string& text);
