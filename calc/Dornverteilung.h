#pragma once

#include <limits>
#include <map>
#include <vector>

#include "calc/TKTmpDornAufteilung.h"
#include "model/TKAnwendung.h"
#include "model/Typen.h"

struct Umgebung;

// Distribution of the dowels of one type along the joint of a row. Both procedures read the prepared design
// load (every load value scaled by the load reduction factor kF), the geometry of the result container and,
// in the type's result record, TNutzhoehe, TZulMinRand and at entry in TVRdIst the resistance of one dowel.
// They set the dimension chain, the dowel count and TVRdIst = the design shear of the most loaded dowel.
// They return false when no arrangement could be made; chain and count are then left as they were.

// One pass of the automatic distribution over a list of load points: where the dowels stand when each
// carries the load g, and what the spacing rules say of it. A pass depends on nothing else, so the types of
// one design run that need the same number of dowels walk the load once (see Verteilungslast).
struct Verteilungsdurchgang {
    std::vector<double> abstaende;  // first edge distance, spacings, last edge distance
    bool eingehalten = true;        // no checked spacing breaks the 5 × slab thickness rule
    double kleinster = std::numeric_limits<double>::infinity();  // smallest spacing from the third entry on
    bool gueltig = true;  // false: more dowels than any joint holds, or a value that is not finite
};

// The design load as the distributions of one design run walk it, for every type and pass the same: its
// points scaled by k_F from the left end and, mirrored at the joint length, from the right end, and its total
// load. Built once, with the passes walked on it kept and the scratch lists of the distributions.
class Verteilungslast {
public:
    // `last` as the row pass prepared it; a point mirrored beyond the joint start is reported through
    // `umgebung` (once).
    Verteilungslast(const TKBelastung& last, double fugenlaenge, double kF, Umgebung& umgebung);

    double kF() const { return faktor; }
    double GesamtLast() const { return gesamtLast; }
    // A load of fewer than two points gives no arrangement.
    bool MitLast() const { return seiten[0].size() >= 2; }
    const std::vector<TrFloatPoint>& Links() const { return seiten[0]; }

    // The pass for the load g per dowel from the left (seite 0) or the right end; another spacing rule
    // starts afresh.
    const Verteilungsdurchgang& Durchgang(int seite, double g, double m5, bool gleicheLast);
    // The temporary object of the distributions, one for the whole run.
    TKTmpDornAufteilung& Aufteilung() { return aufteilung; }

private:
    std::vector<TrFloatPoint> seiten[2];
    TKTmpDornAufteilung aufteilung;
    double faktor;
    double gesamtLast;
    std::map<double, Verteilungsdurchgang> durchgaenge[2];
    double m5_ = 0;
    bool gleicheLast_ = false;
};

// Constant spacing TkonstDornAbstand, centred on the joint; each dowel takes the load of its tributary
// length.
bool VerteileKonstant(TKAnwendung& anwendung, TsDorn dorn, Verteilungslast& last);

// Every dowel carries the same share of the load and sits at the centroid of its share; computed from
// both ends and merged.
bool VerteileAutomatisch(TKAnwendung& anwendung, TsDorn dorn, Verteilungslast& last);

// Number of dowels at the start of the automatic distribution: Round(kF × G / V + 0.4999), at least one;
// 0 when the quotient is not finite or exceeds any sensible dowel count.
long long Startanzahl(double kF, double gesamtLast, double widerstand);
