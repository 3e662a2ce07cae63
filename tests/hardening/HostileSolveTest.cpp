// Values an item file (or a program handing values to the grid) can bring
// past the grid's ranges, through the whole solve of every item type: each
// ends in a price or in "Bad data...", never in a crash, a hang, or "nan" or
// "inf" on screen.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/ReportLabels.h"
#include "fuzz/NonFinite.h"
#include "tests/app/SolveWorld.h"

namespace korvane {
namespace {

using fuzz::ShowsNonFinite;

// Empty when the report is one the screen may show, else what is wrong.
std::string Problems(const TSolveReport &report, bool solved) {
  if (!solved)
    return report.StatusText == kBadData ? "" : "failed without \"Bad data...\"";
  std::string problems;
  if (!std::isfinite(report.Price) || !std::isfinite(report.Area) ||
      !std::isfinite(report.InsArea) || !std::isfinite(report.Weight))
    problems += "a figure is not finite; ";
  for (const std::string &text : {report.StatusText, report.RatesText, report.SummaryLine})
    if (ShowsNonFinite(text))
      problems += "shows \"" + text + "\"; ";
  for (const std::string &line : report.Details)
    if (ShowsNonFinite(line))
      problems += "shows \"" + line + "\"; ";
  return problems;
}

const std::vector<Variant> &HostileValues() {
  static const std::vector<Variant> values{
      0.0,
      -1.0,
      -0.0,
      1e308,
      -1e308,
      DBL_MAX,
      5e-324,
      1e-300,
      2147483648.0,
      99.0, // far past any list of items
      8.0,  // one past the longest list of items
      std::numeric_limits<double>::quiet_NaN(),
      std::numeric_limits<double>::infinity(),
      std::int32_t{-1},
      std::int32_t{99},
      std::int32_t{2147483647},
      Variant("abc"),
      Variant(),
  };
  return values;
}

class HostileSolveTest : public ::testing::Test {
protected:
  // Solves `type` with `values` written into its rows, as the window does
  // after opening an item file.
  std::string SolveWith(int type, const TMyVarArray &values) {
    world.rowSet.Show(type, values);
    world.engine.settings = TEngineSettings{};
    return Problems(world.report, world.Solve(type));
  }

  test::SolveWorld world;
};

TEST_F(HostileSolveTest, EveryValueOfEveryRowAloneEndsInAPriceOrBadData) {
  int prices = 0, badData = 0;
  for (int type = 0; type < kTypeCount; ++type) {
    const TMyVarArray start = world.catalogue.ItemValues[static_cast<std::size_t>(type)];
    for (std::size_t k = 0; k < start.size(); ++k) {
      for (const Variant &v : HostileValues()) {
        TMyVarArray values = start;
        values[k] = v;
        EXPECT_EQ(SolveWith(type, values), "")
            << DuctTypes[static_cast<std::size_t>(type)].Name << " row " << k + 1 << " = "
            << (v.isEmpty() ? "empty" : v.toText());
        ++(world.report.Failed ? badData : prices);
      }
    }
  }
  // Both endings occur: the values are hostile, not all refused.
  EXPECT_GT(prices, 0);
  EXPECT_GT(badData, 0);
}

TEST_F(HostileSolveTest, EveryRowAtOnceEndsInAPriceOrBadData) {
  for (int type = 0; type < kTypeCount; ++type) {
    const std::size_t count = world.catalogue.ItemValues[static_cast<std::size_t>(type)].size();
    for (const Variant &v : HostileValues()) {
      const TMyVarArray values(count, v);
      EXPECT_EQ(SolveWith(type, values), "") << DuctTypes[static_cast<std::size_t>(type)].Name
                                             << " all = " << (v.isEmpty() ? "empty" : v.toText());
    }
  }
}

// The largest sizes the rows allow with the heaviest forced gauge, every
// flange and insulation: real items, so each must get a price.
TEST_F(HostileSolveTest, LargestSizesWithTheHeaviestGaugeArePriced) {
  for (int type = 0; type < kTypeCount; ++type) {
    const TEntryRows &rows = world.Rows(type);
    const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(type)];
    TMyVarArray values = world.catalogue.ItemValues[static_cast<std::size_t>(type)];
    for (std::size_t k = 0; k < values.size(); ++k) {
      const TField *field = rows.Field(static_cast<int>(k) + 1);
      if (const auto *num = dynamic_cast<const TNumField *>(field))
        values[k] = num->RangeHi();
      else if (const auto *e = dynamic_cast<const TEnumField *>(field))
        values[k] = static_cast<double>(e->Items().size() - 1);
    }
    EXPECT_EQ(SolveWith(type, values), "") << rec.Name;
    EXPECT_FALSE(world.report.Failed) << rec.Name << ": " << world.report.StatusText;
  }
}

} // namespace
} // namespace korvane
