#pragma once

#include <array>
#include <vector>

#include "model/TKBelastung.h"
#include "model/TKErgebnisse.h"
#include "model/Typen.h"

struct Umgebung;

// Scratch state of one distribution of the dowels of a row: the arrangement computed from the left end
// (list 0) and from the right end on the mirrored load (list 1), each as first edge distance, spacings,
// last edge distance; and the maximum spacing into which constructive dowels are inserted.
class TKTmpDornAufteilung {
public:
    TKTmpDornAufteilung() = default;
    explicit TKTmpDornAufteilung(double pMaxAbstand);

    void ResetDist(int pID) { TDist[pID].clear(); }
    void AddDist(int pID, double pValue) { TDist[pID].push_back(pValue); }
    const std::vector<double>& GetDist(int pID) const { return TDist[pID]; }

    // Mirrors the design load at the joint length: point i is point n − 1 − i at L − x.
    void SetTmpLast(const TKBelastung& last, double fugenlaenge, Umgebung& umgebung);
    const std::vector<TrFloatPoint>& GetTmpLast() const { return TtmpLast; }

    // Merges the two lists into the dimension chain of the type and sets its dowel count. False (chain
    // and count untouched) when the lists hold no arrangement, when the right list is too short for the
    // left one, or when constructive dowels would exceed any sensible number.
    bool SetDornAbstand(TKErgebnisse& ergebnisse, TsDorn pDorn, double fugenlaenge);

    // The same object for another distribution, with or without a maximum spacing; its lists keep their
    // memory, so the distributions of a design run allocate nothing once they are under way.
    void Neu(double pMaxAbstand);
    void NeuOhneMaxAbstand();

private:
    // Splits one chain value into equal parts no longer than the maximum spacing; all parts but the last
    // are constructive.
    bool Unterteile(double wert);

    std::array<std::vector<double>, 2> TDist;
    std::vector<TrFloatPoint> TtmpLast;
    double TMaxAbstand = 0;
    bool TIstMaxAbstand = false;
    // The merged chain before it is taken over, and the sums of the right list.
    std::vector<double> werte;
    std::vector<bool> notwendig;
    std::vector<double> summeRechts;
};
