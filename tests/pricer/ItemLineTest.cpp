// The item line of the command-line pricer and how its values reach the rows.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "app/ItemLine.h"
#include "app/ItemRowSet.h"
#include "app/ItemValueEntry.h"

namespace korvane::test {
namespace {

struct Parsed {
  TItemParse result;
  TItemLine item;
  std::string error;
};

Parsed Parse(std::string_view line) {
  Parsed p;
  p.result = ParseItemLine(line, p.item, p.error);
  return p;
}

TEST(ItemLine, TypesKeysAndQuotedValues) {
  const Parsed p = Parse("  elbow DIAMETER=500\tRadius=\"1.5 Dia\" 'Gauge'='1.0'\r");
  ASSERT_EQ(p.result, TItemParse::Item) << p.error;
  EXPECT_EQ(p.item.Type, dtElbow);
  ASSERT_EQ(p.item.Count, 3u);
  EXPECT_EQ(p.item.Values[0].Prop, 0);
  EXPECT_EQ(p.item.Values[0].Value, "500");
  EXPECT_EQ(p.item.Values[1].Prop, 2);
  EXPECT_EQ(p.item.Values[1].Value, "1.5 Dia");
  EXPECT_EQ(p.item.Values[2].Prop, 4);
  EXPECT_EQ(p.item.Values[2].Value, "1.0");

  const Parsed named = Parse("\"Straight Rectangular\" Width=800");
  ASSERT_EQ(named.result, TItemParse::Item);
  EXPECT_EQ(named.item.Type, dtStraightRect);
  EXPECT_EQ(Parse("Y-Piece").item.Type, dtYPiece);
  EXPECT_EQ(Parse("TPiece").item.Count, 0u);

  // A whole word quoted, as a shell or a spreadsheet writes it.
  const Parsed whole = Parse("StraightRect \"Flange=35mm Mezz\" 'Width=800'");
  ASSERT_EQ(whole.result, TItemParse::Item) << whole.error;
  EXPECT_EQ(whole.item.Values[0].Value, "35mm Mezz");
  EXPECT_EQ(whole.item.Values[1].Value, "800");
}

TEST(ItemLine, BlankAndCommentLines) {
  for (const char *line : {"", "   \t\r", "# a note", "  #Elbow Diameter=1"})
    EXPECT_EQ(Parse(line).result, TItemParse::Blank) << line;
}

TEST(ItemLine, RefusedLinesSayWhy) {
  struct Case {
    const char *line;
    const char *error;
  };
  const Case cases[] = {
      {"Straight", "unknown item type 'Straight'"},
      {"Width=800", "unknown item type 'Width=800'"},
      {"StraightRect Colour=red",
       "unknown property 'Colour' of StraightRect (its properties: Width, Height, Length, Gauge, "
       "Flange, Insulation)"},
      {"StraightRect Width", "missing value for Width"},
      {"StraightRect width=", "missing value for Width"},
      {"StraightRect Width=\"\"", "missing value for Width"},
      {"StraightRect Width=1 WIDTH=2", "Width given twice"},
      {"Elbow Radius=\"1 Dia", "unclosed quote in 'Radius=\"1 Dia'"},
      {"Nipple a=1 b=2 c=3 d=4 e=5 f=6 g=7 h=8 i=9 j=10 k=11", "too many values"},
      {"=", "unknown item type '='"},
  };
  for (const Case &c : cases) {
    const Parsed p = Parse(c.line);
    EXPECT_EQ(p.result, TItemParse::Error) << c.line;
    EXPECT_EQ(p.error, c.error) << c.line;
  }
}

TEST(ItemLine, AnyBytesParseWithoutHarm) {
  std::string line;
  for (int i = 0; i < 4096; ++i) {
    line.push_back(static_cast<char>((i * 7919) % 256));
    TItemLine item;
    std::string error;
    const TItemParse result = ParseItemLine(line, item, error);
    if (result == TItemParse::Item) {
      ASSERT_GE(item.Type, 0);
      ASSERT_LE(item.Count, static_cast<std::size_t>(kMaxProps));
    }
  }
}

// Words are split at every blank of the C locale and kept whole across
// quotes wherever they fall, also deep in a long line: the same as splitting
// byte by byte.
TEST(ItemLine, SplitsLikeAByteByByteScan) {
  const auto reference = [](std::string_view line, std::vector<std::string_view> &words) {
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::size_t i = 0;
    while (true) {
      while (i < line.size() && blank(line[i]))
        ++i;
      if (i >= line.size() || (words.empty() && line[i] == '#'))
        return true;
      const std::size_t start = i;
      for (; i < line.size() && !blank(line[i]); ++i) {
        if (line[i] == '"' || line[i] == '\'') {
          const std::size_t close = line.find(line[i], i + 1);
          if (close == std::string_view::npos)
            return false;
          i = close;
        }
      }
      words.push_back(line.substr(start, i - start));
    }
  };
  const std::string_view pieces[] = {"Elbow",
                                     "Diameter=500",
                                     "Angle=45",
                                     "Radius=\"1.5 Dia\"",
                                     "Gauge='1.0'",
                                     " ",
                                     "\t",
                                     "\r",
                                     "\v",
                                     "\f",
                                     "\n",
                                     "   ",
                                     "x",
                                     "\"",
                                     "'",
                                     "=",
                                     "Reinforcing=Yes"};
  std::uint32_t seed = 1;
  for (int n = 0; n < 20000; ++n) {
    std::string line;
    for (int k = n % 23; k >= 0; --k) {
      seed = seed * 1103515245 + 12345;
      line += pieces[(seed >> 16) % std::size(pieces)];
    }
    std::vector<std::string_view> words;
    const bool closed = reference(line, words);
    TItemLine viaLine;
    TItemLine viaWords;
    std::string lineError;
    std::string wordsError;
    const TItemParse result = ParseItemLine(line, viaLine, lineError);
    if (!closed) {
      ASSERT_EQ(result, TItemParse::Error) << line;
      ASSERT_EQ(lineError.rfind("unclosed quote", 0), 0u) << line;
      continue;
    }
    if (words.size() > 1 + kMaxProps + 1) {
      ASSERT_EQ(lineError, "too many values") << line;
      continue;
    }
    ASSERT_EQ(result, ParseItemWords(words, viaWords, wordsError)) << line;
    ASSERT_EQ(lineError, wordsError) << line;
    ASSERT_EQ(viaLine.Type, viaWords.Type) << line;
    ASSERT_EQ(viaLine.Count, viaWords.Count) << line;
    for (std::size_t k = 0; k < viaLine.Count; ++k) {
      ASSERT_EQ(viaLine.Values[k].Prop, viaWords.Values[k].Prop) << line;
      ASSERT_EQ(viaLine.Values[k].Value, viaWords.Values[k].Value) << line;
    }
  }
}

struct RowsWorld {
  TRecordingSink sink;
  TCatalogue catalogue;
  TItemRowSet rowSet{(BuildCatalogue(catalogue), catalogue), sink};
};

TEST(ItemValueEntry, ValuesGoInAsTypedIntoTheGrid) {
  struct Case {
    int type;
    int row;
    const char *text;
    const char *cell; // nullptr: refused
  };
  const Case cases[] = {
      {dtStraightRect, 1, "800.4", "800"},
      {dtStraightRect, 1, " 1 2 00", "1200"},
      {dtStraightRect, 1, "2410", "2410"}, // within 0.5 % of 2400
      {dtStraightRect, 1, "2413", nullptr},
      {dtStraightRect, 1, "99.6", "100"},
      {dtStraightRect, 1, "99", nullptr},
      {dtStraightRect, 1, "wide", nullptr},
      {dtStraightRect, 3, "1.25", "1.250"},
      {dtElbow, 2, "-1", nullptr}, // nothing below a lower bound of 0
      {dtElbow, 2, "0", "0"},
      {dtStraightRect, 4, "1", "1.0"},
      {dtStraightRect, 4, "AUTO", "Auto"},
      {dtStraightRect, 4, "0.7", nullptr},
      {dtStraightRect, 5, "35mmmezz", "35mm Mezz"},
      {dtStraightRect, 5, "20/3MM angle", "20/3mm Angle"},
      {dtElbow, 3, "150", "150"},
      {dtElbow, 3, "1.5dia", "1.5 Dia"},
      {dtElbow, 4, "yes", "Yes"},
      {dtElbow, 4, "1", nullptr}, // an item, not an index
  };
  for (const Case &c : cases) {
    RowsWorld w;
    TEntryRows &rows = w.rowSet.Rows(c.type);
    const std::string before = rows.Cells().Cell(1, c.row);
    std::string error;
    const bool entered = EnterItemValue(rows, c.row, "Key", c.text, error);
    EXPECT_EQ(entered, c.cell != nullptr) << c.text << ": " << error;
    EXPECT_EQ(rows.Cells().Cell(1, c.row), c.cell ? c.cell : before) << c.text;
  }
}

TEST(ItemValueEntry, ARefusalNamesTheRowTheValueAndTheRange) {
  RowsWorld w;
  std::string error;
  EXPECT_FALSE(EnterItemValue(w.rowSet.Rows(dtStraightRect), 1, "Width", "5000", error));
  EXPECT_EQ(error, "value '5000' for Width is out of range (100 to 2400 mm)");
  EXPECT_FALSE(EnterItemValue(w.rowSet.Rows(dtElbow), 4, "Reinforcing", "maybe", error));
  EXPECT_EQ(error, "value 'maybe' for Reinforcing is not one of: No, Yes");
}

TEST(ItemValueEntry, RangeToleranceIsHalfAPercentOfTheBound) {
  EXPECT_TRUE(WithinRangeTolerance(2412, 100, 2400));
  EXPECT_FALSE(WithinRangeTolerance(2412.1, 100, 2400));
  EXPECT_TRUE(WithinRangeTolerance(99.5, 100, 2400));
  EXPECT_FALSE(WithinRangeTolerance(99.4, 100, 2400));
  EXPECT_TRUE(WithinRangeTolerance(-5, 0, 0)); // no range at all
}

} // namespace
} // namespace korvane::test
