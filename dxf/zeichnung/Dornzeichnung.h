#pragma once

#include <string>

#include "dxf/DXF_Object.h"
#include "model/Typen.h"

struct Umgebung;

// Dimensioned drawing of a dowel type, made from its catalogue dimensions: front view onto the joint face
// and side view, dimensions in millimetres, title with the display name and drawing number, and a list of
// the parts, its words in the user-interface language of `umgebung`. Layers "0" (axes), "SCHUBDORN" (the
// dowel), "BEMAßUNG_TEILE" (dimensions) and "TEXT_5MM". The same type always gives the same document, so the
// written files are identical byte for byte.
DXF_Object DornZeichnung(TsDorn dorn, const Umgebung& umgebung);

// Layer names of the dowel drawings.
inline constexpr const char* DornLayerAchsen = "0";
inline constexpr const char* DornLayerDorn = "SCHUBDORN";
inline constexpr const char* DornLayerMasse = "BEMAßUNG_TEILE";
inline constexpr const char* DornLayerText = "TEXT_5MM";
