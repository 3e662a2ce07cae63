#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "bill/BillLexer.h"
#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCostFile = "/home/est/Data Files/Default.cst";
const std::string kBlock = "\r\nCosts = /home/est/Data Files/Default.cst\r\n\r\n";
const std::string kLine = "Costs = /home/est/Data Files/Default.cst";

std::string Insert(std::string bill, std::vector<std::string> userTypes = {}) {
  TBillLexer lexer;
  lexer.UserTypes = std::move(userTypes);
  lexer.OpenText(std::move(bill));
  return lexer.WithCostsLine(kCostFile);
}

struct TInsertCase {
  const char *what;
  std::string bill;
  std::string expected;
};

TEST(BillInsertTest, CostsLineIsInsertedOrReplaced) {
  const std::vector<TInsertCase> cases{
      {"empty bill", "", kBlock},
      {"item first", "StraightRect (Erection=Exclude)\r\n\t-\t600  500  2.400\r\n",
       kBlock + "StraightRect(Erection=Exclude)\r\n\t-\t600  500  2.400\r\n"},
      {"leading comments keep their text",
       "; first\r\n{ two\r\nlines }\r\n# hash\r\nSpiral (A)\r\n",
       "; first\n{ two\r\nlines }\r\n# hash\n" + kBlock + "Spiral(A)\r\n"},
      {"only comments", "; only\r\n", "; only\n" + kBlock},
      {"blank lines before the item stay", "\r\n \r\nElbow (x)", "\r\n \r\n" + kBlock + "Elbow(x)"},
      {"lone keyword loses its CR, keeps its LF", "Spiral\r\n\t-\t500\r\n",
       kBlock + "Spiral\n\t-\t500\r\n"},
      {"spaced costs line replaced", "; c\r\nCosts = old.cst\r\nElbow (x)\r\n",
       "; c\n" + kLine + "\nElbow(x)\r\n"},
      {"costs line without spaces", "COSTS=old.cst\r\nElbow (x)\r\n", kLine + "\nElbow(x)\r\n"},
      {"costs line last, no line end", "Costs = old", kLine},
      {"bare costs line keeps the next line", "Costs\r\nSpiral (a)\r\n",
       kLine + "\r\nSpiral(a)\r\n"},
      {"global settings", "globalsettings (x)\r\n", kBlock + "GlobalSettings(x)\r\n"},
      {"comment after the costs line", "Costs = a\r\n; note\r\nSpiral (x)\r\n",
       kLine + "\n; note\r\nSpiral (x)\r\n"},
      {"byte 26 and all after it kept", "Spiral (a)\r\n\x1A tail",
       kBlock + "Spiral(a)\r\n\x1A tail"},
  };
  for (const TInsertCase &c : cases)
    EXPECT_EQ(Insert(c.bill), c.expected) << c.what;
}

// Bills the usual rules do not foresee: nothing the user typed may be lost.
TEST(BillInsertTest, UnforeseenBillsLoseNoByte) {
  const std::vector<TInsertCase> cases{
      {"user type keeps its own word", "mYdUcT (a)\r\n", kBlock + "mYdUcT (a)\r\n"},
      {"unknown word", "Hello world\r\n", kBlock + "Hello world\r\n"},
      {"number", "600 500\r\n", kBlock + "600 500\r\n"},
      {"option keyword", "Erection=Include", kBlock + "Erection=Include"},
      {"parenthesis", "(a) Spiral", kBlock + "(a) Spiral"},
      {"other character", "!Spiral", kBlock + "!Spiral"},
      {"brace comment after costs", "Costs = a\r\n{ x }\r\nSpiral", kLine + "\n{ x }\r\nSpiral"},
      {"hash after costs", "Costs = a\r\n#x\r\n", kLine + "\n#x\r\n"},
      {"unclosed brace comment", "{ open\r\nSpiral", "{ open\r\nSpiral" + kBlock},
      {"long word", std::string(60, 'w') + " x", kBlock + std::string(60, 'w') + " x"},
      {"line feeds alone", "; c\nSpiral (a)\nSpiral\n1\n",
       "; c\n" + kBlock + "Spiral(a)\nSpiral\n1\n"},
      {"lone carriage returns", "; c\r; d\rSpiral\r1", "; c\r; d\r" + kBlock + "Spiral\r1"},
      {"multi-byte character after the keyword", "Spiral\xC3\xA9 (a)",
       kBlock + "Spiral\xC3\xA9 (a)"},
      {"comma after the keyword", "Spiral,(a)", kBlock + "Spiral,(a)"},
  };
  for (const TInsertCase &c : cases)
    EXPECT_EQ(Insert(c.bill, {"MyDuct"}), c.expected) << c.what;
}

// Random bytes: the lexer always ends, and without a costs line to replace
// the output never loses more than the line-end characters it may drop.
TEST(BillInsertTest, AnyBytesAreSafe) {
  std::mt19937 rng(7);
  const std::string alphabet = "Cost=;{}#() \r\n\t,x1.-\x1A\xC3";
  for (int i = 0; i < 3000; ++i) {
    std::string bill(rng() % 40, ' ');
    for (char &c : bill)
      c = rng() % 4 == 0 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
    const std::string out = Insert(bill);
    ASSERT_NE(out.find("Costs = "), std::string::npos) << bill;
    if (BillUpper(bill).find("COSTS") != std::string::npos)
      continue;
    const auto crs = static_cast<std::size_t>(std::count(bill.begin(), bill.end(), '\r'));
    EXPECT_GE(out.size() + crs + 1, bill.size() + kBlock.size()) << bill;
  }
}

class BillFileTest : public ::testing::Test {
protected:
  void TearDown() override { SetWriteFaultHook(nullptr); }
  test::TempFolder folder_;
  std::string bill_ = folder_.File("Bill.$$$");
};

TEST_F(BillFileTest, InsertReplacesTheFileBesideItsTemporaryFile) {
  test::PutFile(bill_, "Spiral (a)\r\n");
  fs::permissions(bill_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  TBillLexer lexer;
  ASSERT_EQ(lexer.Open(bill_), 0);
  EXPECT_EQ(lexer.TempPath(), folder_.File("bvdata.tmp"));
  EXPECT_TRUE(fs::exists(lexer.TempPath()));
  ASSERT_EQ(lexer.InsertCostsLine("a.cst"), 0);
  EXPECT_EQ(test::GetFile(bill_), "\r\nCosts = a.cst\r\n\r\nSpiral(a)\r\n");
  EXPECT_FALSE(fs::exists(lexer.TempPath()));
  EXPECT_EQ(fs::status(bill_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(BillFileTest, WriteFailureLeavesTheBillUntouched) {
  const std::string original = "; keep me\r\nCosts = old.cst\r\nElbow (x)\r\n";
  test::PutFile(bill_, original);
  TBillLexer lexer;
  ASSERT_EQ(lexer.Open(bill_), 0);
  SetWriteFaultHook([](std::string_view, std::size_t, std::size_t) { return false; });
  EXPECT_NE(lexer.InsertCostsLine("new.cst"), 0);
  EXPECT_NE(lexer.ErrorCode(), 0);
  EXPECT_FALSE(lexer.ErrorText().empty());
  EXPECT_EQ(test::GetFile(bill_), original);
}

TEST_F(BillFileTest, UnreadableInputIsRefusedAndNothingIsWritten) {
  TBillLexer lexer;
  fs::create_directory(bill_);
  const int code = lexer.Open(bill_);
  EXPECT_NE(code, 0);
  EXPECT_EQ(lexer.InsertCostsLine("a.cst"), code);
  EXPECT_TRUE(fs::is_directory(bill_));
  EXPECT_FALSE(fs::exists(folder_.File("bvdata.tmp")));
}

TEST_F(BillFileTest, TemporaryFileNameIsNeverTheBill) {
  const std::string tmpBill = folder_.File("bvdata.tmp");
  test::PutFile(tmpBill, "Spiral (a)\r\n");
  TBillLexer lexer;
  EXPECT_EQ(lexer.Open(tmpBill), EINVAL);
  EXPECT_EQ(lexer.InsertCostsLine("a.cst"), EINVAL);
  EXPECT_EQ(test::GetFile(tmpBill), "Spiral (a)\r\n");
}

TEST_F(BillFileTest, TextInMemoryHasNoFileToReplace) {
  TBillLexer lexer;
  lexer.OpenText("Spiral");
  EXPECT_EQ(lexer.InsertCostsLine("a.cst"), EINVAL);
}

} // namespace
} // namespace korvane
