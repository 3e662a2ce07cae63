// A bill the reader cannot understand gets an error at the right line and
// the rest of it is still priced; the shipped example job prices to its
// known totals.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/bill_job/JobRun.h"
#include "tests/support/TempFolder.h"

namespace korvane::test {
namespace {

struct TNoteCase {
  const char *bill;
  std::vector<std::pair<int, const char *>> errors; // line, part of the reason
  std::size_t priced;
  std::vector<int> notPriced = {};
};

TEST(BillReader, MistakesAreErrorsAtTheirLines) {
  const TNoteCase cases[] = {
      {"Nipple\n 500 1\n 600\n 700 1 2\n",
       {{3, "1 number where Nipple takes 2"}, {4, "3 numbers"}},
       1},
      // A number off typed on the line of an item counted in its options.
      {"StraightRect\n 1200 600 2.4 6\n",
       {{2, "4 numbers where StraightRect takes 3 (width, height, length); its number off goes "
            "in its options: StraightRect (NumberOff=6)"}},
       0},
      {"Taper\n 750 500 600 500 2 9.9\n",
       {{2, "value '9.9' for Length is out of range (0.3 to 2.4 m)"}},
       0},
      {"StraightRect\n 600 500 2.4\n 600x500 400 2.4\n",
       {{3, "value '600x500' for Width is not a number"}},
       1},
      {" 600 500 1\nNipple\n 500 1\n", {{1, "must follow an item keyword"}}, 1},
      {"Elbow\n 500 300 90 1\n 500 750 90 1\n",
       {{2, "none of its radii: 500 (1 Dia), 750 (1.5 Dia)"}},
       1},
      {"RadiusBend (Gauge=0.7)\n 600 500 90 1\nNipple\n 500 1\n",
       {{1, "Gauge takes Auto or 0.6"}, {2, "the item on line 1 is in error"}},
       1},
      {"GlobalSettings (Insulation=Both)\nNipple\n 500 1\nGlobalSettings\nNipple\n 500 1\n",
       {{1, "Insulation takes Internal, External or None"},
        {2, "GlobalSettings on line 1"},
        {3, "the item on line 2"}},
       1},
      {"Spiral (Insulation=External)\n 500 3\n",
       {{1, "needs InsThickness=25mm or 50mm"}, {2, "line 1"}},
       0},
      {"Spiral (Insulation=Internal, InsThickness=25mm)\n 500 3\n",
       {{2, "value '25mm Internal' for Insulation is not one of: None, 25mm DuctWrap"}},
       0},
      {"RadiusBend (NumberOff=3)\n 600 500 90 1\n",
       {{1, "NumberOff is for StraightRect and Spiral"}, {2, ""}},
       0},
      {"Nipple (Reinforcing=Include)\n 500 1\nNipple (Mezz20)\n 500 1\n",
       {{1, "Nipple has no Reinforcing"}, {2, ""}, {3, "round and has no flange"}, {4, ""}},
       0},
      {"Nipple (Gauge=0.6\n 500 1\n", {{1, "has no ')'"}, {2, ""}}, 0},
      {"Nipple 500 1\n", {{1, "numbers of an item go on the lines after"}}, 0},
      {"Nipple\n 500 0\n 500 2.5\n 500 3\n", {{2, "number off '0'"}, {3, "number off '2.5'"}}, 1},
      {"TPiece\n 500 45 1\nSquareBendReducing\n 750 500 400 600 1\n",
       {{2, "always 90"}, {4, "heights 500 and 600 differ"}},
       0},
      {"Erection=Include\nFlange\nRadiusBend\nNipple\n 500 1\n",
       {{1, "belongs in an option list"},
        {2, "'Flange' is not understood"},
        {3, "'RadiusBend' has no number line"}},
       1},
      {"Nipple\n 500 1\nCosts = Default.cst\n",
       {{3, "Costs line must come before the first item"}},
       1},
      {"Nipple\n 500 1\n{ never closed\nNipple\n 500 1\n", {{3, "never closed"}}, 1},
      {"Nipple\n - 500 - 1\n", {{2, "'-' is not a number"}}, 0},
      {"Elbow\n 500 500 0 1\n", {{2, "Bad data..."}}, 0},
      {"Shoe\n 600 500 1\n 700 500 1\nCollar\nNipple\n 500 1\n", {}, 1, {2, 3, 4}},
  };
  for (const TNoteCase &c : cases) {
    TJobRun run;
    RunJob(run, c.bill);
    ASSERT_EQ(run.fatal, "") << c.bill;
    EXPECT_EQ(run.totals.Priced, c.priced) << c.bill;
    ASSERT_EQ(run.totals.Errors.size(), c.errors.size()) << c.bill;
    for (std::size_t i = 0; i < c.errors.size(); ++i) {
      EXPECT_EQ(run.totals.Errors[i].Line, c.errors[i].first) << c.bill;
      EXPECT_NE(run.totals.Errors[i].Reason.find(c.errors[i].second), std::string::npos)
          << c.bill << " -> " << run.totals.Errors[i].Reason;
    }
    std::vector<int> notPriced;
    for (const TBillNote &n : run.totals.NotPriced)
      notPriced.push_back(n.Line);
    EXPECT_EQ(notPriced, c.notPriced) << c.bill;
  }
}

TEST(BillReader, CostsLineNamesTheCostFileBesideTheBill) {
  TempFolder dir;
  std::filesystem::copy_file(KORVANE_STAGE_DIR "/Data Files/Default.cst", dir.File("shop.cst"));
  TJobRun own;
  RunJob(own, "Costs = shop.cst\r\nNipple\r\n 500 1\r\n", StagedSetup(), 64, dir.Dir());
  EXPECT_EQ(own.fatal, "");
  EXPECT_EQ(own.totals.Priced, 1u);

  TJobRun missing;
  RunJob(missing, "Costs = gone.cst\nNipple\n 500 1\n", StagedSetup(), 64, dir.Dir());
  EXPECT_NE(missing.fatal.find("gone.cst"), std::string::npos) << missing.fatal;
  EXPECT_FALSE(missing.writer.begun);

  // The command line's cost file wins over the bill's.
  TPricerSetup setup = StagedSetup();
  setup.CostFile = dir.File("shop.cst");
  TJobRun overridden;
  RunJob(overridden, "Costs = gone.cst\nNipple\n 500 1\n", setup, 64, dir.Dir());
  EXPECT_EQ(overridden.fatal, "");
}

// The shipped example, staged beside the default cost file its Costs line
// names, prices every line of all fifteen types to these totals.
TEST(BillReader, ExampleJobTotals) {
  const std::string dir = KORVANE_STAGE_DIR "/Data Files/";
  const std::string bill = GetFile(dir + "level2-office.dct");
  ASSERT_EQ(bill, GetFile(KORVANE_SOURCE_DIR "/data/examples/level2-office.dct"));
  TJobRun run;
  RunJob(run, bill, StagedSetup(), 4096, dir);
  ASSERT_EQ(run.fatal, "");
  EXPECT_TRUE(run.totals.AllPriced());
  EXPECT_EQ(run.totals.Priced, 28u);
  std::set<int> types;
  for (const TLineSeen &line : run.writer.lines)
    types.insert(BillItemForm(line.Code).Type);
  EXPECT_EQ(types.size(), 15u);
  EXPECT_NEAR(run.totals.Price, 42454.31, 0.005);
  EXPECT_NEAR(run.totals.Area, 283.97, 0.005);
  EXPECT_NEAR(run.totals.InsArea, 108.48, 0.005);
  EXPECT_NEAR(run.totals.Weight, 1658.50, 0.005);
  ASSERT_EQ(run.totals.Sheets.size(), 3u);
  EXPECT_NEAR(run.totals.Sheets.at(0.6).Area, 151.76, 0.005);
  EXPECT_NEAR(run.totals.Sheets.at(0.8).Weight, 823.04, 0.005);
  EXPECT_NEAR(run.totals.Sheets.at(1.0).Area, 5.40, 0.005);
}

} // namespace
} // namespace korvane::test
