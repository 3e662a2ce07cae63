#include "tools/ShortestDouble.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/DecimalDigits.h"

namespace korvane {

namespace {

constexpr auto kPow5 = PowerTable<5, 26>();

constexpr std::uint64_t kPow10_16 = 10000000000000000ull;
constexpr std::uint64_t kPow10_17 = 100000000000000000ull;

// Eight digits of `n` (below 10^8): split in halves and quarters, so the
// four pairs do not wait on one another.
void WriteEight(char *to, std::uint32_t n) {
  const std::uint32_t high = n / 10000;
  const std::uint32_t low = n % 10000;
  std::memcpy(to, kDigitPairs + (high / 100) * 2, 2);
  std::memcpy(to + 2, kDigitPairs + (high % 100) * 2, 2);
  std::memcpy(to + 4, kDigitPairs + (low / 100) * 2, 2);
  std::memcpy(to + 6, kDigitPairs + (low % 100) * 2, 2);
}

// The `count` digits of `n` (below 10^17) as text.
void WriteAllDigits(char *to, std::uint64_t n, int count) {
  if (count <= 8) {
    WriteDigits(to, static_cast<std::uint32_t>(n), count);
    return;
  }
  const auto low = static_cast<std::uint32_t>(n % 100000000);
  n /= 100000000;
  if (count <= 16) {
    WriteDigits(to, static_cast<std::uint32_t>(n), count - 8);
  } else {
    WriteDigits(to, static_cast<std::uint32_t>(n / 100000000), count - 16);
    WriteEight(to + count - 16, static_cast<std::uint32_t>(n % 100000000));
  }
  WriteEight(to + count - 8, low);
}

// The digits (n of them, no trailing zeros) with the first at 10^e10, in
// the form to_chars picks: fixed or scientific, whichever is shorter, fixed
// on a tie.
char *Render(char *p, bool negative, std::uint64_t digits, int n, int e10) {
  const int expDigits = e10 >= 100 || e10 <= -100 ? 3 : 2;
  const int scientific = n + (n > 1 ? 1 : 0) + 2 + expDigits;
  int fixed = 0;
  if (e10 < 0)
    fixed = n + 1 - e10; // "0." and the zeros before the digits
  else if (n <= e10 + 1)
    fixed = e10 + 1; // digits and zeros up to the point
  else
    fixed = n + 1; // a point among the digits
  if (negative)
    *p++ = '-';
  // The digits are written in place; a point among them is made room for by
  // moving the few digits before it one place back.
  if (fixed <= scientific) {
    if (e10 < 0) {
      *p++ = '0';
      *p++ = '.';
      p = std::fill_n(p, -e10 - 1, '0');
      WriteAllDigits(p, digits, n);
      return p + n;
    }
    if (n <= e10 + 1) {
      WriteAllDigits(p, digits, n);
      return std::fill_n(p + n, e10 + 1 - n, '0');
    }
    WriteAllDigits(p + 1, digits, n);
    for (int i = 0; i <= e10; ++i)
      p[i] = p[i + 1];
    p[e10 + 1] = '.';
    return p + n + 1;
  }
  WriteAllDigits(p + 1, digits, n);
  p[0] = p[1];
  if (n > 1) {
    p[1] = '.';
    p += n + 1;
  } else {
    p += 1;
  }
  *p++ = 'e';
  *p++ = e10 < 0 ? '-' : '+';
  const int magnitude = e10 < 0 ? -e10 : e10;
  if (expDigits == 3)
    *p++ = static_cast<char>('0' + magnitude / 100);
  *p++ = static_cast<char>('0' + magnitude / 10 % 10);
  *p++ = static_cast<char>('0' + magnitude % 10);
  return p;
}

// m x 2^e scaled by 10^k to 17 digits before the point, exactly, as a count
// of units 2^-s: whole x 2^s + rest. In those units an ulp of the double is
// 5^k, since m 2^e 10^k 2^s = m 5^k when e + k + s = 0. For the range
// WriteShortestDouble takes, s lies between 1 and 53, so the rest, and the
// distances below (s bits and seven more), fit in 64-bit words.
struct TScaled {
  std::uint64_t whole = 0; // in [10^16, 10^17)
  std::uint64_t rest = 0;  // below 2^s
  int s = 0;
  std::uint64_t ulp = 0; // 5^k
  int e10 = 0;           // the decimal exponent of the first digit
};

bool Scale17(std::uint64_t m, int e, int estimate, TScaled &out) {
  out.e10 = estimate;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int k = 16 - out.e10;
    out.s = -(e + k);
    if (k < 0 || k >= static_cast<int>(kPow5.size()) || out.s < 1 || out.s > 56)
      return false;
    out.ulp = kPow5[static_cast<std::size_t>(k)];
    const TUint128 scaled = static_cast<TUint128>(m) * out.ulp;
    const auto low = static_cast<std::uint64_t>(scaled);
    const auto high = static_cast<std::uint64_t>(scaled >> 64);
    const std::uint64_t whole = (high << (64 - out.s)) | (low >> out.s);
    if ((high >> out.s) != 0 || whole >= kPow10_17) {
      ++out.e10; // the estimate was one too small
      continue;
    }
    if (whole < kPow10_16)
      return false;
    out.whole = whole;
    out.rest = low & ((1ull << out.s) - 1);
    return true;
  }
  return false;
}

enum class TFit { Inside, Outside, Undecided };

// The decimal nearest the value with `drop` fewer digits than 17 (by 10^drop
// units of the last of them), and whether it reads back as the double: it
// must lie within half an ulp, a bound counting when the mantissa is even
// (the reader rounds ties to even). Undecided on an exact tie between two
// decimals, which the library settles.
template <std::uint64_t Step>
TFit Nearest(const TScaled &v, std::uint64_t m, std::uint64_t &digits) {
  digits = v.whole / Step;
  // What lies below the candidate, in units 2^-s, against one step of it.
  const std::uint64_t below = ((v.whole % Step) << v.s) + v.rest;
  const std::uint64_t span = Step << v.s;
  std::uint64_t twiceDistance = 0;
  if (2 * below > span) {
    ++digits;
    twiceDistance = 2 * (span - below);
  } else if (2 * below < span) {
    twiceDistance = 2 * below;
  } else {
    return TFit::Undecided;
  }
  if (twiceDistance < v.ulp || (twiceDistance == v.ulp && m % 2 == 0))
    return TFit::Inside;
  return TFit::Outside;
}

// Writes the nearest decimal of 17 digits less log10(Step) when it reads
// back (Inside), its trailing zeros dropped.
template <std::uint64_t Step>
TFit TryDigits(const TScaled &v, std::uint64_t m, int n, bool negative, char *&end) {
  std::uint64_t digits = 0;
  const TFit fit = Nearest<Step>(v, m, digits);
  if (fit != TFit::Inside)
    return fit;
  int e10 = v.e10;
  if (digits == kPow10_17 / Step) {
    // Rounded up to the next power of ten.
    digits /= 10;
    ++e10;
  }
  for (; digits % 10 == 0; --n)
    digits /= 10;
  end = Render(end, negative, digits, n, e10);
  return fit;
}

} // namespace

char *WriteShortestDouble(char *first, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t fraction = bits & ((1ull << 52) - 1);
  const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
  const double mag = std::fabs(value);
  // A power of two has a narrower interval below it than above: the library
  // handles those, and every value out of the range prices live in.
  TScaled v;
  if (!(mag >= 1e-7 && mag < 1e15) || fraction == 0)
    return std::to_chars(first, first + 24, value).ptr;
  const std::uint64_t m = fraction | (1ull << 52);
  // floor(log10(mag)) or one less (e2 x log10(2), rounded down).
  if (!Scale17(m, biased - 1075, ((biased - 1023) * 78913) >> 18, v))
    return std::to_chars(first, first + 24, value).ptr;
  // Up to 15 digits at most one decimal reads back, and it is the value
  // rounded to 15 digits with its trailing zeros dropped. Beyond, the nearest
  // decimal of 16, else of 17 digits (which always reads back).
  char *end = first;
  const bool negative = std::signbit(value);
  TFit fit = TryDigits<100>(v, m, 15, negative, end);
  if (fit == TFit::Outside)
    fit = TryDigits<10>(v, m, 16, negative, end);
  if (fit == TFit::Outside)
    fit = TryDigits<1>(v, m, 17, negative, end);
  if (fit == TFit::Inside)
    return end;
  return std::to_chars(first, first + 24, value).ptr;
}

} // namespace korvane
