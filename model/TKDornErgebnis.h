#pragma once

#include <cstdint>
#include <vector>

#include "model/TKMeldungen.h"
#include "model/Typen.h"

// Result of the design run for one dowel type: arrangement along the joint, characteristic spacings,
// resistances, punching parameters, status and messages. Lengths in mm, forces in kN, areas in mm².
class TKDornErgebnis {
public:
    explicit TKDornErgebnis(TsDorn pDorn);  // spacings and edge distances start at the catalogue minima
    // The record as constructed for `pDorn`, in place: a record refilled for every type of every design run
    // keeps the memory of its lists.
    void Erneuern(TsDorn pDorn);

    TsDornAnordnung GetDornAnordnung() const { return TDornAnordnung; }
    void SetDornAnordnung(TsDornAnordnung v) { TDornAnordnung = v; }
    double GetNutzhoehe() const { return TNutzhoehe; }
    void SetNutzhoehe(double v) { TNutzhoehe = v; }

    // Dimension chain along the joint; rows: left edge distance, the spacings, right edge distance.
    void ResetDornAbstand();
    void AddDornAbstand(double pDornAbstand, bool pDornNotwendig);
    int GetAnzDornAbstand() const { return static_cast<int>(TDornAbstand.size()); }
    double GetDornAbstand(int pAbstand) const;  // 0 outside the chain
    bool GetDornNotwendig(int pAbstand) const;  // false outside the chain
    // Largest spacing between two required dowels; edge distances never count. 0 when there is none.
    double GetMaxDornAbstand() const;

    double GetDornPaarAbstand() const { return TDornPaarAbstand; }
    void SetDornPaarAbstand(double v) { TDornPaarAbstand = v; }
    double GetAbstandLinks() const { return TAbstandLinks; }
    void SetAbstandLinks(double v) { TAbstandLinks = v; }
    double GetAbstandRechts() const { return TAbstandRechts; }
    void SetAbstandRechts(double v) { TAbstandRechts = v; }
    double GetKritAchs() const { return TKritAchs; }
    void SetKritAchs(double v) { TKritAchs = v; }
    double GetIstMinAchs() const { return TIstMinAchs; }
    void SetIstMinAchs(double v) { TIstMinAchs = v; }
    double GetZulMinAchs() const { return TZulMinAchs; }
    void SetZulMinAchs(double v) { TZulMinAchs = v; }
    double GetZulMinRand() const { return TZulMinRand; }
    void SetZulMinRand(double v) { TZulMinRand = v; }
    double GetTypAchs() const { return TTypAchs; }
    void SetTypAchs(double v) { TTypAchs = v; }
    double GetTypRand() const { return TTypRand; }
    void SetTypRand(double v) { TTypRand = v; }

    // The three resistances keep TVRdzul at their minimum.
    double GetVRds() const { return TVRds; }
    void SetVRds(double v);
    double GetVRdce() const { return TVRdce; }
    void SetVRdce(double v);
    double GetVRdct() const { return TVRdct; }
    void SetVRDct(double v);
    double GetVRdZul() const { return TVRdzul; }
    void SetVRdZul(double v) { TVRdzul = v; }  // for reading stored projects

    double GetVRdIst() const { return TVRdIst; }
    void SetVRdIst(double v) { TVRdIst = v; }
    double GetEtaQ() const { return TEtaQ; }
    void SetEtaQ(double v) { TEtaQ = v; }
    double GetAsx() const { return TAsx; }
    void SetAsx(double v) { TAsx = v; }
    double GetAsy() const { return TAsy; }
    void SetAsy(double v) { TAsy = v; }
    double GetRhol() const { return TRhol; }
    void SetRhol(double v) { TRhol = v; }
    double Getbx() const { return Tbx; }
    void Setbx(double v) { Tbx = v; }
    double Getby() const { return Tby; }
    void Setby(double v) { Tby = v; }
    double GetbySoll() const { return TbySoll; }
    void SetbySoll(double v) { TbySoll = v; }
    double Getui() const { return Tui; }
    void Setui(double v) { Tui = v; }
    std::uint16_t GetStatus() const { return TStatus; }
    void SetStatus(std::uint16_t v) { TStatus = v; }
    bool GetAbstandMeldung() const { return TAbstandMeldung; }
    void SetAbstandMeldung(bool v) { TAbstandMeldung = v; }
    // The reinforcement was chosen by hand in the reinforcement dialog rather than by the design run.
    bool GetBewehrungManuell() const { return TBewehrungManuell; }
    void SetBewehrungManuell(bool v) { TBewehrungManuell = v; }

    TKMeldungen cFehler;     // status codes 1 to 9
    TKMeldungen cWarnungen;  // warning codes

    bool operator==(const TKDornErgebnis&) const = default;

private:
    TKDornErgebnis() = default;
    void Anfangswerte(TsDorn pDorn);
    void BestimmeVRdzul();

    TsDornAnordnung TDornAnordnung = TsDornAnordnung::daEinzelDorn;
    double TNutzhoehe = 320;
    std::vector<double> TDornAbstand;
    std::vector<bool> TDornNotwendig;
    double TDornPaarAbstand = 0;
    double TAbstandLinks = 0;
    double TAbstandRechts = 0;
    double TKritAchs = 0;
    double TIstMinAchs = 0;
    double TZulMinAchs = 0;
    double TZulMinRand = 0;
    double TTypAchs = 0;
    double TTypRand = 0;
    double TVRds = 0;
    double TVRdce = 0;
    double TVRdct = 0;
    double TVRdzul = 0;
    double TVRdIst = 0;
    double TEtaQ = 0;
    double TAsx = 0;
    double TAsy = 0;
    double TRhol = 0;
    double Tbx = 0;
    double Tby = 0;
    double TbySoll = 0;
    double Tui = 0;
    std::uint16_t TStatus = 0;
    bool TAbstandMeldung = false;
    bool TBewehrungManuell = false;
};
