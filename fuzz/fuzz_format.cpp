// The printf-style formatter with hostile format texts and values: it either
// formats or throws EFormatError (nothing else), leaves FormatTo's output as
// it was when it throws, keeps the literal text around conversions, and
// never writes a field wider than the format can ask for.
#include <cmath>
#include <cstring>
#include <vector>

#include "base/Format.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

// One argument from a piece: its first byte says the kind, the rest is the
// value ('f' takes C's reading, so "nan", "-inf", "0x1p-1074" and "1e308"
// all arrive; 'r' takes 8 raw bytes).
Variant Argument(std::string_view piece) {
  if (piece.empty())
    return {};
  const std::string rest(piece.substr(1));
  switch (piece.front()) {
  case 'i':
    return static_cast<std::int32_t>(std::strtoll(rest.c_str(), nullptr, 10));
  case 'f':
    return std::strtod(rest.c_str(), nullptr);
  case 'r':
    if (rest.size() >= sizeof(double)) {
      double d;
      std::memcpy(&d, rest.data(), sizeof d);
      return d;
    }
    return 0.0;
  case 'b':
    return rest == "1";
  case 's':
    return rest;
  default:
    return {};
  }
}

TCurrencyFormat Currency(std::string_view piece) {
  TCurrencyFormat c;
  if (piece.empty())
    return c;
  const auto flags = static_cast<unsigned char>(piece.front());
  c.symbolAfter = flags & 1;
  c.spaced = flags & 2;
  c.decimals = (flags >> 2) % 16;
  c.symbol = std::string(piece.substr(1));
  return c;
}

// The text around conversions, as it must appear in the output in order.
std::vector<std::string> LiteralRuns(std::string_view format) {
  std::vector<std::string> runs(1);
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      runs.back() += format[i];
    } else if (i + 1 < format.size() && format[i + 1] == '%') {
      runs.back() += '%';
      ++i;
    } else {
      // Skip "-", width, ".", precision and the letter.
      ++i;
      while (i < format.size() && std::strchr("-0123456789.", format[i]))
        ++i;
      runs.emplace_back();
    }
  }
  return runs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  TPieces pieces(AsText(data, size));
  const std::string_view format = pieces.Next();
  const TCurrencyFormat currency = Currency(pieces.Next());
  std::vector<Variant> args;
  while (!pieces.Empty())
    args.push_back(Argument(pieces.Next()));

  std::string out = "kept";
  bool threw = false;
  try {
    FormatTo(out, format, args, currency);
  } catch (const EFormatError &) {
    threw = true;
  }
  // Any other exception escapes and ends the run as a crash.
  if (threw) {
    FUZZ_CHECK(out == "kept");
    return 0;
  }
  const std::string_view shown = std::string_view(out).substr(4);

  // Each conversion adds at most: a field of 99, or a number of at most
  // 309 digits with separators, a sign, 99 decimals and the currency symbol.
  std::size_t budget = format.size();
  for (char c : format)
    if (c == '%')
      budget += 99 + 309 + 103 + 2 + 99 + currency.symbol.size();
  for (const Variant &a : args)
    if (a.isText())
      budget += a.text().size();
  FUZZ_CHECK(shown.size() <= budget);

  // The literal text comes through in order.
  std::size_t at = 0;
  for (const std::string &run : LiteralRuns(format)) {
    const std::size_t found = shown.find(run, at);
    FUZZ_CHECK(found != std::string_view::npos);
    at = found + run.size();
  }

  // A finite number never shows as "nan" or "inf" unless the format or a
  // text argument or the currency symbol brought those letters.
  bool finite = true;
  for (const Variant &a : args)
    finite = finite && !(a.kind() == Variant::Kind::Double && !std::isfinite(a.asDouble())) &&
             !a.isText();
  if (finite && format.find_first_of("naiNAI") == std::string_view::npos &&
      currency.symbol.find_first_of("naiNAI") == std::string::npos)
    FUZZ_CHECK(shown.find("nan") == std::string_view::npos &&
               shown.find("inf") == std::string_view::npos);
  return 0;
}
