#include "base/JsonText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace korvane {

namespace {

constexpr bool NeedsEscape(unsigned char c) {
  return c < 0x20 || c == '"' || c == '\\';
}

constexpr bool IsCsvSpecial(char c) {
  return c == ',' || c == '"' || c == '\r' || c == '\n';
}

} // namespace

void AppendJsonString(std::string &out, std::string_view text) {
  out += '"';
  AppendJsonEscaped(out, text);
  out += '"';
}

void AppendJsonEscaped(std::string &out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const char *p = text.data();
  const char *end = p + text.size();
  while (true) {
    const char *stop =
        std::find_if(p, end, [](char c) { return NeedsEscape(static_cast<unsigned char>(c)); });
    out.append(p, stop);
    if (stop == end)
      return;
    const auto c = static_cast<unsigned char>(*stop);
    p = stop + 1;
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
}

char *WriteJsonNumber(char *p, double value) {
  if (!std::isfinite(value))
    return std::copy_n("null", 4, p);
  // Whole numbers from zero up print as integers, where the library's
  // shortest form would give "1e+06" for a million; negative zero takes the
  // decimal way below and reads "0.0". (Below 10^15 a whole number converts
  // to an integer and back unchanged, which is the cheap test for one.)
  if (value >= 0 && value < 1e15 && !std::signbit(value)) {
    const auto whole = static_cast<long long>(value);
    if (static_cast<double>(whole) == value)
      return std::to_chars(p, p + 24, whole).ptr;
  }
  // A value with a few decimals (a gauge, a typed length) prints as that
  // decimal, "0.0001" rather than "1e-04", when dividing its scaled whole
  // number gives the very same double back.
  double scale = 1;
  for (int decimals = 1; decimals <= 4; ++decimals) {
    scale *= 10;
    const double scaled = value * scale;
    if (!(std::fabs(scaled) < 1e15))
      continue;
    const auto whole = static_cast<long long>(scaled);
    if (static_cast<double>(whole) != scaled || scaled / scale != value)
      continue;
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, whole < 0 ? -whole : whole);
    const auto digits = static_cast<int>(res.ptr - buf);
    if (whole < 0)
      *p++ = '-';
    if (digits <= decimals) {
      *p++ = '0';
      *p++ = '.';
      p = std::fill_n(p, decimals - digits, '0');
      return std::copy(buf, res.ptr, p);
    }
    p = std::copy(buf, res.ptr - decimals, p);
    *p++ = '.';
    return std::copy(res.ptr - decimals, res.ptr, p);
  }
  return std::to_chars(p, p + kMaxJsonNumber, value).ptr;
}

void AppendJsonNumber(std::string &out, double value) {
  char buf[kMaxJsonNumber];
  out.append(buf, WriteJsonNumber(buf, value));
}

void AppendCsvField(std::string &out, std::string_view text) {
  if (std::none_of(text.begin(), text.end(), IsCsvSpecial)) {
    out += text;
    return;
  }
  out += '"';
  for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
    out.append(text.substr(0, quote + 1));
    out += '"';
    text.remove_prefix(quote + 1);
  }
  out += text;
  out += '"';
}

} // namespace korvane
