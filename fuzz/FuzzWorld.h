#pragma once
// A calculator for the fuzz targets that solve: the catalogue at its start
// values, the default costs and the shipped price list, as the program
// starts; and the check every solve must pass: a price or "Bad data...",
// never a number that is not one.
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "app/Catalogue.h"
#include "app/ReportLabels.h"
#include "app/SolveItem.h"
#include "base/MessageSink.h"
#include "costs/CostRec.h"
#include "costs/PriceListSource.h"
#include "engine/Engine.h"
#include "fuzz/FuzzSupport.h"

namespace korvane::fuzz {

inline TSpiralPriceTable ShippedPrices() {
  std::ifstream in(KORVANE_SOURCE_DIR "/data/factory-prices.csv", std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  TSpiralPriceTable table;
  std::string error;
  FUZZ_CHECK(ParsePriceListSource(text, table, error));
  return table;
}

struct TFuzzWorld {
  TRecordingSink sink;
  TCostRec costs = DefaultCosts();
  TSpiralPriceTable prices = ShippedPrices();
  TEngine engine{{}, {}, &costs, &prices};
  std::string costFile = "../Data Files/Default.cst";
  TCurrencyFormat currency{"R", false, false, 2};
  TSolveReport report;

  TFuzzWorld() = default;
  TFuzzWorld(const TFuzzWorld &) = delete; // the engine points into this world
  TFuzzWorld &operator=(const TFuzzWorld &) = delete;
};

// "nan", "inf" or "-inf" standing as a word of its own ("Information" and
// "Insulation" are fine).
inline bool ShowsNonFinite(std::string_view text) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  for (std::string_view word : {"nan", "inf", "NAN", "INF", "NaN", "Inf"}) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
      const bool before = at > 0 && letter(text[at - 1]);
      const bool after = at + word.size() < text.size() && letter(text[at + word.size()]);
      if (!before && !after)
        return true;
    }
  }
  return false;
}

// What a solve may leave on screen.
inline void CheckReport(const TSolveReport &report, bool solved) {
  FUZZ_CHECK(solved == !report.Failed);
  if (!solved) {
    FUZZ_CHECK(report.StatusText == kBadData);
    return;
  }
  FUZZ_CHECK(std::isfinite(report.Price) && std::isfinite(report.Area) &&
             std::isfinite(report.InsArea) && std::isfinite(report.Weight));
  FUZZ_CHECK(!ShowsNonFinite(report.StatusText) && !ShowsNonFinite(report.RatesText) &&
             !ShowsNonFinite(report.SummaryLine));
  for (const std::string &line : report.Details)
    FUZZ_CHECK(!ShowsNonFinite(line));
}

} // namespace korvane::fuzz
