#pragma once

#include <string>
#include <string_view>

#include "dxf/Point3D.h"

// Number texts of DXF files: always "." as decimal point, independent of any locale.

// Rounded to 7 significant digits and at most 5 decimals, written with exactly 5 decimals
// (12.5 -> "12.50000"); values with more than 7 integer digits in exponent form ("1.000000E+10").
std::string float_to_str(double x);
// Appends float_to_str(x) to out without a temporary string (the writer's hot path).
void append_float(std::string& out, double x);
// The 23-character exponent form of style table values: " 3.50000000000000E-0001".
std::string float_to_exp_str(double x);
// "(x, y, z)" with 2 decimals and the given decimal separator, for diagnostic texts.
std::string point_to_str(const Point3D& p, char decimal_separator = '.');
std::string bool_to_str(bool b);

// Reads a DXF number: the whole text, blanks around it allowed, a sign, "." as decimal point, an exponent;
// false for anything else (a comma, trailing text, nothing). Plain decimals such as "-1234.56789" are read
// without the general parser, with the same result.
bool dxf_to_double(std::string_view text, double& value);
