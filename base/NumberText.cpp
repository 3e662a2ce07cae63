#include "base/NumberText.h"

#include "base/AsciiText.h"
#include "base/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <utility>

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

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxPow10 = 22;

// |value| x 10^k with a single rounding (powers up to 1e22 are exact doubles).
double Scale(double mag, int k) {
  return k >= 0 ? mag * kPow10[k] : mag / kPow10[-k];
}

// 10^k as integers, up to the largest a 64-bit integer holds.
constexpr auto kPow10Int = PowerTable<10, 20>();
constexpr std::uint64_t kFifteenDigits = 1000000000000000ull; // 10^15

// 5^k for the exact scaling below.
constexpr auto kPow5 = PowerTable<5, 24>();

// The 15 significant digits of `mag` (in [1e-8, 1e15)) as an integer in
// [1e14, 1e15), correctly rounded, with `e10` the decimal exponent of the
// first: mag ~ digits x 10^(e10 - 14). Every number a report shows lies in
// this range, and there the whole work is integer arithmetic on the exact
// binary value: mag = m x 2^e, times 10^k = 5^k x 2^k, fits in 128 bits. False
// only for a value out of the range or lying exactly on a tie of the 15th
// digit, which the general conversion settles.
bool FifteenDigits(double mag, std::uint64_t &digits, int &e10) {
  if (!(mag >= 1e-8 && mag < 1e15))
    return false;
  const auto bits = std::bit_cast<std::uint64_t>(mag);
  const int biased = static_cast<int>(bits >> 52); // mag is positive and normal
  const std::uint64_t m = (bits & ((1ull << 52) - 1)) | (1ull << 52);
  const int e = biased - 1075;
  // floor(log10(mag)) or one less (e2 x log10(2), rounded down).
  e10 = ((biased - 1023) * 78913) >> 18;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int k = kReliableDigits - 1 - e10;
    // In this range the binary point of mag x 10^k lies 4 to 57 bits up from
    // the bottom of the product (s = -(e + k)), so both halves of the split
    // fit in 64-bit words.
    const int s = -(e + k);
    if (k < 0 || k >= static_cast<int>(kPow5.size()) || s < 1 || s > 63)
      return false;
    const TUint128 scaled = static_cast<TUint128>(m) * kPow5[static_cast<std::size_t>(k)];
    const auto low = static_cast<std::uint64_t>(scaled);
    const auto high = static_cast<std::uint64_t>(scaled >> 64);
    const std::uint64_t whole = (high << (64 - s)) | (low >> s);
    if ((high >> s) != 0 || whole >= kFifteenDigits) {
      ++e10; // the estimate was one too small
      continue;
    }
    if (whole < kFifteenDigits / 10)
      return false;
    const std::uint64_t rest = low & ((1ull << s) - 1);
    const std::uint64_t half = 1ull << (s - 1);
    if (rest == half)
      return false;
    digits = whole + (rest > half ? 1 : 0);
    if (digits == kFifteenDigits) {
      digits /= 10;
      ++e10;
    }
    return true;
  }
  return false;
}

void WriteFifteen(TDigits &out, std::uint64_t digits) {
  // Two 32-bit halves: 7 + 8 digits, cheaper than 64-bit divisions.
  WriteDigits(out.d, static_cast<std::uint32_t>(digits / 100000000), 7);
  WriteDigits(out.d + 7, static_cast<std::uint32_t>(digits % 100000000), 8);
  out.n = kReliableDigits;
}

// The 15-digit form of a value outside FifteenDigits' range, without the
// general-purpose conversion: scale the value into [1e14, 1e15) and round to
// an integer. The scaling is off by at most 1/16, so the result is exact
// unless the scaled value lies that close to a tie; those few go the slow way.
bool DecomposeScaled(double value, TDigits &out) {
  const double mag = std::fabs(value);
  if (!(mag >= 1e-8 && mag < 1e36))
    return false;
  // The binary exponent straight from the bits: mag = 1.f x 2^e2.
  const int e2 = static_cast<int>((std::bit_cast<std::uint64_t>(mag) >> 52) & 0x7FF) - 1023;
  // floor(log10(mag)) or one less (e2 x log10(2), rounded down).
  int e10 = (e2 * 78913) >> 18;
  double p = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int k = kReliableDigits - 1 - e10;
    if (k > kMaxPow10 || k < -kMaxPow10)
      return false;
    p = Scale(mag, k);
    if (p < 1e15)
      break;
    ++e10;
  }
  if (!(p >= 1e14 && p < 1e15))
    return false;
  const auto whole = static_cast<std::uint64_t>(p);
  const double fraction = p - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) < 0.07)
    return false;
  std::uint64_t digits = whole + (fraction > 0.5 ? 1 : 0);
  if (digits == kFifteenDigits) {
    digits /= 10;
    ++e10;
  }
  WriteFifteen(out, digits);
  out.exp = e10;
  out.negative = std::signbit(value);
  return true;
}

bool DecomposeFast(double value, TDigits &out) {
  std::uint64_t digits = 0;
  int e10 = 0;
  if (!FifteenDigits(std::fabs(value), digits, e10))
    return DecomposeScaled(value, out);
  WriteFifteen(out, digits);
  out.exp = e10;
  out.negative = std::signbit(value);
  return true;
}

// The value's decimal form with the 15 significant digits a double holds
// reliably.
void DecomposeReliable(double value, TDigits &out) {
  if (!DecomposeFast(value, out))
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

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
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

// A decimal of up to 15 digits and a small exponent, the form nearly every
// typed size takes, is one exact integer and one exact power of ten, so a
// single multiplication or division rounds it correctly: the very double the
// general conversion finds.
bool ExactSmallDecimal(std::string_view intPart, std::string_view fracPart, long exp,
                       double &value) {
  if (intPart.size() + fracPart.size() > 15)
    return false;
  std::uint64_t n = 0;
  for (char c : intPart)
    n = n * 10 + static_cast<std::uint64_t>(c - '0');
  for (char c : fracPart)
    n = n * 10 + static_cast<std::uint64_t>(c - '0');
  const long scale = exp - static_cast<long>(fracPart.size());
  if (scale < -kMaxPow10 || scale > kMaxPow10)
    return false;
  const auto whole = static_cast<double>(n);
  value = scale >= 0 ? whole * kPow10[scale] : whole / kPow10[-scale];
  return true;
}

} // namespace

bool ReadPlainDecimal(std::string_view text, double &out) {
  const char *p = text.data();
  const char *end = p + text.size();
  const bool negative = p < end && *p == '-';
  p += negative ? 1 : 0;
  if (end - p > 16)
    return false; // more than 15 digits and a point
  std::uint64_t n = 0;
  const char *point = nullptr;
  const char *first = p;
  for (; p < end; ++p) {
    const auto digit = static_cast<unsigned>(*p - '0');
    if (digit < 10)
      n = n * 10 + digit;
    else if (*p == '.' && !point)
      point = p;
    else
      return false;
  }
  const auto digits = (end - first) - (point ? 1 : 0);
  if (digits == 0 || digits > 15)
    return false;
  // As in ExactSmallDecimal: an exact integer over an exact power of ten.
  const double value =
      point ? static_cast<double>(n) / kPow10[end - point - 1] : static_cast<double>(n);
  out = negative ? -value : value;
  return true;
}

bool ReadNumber(std::string_view text, double &out) {
  if (ReadPlainDecimal(text, out))
    return true;
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
  if (ExactSmallDecimal(intPart, fracPart, exp, value)) {
    out = negative ? -value : value;
    return true;
  }
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

// `scaled` / 10^decimals at fixed decimals (its digits are the result's),
// written from the last digit back, two at a time, straight into place.
void RenderScaled(std::string &out, bool negative, std::uint64_t scaled, int decimals,
                  bool thousands) {
  char buf[48];
  char *const end = buf + sizeof buf;
  char *p = end;
  const bool sign = negative && scaled != 0;
  for (int i = 0; i < decimals; ++i, scaled /= 10)
    *--p = static_cast<char>('0' + scaled % 10);
  if (decimals > 0)
    *--p = '.';
  if (!thousands) {
    for (; scaled >= 100; scaled /= 100) {
      p -= 2;
      std::memcpy(p, kDigitPairs + (scaled % 100) * 2, 2);
    }
    if (scaled >= 10) {
      p -= 2;
      std::memcpy(p, kDigitPairs + scaled * 2, 2);
    } else {
      *--p = static_cast<char>('0' + scaled);
    }
  } else {
    for (int inGroup = 0;; ++inGroup, scaled /= 10) {
      if (inGroup == 3) {
        *--p = ',';
        inGroup = 0;
      }
      *--p = static_cast<char>('0' + scaled % 10);
      if (scaled < 10)
        break;
    }
  }
  if (sign)
    *--p = '-';
  out.append(p, end);
}

// n / 10^K rounded half up, one function per K so that each divides by a
// constant, which compiles to a multiplication rather than a division.
template <std::size_t K> std::uint64_t RoundOff(std::uint64_t n) {
  return (n + kPow10Int[K] / 2) / kPow10Int[K];
}

template <std::size_t... K> constexpr auto MakeRoundOffs(std::index_sequence<K...>) {
  return std::array<std::uint64_t (*)(std::uint64_t), sizeof...(K)>{&RoundOff<K>...};
}

constexpr auto kRoundOffs = MakeRoundOffs(std::make_index_sequence<kPow10Int.size()>());

// 10^-k, k from 0 to 31, as doubles: bounds only, so their last bit does not
// matter.
constexpr auto kNegPow10 = [] {
  std::array<double, 32> p{};
  p[0] = 1;
  for (std::size_t k = 1; k < p.size(); ++k)
    p[k] = p[k - 1] / 10;
  return p;
}();

// The rounding of most values needs no digits at all: with t = mag x
// 10^decimals, the 15-digit form differs from mag by at most half a unit of
// its 15th digit, and the product t' computed in floating point from t by
// one rounding; together less than theta = 10^(e10 + 1 + decimals - 14). So
// when t' lies farther than theta from a half (n + 0.5), the 15-digit form
// rounds to the same whole number of last places as t' does. False, for the
// digit path, when it lies nearer, or the product is too large for this.
bool ScaledFarFromHalf(double mag, int decimals, std::uint64_t &scaled) {
  if (!(mag >= 1e-8 && mag < 1e15))
    return false;
  const double t = mag * kPow10[decimals];
  if (!(t < 1e15))
    return false;
  // e10 as in FifteenDigits: floor(log10(mag)) or one less, so +1 bounds it.
  const int biased = static_cast<int>(std::bit_cast<std::uint64_t>(mag) >> 52);
  const int thetaExponent = (((biased - 1023) * 78913) >> 18) + 1 + decimals - 14;
  if (thetaExponent > -1)
    return false;
  const auto whole = static_cast<std::uint64_t>(t);
  const double fraction = t - static_cast<double>(whole); // exact
  if (!(std::fabs(fraction - 0.5) > kNegPow10[static_cast<std::size_t>(-thetaExponent)]))
    return false;
  scaled = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

// AppendFixed for a whole number or a value within FifteenDigits' range at a
// few decimals: the 15-digit form rounded half up at the last place kept is
// (digits + half) / 10^dropped, in integers. False for what it leaves to the
// digit-string path.
bool AppendFixedFast(std::string &out, double value, int decimals, bool thousands) {
  if (decimals > 4)
    return false;
  const double mag = std::fabs(value);
  std::uint64_t scaled = 0;
  const auto whole = mag < 1e15 ? static_cast<std::uint64_t>(mag) : 0;
  if (mag < 1e15 && static_cast<double>(whole) == mag) {
    // A whole number below 10^15 is its own 15-digit form.
    scaled = whole * kPow10Int[static_cast<std::size_t>(decimals)];
  } else if (!ScaledFarFromHalf(mag, decimals, scaled)) {
    std::uint64_t digits = 0;
    int e10 = 0;
    if (!FifteenDigits(mag, digits, e10))
      return false;
    const int dropped = kReliableDigits - 1 - e10 - decimals;
    if (dropped < 0)
      scaled = digits * kPow10Int[-dropped]; // at most 4 places short: below 10^19
    else if (dropped < static_cast<int>(kPow10Int.size()))
      scaled = kRoundOffs[static_cast<std::size_t>(dropped)](digits);
    else
      scaled = 0; // digits < 10^15 is far below half of 10^dropped
  }
  RenderScaled(out, std::signbit(value), scaled, decimals, thousands);
  return true;
}

} // namespace

void AppendFixed(std::string &out, double value, int decimals, bool thousands) {
  if (AppendNonFinite(out, value))
    return;
  decimals = std::clamp(decimals, 0, 99);
  if (AppendFixedFast(out, value, decimals, thousands))
    return;
  TDigits v;
  DecomposeReliable(value, v);
  // The last digit kept is the one at place 10^-decimals.
  RoundDigits(v, v.exp + decimals + 1);
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
