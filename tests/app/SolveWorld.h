#pragma once
// A calculator of its own for each test: the catalogue at its start values,
// the default costs, the shipped price list, one row model per type and a
// report kept between solves, as the main window keeps it.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "app/Catalogue.h"
#include "app/ItemRowSet.h"
#include "app/SolveItem.h"
#include "base/MessageSink.h"
#include "costs/CostRec.h"
#include "costs/PriceListSource.h"
#include "engine/Engine.h"

namespace korvane::test {

inline TSpiralPriceTable ShippedPrices() {
  std::ifstream in(KORVANE_SOURCE_DIR "/data/factory-prices.csv", std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  TSpiralPriceTable table;
  std::string error;
  EXPECT_TRUE(ParsePriceListSource(text, table, error)) << error;
  return table;
}

struct SolveWorld {
  TRecordingSink sink;
  TCatalogue catalogue;
  TCostRec costs = DefaultCosts();
  TSpiralPriceTable prices = ShippedPrices();
  TEngine engine{{}, {}, &costs, &prices};
  std::string costFile = "../Data Files/Default.cst";
  TCurrencyFormat currency{"R", false, false, 2};
  TItemRowSet rowSet{(BuildCatalogue(catalogue), catalogue), sink};
  TSolveReport report;

  SolveWorld() = default;
  SolveWorld(const SolveWorld &) = delete; // the engine points into this world
  SolveWorld &operator=(const SolveWorld &) = delete;

  TEntryRows &Rows(int type) { return rowSet.Rows(type); }
  // Writes a value as the grid shows it after a committed edit.
  void Set(int type, int row, const Variant &value) { Rows(type).SetData(1, row, value); }
  bool Solve(int type) { return SolveItem({engine, costFile, currency}, type, Rows(type), report); }
  std::vector<std::string> Details() const {
    return {report.Details.begin(), report.Details.end()};
  }
};

} // namespace korvane::test
