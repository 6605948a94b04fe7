#pragma once

#include "model/TKDornDaten.h"
#include "model/TKGeometrie.h"

// Bar diameters of the additional reinforcement: the list of available diameters, the largest one a slab
// admits, the spacing rules and the check that the bars fit into the slab thickness.

// The following diameter of the list; 28 for 28 or for a diameter not in the list.
int NaechstGroesser(int durchmesser);
// The preceding diameter of the list; 6 for 6 or for a diameter not in the list.
int NaechstKleiner(int durchmesser);

// ∅max: the largest bar diameter for the slab thickness and front cover of `geometrie`.
int MaxDurchmesser(const TKGeometrie& geometrie);

// Smallest axis spacing of parallel bars.
double SMin(int durchmesser);
// Smallest spacing of the first D pair behind the innermost one; thin slabs allow closer bars.
double SD1(int durchmesser, double plattendicke);

// The four diameters of a record, in the order the fit check takes them.
struct Durchmesser {
    int A;
    int B1;
    int D;
    int B2;
};
Durchmesser LeseDurchmesser(const TKDornDaten& daten);
void SchreibeDurchmesser(TKDornDaten& daten, const Durchmesser& durchmesser);

// Whether dowel and bars of the given diameters fit into the slab thickness between the two covers.
bool Passt(const TKGeometrie& geometrie, const TKDornDaten& daten, const Durchmesser& durchmesser);
