#pragma once

#include "model/Katalog.h"
#include "model/Typen.h"

// How an enumeration is stored in a project file: by its ordinal, a dowel type by the file number its
// catalogue record gives it, so that a stored project keeps its types whatever the catalogue's order.
template <typename E>
int Dateiwert(E wert) {
    return Ord(wert);
}
inline int Dateiwert(TsDorn dorn) {
    return Dateinummer(dorn);
}

// The value a stored number stands for, or `ersatz` for a number that stands for none.
template <typename E>
E AusDateiwert(long long zahl, E ersatz) {
    return AusOrdinal(zahl, ersatz);
}
inline TsDorn AusDateiwert(long long zahl, TsDorn ersatz) {
    return DornAusDateinummer(zahl).value_or(ersatz);
}
