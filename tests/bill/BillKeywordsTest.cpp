#include "bill/BillKeywords.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "bill/BillLexer.h"

namespace korvane {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char &c : out)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return out;
}

int LexOne(std::string_view word) {
  TBillLexer lexer;
  lexer.OpenText(std::string(word));
  return lexer.Token();
}

TEST(BillKeywordsTest, TableHoldsEachSpellingOnceInUpperCase) {
  std::set<std::string_view> seen;
  for (const TBillKeyword &k : BillKeywords()) {
    EXPECT_TRUE(seen.insert(k.spelling).second) << k.spelling;
    EXPECT_EQ(BillUpper(k.spelling), k.spelling);
  }
  EXPECT_EQ(BillKeywords().size(), 141u);
}

TEST(BillKeywordsTest, SpellingsMapToTheirCodes) {
  const std::array<std::pair<std::string_view, int>, 30> cases{{
      {"SUMMARY", 6},
      {"GLOBALSETTINGS", 9},
      {"ERECTION", 13},
      {"INSTHICKNESS", 15},
      {"12.5MM", 16},
      {"50X50X5", 28},
      {"NONE", 34},
      {"NUMBEROFF", 36},
      {"S&D", 37},
      {"ANGLE40X5", 37},
      {"AUTOFLANGE", 37},
      {"COSTS", 38},
      {"STRAIGHT", 39},
      {"RECTANGULAR_STRAIGHT_DUCTING", 39},
      {"SETUP/DN'S", 40},
      {"OFFSET", 41},
      {"BENDSVANEDRADIUS", 43},
      {"SQUAREBENDRED", 46},
      {"BENDSVANEDSQUAREREDUCING", 47},
      {"SQUARE2ROUND", 48},
      {"STOPEND", 51},
      {"TROUSER", 55},
      {"STRAIGHTCIRC", 58},
      {"SPIGOT", 59},
      {"BENDSRADIUS", 61},
      {"T-PIECES", 63},
      {"STOPEND_ROUND", 65},
      {"X", 66},
      {"DIA", 69},
      {"STRAIGHTRECTX", 0},
  }};
  for (const auto &[spelling, code] : cases)
    EXPECT_EQ(LookupBillKeyword(spelling), code) << spelling;
}

TEST(BillKeywordsTest, CodesHaveTheirCanonicalNames) {
  const std::array<std::pair<int, std::string_view>, 10> cases{{{39, "StraightRect"},
                                                                {40, "Setups"},
                                                                {48, "SquareToRound"},
                                                                {51, "SquareStopEnd"},
                                                                {54, "CutIn"},
                                                                {56, "UserType"},
                                                                {58, "RoundDuct"},
                                                                {63, "TPiece"},
                                                                {65, "RoundStopEnd"},
                                                                {9, "GlobalSettings"}}};
  for (const auto &[code, name] : cases)
    EXPECT_EQ(BillCanonicalName(code), name) << code;
  EXPECT_EQ(BillCanonicalName(-1), "");
  EXPECT_EQ(BillCanonicalName(70), "");
}

// Every code that has keywords is written back as a name that reads as the
// same code again, so a rewritten bill means what it meant.
TEST(BillKeywordsTest, CanonicalNamesLookBackToTheirCodes) {
  std::set<int> codes;
  for (const TBillKeyword &k : BillKeywords())
    codes.insert(k.code);
  for (int code : codes)
    EXPECT_EQ(LookupBillKeyword(BillUpper(BillCanonicalName(code))), code) << code;
}

TEST(BillKeywordsTest, LexerFindsEverySpellingWhateverItsCase) {
  for (const TBillKeyword &k : BillKeywords()) {
    const bool startsAsNumber = k.spelling[0] >= '0' && k.spelling[0] <= '9';
    // Words starting with a digit are numbers to the lexer, never keywords.
    const int expected = startsAsNumber ? btNumber : k.code;
    EXPECT_EQ(LexOne(Lower(k.spelling)), expected) << k.spelling;
    EXPECT_EQ(LexOne(k.spelling), expected) << k.spelling;
  }
  EXPECT_EQ(LexOne("StraightRect"), btStraightRect);
  EXPECT_EQ(LexOne("sTrAiGhT_rEcT"), btStraightRect);
}

// Every item-type spelling, typed in lower case as a bill's first item, comes
// back in the calculator's own spelling.
TEST(BillKeywordsTest, FirstItemIsWrittenBackCanonically) {
  for (const TBillKeyword &k : BillKeywords()) {
    if (!IsBillItemType(k.code))
      continue;
    TBillLexer lexer;
    lexer.OpenText(Lower(k.spelling) + " (Erection=Exclude)\r\n");
    const std::string expected = "\r\nCosts = a.cst\r\n\r\n" +
                                 std::string(BillCanonicalName(k.code)) + "(Erection=Exclude)\r\n";
    EXPECT_EQ(lexer.WithCostsLine("a.cst"), expected) << k.spelling;
  }
}

} // namespace
} // namespace korvane
