#include "dxf/zeichnung/Bewehrungsplan.h"

#include "dxf/zeichnung/BewehrungsBloecke.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/Texte.h"
#include "model/Umgebung.h"

std::string TrBewehrungsBlatt::BuegelText() const {
    return texte.Pos + " 1 (" + texte.Buegel + " Ø" + std::to_string(m.dC) + ")";
}

std::string TrBewehrungsBlatt::Marke(const char* name, const std::string& anzahl, int durchmesser) const {
    return texte.Pos + " " + name + " (" + anzahl + "Ø" + std::to_string(durchmesser) + ")";
}

void ZeichneTitel(const TrBewehrungsBlatt& b, const TrDxfZustand& z, const std::string& dornName,
                  const std::string& unzulaessig) {
    const DxfZeichner s(b.doc.new_layer("0", true), z.DxfMassParameter);
    s.DxfText(b.texte.Titel + dornName, 7, z.DxfUrsprung.x, z.DxfUrsprung.y, 0, 0);
    if (unzulaessig.empty()) return;
    constexpr int Rot = 1;
    s.DxfText(unzulaessig, Rot, z.DxfUrsprung.x, z.DxfUrsprung.y - 1.5 * z.DxfMassParameter.DxfTexthoehe, 0,
              0);
}

namespace {

// "nicht zulässig (h < h min)" for a type that failed a check, otherwise empty.
std::string Unzulaessigkeit(const TKAnwendung& anw, TsDorn dorn, const TrBewehrungsTexte& texte,
                            const Umgebung& umgebung) {
    const std::uint16_t status = anw.cErgebnisse.cDornErgebnis[Ord(dorn)].GetStatus();
    if (status == 0) return {};
    return texte.NichtZulaessig + " (" + Text(TextListe::StatusKurz, status, umgebung) + ")";
}

}  // namespace

bool BewehrungsZeichnung(const TKAnwendung& anw, TsDorn dorn, const Umgebung& umgebung, DXF_Object& doc,
                         std::string& fehler) {
    TrBewehrungsMasse m;
    if (!LeseBewehrungsMasse(anw, dorn, m, fehler)) {
        fehler = umgebung.translate("Bewehrungsplan", fehler.c_str());
        return false;
    }
    const TrBewehrungsBlatt blatt{doc, m, BewehrungsTexte(umgebung, m.nC), umgebung.Dezimaltrenner()};
    ZeichneTitel(blatt, {{m.h + 500, 0, 0}, {20, 7.5, 20, 45}}, DornName(dorn),
                 Unzulaessigkeit(anw, dorn, blatt.texte, umgebung));
    TrDxfZustand z{{0, 0, 0}, {20, 7.5, 20, 30}};
    ZeichneDraufsicht(blatt, z);
    z.DxfUrsprung = {0, -m.h - 2 * m.L, 0};
    ZeichneAnsicht(blatt, z);
    z.DxfUrsprung = {m.by + 2 * m.L, -m.h - 2 * m.L, 0};
    ZeichneSchnitt(blatt, z);
    return true;
}
