// The number reader and writers. ReadNumber accepts exactly the number
// grammar and agrees with the C library's reading of it; FormatGeneral is
// printf's "%.15g"; FormatFixed and AppendGeneral round the correctly
// rounded 15-digit form of a value half away from zero, checked here against
// a reference built on printf's digits.
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstring>

#include "base/AsciiText.h"
#include "base/NumberText.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

// The grammar, written out once more: blanks, [sign] digits [. digits]
// (at least one digit), [(e|E) [sign] digits], blanks.
bool MatchesGrammar(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
    t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
    t.remove_suffix(1);
  std::size_t i = 0, digits = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-'))
    ++i;
  for (; i < t.size() && IsDigit(t[i]); ++i)
    ++digits;
  if (i < t.size() && t[i] == '.')
    for (++i; i < t.size() && IsDigit(t[i]); ++i)
      ++digits;
  if (digits == 0)
    return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
      ++i;
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i]))
      ++i;
    if (i == start)
      return false;
  }
  return i == t.size();
}

// The correctly rounded 15-digit form: 15 digits, the decimal exponent of
// the first, the sign.
struct TDecimal {
  std::string digits;
  int exp = 0;
  bool negative = false;
};

TDecimal Digits15(double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", x);
  TDecimal d;
  const char *p = buf;
  d.negative = *p == '-';
  if (d.negative)
    ++p;
  for (; *p != 'e'; ++p)
    if (*p != '.')
      d.digits += *p;
  d.exp = std::atoi(p + 1);
  // Above the largest double's 15-digit form the writers keep that form, so
  // what they write reads back.
  if (d.exp == 308 && d.digits > "179769313486231")
    d.digits = "179769313486231";
  return d;
}

// The first `keep` digits rounded half up as a digit string ("" for zero),
// and whether the rounding carried into a new leading digit.
std::string RoundHalfUp(const std::string &digits, int keep, bool &carried) {
  carried = false;
  if (keep < 0)
    return "";
  if (keep >= static_cast<int>(digits.size()))
    return digits;
  std::string out = digits.substr(0, static_cast<std::size_t>(keep));
  if (digits[static_cast<std::size_t>(keep)] < '5')
    return out;
  int i = keep - 1;
  while (i >= 0 && out[static_cast<std::size_t>(i)] == '9')
    out[static_cast<std::size_t>(i--)] = '0';
  if (i >= 0) {
    ++out[static_cast<std::size_t>(i)];
  } else {
    out.insert(out.begin(), '1');
    carried = true;
  }
  return out;
}

std::string ReferenceFixed(double x, int decimals, bool thousands) {
  const TDecimal d = Digits15(x);
  // |x| x 10^decimals rounded: the 15 digits stand for D x 10^(exp - 14).
  const int shift = d.exp - 14 + decimals;
  std::string r;
  if (shift >= 0) {
    r = d.digits + std::string(static_cast<std::size_t>(shift), '0');
  } else {
    bool carried = false;
    r = RoundHalfUp(d.digits, 15 + shift, carried);
  }
  const auto nonZero = r.find_first_not_of('0');
  r = nonZero == std::string::npos ? "" : r.substr(nonZero);
  const bool zero = r.empty();
  if (r.size() < static_cast<std::size_t>(decimals) + 1)
    r.insert(0, static_cast<std::size_t>(decimals) + 1 - r.size(), '0');
  std::string whole = r.substr(0, r.size() - static_cast<std::size_t>(decimals));
  if (thousands)
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
      whole.insert(static_cast<std::size_t>(at), 1, ',');
  std::string out = (d.negative && !zero ? "-" : "") + whole;
  if (decimals > 0)
    out.append(".").append(r, r.size() - static_cast<std::size_t>(decimals));
  return out;
}

std::string Printf(const char *format, int precision, double x) {
  char buf[512];
  std::snprintf(buf, sizeof buf, format, precision, x);
  return buf;
}

// Up to 15 digits: the 15-digit form rounded half up to `precision` digits,
// then laid out as "%g" lays out a number of that many digits.
std::string ReferenceGeneral(double x, int precision) {
  if (precision > 15)
    return Printf("%.*g", precision, x);
  const TDecimal d = Digits15(x);
  bool carried = false;
  std::string r = RoundHalfUp(d.digits, precision, carried);
  const int exp = d.exp + (carried ? 1 : 0);
  r.resize(static_cast<std::size_t>(precision));
  std::string out = d.negative ? "-" : "";
  std::string fraction;
  if (exp < -4 || exp >= precision) {
    out += r.substr(0, 1);
    fraction = r.substr(1);
  } else if (exp >= 0) {
    out += r.substr(0, static_cast<std::size_t>(exp) + 1);
    fraction = r.substr(static_cast<std::size_t>(exp) + 1);
  } else {
    out += "0";
    fraction = std::string(static_cast<std::size_t>(-exp - 1), '0') + r;
  }
  while (!fraction.empty() && fraction.back() == '0')
    fraction.pop_back();
  if (!fraction.empty())
    out += "." + fraction;
  if (exp < -4 || exp >= precision) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "e%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
    out += buf;
  }
  return out;
}

void CheckWriters(double x, int decimals, int precision) {
  if (!std::isfinite(x)) {
    const std::string want = std::isnan(x) ? "nan" : x < 0 ? "-inf" : "inf";
    FUZZ_CHECK(FormatFixed(x, decimals) == want);
    FUZZ_CHECK(FormatGeneral(x) == want);
    return;
  }
  // Zero never shows a sign.
  const bool nearLargest = std::fabs(x) > 1.79769313486231e308;
  FUZZ_CHECK(FormatGeneral(x) == (x == 0        ? "0"
                                  : nearLargest ? ReferenceGeneral(x, 15)
                                                : Printf("%.*g", 15, x)));
  double back = 0;
  FUZZ_CHECK(ReadNumber(FormatGeneral(x), back));
  FUZZ_CHECK(FormatGeneral(back) == FormatGeneral(x));

  double fixedBack = 0;
  FUZZ_CHECK(ReadNumber(FormatFixed(x, decimals), fixedBack));
  FUZZ_CHECK(FormatFixed(x, decimals) == ReferenceFixed(x, decimals, false));
  FUZZ_CHECK(FormatFixed(x, decimals, true) == ReferenceFixed(x, decimals, true));
  std::string general;
  AppendGeneral(general, x, precision);
  FUZZ_CHECK(general == (x == 0 ? "0" : ReferenceGeneral(x, precision)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static const bool cLocale = std::setlocale(LC_ALL, "C") != nullptr;
  FUZZ_CHECK(cLocale);
  const std::string text(AsText(data, size));
  const int decimals = size > 0 ? data[size - 1] % 100 : 2;
  const int precision = size > 1 ? 1 + data[size - 2] % 99 : 4;

  double value = 12345.678;
  const bool read = ReadNumber(text, value);
  if (!MatchesGrammar(text) || std::memchr(text.data(), '\0', text.size())) {
    FUZZ_CHECK(!read && value == 12345.678);
  } else {
    const double want = std::strtod(text.c_str(), nullptr);
    if (std::isinf(want)) {
      FUZZ_CHECK(!read);
    } else {
      FUZZ_CHECK(read && std::isfinite(value));
      // Values too small for a double may read as zero.
      FUZZ_CHECK(value == want || (std::fabs(want) < DBL_MIN && value == 0));
      CheckWriters(value, decimals, precision);
    }
  }

  // Any 64 bits as a double, the special values included.
  if (size >= 8) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckWriters(raw, decimals, precision);
  }
  return 0;
}
