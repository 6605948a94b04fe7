#pragma once

#include "calc/Dornkontext.h"
#include "model/Typen.h"

// Resistance of one dowel with which the design counts the dowels: min(V_Rd,s, V_Rd,ce, V_Rd,ct). With the
// optimised method it first optimises the suspension bars and then adds reinforcement step by step while
// the punching resistance governs; the punching quantities and the adapted reinforcement stay in the
// records. Sets `abgebrochen` when the steps reach their bound.
double Tragfaehigkeit(const Dornkontext& k, TsBewehrungCalc methode, bool& abgebrochen);
