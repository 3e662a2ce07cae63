#pragma once
// printf-style formatting of the texts this program shows: "%0.0f", "%0.3f",
// "%0.1n", "%0.2n", "%m", "%0.4g", "%0.04g", "%d", "%s"/"%S" and literal
// text around them, "%%" for a percent sign. Conversion letters in either
// case. Fixed conversions round as FormatFixed does, "g" as AppendGeneral.
// A conversion is "%" ["-"] [width] ["." precision] letter: the width pads
// with blanks on the left ('-': on the right; a leading '0': zeros for
// numbers); without a precision "f" and "n" give two decimals, "m" the
// currency's decimals, "g" 15 significant digits. The precision of "%d" is
// its minimum number of digits, of "%s" the most characters shown. "%s"
// shows an empty value as an empty text.
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Variant.h"

namespace korvane {

// Thrown for a format text that cannot be parsed, too few arguments, or a
// value of the wrong kind for its conversion (a text for "%f", a double for
// "%d", a number for "%s").
class EFormatError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The user's money format for "%m"; the number separators stay '.' and ','.
struct TCurrencyFormat {
  std::string symbol;       // "R", "$", "€"; empty shows the number alone
  bool symbolAfter = false; // "12.00 €" rather than "R12.00"
  bool spaced = false;      // a space between symbol and number
  int decimals = 2;
};

std::string Format(std::string_view format, std::span<const Variant> args,
                   const TCurrencyFormat &currency = {});
inline std::string Format(std::string_view format, std::initializer_list<Variant> args,
                          const TCurrencyFormat &currency = {}) {
  return Format(format, std::span<const Variant>(args.begin(), args.size()), currency);
}

// Appends instead of returning: the solve builds its report without
// allocating a fresh string per line.
void FormatTo(std::string &out, std::string_view format, std::span<const Variant> args,
              const TCurrencyFormat &currency = {});

} // namespace korvane
