#include "dxf/zeichnung/BewehrungsTexte.h"

#include <array>

#include "model/Zahlentext.h"

const TrBewehrungsTexte& BewehrungsTexte(TsLand land) {
    // The Polish words avoid letters that the 8-bit code page of DXF texts cannot hold.
    static const std::array<TrBewehrungsTexte, 3> texte{{
        {"Bauseitige Bewehrung für QUORVEL® Doppelschubdorn ", "Draufsicht", "Ansicht", "Schnitt", " Bügel ",
         "mit lb,net verankern"},
        {"On-site reinforcement for QUORVEL® double shear dowel ", "Plan view", "View", "Section",
         " stirrups ", "anchor with lb,net"},
        {"Zbrojenie na budowie dla podwójnego trzpienia QUORVEL® ", "Rzut z góry", "Widok", "Przekrój",
         " strzemion ", "zakotwienie lb,net"},
    }};
    return texte[Ord(land)];
}

std::string ZentimeterText(double mm, char dezimaltrenner) {
    return FloatText(mm / 10, dezimaltrenner);
}

int Zeichenzahl(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

double Beschriftungsbreite(const std::string& text) {
    return Zeichenzahl(text) * 30 * 0.6;
}
