#pragma once

#include <initializer_list>
#include <string>

// Marks a text for the translation catalogues where it is written, without depending on Qt: the catalogue
// tools find these calls in any source file. The text itself stays the German source text; it is
// translated where it is shown (Umgebung::translate, or Qt's translate in the windows).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Puts the values in place of the markers %1 … %9 of a translated text, as QString::arg does in the
// windows, so a language can put them in its own order.
std::string Einsetzen(std::string muster, std::initializer_list<std::string> werte);
