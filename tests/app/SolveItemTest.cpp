// The solve and its report: the worked items of the calculator, the option
// rows, and what a failed solve leaves behind.
#include <gtest/gtest.h>

#include "app/ReportLabels.h"
#include "bill/BillLine.h"
#include "tests/app/SolveWorld.h"

namespace korvane::test {
namespace {

const std::string kRule(49, '-');

TEST(SolveItem, StraightRectStartValuesGiveTheWholeReport) {
  SolveWorld w;
  ASSERT_TRUE(w.Solve(dtStraightRect));
  const std::vector<std::string> expected = {"Straight Rectangular",
                                             "600mm x 500mm  2.400m",
                                             "AutoGauge AutoFlange NoIns",
                                             "../Data Files/Default.cst    ",
                                             kRule,
                                             "Gauge 0.6 mm",
                                             "Flange S&Drive",
                                             "Area 5.28 m²",
                                             "Mass 25.5 kg",
                                             kRule,
                                             "Rates 184.8 R/m  84.0 R/m²  17.4 R/kg",
                                             "Price R443.58"};
  EXPECT_EQ(w.Details(), expected);
  EXPECT_EQ(w.report.StatusText, "R443.58  [0.6mm  5.3m²  25.5kg]");
  EXPECT_EQ(w.report.RatesText, "184.8 R/m  84.0 R/m²  17.4 R/kg");
  EXPECT_EQ(w.report.SummaryLine, "600  500  2.400");
  EXPECT_EQ(w.report.CentreLength, 2.4);
  EXPECT_FALSE(w.report.Failed);
  EXPECT_EQ(BillClipboardText(dtStraightRect, w.report),
            "StraightRect (Erection=Exclude, Brackets=Exclude, Insulation=None)\r\n"
            "\t-\t600  500  2.400\r\n");
}

TEST(SolveItem, MoneyFollowsTheCurrencyHandedIn) {
  SolveWorld w;
  w.currency = {"EUR", true, true, 2};
  w.costs.Markup = 10;
  ASSERT_TRUE(w.Solve(dtStraightRect));
  EXPECT_EQ(w.Details().back(), "Price 4,435.76 EUR");
  EXPECT_EQ(w.report.StatusText, "4,435.76 EUR  [0.6mm  5.3m²  25.5kg]");
}

TEST(SolveItem, ElbowRadiusChoices) {
  struct Case {
    Variant radius;
    const char *summary;
  };
  const Case cases[] = {{std::int32_t{0}, "500  500  90  1"},
                        {std::int32_t{1}, "500  750  90  1"},
                        {std::int32_t{2}, "500  1000  90  1"},
                        {std::int32_t{3}, "500  150  90  1"},
                        {std::int32_t{7}, "500  500  90  1"}}; // no such item: one diameter
  for (const Case &c : cases) {
    SolveWorld w;
    w.Set(dtElbow, 3, c.radius);
    ASSERT_TRUE(w.Solve(dtElbow));
    EXPECT_EQ(w.report.SummaryLine, c.summary) << c.radius.toText();
  }
  SolveWorld w;
  w.Set(dtElbow, 3, std::int32_t{3});
  ASSERT_TRUE(w.Solve(dtElbow));
  EXPECT_EQ(w.report.Details[1], "500mm  r=150mm  90°");
}

TEST(SolveItem, SummaryLinesOfTheRoundFittings) {
  struct Case {
    int type;
    const char *summary;
    const char *line2;
  };
  const Case cases[] = {{dtTPiece, "500  90  1", "500mm"},
                        {dtNipple, "500  1", "500mm"},
                        {dtRoundStopEnd, "500  1", "500mm"},
                        {dtRoundSpigot, "500  1", "500mm"},
                        {dtReducer, "500  0.300  1", "500mm  0.300"},
                        {dtSpiral, "500  3.000", "500mm  3.000m"}};
  for (const Case &c : cases) {
    SolveWorld w;
    ASSERT_TRUE(w.Solve(c.type)) << c.type;
    EXPECT_EQ(w.report.SummaryLine, c.summary) << c.type;
    EXPECT_EQ(w.report.Details[1], c.line2) << c.type;
    EXPECT_GT(w.report.Price, 0) << c.type;
  }
}

TEST(SolveItem, RoundSpigotWithAnUnknownPlateIsNotPriced) {
  SolveWorld w;
  w.Set(dtRoundSpigot, 2, std::int32_t{2});
  ASSERT_TRUE(w.Solve(dtRoundSpigot));
  EXPECT_EQ(w.report.Price, 0);
  EXPECT_EQ(w.report.RatesText, "Rates not calculated...");
  const auto lines = w.Details();
  EXPECT_EQ(lines[lines.size() - 2], "Rates Rates not calculated...");
  EXPECT_EQ(lines.back(), "Price R0.00");
}

TEST(SolveItem, NonNumericWidthIsBadDataAndKeepsTheCopyTexts) {
  SolveWorld w;
  ASSERT_TRUE(w.Solve(dtSpiral));
  const TSolveReport before = w.report;
  w.Rows(dtStraightRect).Cells().SetCell(1, 1, "wide");
  EXPECT_FALSE(w.Solve(dtStraightRect));
  EXPECT_TRUE(w.report.Failed);
  EXPECT_EQ(w.report.StatusText, "Bad data...");
  EXPECT_EQ(w.Details(), std::vector<std::string>{"Straight Rectangular"});
  EXPECT_EQ(w.report.SummaryLine, before.SummaryLine);
  EXPECT_EQ(w.report.BillOptions, before.BillOptions);
  EXPECT_EQ(w.report.RatesText, before.RatesText);
  EXPECT_EQ(w.report.Price, 0);
  // The next change solves again.
  w.Set(dtStraightRect, 1, 600.0);
  EXPECT_TRUE(w.Solve(dtStraightRect));
  EXPECT_EQ(w.report.SummaryLine, "600  500  2.400");
}

TEST(SolveItem, ElbowOfNoAngleIsBadData) {
  SolveWorld w;
  w.Set(dtElbow, 2, 0.0);
  EXPECT_FALSE(w.Solve(dtElbow));
  EXPECT_EQ(w.report.StatusText, "Bad data...");
  EXPECT_EQ(w.Details(), std::vector<std::string>{"Elbow"});
}

TEST(SolveItem, ReducingSquareBendIsPricedAtItsLargerWidth) {
  SolveWorld w;
  ASSERT_TRUE(w.Solve(dtSquareBend)); // 750 x 500
  const double squareBend = w.report.Price;
  EXPECT_NEAR(squareBend, 324.28, 0.005);
  w.Set(dtSquareBendReducing, 1, 400.0);
  w.Set(dtSquareBendReducing, 3, 750.0);
  ASSERT_TRUE(w.Solve(dtSquareBendReducing));
  EXPECT_EQ(w.report.SummaryLine, "750  500  750  500  1");
  EXPECT_EQ(w.report.Details[1], "750mm x 500mm");
  EXPECT_EQ(w.report.Price, squareBend);
  // At its start values the first width is the larger one.
  SolveWorld start;
  ASSERT_TRUE(start.Solve(dtSquareBendReducing));
  EXPECT_EQ(start.report.SummaryLine, "750  500  400  500  1");
}

TEST(SolveItem, VaneLabelsAndBillKeywords) {
  struct Case {
    int type;
    int vanesRow;
    const char *line3;
    const char *keyword;
  };
  const Case cases[] = {
      {dtSquareBend, 3, "vaned  AutoGauge AutoFlange NoIns", "VanedSquareBend"},
      {dtSquareBendReducing, 4, "vaned  AutoGauge AutoFlange NoIns", "VanedSquareBendReducing"},
      {dtRadiusBend, 4, "AutoGauge AutoFlange NoIns", "VanedRadiusBend"},
      {dtYPiece, 4, "vaned  AutoGauge AutoFlange NoIns", "YPiece"},
  };
  for (const Case &c : cases) {
    SolveWorld w;
    w.Set(c.type, c.vanesRow, std::int32_t{1});
    ASSERT_TRUE(w.Solve(c.type));
    EXPECT_TRUE(w.report.VanesFlag);
    EXPECT_EQ(w.report.Details[2], c.line3) << c.keyword;
    EXPECT_EQ(BillKeyword(c.type, w.report.VanesFlag), c.keyword);
  }
  SolveWorld w;
  ASSERT_TRUE(w.Solve(dtSquareBend));
  EXPECT_EQ(w.report.Details[2], "un-vaned  AutoGauge AutoFlange NoIns");
  EXPECT_EQ(BillKeyword(dtRadiusBend, false), "RadiusBend");
}

TEST(SolveItem, SquareBendWithVanesBillLine) {
  SolveWorld w;
  w.Set(dtSquareBend, 3, std::int32_t{1});
  ASSERT_TRUE(w.Solve(dtSquareBend));
  EXPECT_EQ(BillClipboardText(dtSquareBend, w.report),
            "VanedSquareBend (Erection=Exclude, Brackets=Exclude, Insulation=None)\r\n"
            "\t-\t750  500  1\r\n");
}

TEST(SolveItem, YPieceIsTwoRadiusBends) {
  SolveWorld w;
  w.Set(dtRadiusBend, 1, 500.0);
  ASSERT_TRUE(w.Solve(dtRadiusBend));
  const TSolveReport bend = w.report;
  ASSERT_TRUE(w.Solve(dtYPiece)); // 500, 500 x 500
  EXPECT_DOUBLE_EQ(w.report.Price, 2 * bend.Price);
  EXPECT_DOUBLE_EQ(w.report.Weight, 2 * bend.Weight);
  EXPECT_DOUBLE_EQ(w.report.CentreLength, 2 * bend.CentreLength);
  EXPECT_EQ(w.report.Details[1], "500mm  500mm  x 500mm");
  EXPECT_EQ(w.report.SummaryLine, "500  500  500  1");
}

TEST(SolveItem, OnlyRectangularItemsReportAFlange) {
  for (int type = 0; type < kTypeCount; ++type) {
    SolveWorld w;
    ASSERT_TRUE(w.Solve(type)) << type;
    bool flangeLine = false;
    for (const std::string &line : w.report.Details)
      flangeLine = flangeLine || line.rfind("Flange ", 0) == 0;
    EXPECT_EQ(flangeLine, !IsRoundType(type)) << type;
    EXPECT_EQ(w.report.Details.size(), IsRoundType(type) ? 11u : 12u) << type;
  }
}

TEST(SolveItem, OptionRowsSetTheEngineAndTheWords) {
  SolveWorld w;
  w.Set(dtStraightRect, 4, std::int32_t{5}); // 1.6
  w.Set(dtStraightRect, 5, std::int32_t{8}); // 50/5mm Angle
  w.Set(dtStraightRect, 6, std::int32_t{2}); // 50mm Internal
  ASSERT_TRUE(w.Solve(dtStraightRect));
  EXPECT_EQ(w.report.OptionText, "Forced 1.6mm 50x5mmAngle 50mm Internal");
  EXPECT_EQ(w.engine.outputs.GaugeUsed, 1.6);
  EXPECT_EQ(w.engine.outputs.FlangeUsed, ftAngle50x5);
  EXPECT_EQ(w.engine.settings.InsulationKind, ikInternal);
  EXPECT_EQ(w.engine.settings.InsulThickness, 50);
  // Heavier forced gauges have no bill word.
  EXPECT_EQ(w.report.BillOptions,
            "Erection=Exclude, Brackets=Exclude, Insulation=Internal, InsThickness=50mm");

  // An index the row does not have (a damaged item file) keeps the settings,
  // and the words name what was priced.
  w.Set(dtStraightRect, 5, std::int32_t{42});
  ASSERT_TRUE(w.Solve(dtStraightRect));
  EXPECT_EQ(w.engine.settings.FlangeType, ftAngle50x5);
  EXPECT_EQ(w.report.OptionText, "Forced 1.6mm 50x5mmAngle 50mm Internal");
}

TEST(SolveItem, ReducerBillOptions) {
  SolveWorld w;
  w.Set(dtReducer, 3, std::int32_t{2}); // 0.8
  w.Set(dtReducer, 4, std::int32_t{1}); // 25mm DuctWrap
  ASSERT_TRUE(w.Solve(dtReducer));
  EXPECT_EQ(w.report.BillOptions, "Erection=Exclude, Brackets=Exclude, Insulation=External, "
                                  "InsThickness=25mm, Gauge=0.8");
  EXPECT_EQ(w.report.OptionText, "Forced 0.8mm 25mm DuctWrap");
}

TEST(SolveItem, ReinforcingIsBilledForSpiralAndElbowOnly) {
  SolveWorld w;
  ASSERT_TRUE(w.Solve(dtSpiral));
  EXPECT_EQ(w.report.BillOptions,
            "Erection=Exclude, Brackets=Exclude, Reinforcing=Include, Insulation=None");
  ASSERT_TRUE(w.Solve(dtElbow));
  EXPECT_EQ(w.report.BillOptions,
            "Erection=Exclude, Brackets=Exclude, Reinforcing=Exclude, Insulation=None");
  ASSERT_TRUE(w.Solve(dtNipple));
  EXPECT_EQ(w.report.BillOptions, "Erection=Exclude, Brackets=Exclude, Insulation=None");
}

TEST(SolveItem, ErectionAndBracketsNameThemselves) {
  SolveWorld w;
  w.engine.settings.ErectionIncluded = true;
  ASSERT_TRUE(w.Solve(dtStraightRect));
  EXPECT_EQ(w.report.Details[3], "../Data Files/Default.cst  Erection  ");
  w.engine.settings.BracketsIncluded = true;
  ASSERT_TRUE(w.Solve(dtStraightRect));
  EXPECT_EQ(w.report.Details[3], "../Data Files/Default.cst  Erection  Brackets");
  EXPECT_EQ(w.report.BillOptions, "Erection=Include, Brackets=Include, Insulation=None");
}

TEST(SolveItem, UnknownTypeIsBadData) {
  SolveWorld w;
  EXPECT_FALSE(SolveItem({w.engine, w.costFile, w.currency}, kTypeCount, w.Rows(0), w.report));
  EXPECT_EQ(w.report.StatusText, "Bad data...");
  EXPECT_TRUE(w.report.Details.empty());
}

} // namespace
} // namespace korvane::test
