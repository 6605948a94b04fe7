#pragma once

#include <QStringList>

#include "model/Texte.h"

struct Umgebung;

// A text list of the string table in the user-interface language, for list and combo boxes.
QStringList Listentexte(TextListe liste, const Umgebung& umgebung);
