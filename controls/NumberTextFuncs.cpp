#include "controls/NumberTextFuncs.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "base/AsciiText.h"
#include "base/Format.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

bool Holds(std::string_view f, char lower) {
  const char both[2] = {lower, static_cast<char>(lower - 'a' + 'A')};
  return f.find_first_of(std::string_view(both, 2)) != f.npos;
}

// Keeps the first `c` and drops every later one.
void KeepFirst(std::string &t, char c) {
  const size_t first = t.find(c);
  if (first == t.npos)
    return;
  size_t out = first + 1;
  for (size_t i = first + 1; i < t.size(); ++i)
    if (t[i] != c)
      t[out++] = t[i];
  t.resize(out);
}

// True when `e` (a sign and digits) is an integer beyond 300 either way.
bool ExponentTooBig(std::string_view e) {
  if (!e.empty() && (e[0] == '-' || e[0] == '+'))
    e.remove_prefix(1);
  if (e.empty())
    return false;
  std::int64_t value = 0;
  for (char c : e) {
    if (!IsDigit(c))
      return false;
    if (value <= 300)
      value = value * 10 + (c - '0');
  }
  return value > 300;
}

// A text the cleaning would leave as it is: an optional leading minus,
// digits and at most one point, at least one digit.
bool IsPlainDecimal(std::string_view s) {
  bool digit = false;
  bool point = false;
  for (size_t i = !s.empty() && s[0] == '-' ? 1 : 0; i < s.size(); ++i) {
    if (IsDigit(s[i]))
      digit = true;
    else if (s[i] == '.' && !point)
      point = true;
    else
      return false;
  }
  return digit;
}

// One side of a number text, spaces and slashes already gone.
std::string CleanPart(std::string t) {
  if (t.empty())
    return "0";
  for (char &c : t)
    if (c == 'e')
      c = 'E';
  KeepFirst(t, 'E');
  if (t.size() > 1) {
    // A minus survives only in front and right after the exponent mark.
    std::string kept(1, t[0]);
    for (size_t i = 1; i < t.size(); ++i)
      if (t[i] != '-' || t[i - 1] == 'E')
        kept.push_back(t[i]);
    t = std::move(kept);
  }
  if (t == "-")
    return "0";
  // A second point ends the number: "1.2.3" is 1.2, not 1.23.
  const size_t point = t.find('.');
  if (point != t.npos) {
    const size_t second = t.find('.', point + 1);
    if (second != t.npos)
      t.resize(second);
  }
  if (!t.empty() && t[0] == 'E')
    t.insert(t.begin(), '1');
  const size_t mark = t.find('E');
  if (mark != t.npos && mark + 1 < t.size()) {
    std::string exponent = t.substr(mark + 1);
    const size_t dot = exponent.find('.');
    if (dot != exponent.npos)
      exponent.erase(dot, 1);
    // Far beyond a double's range: keep what was probably meant to be typed.
    if (ExponentTooBig(exponent))
      exponent.resize(2);
    t.resize(mark + 1);
    t += exponent;
  }
  return t;
}

} // namespace

bool IsStrFormat(std::string_view f) {
  return Holds(f, 's');
}
bool IsIntFormat(std::string_view f) {
  return Holds(f, 'd');
}
bool IsExpFormat(std::string_view f) {
  return Holds(f, 'g');
}
bool IsFloatFormat(std::string_view f) {
  return Holds(f, 'f') || IsExpFormat(f);
}
bool IsPairFormat(std::string_view f) {
  return f.find('/') != f.npos;
}

int PlainFixedPrecision(std::string_view f) {
  std::size_t i = 0;
  if (f.size() < 4 || f[i++] != '%')
    return -1;
  if (f[i] == '0')
    ++i;
  if (f[i++] != '.' || !IsDigit(f[i]))
    return -1;
  int precision = f[i++] - '0';
  if (i < f.size() && IsDigit(f[i]))
    precision = precision * 10 + (f[i++] - '0');
  if (i + 1 != f.size() || (f[i] != 'f' && f[i] != 'F'))
    return -1;
  return precision;
}

int FormatDecimals(std::string_view f) {
  const size_t point = f.find('.');
  if (point == f.npos || point + 1 >= f.size() || !IsDigit(f[point + 1]))
    return 0;
  return f[point + 1] - '0';
}

bool SplitPair(std::string_view s, double &a, double &b) {
  const size_t slash = s.find('/');
  double first = 0.0;
  if (slash == s.npos) {
    if (!ReadNumber(s, first))
      throw ENumTextError("not a number: " + std::string(s));
    a = first;
    return false;
  }
  double second = 0.0;
  if (!ReadNumber(s.substr(0, slash), first) || !ReadNumber(s.substr(slash + 1), second))
    throw ENumTextError("not a pair of numbers: " + std::string(s));
  a = first;
  b = second;
  return true;
}

std::string CleanNumText(std::string_view s) {
  // Nearly every cell holds what the grid wrote ("750", "1.200"), and every
  // solve reads every cell: skip the passes below for those.
  if (IsPlainDecimal(s))
    return std::string(s);
  std::string t;
  t.reserve(s.size());
  for (char c : s)
    if (c != ' ')
      t.push_back(c);
  const size_t slash = t.find('/');
  if (slash == t.npos)
    return CleanPart(std::move(t));
  std::string right = t.substr(slash + 1);
  std::erase(right, '/');
  t.resize(slash);
  return CleanPart(std::move(t)) + '/' + CleanPart(std::move(right));
}

bool ReadNumText(std::string_view s, double &x) {
  if (!IsPlainDecimal(s))
    return ReadNumber(CleanNumText(s), x);
  // Nearly every cell: from_chars reads the form as it stands. A text of
  // hundreds of digits out of a double's range is ReadNumber's to settle.
  const auto res = std::from_chars(s.data(), s.data() + s.size(), x);
  return (res.ec == std::errc() && res.ptr == s.data() + s.size()) || ReadNumber(s, x);
}

// A value with one character before the point shows up to its first
// significant decimal, at least three decimals (5.123, 0.500, 0.00123); a
// wider value shows `sigDigs` characters in all (123.46 for five), the minus
// sign counting as one; a value as wide as `sigDigs` shows no decimals.
int AutoDecimals(int sigDigs, int maxDec, double x) {
  if (maxDec < 0)
    maxDec = 0;
  if (!std::isfinite(x))
    return 0;
  const std::string s = FormatFixed(x, maxDec);
  const size_t point = s.find('.');
  const int before = static_cast<int>(point == s.npos ? s.size() : point);
  int decimals = 0;
  if (before == 1) {
    decimals = 3;
    for (size_t i = 2; i < s.size(); ++i)
      if (s[i] != '0') {
        decimals = static_cast<int>(i) + 1;
        break;
      }
  } else if (before < sigDigs) {
    decimals = sigDigs - before;
  }
  return decimals < maxDec ? decimals : maxDec;
}

std::string AutoFormat(int sigDigs, double x) {
  return "%0." + std::to_string(AutoDecimals(sigDigs, 12, x)) + "f";
}

std::string FormatNumber(double x, std::string_view f, TFormatType type, int sigDigs,
                         int decimals) {
  std::string text;
  AppendNumber(text, x, f, type, sigDigs, decimals);
  return text;
}

void AppendNumber(std::string &out, double x, std::string_view f, TFormatType type, int sigDigs,
                  int decimals) {
  bool automatic = type == TFormatType::ft_Auto;
  if (type == TFormatType::ft_AutoOverride)
    automatic = std::pow(10.0, 2 - decimals) > x;
  // "%0.<n>f" formats exactly as AppendFixed at n decimals: every cell the
  // grid writes goes this way, so it skips the format parser.
  const int precision = automatic ? AutoDecimals(sigDigs, 12, x) : PlainFixedPrecision(f);
  if (precision >= 0) {
    AppendFixed(out, x, precision);
    return;
  }
  const Variant arg(x);
  FormatTo(out, f, std::span<const Variant>(&arg, 1));
}

} // namespace korvane
