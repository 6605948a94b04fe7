#pragma once

#include "model/Typen.h"

// Geometry of one linear segment P→Q of a line load (x in mm, y in kN/m); loads in kN.

// Load of the segment.
double Flaeche(TrFloatPoint p, TrFloatPoint q);

// The point of the segment's line at x.
TrFloatPoint Interpoliere(TrFloatPoint p, TrFloatPoint q, double x);

// The point up to which the segment, starting at P, carries the load v. When the segment carries less
// (or has no length), a point 1 mm beyond Q.
TrFloatPoint FlaechenPunkt(TrFloatPoint p, TrFloatPoint q, double v);

// Centroid of the load P→Q together with an earlier load c (kN) whose centroid lies at e; 0 when there is
// no load at all.
double Schwerpunkt(TrFloatPoint p, TrFloatPoint q, double c, double e);
