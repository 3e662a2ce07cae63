// The files the build stages for shipping, checked against their source.
#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "costs/PriceListSource.h"
#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

const std::string kSource = KORVANE_SOURCE_DIR "/data/factory-prices.csv";
const std::string kCommonDir = KORVANE_STAGE_DIR "/Common Files/";
const std::string kDataDir = KORVANE_STAGE_DIR "/Data Files/";

TSpiralPriceTable SourceTable() {
  std::string text, error;
  TSpiralPriceTable table;
  EXPECT_TRUE(ReadFileBytes(kSource, text, &error)) << error;
  EXPECT_TRUE(ParsePriceListSource(text, table, error)) << error;
  return table;
}

TEST(ShippedData, FactoryPricesAreTheSourceList) {
  const TSpiralPriceTable source = SourceTable();
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(kCommonDir + kFactoryPricesName, bytes));
  ASSERT_EQ(bytes.size(), 3072u);
  EXPECT_EQ(bytes, FactoryPriceBytes(source));

  // Read the way the program reads it, in column order: spot values of the
  // source's first and last lines land in the right cells.
  TSpiralPriceTable table;
  TRecordingSink sink;
  ASSERT_TRUE(ReadFactoryPrices(table, kCommonDir, sink, {}));
  EXPECT_EQ(table.cols[fcDia], kBuiltInDiameters);
  EXPECT_EQ(table.Price(fcElbow10D, 0), 40.0);
  EXPECT_EQ(table.Price(fcNipple, 0), 9.0);
  EXPECT_EQ(table.Price(fcTPiece45deg, 31), 6388.0);
}

TEST(ShippedData, PricesArePositiveAndRiseWithDiameter) {
  const TSpiralPriceTable table = SourceTable();
  for (std::size_t c = 1; c < kFittingCols; ++c) {
    SCOPED_TRACE(FittingColumnName(c));
    EXPECT_GT(table.Price(c, 0), 0.0);
    for (std::size_t r = 1; r < kFittingRows; ++r)
      EXPECT_GT(table.Price(c, r), table.Price(c, r - 1)) << FittingKey(r);
  }
}

TEST(ShippedData, ResetThenReadGivesTheFactoryPrices) {
  // What the cost editor's reset does, into a copy of the shipped folder.
  test::TempFolder folder;
  TRecordingSink sink;
  TSpiralPriceTable factory;
  ASSERT_TRUE(ReadFactoryPrices(factory, kCommonDir, sink, {}));
  ASSERT_TRUE(WriteFittingsIni(factory, folder.Dir(), sink, {}));
  TSpiralPriceTable read;
  ASSERT_TRUE(ReadFittingsIni(read, folder.Dir(), sink, {}));
  EXPECT_EQ(FactoryPriceBytes(read), FactoryPriceBytes(factory));

  TSpiralPriceTable shipped;
  ASSERT_TRUE(ReadFittingsIni(shipped, kCommonDir, sink, {}));
  EXPECT_EQ(FactoryPriceBytes(shipped), FactoryPriceBytes(factory));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ShippedData, DefaultCostFileHoldsTheDefaults) {
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(kDataDir + "Default.cst", bytes));
  EXPECT_EQ(bytes, CostRecBytes(DefaultCosts()));
  TCostRec rec{};
  TRecordingSink sink;
  ASSERT_TRUE(LoadCostFile(kDataDir + "Default.cst", rec, sink));
  EXPECT_EQ(rec, DefaultCosts());
  EXPECT_EQ(rec.RefDate, 36526.0);
  EXPECT_EQ(rec.MWaste, 1.2);
  EXPECT_EQ(rec.ManufRate, 125.0);
}

TEST(PriceListSource, RejectsListsThatAreNotComplete) {
  std::string good;
  ASSERT_TRUE(ReadFileBytes(kSource, good));
  const std::size_t firstRow = good.find("\n100,") + 1;
  const std::size_t lastRow = good.rfind("\n2000,") + 1;
  const auto replaced = [&](std::size_t at, std::size_t len, const std::string &with) {
    return good.substr(0, at) + with + good.substr(at + len);
  };
  const std::size_t firstLen = good.find('\n', firstRow) - firstRow;
  struct Case {
    const char *what;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"no header", good.substr(firstRow)},
      {"row missing", good.substr(0, lastRow)},
      {"row too many", good + "2100,1,1,1,1,1,1,1,1,1,1,1\n"},
      {"zero price", replaced(firstRow, firstLen, "100,40,49,56,28,12,0,19,29,41,55,70")},
      {"text price", replaced(firstRow, firstLen, "100,40,49,56,28,12,nine,19,29,41,55,70")},
      {"short row", replaced(firstRow, firstLen, "100,40,49,56,28,12,9,19,29,41,55")},
      {"wrong diameter", replaced(firstRow, firstLen, "110,40,49,56,28,12,9,19,29,41,55,70")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TSpiralPriceTable table;
    table.cols[3][3] = 42;
    std::string error;
    EXPECT_FALSE(ParsePriceListSource(c.text, table, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(table.cols[3][3], 42.0);
  }
  TSpiralPriceTable table;
  std::string error;
  EXPECT_TRUE(ParsePriceListSource(
      replaced(firstRow, firstLen, " 100 , 40,49,56,28,12,9.5,19,29,41,55,70\r"), table, error))
      << error;
  EXPECT_EQ(table.Price(fcNipple, 0), 9.5);
}

} // namespace
} // namespace korvane
