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
#include "fuzz/NonFinite.h"

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
