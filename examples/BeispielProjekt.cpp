// Writes the bundled example project: five positions, one for each application case, designed by the
// engine, with characteristic loads on one, an arbitrary line load on another and a bill of quantities.
// Usage: zavr-beispiel AUSGABE.ZAV

#include <iostream>
#include <string>

#include "calc/TKZAVRBemessung.h"
#include "files/ProjektDatei.h"
#include "model/Bedarfsliste.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "model/Vorpruefung.h"

namespace {

void Geometrie(TKAnwendung& a, double platte, double fugenlaenge, TsFugenbreite fuge) {
    a.cGeometrie.SetPlatteDicke(platte);
    a.cGeometrie.SetFugenlaenge(fugenlaenge);
    a.cGeometrie.SetFugenbreite(fuge);
    a.cBelastungDesign.SetLastLaenge(fugenlaenge);  // as the input window does after the joint length
}

void Linienlast(TKBelastung& last, TsBelastungsfall fall, double links, double rechts) {
    last.SetBelastungsfall(fall);
    last.SetLinienLastLinks(links);
    last.SetLinienLastRechts(rechts);
}

void Einzeldorn(TKAnwendung& a) {
    a.SetPosition("Stütze A1");
    a.SetAnwendungsfall(TsAnwendungsfall::afEinzel);
    Geometrie(a, 250, 2000, TsFugenbreite::fb20bis30);
    a.cGeometrie.SetRandLinks(true);
    a.cGeometrie.SetRandRechts(true);
    a.cGeometrie.SetBauteilRandLinks(400);
    a.cGeometrie.SetBauteilRandRechts(600);
    a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
    a.cBelastungDesign.SetPunktLast(65);
}

void PaarPlatte(TKAnwendung& a) {
    a.SetPosition("Fuge Achse B");
    a.SetAnwendungsfall(TsAnwendungsfall::afPaarPlatte);
    Geometrie(a, 220, 3000, TsFugenbreite::fb0bis20);
    a.cGeometrie.SetDornPaarAbstand(1500);
    Linienlast(a.cBelastungDesign, TsBelastungsfall::bfKonstanteLast, 40, 40);
}

void PaarWand(TKAnwendung& a) {
    a.SetPosition("Wandanschluss C");
    a.SetAnwendungsfall(TsAnwendungsfall::afPaarWand);
    a.SetBetonguete(TsBetonguete::C30_37);
    Geometrie(a, 200, 2500, TsFugenbreite::fb30bis40);
    a.cGeometrie.SetWandDicke(300);
    a.cGeometrie.SetDornPaarAbstandCalc(true);
    Linienlast(a.cBelastungDesign, TsBelastungsfall::bfLinienlast, 30, 50);
}

// The load of the arbitrary line-load table, x in mm, q in kN/m.
void ReihePlatte(TKAnwendung& a) {
    a.SetPosition("Deckenfuge D");
    a.SetAnwendungsfall(TsAnwendungsfall::afReihePlatte);
    a.SetBetonguete(TsBetonguete::C25_30);
    Geometrie(a, 260, 6000, TsFugenbreite::fb20bis30);
    TKBelastung& last = a.cBelastungDesign;
    last.SetBelastungsfall(TsBelastungsfall::bfbeliebigeLast);
    last.ResetbeliebigeLast();
    for (const TrFloatPoint punkt : {TrFloatPoint{0, 30}, {2000, 60}, {4000, 45}, {6000, 20}})
        last.AddbeliebigeLast(punkt);
}

// Design load from characteristic loads: 1,35 × 20 + 1,5 × 18,6 = 54,9 kN/m.
void ReiheWand(TKAnwendung& a) {
    a.SetPosition("Wand E");
    a.SetAnwendungsfall(TsAnwendungsfall::afReiheWand);
    a.SetBewehrungCalc(TsBewehrungCalc::bcZulassung);
    a.SetFeuerwiderstand(TsFeuerwiderstand::F0);
    Geometrie(a, 240, 5000, TsFugenbreite::fb40bis50);
    a.cGeometrie.SetWandDicke(250);
    a.cGeometrie.SetDornAbstandCalc(true);
    a.cGeometrie.SetkonstDornAbstand(800);
    Linienlast(a.cBelastungCharg, TsBelastungsfall::bfKonstanteLast, 20, 20);
    a.cBelastungCharg.SetGammaf(1.35);
    Linienlast(a.cBelastungCharq, TsBelastungsfall::bfKonstanteLast, 18.6, 18.6);
    a.cBelastungCharq.SetGammaf(1.5);
    Linienlast(a.cBelastungDesign, TsBelastungsfall::bfKonstanteLast, 54.9, 54.9);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: zavr-beispiel AUSGABE.ZAV\n";
        return 2;
    }
    StandardUmgebung umgebung;
    umgebung.heute = "09.12.2026";
    TKModell modell(umgebung);
    modell.cProjektdaten.SetBauvorhaben("Parkhaus Am Stadtgraben");
    modell.cProjektdaten.SetFirma({"Ingenieurbüro Beispiel", "Hauptstraße 1", "12345 Musterstadt"});
    modell.cProjektdaten.SetBearbeiter("Dipl.-Ing. M. Muster");
    modell.cProjektdaten.SetProjektNr("2026-017");
    modell.cStueckliste.SetBemerkung({"Lieferung in zwei Abschnitten"});

    const auto positionen = {Einzeldorn, PaarPlatte, PaarWand, ReihePlatte, ReiheWand};
    modell.SetAnzAnwendung(static_cast<std::uint16_t>(positionen.size()));
    int nummer = 0;
    for (const auto eingeben : positionen) {
        TKAnwendung& a = modell.cAnwendung[nummer++];
        eingeben(a);
        const Vorpruefung pruefung = PruefeVorBerechnung(a, umgebung);
        for (const std::string& hinweis : pruefung.Hinweise)
            std::cerr << a.GetPosition() << ": " << hinweis << '\n';
        if (!pruefung.Bestanden()) return 1;
        BerechneErgebnis(a, umgebung);
        if (nummer != 2)
            modell.cStueckliste.AddEintrag(
                Bedarfseintrag(a, std::to_string(nummer), umgebung.Dezimaltrenner()));
    }
    modell.SetCalcFlag(true);
    for (const std::string& meldung : umgebung.meldungen) std::cerr << meldung << '\n';
    if (!SaveToFile(modell, argv[1])) {
        std::cerr << "zavr-beispiel: " << argv[1] << " kann nicht gespeichert werden\n";
        return 2;
    }
    return 0;
}
