#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "model/Typen.h"

struct TrDornKennung;
struct TrDornMasse;
struct TrStandardBewehrung;

// Working catalogue record of one dowel type for one member thickness: the dowel's dimensions, limits and
// steel resistances, and the standard additional reinforcement, which the design run then adapts.
// Lengths in mm, forces in kN, bar diameters in whole mm.
class TKDornDaten {
public:
    // Same as TKDornDaten(TsLand::deu); lets result containers hold records in fixed arrays.
    TKDornDaten();
    // A record for `land`, filled for ZAVR45HF at a thickness of 160.
    explicit TKDornDaten(TsLand land);
    // A record for `land`, filled as SetDorn fills it.
    TKDornDaten(TsLand land, TsDorn pDorn, TsFugenbreite pFugenbreite, double pPlattendicke);

    // Refills the record from the catalogue for `pDorn` and the member thickness `pPlattendicke` (selects
    // the thickness class of the standard reinforcement). The joint width class does not change the
    // record: TVRds holds the resistances of every class.
    void SetDorn(TsDorn pDorn, TsFugenbreite pFugenbreite, double pPlattendicke);

    bool operator==(const TKDornDaten&) const = default;

    TsLand GetVRds_Data() const { return TVRds_Data; }
    void SetVRds_Data(TsLand v) { TVRds_Data = v; }
    TsDorn GetDorn() const { return TDorn; }
    void SetDornTyp(TsDorn v) { TDorn = v; }
    double GetMinBauteildicke() const { return TMinBauteildicke; }
    void SetMinBauteildicke(double v) { TMinBauteildicke = v; }
    double GetEinflussBereich() const { return TEinflussBereich; }
    void SetEinflussBereich(double v) { TEinflussBereich = v; }
    double GetBereichPosA() const { return TBereichPosA; }
    void SetBereichPosA(double v) { TBereichPosA = v; }
    double GetEinflussPosB() const { return TEinflussPosB; }
    void SetEinflussPosB(double v) { TEinflussPosB = v; }

    int GetPosAd() const { return TPosAd; }
    void SetPosAd(int v) { TPosAd = v; }
    int GetPosB2d() const { return TPosB2d; }
    void SetPosB2d(int v) { TPosB2d = v; }
    int GetPosB1d() const { return TPosB1d; }
    void SetPosB1d(int v) { TPosB1d = v; }
    int GetPosCd() const { return TPosCd; }
    void SetPosCd(int v) { TPosCd = v; }
    int GetPosDd() const { return TPosDd; }
    void SetPosDd(int v) { TPosDd = v; }

    int GetAnzPosA() const { return TAnzPosA; }
    void SetAnzPosA(int v) { TAnzPosA = v; }
    int GetAnzPosB2() const { return TAnzPosB2; }
    void SetAnzPosB2(int v) { TAnzPosB2 = v; }
    int GetAnzPosB1() const { return TAnzPosB1; }
    void SetAnzPosB1(int v) { TAnzPosB1 = v; }
    int GetAnzPosC() const { return TAnzPosC; }
    void SetAnzPosC(int v) { TAnzPosC = v; }
    int GetAnzPosD() const { return TAnzPosD; }
    void SetAnzPosD(int v) { TAnzPosD = v; }

    // The spacing arrays. The setters store the list as given (into the memory the array already has);
    // derived widths are the caller's business because the reinforcement layout sets them by its own rules.
    const std::vector<double>& GetDistPosA() const { return TDistPosA; }
    void SetDistPosA(const std::vector<double>& v) { TDistPosA = v; }
    const std::vector<double>& GetDistPosB2() const { return TDistPosB2; }
    void SetDistPosB2(const std::vector<double>& v) { TDistPosB2 = v; }
    const std::vector<double>& GetDistPosB1() const { return TDistPosB1; }
    void SetDistPosB1(const std::vector<double>& v) { TDistPosB1 = v; }
    const std::vector<double>& GetDistPosD() const { return TDistPosD; }
    void SetDistPosD(const std::vector<double>& v) { TDistPosD = v; }
    // The layout of the design run refills the arrays many times per type: in place, keeping their memory.
    // `anzahl` entries of one spacing (D: the first one differs), or the first `anzahl` entries kept.
    void FuelleDistPosA(std::size_t anzahl, double abstand) { TDistPosA.assign(anzahl, abstand); }
    void FuelleDistPosB2(std::size_t anzahl, double abstand) { TDistPosB2.assign(anzahl, abstand); }
    void FuelleDistPosB1(std::size_t anzahl, double abstand) { TDistPosB1.assign(anzahl, abstand); }
    void FuelleDistPosD(std::size_t anzahl, double erster, double weitere);
    void KuerzeDistPosA(std::size_t anzahl) { TDistPosA.resize(std::min(anzahl, TDistPosA.size())); }

    double GetDistPosB1Rand() const { return TDistPosB1Rand; }
    void SetDistPosB1Rand(double v) { TDistPosB1Rand = v; }
    double GetDistPosCRand() const { return TDistPosCRand; }
    void SetDistPosCRand(double v) { TDistPosCRand = v; }

    double GetDornBreite() const { return TDornBreite; }
    void SetDornBreite(double v) { TDornBreite = v; }
    double GetDornHoehe() const { return TDornHoehe; }
    void SetDornHoehe(double v) { TDornHoehe = v; }
    double GetDornDurchmesser() const { return TDornDurchmesser; }
    void SetDornDurchmesser(double v) { TDornDurchmesser = v; }
    double GetDornAbstand() const { return TDornAbstand; }
    void SetDornAbstand(double v) { TDornAbstand = v; }
    double GetDornLaenge() const { return TDornLaenge; }
    void SetDornLaenge(double v) { TDornLaenge = v; }
    double GetDornRERohrb() const { return TDornRERohrb; }
    void SetDornRERohrb(double v) { TDornRERohrb = v; }
    double GetDornRERohrh() const { return TDornRERohrh; }
    void SetDornRERohrh(double v) { TDornRERohrh = v; }
    double GetDornStab1l() const { return TDornStab1l; }
    void SetDornStab1l(double v) { TDornStab1l = v; }
    double GetDornStab2l() const { return TDornStab2l; }
    void SetDornStab2l(double v) { TDornStab2l = v; }
    double GetDornStab1d() const { return TDornStab1d; }
    void SetDornStab1d(double v) { TDornStab1d = v; }
    double GetDornStab2d() const { return TDornStab2d; }
    void SetDornStab2d(double v) { TDornStab2d = v; }
    double GetDornStab1a() const { return TDornStab1a; }
    void SetDornStab1a(double v) { TDornStab1a = v; }
    double GetDornStab2a() const { return TDornStab2a; }
    void SetDornStab2a(double v) { TDornStab2a = v; }
    double GetDornPlattel() const { return TDornPlattel; }
    void SetDornPlattel(double v) { TDornPlattel = v; }

    double GetBetDeckungOben() const { return TBetDeckungOben; }
    void SetBetDeckungOben(double v) { TBetDeckungOben = v; }
    double GetBetDeckungUnten() const { return TBetDeckungUnten; }
    void SetBetDeckungUnten(double v) { TBetDeckungUnten = v; }
    double GetMinRandSeite() const { return TMinRandSeite; }
    void SetMinRandSeite(double v) { TMinRandSeite = v; }
    double GetMinRandSeiteL() const { return TMinRandSeiteL; }
    void SetMinRandSeiteL(double v) { TMinRandSeiteL = v; }
    double GetMinAchsabstand() const { return TMinAchsabstand; }
    void SetMinAchsabstand(double v) { TMinAchsabstand = v; }
    double GetVRds(TsFugenbreite fb) const { return TVRds[Ord(fb)]; }
    void SetVRds(TsFugenbreite fb, double v) { TVRds[Ord(fb)] = v; }

private:
    void UebernimmKennung(const TrDornKennung& k);
    void UebernimmMasse(const TrDornMasse& m);
    void UebernimmBewehrung(const TrStandardBewehrung& b);

    TsLand TVRds_Data = TsLand::deu;
    TsDorn TDorn = TsDorn::ZAVR45HF;
    double TMinBauteildicke = 0;
    double TEinflussBereich = 0;
    double TBereichPosA = 0;
    double TEinflussPosB = 0;
    int TPosAd = 0;
    int TPosB2d = 0;
    int TPosB1d = 0;
    int TPosCd = 0;
    int TPosDd = 0;
    int TAnzPosA = 0;
    int TAnzPosB2 = 0;
    int TAnzPosB1 = 0;
    int TAnzPosC = 0;
    int TAnzPosD = 0;
    std::vector<double> TDistPosA;
    std::vector<double> TDistPosB2;
    std::vector<double> TDistPosB1;
    std::vector<double> TDistPosD;
    double TDistPosB1Rand = 0;
    double TDistPosCRand = 0;
    double TDornBreite = 0;
    double TDornHoehe = 0;
    double TDornDurchmesser = 0;
    double TDornAbstand = 0;
    double TDornLaenge = 0;
    double TDornRERohrb = 0;
    double TDornRERohrh = 0;
    double TDornStab1l = 0;
    double TDornStab2l = 0;
    double TDornStab1d = 0;
    double TDornStab2d = 0;
    double TDornStab1a = 0;
    double TDornStab2a = 0;
    double TDornPlattel = 0;
    double TBetDeckungOben = 0;
    double TBetDeckungUnten = 0;
    double TMinRandSeite = 0;
    double TMinRandSeiteL = 0;
    double TMinAchsabstand = 0;
    std::array<double, 5> TVRds{};
};
