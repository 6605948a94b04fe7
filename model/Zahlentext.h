#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Number texts as the program writes them everywhere: in project files, input fields and drawing labels.
// Floats take the shortest general form with at most 15 significant digits and the regional decimal
// separator, as existing installations write them.

// 250 -> "250", 12.5 -> "12,5" (with ','), 0.000001 -> "1E-6", 1.5e20 -> "1,5E20".
std::string FloatText(double wert, char dezimaltrenner);
// The same text into `ziel`, which has room for MaxFloatZeichen characters; returns its end. For writers of
// many numbers, without an allocation per number.
inline constexpr std::size_t MaxFloatZeichen = 32;
char* FloatZeichen(char* ziel, double wert, char dezimaltrenner);

// A length in millimetres as centimetre text in the shortest form, as drawings and pages label lengths:
// 125 gives "12,5", 300 gives "30"; a length that is not finite gives "0".
std::string ZentimeterText(double millimeter, char dezimaltrenner);

// A value with a fixed number of decimals and the given separator: (12.25, 1, ',') gives "12,2" or "12,3" as
// the binary value lies, (30, 1, ',') gives "30,0".
std::string FestkommaText(double wert, int stellen, char dezimaltrenner);

// Utilisation ist / widerstand with two decimals, as the results list shows it. A resistance of 0 occurs
// only before the first design run; it shows 0 rather than a division by zero.
std::string AusnutzungText(double ist, double widerstand, char dezimaltrenner);

// Accepts "," as well as "." as the decimal separator, so a project written under other regional settings
// keeps its numbers. Surrounding blanks are ignored; anything else that is not a number gives no value.
std::optional<double> LeseFloat(std::string_view text);

// Optional sign and decimal digits within the 32-bit range; anything else gives no value.
std::optional<int> LeseInteger(std::string_view text);
