#include "dxf/zeichnung/Bewehrungsplan.h"

#include <algorithm>

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

void ZeichneTitel(const TrBewehrungsBlatt& b, const TrDxfZustand& z, const TrTitel& titel) {
    const DxfZeichner s(b.doc.new_layer("0", true), z.DxfMassParameter);
    s.DxfText(titel.zeile, 7, z.DxfUrsprung.x, z.DxfUrsprung.y, 0, 0);
    if (titel.unzulaessig.empty()) return;
    // A line below, clear of the title's descenders.
    constexpr int Rot = 1;
    s.DxfText(titel.unzulaessig, Rot, z.DxfUrsprung.x,
              z.DxfUrsprung.y - z.DxfMassParameter.DxfTexthoehe * 5 / 3, 0, 0);
}

namespace {

using Block = void (*)(const TrBewehrungsBlatt&, const TrDxfZustand&);

// What a block covers when drawn at the origin, texts with their boxes: drawn once into a document of its
// own.
TrKasten Probe(const TrBewehrungsBlatt& b, Block block, const TrDxfMassParameter& mass) {
    DXF_Object probe;
    block({probe, b.m, b.texte, b.dezimaltrenner}, {{0, 0, 0}, mass});
    return Ausdehnung(probe);
}

// Between the blocks: five text heights.
constexpr double Luecke = 150;
constexpr TrDxfMassParameter Ansichtsmasse{20, 7.5, 20, Texthoehe};
constexpr TrDxfMassParameter Titelmasse{20, 7.5, 20, 45};

TrKasten Verschoben(TrKasten k, const Point3D& um) {
    k.x1 += um.x, k.x2 += um.x, k.y1 += um.y, k.y2 += um.y;
    return k;
}

}  // namespace

// The views keep their places where they are free: the plan view at the origin, the joint-face view below
// it, the section to the right of that, the title to the right of the plan view. A view whose labels would
// reach into its neighbour moves away from it, and the title goes above the plan view when its place is
// taken, so no text covers another or an outline.
TrAnsichtsorte Ansichtsorte(const TrBewehrungsBlatt& b, const TrTitel& titel) {
    const TrBewehrungsMasse& m = b.m;
    const TrKasten draufsicht = Probe(b, ZeichneDraufsicht, Ansichtsmasse);
    const TrKasten ansicht = Probe(b, ZeichneAnsicht, Ansichtsmasse);
    const TrKasten schnitt = Probe(b, ZeichneSchnitt, Ansichtsmasse);
    TrAnsichtsorte orte;
    orte.ansicht = {0, std::min(-m.h - 2 * m.L, draufsicht.y1 - Luecke - ansicht.y2), 0};
    orte.schnitt = {std::max(m.by + 2 * m.L, ansicht.x2 + Luecke - schnitt.x1), orte.ansicht.y, 0};
    DXF_Object probe;
    ZeichneTitel({probe, m, b.texte, b.dezimaltrenner}, {{0, 0, 0}, Titelmasse}, titel);
    const TrKasten titelkasten = Ausdehnung(probe);
    orte.titel = {m.h + 500, 0, 0};
    for (const TrKasten& belegt :
         {draufsicht, Verschoben(ansicht, orte.ansicht), Verschoben(schnitt, orte.schnitt)}) {
        if (Verschoben(titelkasten, orte.titel).Ueberlappt(belegt, Luecke))
            orte.titel = {draufsicht.x1 - titelkasten.x1, draufsicht.y2 + Luecke - titelkasten.y1, 0};
    }
    return orte;
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
    doc.codepage = DxfCodepage(umgebung);
    const TrTitel titel{blatt.texte.Titel + DornName(dorn),
                        Unzulaessigkeit(anw, dorn, blatt.texte, umgebung)};
    const TrAnsichtsorte orte = Ansichtsorte(blatt, titel);
    ZeichneTitel(blatt, {orte.titel, Titelmasse}, titel);
    ZeichneDraufsicht(blatt, {{0, 0, 0}, Ansichtsmasse});
    ZeichneAnsicht(blatt, {orte.ansicht, Ansichtsmasse});
    ZeichneSchnitt(blatt, {orte.schnitt, Ansichtsmasse});
    return true;
}
