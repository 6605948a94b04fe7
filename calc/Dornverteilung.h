#pragma once

#include <limits>
#include <map>
#include <vector>

#include "model/TKAnwendung.h"
#include "model/Typen.h"

struct Umgebung;

// Distribution of the dowels of one type along the joint of a row. Both procedures read the design load
// (every load value scaled by the load reduction factor kF), the geometry of the result container and, in
// the type's result record, TNutzhoehe, TZulMinRand and at entry in TVRdIst the resistance of one dowel.
// They set the dimension chain, the dowel count and TVRdIst = the design shear of the most loaded dowel.
// They return false when no arrangement could be made; chain and count are then left as they were.

// Constant spacing TkonstDornAbstand, centred on the joint; each dowel takes the load of its tributary
// length.
bool VerteileKonstant(TKAnwendung& anwendung, TsDorn dorn, double kF);

// One pass of the automatic distribution over a list of load points: where the dowels stand when each
// carries the load g, and what the spacing rules say of it. A pass depends on nothing else, so the types of
// one design run that need the same number of dowels walk the load once (see Verteilungsspeicher).
struct Verteilungsdurchgang {
    std::vector<double> abstaende;  // first edge distance, spacings, last edge distance
    bool eingehalten = true;        // no checked spacing breaks the 5 × slab thickness rule
    double kleinster = std::numeric_limits<double>::infinity();  // smallest spacing from the third entry on
    bool gueltig = true;  // false: more dowels than any joint holds, or a value that is not finite
};

// The passes walked in one design run, by load per dowel, for the left and the mirrored load points.
// Different points, or another spacing rule, start afresh.
class Verteilungsspeicher {
public:
    const Verteilungsdurchgang& Durchgang(int seite, const std::vector<TrFloatPoint>& punkte, double g,
                                          double m5, bool gleicheLast);

private:
    struct Seite {
        std::vector<TrFloatPoint> punkte;
        std::map<double, Verteilungsdurchgang> durchgaenge;
    };
    Seite seiten[2];
    double m5_ = 0;
    bool gleicheLast_ = false;
};

// Every dowel carries the same share of the load and sits at the centroid of its share; computed from
// both ends and merged. The passes are taken from and kept in `speicher`.
bool VerteileAutomatisch(TKAnwendung& anwendung, TsDorn dorn, double kF, Umgebung& umgebung,
                         Verteilungsspeicher& speicher);
// The same with passes of its own.
bool VerteileAutomatisch(TKAnwendung& anwendung, TsDorn dorn, double kF, Umgebung& umgebung);

// Number of dowels at the start of the automatic distribution: Round(kF × G / V + 0.4999), at least one;
// 0 when the quotient is not finite or exceeds any sensible dowel count.
long long Startanzahl(double kF, double gesamtLast, double widerstand);
