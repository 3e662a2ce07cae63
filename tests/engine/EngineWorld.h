#pragma once
// A costing engine of its own for each test: the default cost record and a
// price table whose every entry says where it came from.
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvane::test {

// 100 × column + row + 1: never 0, and a price names its column and row.
inline double KnownPrice(std::size_t col, std::size_t row) {
  return 100.0 * static_cast<double>(col) + static_cast<double>(row) + 1;
}

inline TSpiralPriceTable KnownPriceTable() {
  TSpiralPriceTable table;
  table.cols[fcDia] = kBuiltInDiameters;
  for (std::size_t c = 1; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      table.cols[c][r] = KnownPrice(c, r);
  return table;
}

inline std::size_t RowOf(double diameter) {
  for (std::size_t r = 0; r < kFittingRows; ++r)
    if (kBuiltInDiameters[r] == diameter)
      return r;
  return kFittingRows;
}

struct EngineWorld {
  TCostRec costs = DefaultCosts();
  TSpiralPriceTable prices = KnownPriceTable();
  TEngine engine{{}, {}, &costs, &prices};

  EngineWorld() = default;
  EngineWorld(const EngineWorld &) = delete; // the engine points into this world
  EngineWorld &operator=(const EngineWorld &) = delete;
};

// A worked item of the default cost record, every option off unless `setup`
// says otherwise. Money to the cent, quantities to their printed places.
// CentreLength starts at Unchecked, so an operation without one must leave it.
inline constexpr double Unchecked = -1;

struct WorkedItem {
  const char *name;
  std::function<void(TEngineSettings &)> setup;
  std::function<double(TEngine &, TItemQuantities &)> op;
  double area, insArea, weight, centreLength, price, gauge;
  TFlangeType flangeUsed; // ftAuto: the operation must not touch it
};

inline void NoOptions(TEngineSettings &) {}

inline void ExpectNear(double actual, double expected, double places, const char *what) {
  if (expected != Unchecked) {
    EXPECT_NEAR(actual, expected, 0.5 * places) << what;
  }
}

inline void ExpectWorked(const WorkedItem &c) {
  SCOPED_TRACE(c.name);
  EngineWorld w;
  c.setup(w.engine.settings);
  w.engine.outputs.FlangeUsed = ftAuto;
  TItemQuantities q;
  q.CentreLength = Unchecked;
  const double price = c.op(w.engine, q);
  ExpectNear(price, c.price, 0.01, "price");
  ExpectNear(q.Area, c.area, 0.001, "Area");
  ExpectNear(q.InsArea, c.insArea, 0.001, "InsArea");
  ExpectNear(q.Weight, c.weight, 0.01, "Weight");
  EXPECT_NEAR(q.CentreLength, c.centreLength, 0.0005) << "CentreLength";
  EXPECT_EQ(w.engine.outputs.GaugeUsed, c.gauge);
  EXPECT_EQ(w.engine.outputs.FlangeUsed, c.flangeUsed);
}

} // namespace korvane::test
