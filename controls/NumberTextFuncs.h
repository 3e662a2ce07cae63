#pragma once
// Number texts as the entry grid and the formatted edit see them: what kind of
// value a format asks for, cleaning what the user typed into something the
// number reader accepts, and writing a float in a row's format.
//
// The format tests look for their letters anywhere in the format text, not
// only in the conversion character: "%0.0f" is a float format, and so would
// be any text holding an 'f'. Row texts rely on exactly this.
#include <string>
#include <string_view>

#include "base/KorvaneError.h"

namespace korvane {

// How a float value becomes text (the ordinals are stored by forms).
enum class TFormatType { ft_Auto = 0, ft_Fixed = 1, ft_AutoOverride = 2, ft_Manual = 3 };

// A part of a pair text that is not a number.
class ENumTextError : public EKorvaneError {
public:
  using EKorvaneError::EKorvaneError;
};

bool IsStrFormat(std::string_view f);   // holds 's' or 'S'
bool IsIntFormat(std::string_view f);   // holds 'd' or 'D'
bool IsExpFormat(std::string_view f);   // holds 'g' or 'G'
bool IsFloatFormat(std::string_view f); // holds 'f' or 'F', or is an exp format
bool IsPairFormat(std::string_view f);  // holds '/'

// The precision of a format that is one fixed conversion and nothing else,
// no width ("%0.3f" -> 3, "%.1F" -> 1): such a format writes exactly as
// AppendFixed does. -1 for any other format.
int PlainFixedPrecision(std::string_view f);

// The digit right after the first '.' ("%0.3f" -> 3); 0 without one.
int FormatDecimals(std::string_view f);

// "a/b" sets both numbers and returns true; a single number sets only `a` and
// returns false, leaving `b` alone. Throws ENumTextError when a part is not a
// number (nothing is changed then).
bool SplitPair(std::string_view s, double &a, double &b);

// Turns typed text into a text the number reader accepts when it is close to
// a number: spaces go, an empty text is "0", extra minus signs, exponent
// marks and points go, "E3" gets its leading 1, an exponent beyond 300 is cut
// to two characters. A pair is cleaned on each side of its first '/'. Text
// that is no number at all stays unreadable.
std::string CleanNumText(std::string_view s);

// ReadNumber(CleanNumText(s), x), without building the cleaned text when `s`
// needs no cleaning (what the grid itself wrote always does not).
bool ReadNumText(std::string_view s, double &x);

// Decimals that show a value with about `sigDigs` significant digits; see
// the .cpp for the rule. Never more than `maxDec`.
int AutoDecimals(int sigDigs, int maxDec, double x);
// "%0.<AutoDecimals(sigDigs, 12, x)>f"
std::string AutoFormat(int sigDigs, double x);

// `x` written by the float format `f` under `type`. Throws EFormatError when
// `f` cannot format a double.
std::string FormatNumber(double x, std::string_view f, TFormatType type, int sigDigs, int decimals);
// The same appended to `out`; on a throw `out` is as it was.
void AppendNumber(std::string &out, double x, std::string_view f, TFormatType type, int sigDigs,
                  int decimals);

} // namespace korvane
