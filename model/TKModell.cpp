#include "model/TKModell.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "model/Umgebung.h"

TKModell::TKModell(Umgebung& umgebung)
    : cProjektdaten(umgebung), cEingabeDornDaten(TsLand::deu), umgebung(&umgebung) {
    cEingabeDornDaten.SetDorn(TEingabeDorn, TEingabeFugenbreite, cEingabeGeometrie.GetPlatteDicke());
    cAnwendung.emplace_back(umgebung);
    cAnwendung.front().SetPosition("1");
}

void TKModell::SetAnzAnwendung(std::uint16_t pAnzAnwendung) {
    const std::uint16_t anzahl = std::max<std::uint16_t>(pAnzAnwendung, 1);
    if (anzahl < cAnwendung.size()) cAnwendung.erase(cAnwendung.begin() + anzahl, cAnwendung.end());
    // Room for all new positions at once, growing at least twofold, so that adding positions one by one
    // does not move all of them each time.
    if (anzahl > cAnwendung.capacity())
        cAnwendung.reserve(std::max<std::size_t>(anzahl, 2 * cAnwendung.capacity()));
    while (cAnwendung.size() < anzahl) {
        cAnwendung.emplace_back(*umgebung);
        cAnwendung.back().SetPosition(std::to_string(cAnwendung.size()));
    }
    TAnzAnwendung = anzahl;
    TAktAnwendung = std::min(TAktAnwendung, TAnzAnwendung);
}

void TKModell::SetAktAnwendung(std::uint16_t v) {
    const bool gueltig = v >= 1 && v <= TAnzAnwendung;
    assert(gueltig && "position number out of range");
    if (gueltig) TAktAnwendung = v;
}

void TKModell::SetAktSprache(std::uint32_t pAktSprache) {
    const TsLand land = LandAusSprache(pAktSprache);
    for (TKAnwendung& anwendung : cAnwendung) anwendung.SetAktLand(land);
}
