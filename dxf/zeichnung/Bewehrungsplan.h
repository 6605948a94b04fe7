#pragma once

#include <string>

#include "dxf/DXF_Object.h"
#include "model/Typen.h"

class TKAnwendung;
struct Umgebung;

// The reinforcement drawing ("Bewehrungsplan") of a position for one dowel type: title, plan view, joint-face
// view and section of the reinforcement the site provides around one dowel, in millimetres, labelled in
// centimetres with the user's decimal separator and in the user's language.

// Fills the empty document `doc`; a type that failed a check of the design carries a red "nicht zulässig"
// note with the reason below the title. Refuses (false, reason in `fehler`, document untouched) when the
// position has no design results or its values cannot give a sound drawing.
bool BewehrungsZeichnung(const TKAnwendung& anw, TsDorn dorn, const Umgebung& umgebung, DXF_Object& doc,
                         std::string& fehler);
