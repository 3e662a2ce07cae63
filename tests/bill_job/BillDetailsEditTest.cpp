// The Job Details dialog's edits: only the detail lines above the first item
// change, every other byte stays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bill/job/BillDetailsEdit.h"

namespace korvane::test {
namespace {

const std::string kBill = "; Harbour Road, take-off of 2 March\n"
                          "Costs = Default.cst\n"
                          "; customer:  Okafor Holdings \n"
                          "{ ; Project: hidden in a block comment }\n"
                          "; Discount: ten\n"
                          "; Note: not a field\n"
                          "StraightRect\n"
                          "  500 300 2.4 1\n"
                          "; Customer: after the first item, a plain comment\n";

TEST(BillDetailsEdit, ReadsAndRewritesOnlyTheDetailLinesAboveTheFirstItem) {
  const std::vector<TDetailText> read = ReadBillDetails(kBill);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].Field, "Customer"); // as the field list spells it
  EXPECT_EQ(read[0].Value, "Okafor Holdings");
  EXPECT_EQ(read[1].Field, "Discount"); // a bad value is still offered for mending
  EXPECT_EQ(read[1].Value, "ten");

  const std::vector<TDetailText> edited{{"Customer", "Okafor Holdings"},
                                        {"Customer address", "14 Quay Street"},
                                        {"Customer address", "Port Elin"},
                                        {"Site", ""},
                                        {"Discount", "5%"}};
  EXPECT_EQ(WithBillDetails(kBill, edited), "; Harbour Road, take-off of 2 March\n"
                                            "Costs = Default.cst\n"
                                            "; Customer: Okafor Holdings\n"
                                            "; Customer address: 14 Quay Street\n"
                                            "; Customer address: Port Elin\n"
                                            "; Discount: 5%\n"
                                            "{ ; Project: hidden in a block comment }\n"
                                            "; Note: not a field\n"
                                            "StraightRect\n"
                                            "  500 300 2.4 1\n"
                                            "; Customer: after the first item, a plain comment\n");
  // Written back unchanged, the bill is what it was but for the spelling.
  const std::string again = WithBillDetails(kBill, read);
  EXPECT_EQ(ReadBillDetails(again).size(), 2u);
  EXPECT_EQ(again.size(), kBill.size() - 2); // two blanks of "customer:  ... " gone
}

TEST(BillDetailsEdit, NewDetailsGoOnTopInTheBillsLineEnds) {
  EXPECT_EQ(WithBillDetail("Collar\r\n 500 1\r\n", "Quote number", "Q-0042"),
            "; Quote number: Q-0042\r\nCollar\r\n 500 1\r\n");
  EXPECT_EQ(WithBillDetail("", "VAT", "15%"), "; VAT: 15%\n");
  // A quote number is set in place; one given twice is left once.
  EXPECT_EQ(WithBillDetail("; Quote number: Q-1\n; VAT: 15%\n; Quote number: Q-2", "Quote number",
                           "Q-0042"),
            "; Quote number: Q-0042\n; VAT: 15%"); // still no end on the last line
  EXPECT_EQ(WithBillDetail("; VAT: 15%", "Project", "Level 2"), "; VAT: 15%\n; Project: Level 2");
  // A blank line between details follows the block: the end dropped is the
  // blank line's, so writing the details again changes nothing.
  const std::string spaced = WithBillDetail("Job\r\n; VAT: 15%\r\n\n; Project: L2", "VAT", "15%");
  EXPECT_EQ(spaced, "Job\r\n; VAT: 15%\r\n; Project: L2\r\n");
  EXPECT_EQ(WithBillDetails(spaced, ReadBillDetails(spaced)), spaced);
}

} // namespace
} // namespace korvane::test
