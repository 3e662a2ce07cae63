#include "bill/BillLexer.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

struct TLexed {
  int code;
  std::string text;
  bool operator==(const TLexed &) const = default;
};

void PrintTo(const TLexed &t, std::ostream *os) {
  *os << t.code << ":\"" << t.text << "\"";
}

// Every token of a text up to and including the end token.
std::vector<TLexed> Lex(std::string text, std::vector<std::string> userTypes = {}) {
  TBillLexer lexer;
  lexer.UserTypes = std::move(userTypes);
  lexer.OpenText(std::move(text));
  std::vector<TLexed> tokens;
  for (int guard = 0; guard < 1000; ++guard) {
    tokens.push_back({lexer.Token(), lexer.TokenText()});
    if (lexer.Token() == btEnd)
      break;
    lexer.NextToken();
  }
  return tokens;
}

TEST(BillLexerTest, SplitsABillLine) {
  const std::vector<TLexed> expected{{btStraightRect, "StraightRect"},
                                     {btOpenParen, "("},
                                     {btErection, "Erection"},
                                     {btEquals, "="},
                                     {btExclude, "Exclude"},
                                     {btInsThickness, "InsThickness"},
                                     {btEquals, "="},
                                     {btNumber, "25mm"},
                                     {btGauge, "Gauge"},
                                     {btEquals, "="},
                                     {btNumber, "0.8"},
                                     {btCloseParen, ")"},
                                     {btIdentifier, "-"},
                                     {btNumber, "600"},
                                     {btNumber, "+500"},
                                     {btNumber, ".4"},
                                     {btEnd, ""}};
  EXPECT_EQ(Lex("StraightRect (Erection=Exclude, InsThickness=25mm, Gauge=0.8)\r\n"
                "\t-\t600  +500  .4\r\n"),
            expected);
}

TEST(BillLexerTest, WordRules) {
  // A hyphen does not end a word; separators and single-character words do.
  EXPECT_EQ(Lex("T-PIECE")[0], (TLexed{btTPiece, "T-PIECE"}));
  EXPECT_EQ(Lex("t-pieces,elbow")[1].code, btElbow);
  EXPECT_EQ(Lex("Costs=x.cst")[1].code, btEquals);
  EXPECT_EQ(Lex("Costs=x.cst")[2], (TLexed{btIdentifier, "x.cst"}));
  // Bytes from 127 up separate words, so a UTF-8 letter splits them.
  EXPECT_EQ(Lex("Elbow\xC3\xA9Reducer")[1].code, btReducer);
  // A word that runs into the end keeps its own code.
  EXPECT_EQ(Lex("Spiral")[0].code, btSpiral);
  EXPECT_EQ(Lex("Spiral")[1].code, btEnd);
  // A character that starts no token gets a code of its own and is passed.
  EXPECT_EQ(Lex("! Elbow")[0].code, btOther);
  EXPECT_EQ(Lex("! Elbow")[1].code, btElbow);
}

TEST(BillLexerTest, LongWordsAreComparedOnTheirFirst45Characters) {
  const std::string name45(45, 'Q');
  const auto lexed = Lex(name45 + "Z", {name45});
  EXPECT_EQ(lexed[0].code, btUserType);
  EXPECT_EQ(lexed[0].text, name45);
  EXPECT_EQ(lexed[1].code, btEnd);
  // A longer user type matches on its first 45 characters as well.
  EXPECT_EQ(Lex(name45 + "AB", {name45 + "CD"})[0].code, btUserType);
  EXPECT_EQ(Lex(std::string(44, 'Q') + "RZ", {name45})[0].code, btIdentifier);
}

TEST(BillLexerTest, UserTypesIgnoreCaseAndNeverShadowKeywords) {
  EXPECT_EQ(Lex("mYdUcT", {"MyDuct"})[0].code, btUserType);
  EXPECT_EQ(Lex("spiral", {"Spiral"})[0].code, btSpiral);
  EXPECT_EQ(Lex("MyDuct")[0].code, btIdentifier);
}

TEST(BillLexerTest, CommentMarksAreLeftCurrent) {
  TBillLexer lexer;
  lexer.OpenText(" \t;x");
  EXPECT_EQ(lexer.Token(), btLineComment);
  EXPECT_EQ(lexer.SeparatorText(), " \t");
  EXPECT_EQ(lexer.Ch(), ';');
  lexer.OpenText("{");
  EXPECT_EQ(lexer.Token(), btBraceComment);
  lexer.OpenText("#");
  EXPECT_EQ(lexer.Token(), btHashComment);
}

// Line counts the line feeds read so far, and the lexer reads one character
// past each word.
TEST(BillLexerTest, CountsLineFeeds) {
  TBillLexer lexer;
  lexer.OpenText("a\r\nb\n\nc");
  EXPECT_EQ(lexer.Line(), 1);
  lexer.NextToken();
  EXPECT_EQ(lexer.TokenText(), "b");
  EXPECT_EQ(lexer.Line(), 3);
  lexer.NextToken();
  EXPECT_EQ(lexer.Line(), 4);
  EXPECT_EQ(lexer.TokenText(), "c");
}

TEST(BillLexerTest, FailedOpenIsRecordedOnTheNextToken) {
  test::TempFolder folder;
  TBillLexer lexer;
  EXPECT_EQ(lexer.Open(folder.File("missing.dct")), ENOENT);
  EXPECT_EQ(lexer.ErrorCode(), ENOENT);
  lexer.NextToken();
  EXPECT_EQ(lexer.ErrorCode(), ENOENT);
  EXPECT_EQ(lexer.TokenText(), "");
  EXPECT_FALSE(std::filesystem::exists(folder.File("bvdata.tmp")));
}

} // namespace
} // namespace korvane
