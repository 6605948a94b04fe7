#pragma once

#include <string>

#include "model/TKBelastung.h"
#include "model/TKErgebnisse.h"
#include "model/TKGeometrie.h"
#include "model/TKLast.h"
#include "model/Typen.h"

struct Umgebung;

// Country variant of a locale identifier: Polish (21) and British English (2057) have their own, every
// other language works with the German variant.
TsLand LandAusSprache(unsigned long pSprache);

// One position of a project: options, loads, geometry and results. Copies are complete and independent;
// the main window edits a copy of the stored position and writes it back as a whole.
class TKAnwendung {
public:
    // Country and spacing rule come from the user settings.
    explicit TKAnwendung(const Umgebung& umgebung);

    TsLand GetAktLand() const { return TAktLand; }
    void SetAktLand(TsLand v) { TAktLand = v; }
    const std::string& GetPosition() const { return TPosition; }
    void SetPosition(const std::string& v) { TPosition = v; }
    TsAnwendungsfall GetAnwendungsfall() const { return TAnwendungsfall; }
    void SetAnwendungsfall(TsAnwendungsfall v) { TAnwendungsfall = v; }
    TsBewehrungCalc GetBewehrungCalc() const { return TBewehrungCalc; }
    void SetBewehrungCalc(TsBewehrungCalc v) { TBewehrungCalc = v; }
    TsMaxDornabstand GetMaxDornabstand() const { return TMaxDornabstand; }
    void SetMaxDornabstand(TsMaxDornabstand v) { TMaxDornabstand = v; }
    TsBetonguete GetBetonguete() const { return TBetonguete; }
    void SetBetonguete(TsBetonguete v) { TBetonguete = v; }
    TsFeuerwiderstand GetFeuerwiderstand() const { return TFeuerwiderstand; }
    void SetFeuerwiderstand(TsFeuerwiderstand v) { TFeuerwiderstand = v; }

    // The input window offers seven grades per country: the first seven ordinals for deu and eng, the
    // last seven for plk. pAuswahl is the index in that list.
    void SetBetongueteAuswahl(int pAuswahl, TsLand pLand);
    int GetBetongueteAuswahl(TsLand pLand) const;

    // Fire-protection sleeve of the selected dowel type ("ZAVR 120 HF-PRYL-20"); empty without F90.
    std::string GetManschette() const;

    TKLast ctmpLast;
    TKBelastung cBelastungDesign;  // the only load the design run reads
    TKBelastung cBelastungCharq;
    TKBelastung cBelastungCharg;
    TKGeometrie cGeometrie;
    TKErgebnisse cErgebnisse;

    // Equal when every value is equal; the session compares before and after an edit.
    bool operator==(const TKAnwendung&) const = default;

private:
    TKAnwendung(TsLand pLand, TsMaxDornabstand pMaxDornabstand);

    TsLand TAktLand;
    std::string TPosition = "unbenannt";
    TsAnwendungsfall TAnwendungsfall = TsAnwendungsfall::afReihePlatte;
    TsBewehrungCalc TBewehrungCalc = TsBewehrungCalc::bcOptimal;
    TsMaxDornabstand TMaxDornabstand;
    TsBetonguete TBetonguete = TsBetonguete::C20_25;
    TsFeuerwiderstand TFeuerwiderstand = TsFeuerwiderstand::F90;
};
