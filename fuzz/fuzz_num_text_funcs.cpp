// The number-text functions of the entry grid. CleanNumText takes any text
// to one with no spaces, at most one '/', and on each side at most one
// exponent mark and one point, a minus only in front or right after the
// mark; cleaning again changes nothing; what it makes either reads as a
// finite number or not at all. SplitPair, FormatNumber and AutoDecimals take
// hostile texts, formats and values without failing in any other way than
// they promise.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/Format.h"
#include "base/NumberText.h"
#include "controls/NumberTextFuncs.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

void CheckCleanSide(std::string_view side) {
  FUZZ_CHECK(!side.empty());
  FUZZ_CHECK(side.find('e') == std::string_view::npos);
  FUZZ_CHECK(std::count(side.begin(), side.end(), 'E') <= 1);
  FUZZ_CHECK(std::count(side.begin(), side.end(), '.') <= 1);
  for (std::size_t i = 1; i < side.size(); ++i)
    FUZZ_CHECK(side[i] != '-' || side[i - 1] == 'E');
}

double DoubleFrom(std::string_view piece) {
  if (piece.size() >= sizeof(double)) {
    double d;
    std::memcpy(&d, piece.data(), sizeof d);
    return d;
  }
  return std::strtod(std::string(piece).c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  TPieces pieces(AsText(data, size));
  const std::string_view text = pieces.Next();
  const std::string_view format = pieces.Next();
  const double x = DoubleFrom(pieces.Next());
  const std::string_view knobs = pieces.Next();
  const int sigDigs = knobs.size() > 0 ? static_cast<signed char>(knobs[0]) : 5;
  const int decimals = knobs.size() > 1 ? static_cast<signed char>(knobs[1]) : 3;
  const auto type = static_cast<TFormatType>(knobs.size() > 2 ? knobs[2] & 3 : 1);

  const std::string clean = CleanNumText(text);
  FUZZ_CHECK(clean.find(' ') == std::string::npos);
  const std::size_t slash = clean.find('/');
  if (slash == std::string::npos) {
    CheckCleanSide(clean);
  } else {
    FUZZ_CHECK(clean.find('/', slash + 1) == std::string::npos);
    CheckCleanSide(std::string_view(clean).substr(0, slash));
    CheckCleanSide(std::string_view(clean).substr(slash + 1));
  }
  FUZZ_CHECK(CleanNumText(clean) == clean);
  double value = 0;
  if (ReadNumber(clean, value))
    FUZZ_CHECK(std::isfinite(value));

  double a = 1.5, b = 2.5;
  try {
    const bool pair = SplitPair(text, a, b);
    FUZZ_CHECK(pair == (text.find('/') != std::string_view::npos));
    FUZZ_CHECK(std::isfinite(a) && std::isfinite(b));
    if (!pair)
      FUZZ_CHECK(b == 2.5);
  } catch (const ENumTextError &) {
    FUZZ_CHECK(a == 1.5 && b == 2.5);
  }

  FUZZ_CHECK(FormatDecimals(format) >= 0 && FormatDecimals(format) <= 9);
  const int autoDecimals = AutoDecimals(sigDigs, 12, x);
  FUZZ_CHECK(autoDecimals >= 0 && autoDecimals <= 12);
  try {
    const std::string shown = FormatNumber(x, format, type, sigDigs, decimals);
    if (std::isfinite(x) && format.find_first_of("naiNAI") == std::string_view::npos)
      FUZZ_CHECK(shown.find("nan") == std::string::npos && shown.find("inf") == std::string::npos);
  } catch (const EFormatError &) {
  }
  return 0;
}
