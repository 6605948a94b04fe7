#pragma once

#include <vector>

#include "model/Typen.h"

// One load description of a position: a point load or a line load along the joint given as a piecewise
// linear list of points (x in mm from the left end, y in kN/m). The total load and the end values are
// derived from the point list.
class TKBelastung {
public:
    TKBelastung();
    // Copies recompute the total load from the copied points, so the derived total follows the points.
    TKBelastung(const TKBelastung& pBelastung);
    TKBelastung(const TKBelastung& pBelastung, double pFaktor);  // every load value scaled by pFaktor
    TKBelastung(TKBelastung&&) = default;
    TKBelastung& operator=(const TKBelastung& pBelastung);
    TKBelastung& operator=(TKBelastung&&) = default;

    TsBelastungsfall GetBelastungsfall() const { return TBelastungsfall; }
    void SetBelastungsfall(TsBelastungsfall v) { TBelastungsfall = v; }
    double GetLastverteilung() const { return TLastverteilung; }
    void SetLastverteilung(double v) { TLastverteilung = v; }
    double GetPunktLast() const { return TPunktLast; }
    void SetPunktLast(double v) { TPunktLast = v; }
    double GetGammaf() const { return TGammaf; }
    void SetGammaf(double v) { TGammaf = v; }
    double GetGesamtLast() const { return TGesamtLast; }
    void SetGesamtLast(double v) { TGesamtLast = v; }  // for reading stored projects
    TsLinienlast GetLinienlast() const { return TLinienlast; }
    void SetLinienlast(TsLinienlast v) { TLinienlast = v; }  // for reading stored projects
    double GetLastLaenge() const { return TLastLaenge; }
    void SetLastLaenge(double pLastLaenge);  // also pulls points beyond the new length back onto it
    int GetAnzLastPunkte() const { return TAnzLastPunkte; }
    double GetLinienLastLinks() const { return TLinienLastLinks; }
    void SetLinienLastLinks(double v);  // also derives the shape
    double GetLinienLastRechts() const { return TLinienLastRechts; }
    void SetLinienLastRechts(double v);  // also derives the shape

    // The point with index pLastID (0-based); a point (0, 0) for an index outside the list.
    TrFloatPoint GetbeliebigeLast(int pLastID) const;
    // Inserts the point behind all points with a smaller or equal x and updates total load and end values.
    void AddbeliebigeLast(TrFloatPoint pBeliebigeLast);
    // Empties the point list; total load and end values keep their values.
    void ResetbeliebigeLast();
    // The same as ResetbeliebigeLast and AddbeliebigeLast for each point in order, with total load and end
    // values derived once (linear instead of quadratic in the number of points; used when reading files).
    void SetbeliebigeLast(std::vector<TrFloatPoint> pPunkte);
    // Cuts the list at the joint length: the first point at or beyond it is moved onto it and the points
    // after it are dropped. The total load is deliberately left as it was.
    void PruefeFugenlaenge(double pFugenlaenge);

    bool operator==(const TKBelastung&) const = default;

private:
    void KopiereWerte(const TKBelastung& pBelastung, double pFaktor);
    void BerechneGesamtLast();
    void BestimmeLinienlast();

    TsBelastungsfall TBelastungsfall = TsBelastungsfall::bfPunktlast;
    double TLastverteilung = 0;
    double TPunktLast = 80;
    double TGammaf = 0;
    double TGesamtLast = 100;
    TsLinienlast TLinienlast = TsLinienlast::llLiglRE;
    std::vector<TrFloatPoint> TbeliebigeLast;
    double TLastLaenge = 2000;
    int TAnzLastPunkte = 2;
    double TLinienLastLinks = 50;
    double TLinienLastRechts = 50;
};
