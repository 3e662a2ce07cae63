// The item line of the command-line pricer and how its values reach the rows.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "app/ItemRowSet.h"
#include "tools/ItemLine.h"
#include "tools/ItemValueEntry.h"
#include "tools/JsonText.h"

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
// quotes wherever they fall, also deep in a long line (the split looks at
// many bytes at a time): the same as splitting byte by byte.
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

TEST(JsonText, StringsAreEscapedAndUtf8PassesThrough) {
  std::string out;
  AppendJsonString(out, "a\"b\\c\r\n\t\x01 90° m²");
  EXPECT_EQ(out, "\"a\\\"b\\\\c\\r\\n\\t\\u0001 90° m²\"");
  out.clear();
  AppendJsonNumber(out, 0.1 + 0.2);
  out += ' ';
  AppendJsonNumber(out, 600);
  out += ' ';
  AppendJsonNumber(out, 1.0 / 0.0);
  EXPECT_EQ(out, "0.30000000000000004 600 null");
  out.clear();
  AppendCsvField(out, "R1,234.00  [\"x\"]");
  EXPECT_EQ(out, "\"R1,234.00  [\"\"x\"\"]\"");
}

// A CSV field is quoted exactly when it holds a comma, a quote or a line
// break, wherever it lies in a field of any length.
TEST(JsonText, CsvFieldsAreQuotedWhenTheyMustBe) {
  for (std::size_t length : {1u, 7u, 15u, 16u, 17u, 31u, 33u, 40u}) {
    for (char special : {',', '"', '\r', '\n', ';', 'x'}) {
      for (std::size_t at = 0; at < length; ++at) {
        std::string text(length, 'a');
        text[at] = special;
        std::string out;
        AppendCsvField(out, text);
        const bool quoted = special != ';' && special != 'x';
        std::string expected = text;
        if (special == '"')
          expected.insert(at, 1, '"');
        if (quoted)
          expected = '"' + expected + '"';
        ASSERT_EQ(out, expected) << length << ' ' << at << ' ' << int(special);
      }
    }
  }
}

TEST(JsonText, NumbersReadBackAsTheSameDouble) {
  std::vector<double> values = {0.6,     2.4,        -0.5,   0.05,  1234.5678, 443.5756,
                                1e-5,    0.1 + 0.2,  1e300,  -7.25, 0.0001,    99999999999.9,
                                1.0 / 3, 123456.789, 5e-324, 3e15};
  std::uint64_t seed = 7;
  for (int i = 0; i < 2000; ++i) {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    values.push_back(static_cast<double>(seed >> 20) / static_cast<double>(1 + (seed & 0xffff)));
    values.push_back(static_cast<double>(seed % 100000) / 1000);
  }
  for (double value : values) {
    std::string out;
    AppendJsonNumber(out, value);
    double back = 0;
    const auto res = std::from_chars(out.data(), out.data() + out.size(), back);
    ASSERT_EQ(res.ptr, out.data() + out.size()) << out;
    ASSERT_EQ(back, value) << out;
    ASSERT_EQ(out.find_first_not_of("0123456789.-e+"), std::string::npos) << out;
  }
  std::string out;
  AppendJsonNumber(out, 0.05);
  out += ' ';
  AppendJsonNumber(out, -7.25);
  EXPECT_EQ(out, "0.05 -7.25");
}

// The escaping skips plain runs eight bytes at a time; every byte value at
// every position must still come out as the byte-by-byte rule says.
// The forms a number takes, pinned: whole numbers from zero up as integers,
// values of up to four decimals as that decimal (negative whole numbers too,
// with ".0", negative zero as "0.0"), the rest in the shortest form the
// library writes.
TEST(JsonText, NumberFormsStayAsTheyWere) {
  const std::pair<double, const char *> cases[] = {{0, "0"},
                                                   {-0.0, "0.0"},
                                                   {1570, "1570"},
                                                   {1e6, "1000000"},
                                                   {-5, "-5.0"},
                                                   {9.3, "9.3"},
                                                   {-0.25, "-0.25"},
                                                   {0.0001, "0.0001"},
                                                   {0.00005, "5e-05"},
                                                   {65.3418, "65.3418"},
                                                   {1e15, "1e+15"},
                                                   {999999999999999, "999999999999999"},
                                                   {1.0 / 0.0, "null"},
                                                   {13195.584500848001, "13195.584500848001"},
                                                   {2.465822222222222, "2.465822222222222"}};
  for (const auto &[value, text] : cases) {
    std::string out;
    AppendJsonNumber(out, value);
    EXPECT_EQ(out, text) << value;
  }
}

TEST(JsonText, EscapingMatchesTheByteRuleEverywhere) {
  const auto reference = [](std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
      char buf[8];
      if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
      } else if (c == '\n') {
        out += "\\n";
      } else if (c == '\r') {
        out += "\\r";
      } else if (c == '\t') {
        out += "\\t";
      } else if (c < 0x20) {
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        out += buf;
      } else {
        out += static_cast<char>(c);
      }
    }
    return out;
  };
  // Lengths around the block sizes the scan takes at a time, the byte at
  // every place, and a second special byte after it.
  for (std::size_t length : {5u, 8u, 13u, 19u, 27u, 40u}) {
    for (int value = 0; value < 256; ++value) {
      for (std::size_t at = 0; at < length; ++at) {
        std::string text(length, 'a');
        text[at] = static_cast<char>(value);
        text[(at * 7 + 3) % length] = '"';
        std::string out;
        AppendJsonEscaped(out, text);
        ASSERT_EQ(out, reference(text)) << value << " at " << at << " of " << length;
      }
    }
  }
}

} // namespace
} // namespace korvane::test
