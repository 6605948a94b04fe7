#include "dxf/zeichnung/BewehrungsTexte.h"

#include "dxf/Text_Box.h"
#include "model/TKAnwendung.h"
#include "model/Umgebung.h"

TrBewehrungsTexte BewehrungsTexte(const Umgebung& u, int anzahlBuegel) {
    return {u.translate("Bewehrungsplan", "Bauseitige Bewehrung für QUORVEL® Doppelschubdorn "),
            u.translate("Bewehrungsplan", "Draufsicht"),
            u.translate("Bewehrungsplan", "Ansicht"),
            u.translate("Bewehrungsplan", "Schnitt"),
            u.translate("Bewehrungsplan", "Pos."),
            u.translate("Bewehrungsplan", "%n Bügel", nullptr, anzahlBuegel),
            u.translate("Bewehrungsplan", "mit lb,net verankern"),
            u.translate("Bewehrungsplan", "nicht zulässig")};
}

double Beschriftungsbreite(const std::string& text) {
    return text.empty() ? 0 : text_width(text, Texthoehe) + Texthoehe / 3;
}

DXF_Codepage DxfCodepage(const Umgebung& u) {
    const int sprache = u.IDSprache();
    return LandAusSprache(static_cast<unsigned long>(sprache < 0 ? 0 : sprache)) == TsLand::plk
               ? DXF_Codepage::ANSI_1250
               : DXF_Codepage::ANSI_1252;
}
