#pragma once

#include <string>

#include "model/TKModell.h"

struct Umgebung;

// A project of `positionen` positions in which every stored field holds a value different from its initial
// one, with non-empty lists everywhere: company and remark lines, bill entries (one with continuation
// lines), arbitrary load points, reinforcement spacings, dimension chains and message codes. Values have
// at most 15 significant digits, so they survive the file exactly. `kette` is the length of each dimension
// chain (it sets the size of a position in the file).
TKModell Testprojekt(Umgebung& umgebung, int positionen, int kette = 7);

// The file as its lines (without the CR LF ends); the file must be Windows-1252 or plain ASCII.
std::vector<std::string> Dateizeilen(const std::string& pfad);
void SchreibeDateizeilen(const std::string& pfad, const std::vector<std::string>& zeilen);
