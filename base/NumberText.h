#pragma once
// Reading and writing numbers as text. The decimal point is always '.', the
// thousands separator ','; nothing here looks at the C or C++ locale.
#include <string>
#include <string_view>

namespace korvane {

// An optional sign, digits with at most one '.', an optional exponent (E or e,
// optional sign, digits), blanks (spaces, tabs) around allowed. At least one
// digit before the exponent. Anything else (hex, "nan", "inf", commas, a lone
// '.') fails and leaves `out` untouched. Values that overflow a double fail
// too; values too small for a double read as zero.
bool ReadNumber(std::string_view text, double &out);

// Shortest general form with up to 15 significant digits: "600", "2.4", "0",
// "1e-05", "1.5e+20" (exponent as printf's %.15g writes it). Used for every
// number written to a text file.
std::string FormatGeneral(double value);

// Fixed decimals, rounding the value's 15-significant-digit decimal form half
// away from zero (2.625 -> "2.63", 1.005 -> "1.01"). With `thousands` the
// integer part is grouped by ','. Negative zero after rounding prints "0.00".
// Not-a-number and infinities print "nan", "inf" and "-inf".
std::string FormatFixed(double value, int decimals, bool thousands = false);

// The appending forms used by the formatter, so a report line is built in one
// string without temporaries.
void AppendFixed(std::string &out, double value, int decimals, bool thousands = false);
// General form with `precision` significant digits (1 when below 1), trailing
// zeros dropped, an exponent only when the fixed form would not fit (as C's
// %g). Up to 15 digits it rounds the 15-digit decimal form half away from
// zero, like AppendFixed.
void AppendGeneral(std::string &out, double value, int precision);

} // namespace korvane
