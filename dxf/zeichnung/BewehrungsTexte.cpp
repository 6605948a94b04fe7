#include "dxf/zeichnung/BewehrungsTexte.h"

#include "dxf/Text_Box.h"
#include "model/Umgebung.h"

TrBewehrungsTexte BewehrungsTexte(const Umgebung& u) {
    // Translations must keep to letters the 8-bit code page of DXF texts can hold.
    return {u.translate("Bewehrungsplan", "Bauseitige Bewehrung für QUORVEL® Doppelschubdorn "),
            u.translate("Bewehrungsplan", "Draufsicht"),
            u.translate("Bewehrungsplan", "Ansicht"),
            u.translate("Bewehrungsplan", "Schnitt"),
            u.translate("Bewehrungsplan", " Bügel "),
            u.translate("Bewehrungsplan", "mit lb,net verankern")};
}

double Beschriftungsbreite(const std::string& text) {
    return text.empty() ? 0 : text_width(text, Texthoehe) + Texthoehe / 3;
}
