#pragma once

#include "calc/Dornkontext.h"

struct Umgebung;

// Design resistances of one dowel of a type (kN) and the quantities they rest on. Each function stores in
// the result record exactly what its comment names and nothing else; none of them allocates.

// Effective depth d of the slab at the dowel; stores TNutzhoehe.
double Nutzhoehe(const Dornkontext& k);

// Steel resistance V_Rd,s for the joint width class of the geometry.
double VRds(const Dornkontext& k);

// Concrete edge resistance with the suspension bars D, V_Rd,ce.
double VRdce(const Dornkontext& k);

// Punching resistance V_Rd,ct; stores TNutzhoehe, TAsx, Tby, TbySoll, TAsy, Tbx, TRhol and Tui.
double VRdct(const Dornkontext& k);

// Punching resistance with the most reinforcement the slab admits; stores TNutzhoehe only.
double VRdctMax(const Dornkontext& k);

// The result fields the functions above store, with V_Rd,ct, V_Rd,ce and V_Rd,zul, which the design run
// stores from them: all that the resistances and the reinforcement steps change in a result record. A
// snapshot of the steps keeps these and the catalogue record, not the dimension chain or the messages.
struct Widerstandswerte {
    double nutzhoehe, asx, by, bySoll, asy, bx, rhol, ui, vrdct, vrdce, vrdzul;

    static Widerstandswerte Aus(const TKDornErgebnis& e);
    void In(TKDornErgebnis& e) const;
};

// Characteristic cylinder strength f_ck and design bond strength f_bd of a grade, N/mm².
double Fck(TsBetonguete guete);
double Fbd(TsBetonguete guete);

// Length of arc of a circle of diameter D up to the horizontal offset t.
double Bogen(double durchmesser, double t, Umgebung& umgebung);
