#include "costs/FittingsFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "base/FileIO.h"
#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

using test::GetFile;
using test::PutFile;
using test::TempFolder;

TSpiralPriceTable BuiltInTable() {
  TSpiralPriceTable table;
  table.cols[fcDia] = kBuiltInDiameters;
  return table;
}

// Prices that differ in every cell, with some that a text round trip can
// easily spoil.
TSpiralPriceTable DistinctPrices() {
  TSpiralPriceTable table = BuiltInTable();
  for (std::size_t c = 1; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      table.cols[c][r] = static_cast<double>(c * 1000 + r) + 0.1;
  table.cols[fcNipple][0] = 1e-7;
  table.cols[fcNipple][1] = 123456.789012345;
  table.cols[fcNipple][2] = 0.3;
  return table;
}

TEST(FindFittingRow, RowBoundaries) {
  const TSpiralPriceTable table = BuiltInTable();
  struct Case {
    double diameter;
    std::size_t row;
    bool outOfRange;
  };
  const Case cases[] = {{-50, 0, false},     {0, 0, false},     {100, 0, false},
                        {100.001, 1, false}, {101, 1, false},   {210, 5, false},
                        {225, 5, false},     {1300, 28, false}, {1301, 29, false},
                        {1999.9, 31, false}, {2000, 31, false}, {2001, 31, true},
                        {1e9, 31, true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.diameter);
    bool outOfRange = !c.outOfRange;
    EXPECT_EQ(FindFittingRow(table, c.diameter, outOfRange), c.row);
    EXPECT_EQ(outOfRange, c.outOfRange);
  }
  bool outOfRange = false;
  EXPECT_EQ(FindFittingRow(table, std::nan(""), outOfRange), 31u);
  EXPECT_TRUE(outOfRange);
}

class FittingsFilesTest : public ::testing::Test {
protected:
  TempFolder folder;
  std::string ini = folder.File(kFittingsIniName);
  TRecordingSink sink;
  int ends = 0;
  TEndProgram end = [this] { ++ends; };

  void ExpectFatal(const char *text) {
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, TMsgKind::Error);
    EXPECT_EQ(sink.messages[0].buttons, TMsgButtons::Ok);
    EXPECT_EQ(sink.messages[0].text, text);
    EXPECT_EQ(ends, 1);
  }
};

TEST_F(FittingsFilesTest, MissingIniGivesZeroPricesSilently) {
  TSpiralPriceTable table = DistinctPrices();
  table.cols[fcDia][3] = 999; // the built-in diameters come back
  ASSERT_TRUE(ReadFittingsIni(table, folder.Dir(), sink, end));
  EXPECT_EQ(table.cols[fcDia], kBuiltInDiameters);
  for (std::size_t c = 1; c < kFittingCols; ++c)
    for (double price : table.cols[c])
      EXPECT_EQ(price, 0.0);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ends, 0);
}

TEST_F(FittingsFilesTest, WriteThenReadKeepsPricesAndForeignEntries) {
  PutFile(ini, "; the user's notes\r\n[Supplier]\r\nName=Acme Spiral\r\n"
               "[Nipple]\r\nnote=keep me\r\nd100=5\r\n");
  const TSpiralPriceTable written = DistinctPrices();
  ASSERT_TRUE(WriteFittingsIni(written, folder.Dir(), sink, end));

  TSpiralPriceTable read;
  ASSERT_TRUE(ReadFittingsIni(read, folder.Dir(), sink, end));
  EXPECT_EQ(FactoryPriceBytes(read), FactoryPriceBytes(written));

  TIniStore store;
  ASSERT_TRUE(store.LoadFile(ini));
  EXPECT_EQ(store.ReadString("Supplier", "Name", ""), "Acme Spiral");
  EXPECT_EQ(store.ReadString("Nipple", "note", ""), "keep me");
  EXPECT_EQ(store.ReadString("Nipple", "d100", ""), "1e-07");
  EXPECT_NE(GetFile(ini).find("; the user's notes"), std::string::npos);
  EXPECT_FALSE(store.HasSection("Dia")); // the diameters are never written
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(FittingsFilesTest, UnreadableValuesReadAsZero) {
  PutFile(ini, "[nipple]\nD300=abc\nd350=\nd400= 12.5 \nd450=1,5\n"
               "[Elbow10D]\nd100=3e2\n");
  TSpiralPriceTable table;
  ASSERT_TRUE(ReadFittingsIni(table, folder.Dir(), sink, end));
  EXPECT_EQ(table.Price(fcNipple, 8), 0.0);   // "abc"
  EXPECT_EQ(table.Price(fcNipple, 9), 0.0);   // empty
  EXPECT_EQ(table.Price(fcNipple, 10), 12.5); // blanks around a number are fine
  EXPECT_EQ(table.Price(fcNipple, 11), 0.0);  // a comma is not a decimal point
  EXPECT_EQ(table.Price(fcElbow10D, 0), 300.0);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(FittingsFilesTest, UnreadableIniIsFatal) {
  std::filesystem::create_directory(ini); // exists, but cannot be read as a file
  TSpiralPriceTable table = DistinctPrices();
  EXPECT_FALSE(ReadFittingsIni(table, folder.Dir(), sink, end));
  ExpectFatal("Error reading spiral fittings price file, Fittings.ini");
  EXPECT_EQ(FactoryPriceBytes(table), FactoryPriceBytes(DistinctPrices()));
}

bool FailEveryWrite(std::string_view, std::size_t, std::size_t) {
  return false;
}

TEST_F(FittingsFilesTest, FailedWriteIsFatalAndKeepsTheOldFile) {
  const std::string before = "[Nipple]\r\nd100=5\r\n";
  PutFile(ini, before);
  SetWriteFaultHook(&FailEveryWrite);
  const bool ok = WriteFittingsIni(DistinctPrices(), folder.Dir(), sink, end);
  SetWriteFaultHook(nullptr);
  EXPECT_FALSE(ok);
  ExpectFatal("Error writing spiral fittings price file, Fittings.ini");
  EXPECT_EQ(GetFile(ini), before);
}

TEST_F(FittingsFilesTest, WriteIntoMissingFolderIsFatal) {
  EXPECT_FALSE(WriteFittingsIni(DistinctPrices(), folder.File("gone") + "/", sink, end));
  ExpectFatal("Error writing spiral fittings price file, Fittings.ini");
}

TEST_F(FittingsFilesTest, MissingFactoryFileIsFatal) {
  TSpiralPriceTable table = DistinctPrices();
  EXPECT_FALSE(ReadFactoryPrices(table, folder.Dir(), sink, end));
  ExpectFatal("Error reading spiral fittings price file, FPrice.dta");
  EXPECT_EQ(FactoryPriceBytes(table), FactoryPriceBytes(DistinctPrices()));
}

TEST_F(FittingsFilesTest, FactoryFileThatIsAPipeIsFatalNotAHang) {
  ASSERT_EQ(::mkfifo(folder.File(kFactoryPricesName).c_str(), 0600), 0);
  TSpiralPriceTable table = DistinctPrices();
  EXPECT_FALSE(ReadFactoryPrices(table, folder.Dir(), sink, end));
  ExpectFatal("Error reading spiral fittings price file, FPrice.dta");
  EXPECT_EQ(FactoryPriceBytes(table), FactoryPriceBytes(DistinctPrices()));
}

TEST_F(FittingsFilesTest, FactoryFileFillsOnlyWholeValues) {
  TSpiralPriceTable factory;
  for (std::size_t c = 0; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      factory.cols[c][r] = -static_cast<double>(c * 100 + r);
  const std::string bytes = FactoryPriceBytes(factory);

  // Full file plus junk: the junk is ignored.
  PutFile(folder.File(kFactoryPricesName), bytes + "junk");
  TSpiralPriceTable table = DistinctPrices();
  ASSERT_TRUE(ReadFactoryPrices(table, folder.Dir(), sink, end));
  EXPECT_EQ(FactoryPriceBytes(table), bytes);

  // 100 bytes: twelve whole diameters, the thirteenth torn and left alone.
  PutFile(folder.File(kFactoryPricesName), bytes.substr(0, 100));
  table = DistinctPrices();
  ASSERT_TRUE(ReadFactoryPrices(table, folder.Dir(), sink, end));
  for (std::size_t r = 0; r < 12; ++r)
    EXPECT_EQ(table.Dia(r), -static_cast<double>(r));
  EXPECT_EQ(table.Dia(12), kBuiltInDiameters[12]);
  EXPECT_EQ(std::memcmp(&table.cols[1], &DistinctPrices().cols[1], 11 * 256), 0);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ends, 0);
}

} // namespace
} // namespace korvane
