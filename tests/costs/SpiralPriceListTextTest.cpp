#include "costs/SpiralPriceListText.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TSpiralPriceTable TableWith(double price) {
  TSpiralPriceTable table;
  for (std::size_t r = 0; r < kFittingRows; ++r) {
    table.cols[fcDia][r] = kBuiltInDiameters[r];
    for (std::size_t c = 1; c < kFittingCols; ++c)
      table.cols[c][r] = price;
  }
  return table;
}

TEST(SpiralPriceListText, GroupsHaveOneHeadingCellPerColumn) {
  const auto &groups = FittingGroups();
  ASSERT_EQ(groups.size(), 3u);
  const struct {
    std::string_view title;
    std::size_t columns;
  } expected[] = {{"Elbows", 5}, {"Fittings", 4}, {"Reducers and T-Pieces", 5}};
  std::size_t priceColumns = 0;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    SCOPED_TRACE(g);
    EXPECT_EQ(groups[g].title, expected[g].title);
    ASSERT_EQ(groups[g].columns.size(), expected[g].columns);
    EXPECT_EQ(groups[g].columns.front(), fcDia);
    for (const auto *headings : {&groups[g].printedHeadings, &groups[g].screenHeadings})
      for (const auto &line : *headings)
        EXPECT_EQ(line.size(), expected[g].columns);
    priceColumns += groups[g].columns.size() - 1;
  }
  EXPECT_EQ(priceColumns, kFittingCols - 1); // every price column is listed once
}

TEST(SpiralPriceListText, CellsAreFactoredAndRoundedHalfAwayFromZero) {
  TSpiralPriceTable table = TableWith(0);
  table.cols[fcStopEnd][0] = 100;
  table.cols[fcNipple][0] = 3.5; // 3.5 x 1.15 is 4.0249999... in binary
  table.cols[fcSpigotPlate][0] = 0;
  const auto &fittings = FittingGroups()[1];
  EXPECT_EQ(FittingRowCells(fittings, table, 0, 1.15),
            (std::vector<std::string>{"100", "115.00", "4.03", "0.00"}));
  // Diameters are never factored and print without decimals.
  EXPECT_EQ(FittingRowCells(fittings, table, 29, 1.15).front(), "1450");
}

TEST(SpiralPriceListText, ScreenLinesAreHeadingsThenTabSeparatedRows) {
  TSpiralPriceTable table = TableWith(10);
  table.cols[fcElbow45deg][31] = 1234.5;
  const std::vector<std::string> lines = FittingScreenLines(FittingGroups()[0], table, 2);
  ASSERT_EQ(lines.size(), 2 + kFittingRows);
  EXPECT_EQ(lines[0], "Dia\t45-90°\t45-90°\t45-90°\t45°");
  EXPECT_EQ(lines[1], "mm\t1D\t1.5D\t0.15m\t1D");
  EXPECT_EQ(lines[2], "100\t20.00\t20.00\t20.00\t20.00");
  EXPECT_EQ(lines.back(), "2000\t20.00\t20.00\t20.00\t2469.00");

  const std::vector<std::string> reducers = FittingScreenLines(FittingGroups()[2], table, 1);
  EXPECT_EQ(reducers[1], "mm\t300mm\t600mm\t90°\t45°");
}

} // namespace
} // namespace korvane
