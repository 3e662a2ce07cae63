#include "base/NumberText.h"

#include "base/AsciiText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <system_error>

namespace korvane {

namespace {

// Significant digits of a value's decimal form: value = d[0].d[1]...d[n-1] x
// 10^exp. Digits live in a fixed buffer so formatting never allocates.
struct TDigits {
  static constexpr int kMax = 110;
  char d[kMax];
  int n = 0;
  int exp = 0;
  bool negative = false;

  bool isZero() const {
    return std::all_of(d, d + n, [](char c) { return c == '0'; });
  }
};

constexpr int kReliableDigits = 15;

// Correctly rounded decimal form with `sig` significant digits (1..100).
void Decompose(double value, int sig, TDigits &out) {
  char buf[TDigits::kMax + 16];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, sig - 1);
  const char *p = buf;
  out.negative = *p == '-';
  if (out.negative)
    ++p;
  out.n = 0;
  for (; p < res.ptr && *p != 'e'; ++p)
    if (*p != '.')
      out.d[out.n++] = *p;
  // p is at 'e', followed by a sign and at least two digits.
  ++p;
  const bool expNegative = *p == '-';
  ++p;
  int e = 0;
  for (; p < res.ptr; ++p)
    e = e * 10 + (*p - '0');
  out.exp = expNegative ? -e : e;
}

// The value's decimal form with the 15 significant digits a double holds
// reliably.
void DecomposeReliable(double value, TDigits &out) {
  Decompose(value, kReliableDigits, out);
  // The few values within half a unit of the 15th digit below the largest
  // double would round to a number above it, which no reader takes back:
  // they keep the largest 15-digit form that still is a double.
  static constexpr char kLargest[] = "179769313486231";
  if (out.exp == 308 && std::string_view(out.d, kReliableDigits) > kLargest)
    std::copy(kLargest, kLargest + kReliableDigits, out.d);
}

// Keeps the first `keep` digits, rounding half away from zero on the digit
// string (the sign is separate, so "half up" on the digits is "away from zero"
// on the value). A carry out of the first digit raises the exponent.
void RoundDigits(TDigits &v, int keep) {
  if (keep >= v.n)
    return;
  if (keep < 0) {
    v.d[0] = '0';
    v.n = 1;
    return;
  }
  const bool up = v.d[keep] >= '5';
  v.n = keep;
  if (!up) {
    if (v.n == 0) {
      v.d[0] = '0';
      v.n = 1;
    }
    return;
  }
  int i = keep - 1;
  while (i >= 0 && v.d[i] == '9')
    v.d[i--] = '0';
  if (i >= 0) {
    ++v.d[i];
    return;
  }
  // All kept digits were nines (or none were kept): the value becomes 1 at the
  // next higher place.
  v.d[0] = '1';
  std::fill(v.d + 1, v.d + std::max(keep, 1), '0');
  v.n = std::max(keep, 1);
  ++v.exp;
}

char DigitAt(const TDigits &v, int index) {
  return index >= 0 && index < v.n ? v.d[index] : '0';
}

bool AppendNonFinite(std::string &out, double value) {
  if (std::isnan(value)) {
    out += "nan";
    return true;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-inf" : "inf";
    return true;
  }
  return false;
}

// Writes already rounded digits at fixed decimals; zero never gets a sign.
// Built in a local buffer (the largest double with thousands and 99 decimals
// takes 515 characters) and appended once.
void RenderFixed(std::string &out, const TDigits &v, int decimals, bool thousands) {
  char buf[640];
  char *p = buf;
  if (v.negative && !v.isZero())
    *p++ = '-';
  if (v.exp < 0) {
    *p++ = '0';
  } else {
    const int intDigits = v.exp + 1;
    for (int i = 0; i < intDigits; ++i) {
      if (thousands && i > 0 && (intDigits - i) % 3 == 0)
        *p++ = ',';
      *p++ = DigitAt(v, i);
    }
  }
  if (decimals > 0) {
    *p++ = '.';
    for (int place = 1; place <= decimals; ++place)
      *p++ = DigitAt(v, v.exp + place);
  }
  out.append(buf, static_cast<std::size_t>(p - buf));
}

void AppendExponent(std::string &out, int exp) {
  out += 'e';
  out += exp < 0 ? '-' : '+';
  const int magnitude = exp < 0 ? -exp : exp;
  if (magnitude < 10)
    out += '0';
  char buf[8];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude);
  out.append(buf, res.ptr);
}

void TrimFraction(std::string &out, std::size_t start) {
  if (out.find('.', start) == std::string::npos)
    return;
  while (out.back() == '0')
    out.pop_back();
  if (out.back() == '.')
    out.pop_back();
}

// Decimal exponent of the first significant digit of a validated number text
// (mantissa digits `intPart`, `fracPart`, exponent `exp`), for telling an
// overflow from an underflow.
long MagnitudeOf(std::string_view intPart, std::string_view fracPart, long exp) {
  const auto firstInt = intPart.find_first_not_of('0');
  if (firstInt != std::string_view::npos)
    return static_cast<long>(intPart.size() - firstInt) - 1 + exp;
  const auto firstFrac = fracPart.find_first_not_of('0');
  return -static_cast<long>(firstFrac == std::string_view::npos ? 0 : firstFrac + 1) + exp;
}

} // namespace

bool ReadNumber(std::string_view text, double &out) {
  text = TrimBlanks(text);

  std::size_t i = 0;
  const auto digitsFrom = [&](std::size_t from) {
    while (i < text.size() && IsDigit(text[i]))
      ++i;
    return text.substr(from, i - from);
  };
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  const std::size_t numberStart = i;
  const std::string_view intPart = digitsFrom(i);
  std::string_view fracPart;
  if (i < text.size() && text[i] == '.') {
    ++i;
    fracPart = digitsFrom(i);
  }
  if (intPart.empty() && fracPart.empty())
    return false;
  long exp = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool expNegative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      ++i;
    const std::string_view expDigits = digitsFrom(i);
    if (expDigits.empty())
      return false;
    for (char c : expDigits)
      exp = std::min(exp * 10 + (c - '0'), 100000L);
    if (expNegative)
      exp = -exp;
  }
  if (i != text.size())
    return false;

  // from_chars takes no '+', so the sign is applied here.
  double value = 0;
  const auto res = std::from_chars(text.data() + numberStart, text.data() + text.size(), value,
                                   std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    if (MagnitudeOf(intPart, fracPart, exp) >= 0)
      return false;
    value = 0;
  } else if (res.ec != std::errc() || res.ptr != text.data() + text.size()) {
    return false;
  }
  out = negative ? -value : value;
  return true;
}

namespace {

// The rounding of nearly every value needs no digit string. With t = |value|
// x 10^decimals computed in floating point, the 15-digit form scaled alike
// lies within half a unit of its 15th digit (at most 0.5e-14 t) of the exact
// product, and t within one rounding (1.2e-16 t) of it: less than 1e-14 t in
// all. So when t lies farther than that from a half, the 15-digit form rounds
// half up to the same whole number as t. False when it lies nearer, or t is
// too large for its fraction to tell (from 2^52 on it has none).
bool RoundScaledFast(double value, int decimals, TDigits &out) {
  static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
  if (decimals >= static_cast<int>(std::size(kPow10)))
    return false;
  const double t = std::fabs(value) * kPow10[decimals];
  if (!(t < 1e15))
    return false;
  const auto whole = static_cast<std::uint64_t>(t);
  const double fraction = t - static_cast<double>(whole); // exact below 2^53
  if (!(std::fabs(fraction - 0.5) > t * 1e-14))
    return false;
  const std::uint64_t scaled = whole + (fraction > 0.5 ? 1 : 0);
  out.n = static_cast<int>(std::to_chars(out.d, out.d + TDigits::kMax, scaled).ptr - out.d);
  out.exp = out.n - 1 - decimals;
  out.negative = std::signbit(value);
  return true;
}

} // namespace

void AppendFixed(std::string &out, double value, int decimals, bool thousands) {
  if (AppendNonFinite(out, value))
    return;
  decimals = std::clamp(decimals, 0, 99);
  TDigits v;
  if (!RoundScaledFast(value, decimals, v)) {
    DecomposeReliable(value, v);
    // The last digit kept is the one at place 10^-decimals.
    RoundDigits(v, v.exp + decimals + 1);
  }
  RenderFixed(out, v, decimals, thousands);
}

std::string FormatFixed(double value, int decimals, bool thousands) {
  std::string out;
  AppendFixed(out, value, decimals, thousands);
  return out;
}

void AppendGeneral(std::string &out, double value, int precision) {
  if (AppendNonFinite(out, value))
    return;
  precision = std::clamp(precision, 1, 99);
  TDigits v;
  if (precision <= kReliableDigits) {
    DecomposeReliable(value, v);
    RoundDigits(v, precision);
  } else {
    Decompose(value, precision, v);
  }
  if (v.isZero())
    v.exp = 0;
  const std::size_t start = out.size();
  if (v.exp < -4 || v.exp >= precision) {
    if (v.negative)
      out += '-';
    out += v.d[0];
    out += '.';
    out.append(v.d + 1, v.d + v.n);
    TrimFraction(out, start);
    AppendExponent(out, v.exp);
    return;
  }
  RenderFixed(out, v, precision - 1 - v.exp, false);
  TrimFraction(out, start);
}

std::string FormatGeneral(double value) {
  std::string out;
  AppendGeneral(out, value, kReliableDigits);
  return out;
}

} // namespace korvane
