// What the calculator copies as a bill line prices back, as a bill, to
// exactly what the calculator showed; and a job adds up its lines.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/Catalogue.h"
#include "app/ItemLine.h"
#include "app/Pricer.h"
#include "base/AsciiText.h"
#include "bill/BillLine.h"
#include "tests/bill_job/JobRun.h"

namespace korvane::test {
namespace {

struct TSolved {
  double Price, Area, Weight, Gauge;
};

// A random item of `type` in the values Copy writes without loss: whole
// millimetres and degrees, lengths to the millimetre. (Copy leaves out the
// flange, a Y-piece's vanes and a spigot's plate, so those stay at the
// values a bill means without them.)
std::string RandomItem(int type, std::mt19937 &rng) {
  const auto pick = [&rng](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
  };
  const auto oneOf = [&](std::initializer_list<const char *> items) {
    return std::string(*(items.begin() + pick(0, static_cast<int>(items.size()) - 1)));
  };
  const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(type)];
  std::string line(rec.Key);
  for (int p = 0; p < rec.PropCount(); ++p) {
    const std::string_view key = rec.Props[static_cast<std::size_t>(p)];
    std::string value;
    if (key.starts_with("Width") || key.starts_with("Height") || key == "Diameter") {
      value = std::to_string(pick(100, 2400));
    } else if (key == "Length") {
      // Straight and spiral duct 0.1 to 99 m, fittings 0.3 to 2.4 m, reducers to 1.2 m.
      const int hi = type == dtStraightRect || type == dtSpiral ? 99000
                     : type == dtReducer                        ? 1200
                                                                : 2400;
      value = std::to_string(pick(type == dtReducer || hi == 99000 ? 100 : 300, hi) / 1000.0);
    } else if (key == "Angle") {
      value = std::to_string(pick(1, 180));
    } else if (key == "Vanes") {
      value = type == dtYPiece ? "No" : oneOf({"No", "Yes"});
    } else if (key == "Reinforcing") {
      value = oneOf({"No", "Yes"});
    } else if (key == "Plate") {
      value = "No";
    } else if (key == "Radius") {
      value = oneOf({"1Dia", "1.5Dia", "2Dia", "150"});
    } else if (key == "Gauge") {
      value = oneOf({"Auto", "0.6", "0.8", "1.0", "1.2"});
    } else if (key == "Flange") {
      value = "Auto";
    } else if (EqualsNoCase(key, "Insulation")) {
      value = IsRoundType(type)
                  ? oneOf({"None", "25mmDuctWrap", "50mmDuctWrap"})
                  : oneOf({"None", "25mmInternal", "50mmInternal", "25mmDuctWrap", "50mmDuctWrap"});
    }
    line += " " + std::string(key) + "=" + value;
  }
  return line;
}

TEST(BillRoundTrip, CopiedLinesPriceBackToTheSolve) {
  std::mt19937 rng(20240611);
  TPricer pricer;
  std::string error;
  ASSERT_TRUE(pricer.Open(StagedSetup(), error)) << error;
  std::string bill = "; copied from the calculator, item after item\r\n";
  std::vector<TSolved> solved;
  std::vector<std::string> items;
  for (int round = 0; round < 25; ++round) {
    for (int type = 0; type < kTypeCount; ++type) {
      const std::string line = RandomItem(type, rng);
      TItemLine item;
      ASSERT_EQ(ParseItemLine(line, item, error), TItemParse::Item) << line << ": " << error;
      pricer.SetErectionAndBrackets(rng() % 2 == 0, rng() % 2 == 0);
      ASSERT_TRUE(pricer.Price(item, error)) << line << ": " << error;
      ASSERT_FALSE(pricer.Report().Failed) << line;
      const TSolveReport &r = pricer.Report();
      solved.push_back({r.Price, r.Area, r.Weight, pricer.Engine().outputs.GaugeUsed});
      items.push_back(line);
      AppendBillText(bill, type, r);
    }
  }
  TJobRun run;
  RunJob(run, bill);
  ASSERT_EQ(run.fatal, "");
  EXPECT_EQ(run.totals.Errors.size(), 0u)
      << run.totals.Errors.front().Line << ": " << run.totals.Errors.front().Reason;
  ASSERT_EQ(run.writer.lines.size(), solved.size());
  double total = 0;
  for (std::size_t i = 0; i < solved.size(); ++i) {
    const TLineSeen &seen = run.writer.lines[i];
    EXPECT_EQ(seen.Line, static_cast<int>(2 * i + 3)) << items[i];
    EXPECT_EQ(seen.Price, solved[i].Price) << items[i];
    EXPECT_EQ(seen.Area, solved[i].Area) << items[i];
    EXPECT_EQ(seen.Weight, solved[i].Weight) << items[i];
    EXPECT_EQ(seen.Gauge, solved[i].Gauge) << items[i];
    EXPECT_EQ(seen.Quantity, 1);
    total += seen.Price;
  }
  EXPECT_DOUBLE_EQ(run.totals.Price, total);
  EXPECT_EQ(run.totals.Priced, solved.size());
}

// The price of one item as korvane-price prices it.
double PriceOf(TPricer &pricer, const std::string &line, bool erection, bool brackets) {
  TItemLine item;
  std::string error;
  EXPECT_EQ(ParseItemLine(line, item, error), TItemParse::Item) << line;
  pricer.SetErectionAndBrackets(erection, brackets);
  EXPECT_TRUE(pricer.Price(item, error)) << line << ": " << error;
  return pricer.Report().Price;
}

TEST(BillRoundTrip, AJobTakesOptionsInOrderAndAddsUpItsLines) {
  // The command line includes erection; GlobalSettings add brackets and a
  // gauge; an entry's own options win over both.
  const std::string bill = "# job 4411, level 2\n"
                           "GlobalSettings (Brackets=Include, Gauge=0.8)\n"
                           "RadiusBend { two sizes }\n"
                           "\t-\t600 x 400  90 deg  4\n"
                           "  700 X 400  45 DEG  2 ; short ones\n"
                           "VanedSquareBend (Erection=Exclude, Gauge=Auto, Mezz35)\n"
                           "  900 500 3\n"
                           "GlobalSettings (Insulation=External, InsThickness=50mm)\n"
                           "Spiral (NumberOff=6, Reinforcing=Include)\n"
                           "  450 DIA 3.0\n"
                           "PlateSpigot\n"
                           "  300 10\n";
  TPricerSetup setup = StagedSetup();
  setup.Erection = true;
  TJobRun run;
  RunJob(run, bill, setup, 3);
  ASSERT_EQ(run.fatal, "");
  EXPECT_TRUE(run.totals.AllPriced());

  TPricer pricer;
  std::string error;
  ASSERT_TRUE(pricer.Open(StagedSetup(), error)) << error;
  const std::vector<std::pair<double, long>> expected = {
      {PriceOf(pricer, "RadiusBend Width=600 Height=400 Angle=90 Gauge=0.8", true, true), 4},
      {PriceOf(pricer, "RadiusBend Width=700 Height=400 Angle=45 Gauge=0.8", true, true), 2},
      {PriceOf(pricer, "SquareBend Width=900 Height=500 Vanes=Yes Flange=35mmMezz", false, true),
       3},
      {PriceOf(pricer, "Spiral Diameter=450 Length=3 Reinforcing=Yes Insulation=50mmDuctWrap", true,
               false),
       6},
      {PriceOf(pricer, "RoundSpigot Diameter=300 Plate=Yes Insulation=50mmDuctWrap", true, false),
       10},
  };
  ASSERT_EQ(run.writer.lines.size(), expected.size());
  double total = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const TLineSeen &seen = run.writer.lines[i];
    EXPECT_EQ(seen.Price, expected[i].first) << "line " << seen.Line;
    EXPECT_EQ(seen.Quantity, expected[i].second) << "line " << seen.Line;
    EXPECT_EQ(seen.Extended, static_cast<double>(seen.Quantity) * seen.Price);
    total += seen.Extended;
  }
  EXPECT_DOUBLE_EQ(run.totals.Price, total);
  double sheet = 0;
  for (const auto &[gauge, s] : run.totals.Sheets)
    sheet += s.Area;
  EXPECT_DOUBLE_EQ(sheet, run.totals.Area);
  EXPECT_EQ(run.totals.Insulation.size(), 1u);
}

} // namespace
} // namespace korvane::test
