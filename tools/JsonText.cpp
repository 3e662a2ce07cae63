#include "tools/JsonText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "tools/ShortestDouble.h"

namespace korvane {

void AppendJsonString(std::string &out, std::string_view text) {
  out += '"';
  AppendJsonEscaped(out, text);
  out += '"';
}

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// Whether any of the eight bytes of `w` is a control character, '"' or '\\'
// (bytes from 0x80 up, the rest of a UTF-8 character, never are).
constexpr bool NeedsEscape(std::uint64_t w) {
  const std::uint64_t control = (w - kOnes * 0x20) & ~w & kHighs;
  const std::uint64_t q = w ^ (kOnes * '"');
  const std::uint64_t quote = (q - kOnes) & ~q & kHighs;
  const std::uint64_t b = w ^ (kOnes * '\\');
  const std::uint64_t backslash = (b - kOnes) & ~b & kHighs;
  return (control | quote | backslash) != 0;
}

} // namespace

void AppendJsonEscaped(std::string &out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t run = 0; // start of the bytes not yet copied
  std::size_t i = 0;
  while (i < text.size()) {
    // Report texts are long runs of plain characters: skip them eight at a time.
    if (i + 8 <= text.size()) {
      std::uint64_t w;
      std::memcpy(&w, text.data() + i, 8);
      if (!NeedsEscape(w)) {
        i += 8;
        continue;
      }
    }
    const auto c = static_cast<unsigned char>(text[i++]);
    if (c >= 0x20 && c != '"' && c != '\\')
      continue;
    out.append(text, run, i - 1 - run);
    run = i;
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
  out.append(text, run, text.size() - run);
}

void AppendJsonNumber(std::string &out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buf[32];
  // Most values typed are whole numbers; those print without the search for
  // the shortest form. Negative zero keeps its sign through the long way.
  if (value == std::trunc(value) && std::fabs(value) < 1e15 && !std::signbit(value)) {
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    out.append(buf, res.ptr);
    return;
  }
  // A value with a few decimals (a gauge, a typed length) is that decimal
  // when dividing its scaled whole number gives the very same double back.
  double scale = 1;
  for (int decimals = 1; decimals <= 4; ++decimals) {
    scale *= 10;
    const double scaled = value * scale;
    if (scaled != std::trunc(scaled) || std::fabs(scaled) >= 1e15 || scaled / scale != value)
      continue;
    const auto whole = static_cast<long long>(scaled);
    const auto res = std::to_chars(buf, buf + sizeof buf, whole < 0 ? -whole : whole);
    auto digits = static_cast<int>(res.ptr - buf);
    if (whole < 0)
      out += '-';
    if (digits <= decimals) {
      out += "0.";
      out.append(static_cast<std::size_t>(decimals - digits), '0');
      out.append(buf, res.ptr);
    } else {
      out.append(buf, static_cast<std::size_t>(digits - decimals));
      out += '.';
      out.append(res.ptr - decimals, res.ptr);
    }
    return;
  }
  out.append(buf, WriteShortestDouble(buf, value));
}

void AppendCsvField(std::string &out, std::string_view text) {
  // One pass over the bytes: find_first_of would search its four characters
  // once per byte.
  if (std::none_of(text.begin(), text.end(),
                   [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; })) {
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
