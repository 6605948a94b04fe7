#pragma once

#include "model/Typen.h"

// Joint and member geometry of one position; lengths in millimetres.
class TKGeometrie {
public:
    TsFugenbreite GetFugenbreite() const { return TFugenbreite; }
    void SetFugenbreite(TsFugenbreite v) { TFugenbreite = v; }
    double GetFugenlaenge() const { return TFugenlaenge; }
    void SetFugenlaenge(double v) { TFugenlaenge = v; }
    double GetBetondeckungUnten() const { return TBetondeckungUnten; }
    void SetBetondeckungUnten(double v);  // also keeps the front cover at min(top, bottom)
    double GetBetondeckungOben() const { return TBetondeckungOben; }
    void SetBetondeckungOben(double v);  // also keeps the front cover at min(top, bottom)
    double GetBetondeckungVorn() const { return TBetondeckungVorn; }
    void SetBetondeckungVorn(double v) { TBetondeckungVorn = v; }
    double GetPlatteDicke() const { return TPlatteDicke; }
    void SetPlatteDicke(double v) { TPlatteDicke = v; }
    double GetWandDicke() const { return TWandDicke; }
    void SetWandDicke(double v) { TWandDicke = v; }
    bool GetRandLinks() const { return TRandLinks; }
    void SetRandLinks(bool v) { TRandLinks = v; }
    bool GetRandRechts() const { return TRandRechts; }
    void SetRandRechts(bool v) { TRandRechts = v; }
    double GetBauteilRandLinks() const { return TBauteilRandLinks; }
    void SetBauteilRandLinks(double v) { TBauteilRandLinks = v; }
    double GetBauteilRandRechts() const { return TBauteilRandRechts; }
    void SetBauteilRandRechts(double v) { TBauteilRandRechts = v; }
    double GetDornPaarAbstand() const { return TDornPaarAbstand; }
    void SetDornPaarAbstand(double v) { TDornPaarAbstand = v; }
    bool GetDornPaarAbstandCalc() const { return TDornPaarAbstandCalc; }
    void SetDornPaarAbstandCalc(bool v) { TDornPaarAbstandCalc = v; }
    double GetkonstDornAbstand() const { return TkonstDornAbstand; }
    void SetkonstDornAbstand(double v) { TkonstDornAbstand = v; }
    // Row: true uses the constant spacing, false lets the engine distribute by load (opposite sense to the
    // pair flag).
    bool GetDornAbstandCalc() const { return TDornAbstandCalc; }
    void SetDornAbstandCalc(bool v) { TDornAbstandCalc = v; }

    bool operator==(const TKGeometrie&) const = default;

private:
    void FrontdeckungAnpassen();

    TsFugenbreite TFugenbreite = TsFugenbreite::fb20bis30;
    double TFugenlaenge = 2000;
    double TBetondeckungUnten = 30;
    double TBetondeckungOben = 30;
    double TBetondeckungVorn = 30;
    double TPlatteDicke = 240;
    double TWandDicke = 400;
    bool TRandLinks = false;
    bool TRandRechts = false;
    double TBauteilRandLinks = 500;
    double TBauteilRandRechts = 500;
    double TDornPaarAbstand = 1000;
    bool TDornPaarAbstandCalc = false;
    double TkonstDornAbstand = 750;
    bool TDornAbstandCalc = false;
};
