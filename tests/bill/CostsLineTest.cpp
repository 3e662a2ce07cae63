// The bill window's Insert: the Costs line names the cost file, and every
// other byte of the bill stays as the user typed it (fuzz_costs_line tries
// any bill).
#include "bill/CostsLine.h"

#include <gtest/gtest.h>
#include <string>

namespace korvane {
namespace {

const std::string kLine = "Costs = /home/ann/Data Files/Shop.cst";

std::string Set(std::string_view bill) {
  return SetCostsLine(bill, "/home/ann/Data Files/Shop.cst");
}

TEST(CostsLine, TheCostsLineIsReplacedAndNothingElse) {
  struct Case {
    const char *what;
    std::string bill, expected;
  };
  const Case cases[] = {
      {"spaced", "; job\nCosts = old.cst\nSquareToRound (Erection=Include)\n",
       "; job\n" + kLine + "\nSquareToRound (Erection=Include)\n"},
      {"no spaces, any case", "COSTS=old.cst\r\nElbow (x)\r\n", kLine + "\r\nElbow (x)\r\n"},
      {"a bare Costs word", "Costs\nSpiral (a)\n", kLine + "\nSpiral (a)\n"},
      {"last line without a line end", "Costs = old", kLine},
      {"indented, after blank lines and a brace comment",
       "\n\n{ two\nlines }\n  Costs = a.cst  \n\nNipple\n",
       "\n\n{ two\nlines }\n  " + kLine + "\n\nNipple\n"},
      {"after GlobalSettings, before the first item",
       "GlobalSettings (Erection=Include)\nCosts = a\nNipple\n",
       "GlobalSettings (Erection=Include)\n" + kLine + "\nNipple\n"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Set(c.bill), c.expected) << c.what;
}

TEST(CostsLine, ABillWithoutOneGetsALineOfItsOwn) {
  struct Case {
    const char *what;
    std::string bill, expected;
  };
  const Case cases[] = {
      {"empty bill", "", kLine + "\n"},
      {"item first, its spacing kept", "SquareToRound (Erection=Include)\n 600 500 400 1\n",
       kLine + "\nSquareToRound (Erection=Include)\n 600 500 400 1\n"},
      {"after leading comments and blank lines", "; job\n# hash\n\n  StraightRect (a)\n",
       "; job\n# hash\n\n" + kLine + "\n  StraightRect (a)\n"},
      {"the bill's own CR LF", "; c\r\nSpiral (a)\r\n", "; c\r\n" + kLine + "\r\nSpiral (a)\r\n"},
      {"lone CRs", "; c\rSpiral\r", "; c\r" + kLine + "\rSpiral\r"},
      {"comments alone, no last line end", "; only", "; only\n" + kLine + "\n"},
      {"comments alone", "; only\n", "; only\n" + kLine + "\n"},
      {"a brace comment before the item on its line", "{c} Nipple\n", kLine + "\n{c} Nipple\n"},
      {"a brace comment ending on the item's line", "{ a\nb } Nipple\n",
       "{ a\nb }\n" + kLine + "\n Nipple\n"},
      {"a Costs line after the first item is not the bill's", "Nipple\n 500 1\nCosts = a\n",
       kLine + "\nNipple\n 500 1\nCosts = a\n"},
      {"a costs word inside a comment", "; Costs = a\nNipple\n",
       "; Costs = a\n" + kLine + "\nNipple\n"},
      {"unknown words come after it", "Hello world\nNipple\n", kLine + "\nHello world\nNipple\n"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Set(c.bill), c.expected) << c.what;
}

} // namespace
} // namespace korvane
