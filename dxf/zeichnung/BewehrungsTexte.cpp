#include "dxf/zeichnung/BewehrungsTexte.h"

#include "model/Umgebung.h"

TrBewehrungsTexte BewehrungsTexte(const Umgebung& umgebung) {
    // Translations must keep to letters the 8-bit code page of DXF texts can hold.
    const auto t = [&umgebung](const char* text) { return umgebung.translate("Bewehrungsplan", text); };
    return {t("Bauseitige Bewehrung für QUORVEL® Doppelschubdorn "),
            t("Draufsicht"),
            t("Ansicht"),
            t("Schnitt"),
            t(" Bügel "),
            t("mit lb,net verankern")};
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
