#include "tools/JsonText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The high bit of each of the eight bytes of `w` that is a control character,
// '"' or '\\' (bytes from 0x80 up, the rest of a UTF-8 character, never are).
// Bytes above the first one flagged may be flagged wrongly (a borrow), never
// a byte below it.
constexpr std::uint64_t EscapeBits(std::uint64_t w) {
  const std::uint64_t control = (w - kOnes * 0x20) & ~w & kHighs;
  const std::uint64_t q = w ^ (kOnes * '"');
  const std::uint64_t quote = (q - kOnes) & ~q & kHighs;
  const std::uint64_t b = w ^ (kOnes * '\\');
  const std::uint64_t backslash = (b - kOnes) & ~b & kHighs;
  return control | quote | backslash;
}

constexpr bool NeedsEscape(unsigned char c) {
  return c < 0x20 || c == '"' || c == '\\';
}

#if defined(__SSE2__)
// Bit i set when byte i of the sixteen at `p` needs escaping.
unsigned EscapeMask16(const char *p) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
  const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x1F)), v);
  const __m128i quote = _mm_cmpeq_epi8(v, _mm_set1_epi8('"'));
  const __m128i backslash = _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'));
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_or_si128(control, _mm_or_si128(quote, backslash))));
}
#endif

// The first byte in [p, end) that JSON must escape, or `end`. Report texts
// are long runs of plain characters: sixteen bytes at a time where the
// processor has the instructions for it, eight at a time otherwise. The
// last bytes are checked as one block ending at `end`, overlapping bytes
// already found plain, rather than one by one.
const char *FindEscape(const char *p, const char *end) {
  const char *const start = p;
#if defined(__SSE2__)
  for (; end - p >= 16; p += 16)
    if (const unsigned mask = EscapeMask16(p))
      return p + std::countr_zero(mask);
  if (p == end)
    return end;
  if (end - start >= 16) {
    const unsigned mask = EscapeMask16(end - 16);
    return mask ? end - 16 + std::countr_zero(mask) : end;
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    const auto word = [](const char *at) {
      std::uint64_t w;
      std::memcpy(&w, at, 8);
      return EscapeBits(w);
    };
    for (; end - p >= 8; p += 8)
      if (const std::uint64_t bits = word(p))
        return p + std::countr_zero(bits) / 8;
    if (p == end)
      return end;
    if (end - start >= 8) {
      const std::uint64_t bits = word(end - 8);
      return bits ? end - 8 + std::countr_zero(bits) / 8 : end;
    }
  }
  while (p < end && !NeedsEscape(static_cast<unsigned char>(*p)))
    ++p;
  return p;
}

} // namespace

void AppendJsonEscaped(std::string &out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const char *p = text.data();
  const char *end = p + text.size();
  while (true) {
    const char *stop = FindEscape(p, end);
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

namespace {

// True when no number of decimals from 1 to 4 can pass the test below, seen
// at once: had W / 10^d read back as the value for a whole W, then value x
// 10^4, computed, would lie within 2^-52 of itself (half an ulp of the value
// and the rounding of the product) of the whole number W x 10^(4 - d). A
// computed price or weight lies much farther than that from one.
bool FarFromFourDecimals(double value) {
  const double scaled = std::fabs(value * 1e4);
  if (!(scaled < 1e15))
    return false;
  const double fraction = scaled - static_cast<double>(static_cast<long long>(scaled));
  const double distance = fraction < 0.5 ? fraction : 1 - fraction;
  return distance > scaled * 4e-16;
}

} // namespace

char *WriteJsonNumber(char *p, double value) {
  if (!std::isfinite(value))
    return std::copy_n("null", 4, p);
  // Most values typed are whole numbers; those print without the search for
  // the shortest form. Negative zero takes the long way (and reads "0.0").
  // (Below 10^15 a whole number converts to an integer and back unchanged,
  // which is the cheap test for one.)
  if (value >= 0 && value < 1e15 && !std::signbit(value)) {
    const auto whole = static_cast<long long>(value);
    if (static_cast<double>(whole) == value)
      return std::to_chars(p, p + 24, whole).ptr;
  }
  if (FarFromFourDecimals(value))
    return WriteShortestDouble(p, value);
  // A value with a few decimals (a gauge, a typed length) is that decimal
  // when dividing its scaled whole number gives the very same double back.
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
  return WriteShortestDouble(p, value);
}

void AppendJsonNumber(std::string &out, double value) {
  char buf[kMaxJsonNumber];
  out.append(buf, WriteJsonNumber(buf, value));
}

namespace {

constexpr bool IsCsvSpecial(char c) {
  return c == ',' || c == '"' || c == '\r' || c == '\n';
}

// Whether `text` holds a comma, a quote or a line break: sixteen bytes at a
// time where the processor has the instructions for it, the last ones as one
// block ending at the end of the text.
bool NeedsCsvQuotes(std::string_view text) {
#if defined(__SSE2__)
  if (text.size() >= 16) {
    const auto mask = [](const char *at) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
      const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')),
                                                    _mm_cmpeq_epi8(v, _mm_set1_epi8('"'))),
                                       _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')),
                                                    _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
      return _mm_movemask_epi8(hit);
    };
    const char *p = text.data();
    const char *end = p + text.size();
    for (; end - p > 16; p += 16)
      if (mask(p) != 0)
        return true;
    return mask(end - 16) != 0;
  }
#endif
  return std::any_of(text.begin(), text.end(), IsCsvSpecial);
}

} // namespace

void AppendCsvField(std::string &out, std::string_view text) {
  if (!NeedsCsvQuotes(text)) {
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
