#include "dxf/zeichnung/Bewehrungsplan.h"

#include "dxf/zeichnung/BewehrungsBloecke.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Umgebung.h"

std::string TrBewehrungsBlatt::BuegelText() const {
    return "Pos. 1 (" + std::to_string(m.nC) + texte.Buegel + "Ø" + std::to_string(m.dC) + ")";
}

void ZeichneTitel(const TrBewehrungsBlatt& b, const TrDxfZustand& z, const std::string& dornName) {
    const DxfZeichner s(b.doc.new_layer("0", true), z.DxfMassParameter);
    s.DxfText(b.texte.Titel + dornName, 7, z.DxfUrsprung.x, z.DxfUrsprung.y, 0, 0);
}

bool BewehrungsZeichnung(const TKAnwendung& anw, TsDorn dorn, const Umgebung& umgebung, DXF_Object& doc,
                         std::string& fehler) {
    TrBewehrungsMasse m;
    if (!LeseBewehrungsMasse(anw, dorn, m, fehler)) {
        fehler = umgebung.translate("Bewehrungsplan", fehler.c_str());
        return false;
    }
    const TrBewehrungsBlatt blatt{doc, m, BewehrungsTexte(umgebung), umgebung.Dezimaltrenner()};
    ZeichneTitel(blatt, {{m.h + 500, 0, 0}, {20, 7.5, 20, 45}}, DornName(dorn));
    TrDxfZustand z{{0, 0, 0}, {20, 7.5, 20, 30}};
    ZeichneDraufsicht(blatt, z);
    z.DxfUrsprung = {0, -m.h - 2 * m.L, 0};
    ZeichneAnsicht(blatt, z);
    z.DxfUrsprung = {m.by + 2 * m.L, -m.h - 2 * m.L, 0};
    ZeichneSchnitt(blatt, z);
    return true;
}
