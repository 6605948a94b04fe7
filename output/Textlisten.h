#pragma once

#include <QStringList>

#include "model/Texte.h"

// A text list of the string table in the user-interface language: a language module translates the whole
// backslash-separated entry, which is then split into its items like the German reference.
QStringList Textliste(TextListe liste);
QString ListenText(TextListe liste, int index);  // empty outside the list
