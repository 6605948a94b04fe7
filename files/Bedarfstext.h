#pragma once

#include <string>
#include <vector>

#include "model/Bedarfsliste.h"

class TKModell;

// The text export of the parts list and of the tender text: 80-column lines that other programs read, built
// from the project's header and the active entries of its bill of quantities. Values go to fixed columns;
// a value too long for its column pushes what follows it to the right, always one blank apart. Texts are
// in the language of the model's surroundings, the date is today's.
std::vector<std::string> BedarfslisteText(const TKModell& modell, Bedarfsdokument art);

// The bytes of the text export's file: the lines in Windows-1252 with CR LF after every line (UTF-8 with a
// byte-order mark when a text has a character Windows-1252 lacks).
std::string BedarfslisteDatei(const TKModell& modell, Bedarfsdokument art);
