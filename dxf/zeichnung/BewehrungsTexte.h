#pragma once

#include <string>

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

// Number of characters of a UTF-8 text; the label widths are estimated from it.
int Zeichenzahl(const std::string& text);

// Estimated width of a label line: 18 per character, whatever the text height.
double Beschriftungsbreite(const std::string& text);
