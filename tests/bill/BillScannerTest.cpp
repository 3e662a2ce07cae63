#include "bill/BillScanner.h"

#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "bill/BillKeywords.h"
#include "bill/BillSyntaxStyle.h"

namespace korvane {
namespace {

using K = TBillTokenKind;
using S = TBillScanState;

struct TSeen {
  K kind;
  std::string text;
  bool operator==(const TSeen &) const = default;
};

void PrintTo(const TSeen &t, std::ostream *os) {
  *os << static_cast<int>(t.kind) << ":\"" << t.text << "\"";
}

std::vector<TSeen> Scan(std::string_view line, S in = S::None, S *outState = nullptr) {
  std::vector<TBillToken> tokens;
  const S state = ScanBillLine(line, in, tokens);
  if (outState)
    *outState = state;
  std::vector<TSeen> seen;
  for (const TBillToken &t : tokens)
    seen.push_back({t.kind, std::string(line.substr(t.start, t.length))});
  return seen;
}

TEST(BillScannerTest, SpecialWordsIgnoreCase) {
  for (std::string_view word : {"Costs", "costs", "COSTS", "summary", "GlobalSettings"})
    EXPECT_EQ(Scan(word), (std::vector<TSeen>{{K::Special, std::string(word)}})) << word;
  EXPECT_EQ(Scan("Costing")[0].kind, K::Identifier);
}

TEST(BillScannerTest, ItemLineIsKeySpaceOption) {
  S state{};
  EXPECT_EQ(
      Scan("StraightRect (Gauge=0.8)", S::None, &state),
      (std::vector<TSeen>{{K::Key, "StraightRect"}, {K::Space, " "}, {K::Option, "(Gauge=0.8)"}}));
  EXPECT_EQ(state, S::None);
  EXPECT_EQ(Scan("\t-\t600  500\r\n"), (std::vector<TSeen>{{K::Space, "\t"},
                                                           {K::Unknown, "-"},
                                                           {K::Space, "\t"},
                                                           {K::Number, "600"},
                                                           {K::Space, "  "},
                                                           {K::Number, "500"},
                                                           {K::Space, "\r\n"}}));
}

TEST(BillScannerTest, OpenConstructsCarryOverLines) {
  S state{};
  EXPECT_EQ(Scan("Spiral { start\r\n", S::None, &state),
            (std::vector<TSeen>{
                {K::Key, "Spiral"}, {K::Space, " "}, {K::Comment, "{ start"}, {K::Space, "\r\n"}}));
  ASSERT_EQ(state, S::BraceComment);
  EXPECT_EQ(Scan("Elbow 600", state, &state), (std::vector<TSeen>{{K::Comment, "Elbow 600"}}));
  EXPECT_EQ(Scan("", state, &state), std::vector<TSeen>{});
  ASSERT_EQ(state, S::BraceComment);
  EXPECT_EQ(Scan("end } Elbow", state, &state),
            (std::vector<TSeen>{{K::Comment, "end }"}, {K::Space, " "}, {K::Key, "Elbow"}}));
  EXPECT_EQ(state, S::None);

  EXPECT_EQ(Scan("Spiral (Erection=Exclude,", S::None, &state).back().kind, K::Option);
  ASSERT_EQ(state, S::OptionList);
  EXPECT_EQ(
      Scan("Brackets=Include) 5", state, &state),
      (std::vector<TSeen>{{K::Option, "Brackets=Include)"}, {K::Space, " "}, {K::Number, "5"}}));
  EXPECT_EQ(state, S::None);

  EXPECT_EQ(Scan("a /* b", S::None, &state).back(), (TSeen{K::Comment, "/* b"}));
  ASSERT_EQ(state, S::SlashComment);
  EXPECT_EQ(Scan("} */x", state, &state),
            (std::vector<TSeen>{{K::Comment, "} */"}, {K::Identifier, "x"}}));
  EXPECT_EQ(Scan("/*/", S::None, &state), (std::vector<TSeen>{{K::Comment, "/*/"}}));
  EXPECT_EQ(state, S::SlashComment);
}

TEST(BillScannerTest, NumbersStopBeforeTwoDots) {
  EXPECT_EQ(Scan("12.5"), (std::vector<TSeen>{{K::Number, "12.5"}}));
  EXPECT_EQ(Scan("1.5E3e"), (std::vector<TSeen>{{K::Number, "1.5E3e"}}));
  EXPECT_EQ(Scan("1..2"),
            (std::vector<TSeen>{
                {K::Number, "1"}, {K::Unknown, "."}, {K::Unknown, "."}, {K::Number, "2"}}));
  EXPECT_EQ(Scan("2.4..")[0], (TSeen{K::Number, "2.4"}));
}

TEST(BillScannerTest, LineLevelTokens) {
  // Identifiers are letters and underscores only.
  EXPECT_EQ(Scan("T_Piece T-Piece Square2Round"), (std::vector<TSeen>{{K::Key, "T_Piece"},
                                                                      {K::Space, " "},
                                                                      {K::Identifier, "T"},
                                                                      {K::Unknown, "-"},
                                                                      {K::Identifier, "Piece"},
                                                                      {K::Space, " "},
                                                                      {K::Identifier, "Square"},
                                                                      {K::Number, "2"},
                                                                      {K::Identifier, "Round"}}));
  EXPECT_EQ(
      Scan("a ; note\r\n"),
      (std::vector<TSeen>{
          {K::Identifier, "a"}, {K::Space, " "}, {K::Comment, "; note"}, {K::Space, "\r\n"}}));
  EXPECT_EQ(
      Scan("\"ab\"c \"open"),
      (std::vector<TSeen>{
          {K::String, "\"ab\""}, {K::Identifier, "c"}, {K::Space, " "}, {K::String, "\"open"}}));
  EXPECT_EQ(Scan("/ x")[0], (TSeen{K::Identifier, "/"}));
  // A UTF-8 character is one token; a NUL byte does not end the scan.
  EXPECT_EQ(Scan(std::string_view("\xC2\xB0\0x", 4)),
            (std::vector<TSeen>{{K::Unknown, "\xC2\xB0"},
                                {K::Unknown, std::string(1, '\0')},
                                {K::Identifier, "x"}}));
}

// Every item keyword the highlighter shows is one the lexer prices as an item.
TEST(BillScannerTest, HighlightKeywordsAreLexerItemTypes) {
  EXPECT_EQ(BillHighlightKeywords().size(), 86u);
  for (std::string_view word : BillHighlightKeywords()) {
    EXPECT_TRUE(IsBillItemType(LookupBillKeyword(BillUpper(word)))) << word;
    const std::string lower = [&] {
      std::string s(word);
      for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return s;
    }();
    EXPECT_EQ(Scan(lower), (std::vector<TSeen>{{K::Key, lower}})) << word;
  }
}

TEST(BillScannerTest, TokensCoverEveryByteOfAnyLine) {
  std::mt19937 rng(11);
  const std::string alphabet = "({)}/*;\"1.eE_aZ \t\r\n\xC3\xA9";
  for (int i = 0; i < 3000; ++i) {
    std::string line(rng() % 30, ' ');
    for (char &c : line)
      c = rng() % 5 == 0 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
    std::vector<TBillToken> tokens;
    ScanBillLine(line, static_cast<S>(rng() % 4), tokens);
    std::size_t next = 0;
    for (const TBillToken &t : tokens) {
      ASSERT_EQ(t.start, next) << line;
      ASSERT_GT(t.length, 0u) << line;
      next += t.length;
    }
    ASSERT_EQ(next, line.size()) << line;
  }
}

TEST(BillSyntaxStyleTest, KindsMapToTheirAttributes) {
  const std::vector<std::pair<K, std::string_view>> map{
      {K::Comment, "Comment"}, {K::Identifier, "Identifier"}, {K::Key, "Reserved Word"},
      {K::Number, "Number"},   {K::Option, "Option"},         {K::Space, "Space"},
      {K::Special, "Special"}, {K::String, "String"},         {K::Unknown, "Identifier"}};
  for (const auto &[kind, name] : map) {
    ASSERT_NE(BillAttributeFor(kind), nullptr);
    EXPECT_EQ(BillAttributeFor(kind)->name, name);
  }
  EXPECT_EQ(BillAttributeFor(K::Null), nullptr);
  EXPECT_EQ(BillGenericAttribute(TBillGenericAttribute::Keyword).name, "Reserved Word");
  EXPECT_EQ(BillGenericAttribute(TBillGenericAttribute::Whitespace).name, "Space");
  const TBillAttribute &special = *BillAttributeFor(K::Special);
  EXPECT_TRUE(special.bold && special.clearBackground);
  EXPECT_EQ(BillAttributeFor(K::Option)->foreground, (TBillRgb{0, 128, 0}));
  EXPECT_FALSE(BillAttributeFor(K::Identifier)->foreground.has_value());
}

// The sample shows off what it says it does.
TEST(BillSyntaxStyleTest, SampleTextExercisesTheScanner) {
  const auto lines = BillSampleLines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "{ Sample source for the Tarnwell Duct highlighter }");
  EXPECT_EQ(Scan(lines[0]), (std::vector<TSeen>{{K::Comment, std::string(lines[0])}}));
  EXPECT_EQ(Scan(lines[3])[8], (TSeen{K::String, "\"Strings\""}));
  EXPECT_EQ(Scan(lines[3]).back(), (TSeen{K::Number, "123.456"}));
  EXPECT_EQ(Scan(lines[4]).back().kind, K::Key);
  EXPECT_EQ(Scan(lines[6]), (std::vector<TSeen>{{K::Comment, std::string(lines[6])}}));
  EXPECT_EQ(BillSampleText().substr(0, lines[0].size() + 2), std::string(lines[0]) + "\n\n");
}

} // namespace
} // namespace korvane
