#include "dxf/zeichnung/BewehrungsTexte.h"

#include "model/Umgebung.h"

TrBewehrungsTexte BewehrungsTexte(const Umgebung& u, int anzahlBuegel) {
    // Translations must keep to letters the 8-bit code page of DXF texts can hold.
    return {u.translate("Bewehrungsplan", "Bauseitige Bewehrung für QUORVEL® Doppelschubdorn "),
            u.translate("Bewehrungsplan", "Draufsicht"),
            u.translate("Bewehrungsplan", "Ansicht"),
            u.translate("Bewehrungsplan", "Schnitt"),
            u.translate("Bewehrungsplan", "Pos."),
            u.translate("Bewehrungsplan", "%n Bügel", nullptr, anzahlBuegel),
            u.translate("Bewehrungsplan", "mit lb,net verankern"),
            u.translate("Bewehrungsplan", "nicht zulässig")};
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
