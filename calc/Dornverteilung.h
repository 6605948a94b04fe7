#pragma once

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

// Every dowel carries the same share of the load and sits at the centroid of its share; computed from
// both ends and merged.
bool VerteileAutomatisch(TKAnwendung& anwendung, TsDorn dorn, double kF, Umgebung& umgebung);

// Number of dowels at the start of the automatic distribution: Round(kF × G / V + 0.4999), at least one;
// 0 when the quotient is not finite or exceeds any sensible dowel count.
long long Startanzahl(double kF, double gesamtLast, double widerstand);
