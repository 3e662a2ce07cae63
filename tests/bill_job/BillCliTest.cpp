// korvane-price --bill as a user runs it: its outputs, its quote page and
// its exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/pricer/CliRun.h"

namespace korvane::test {
namespace {

const std::string kBill = "; a small job\n"
                          "StraightRect (Insulation=Internal, InsThickness=25mm)\n"
                          "\t-\t600  500  2.400\n"
                          "Elbow\n"
                          "  500 750 90 4\n";

TEST(BillCli, OutputsAndExitStatus) {
  const CliResult text = RunPricer({"--bill", "-"}, kBill);
  ASSERT_EQ(text.status, 0) << text.err;
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Bill        standard input");
  EXPECT_NE(text.out.find("     3  StraightRect             600  500  2.400"), std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("Lines: 2 priced, 0 not priced, 0 bad"), std::string::npos);

  const CliResult json = RunPricer({"--bill", "-", "--json", "--erection"}, kBill);
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.rfind("{\"bill\":\"standard input\"", 0), 0u) << json.out;
  EXPECT_NE(json.out.find("{\"line\":5,\"type\":\"Elbow\",\"numbers\":[\"500\",\"750\",\"90\","
                          "\"4\"],\"quantity\":4,\"price\":"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"insulation\":[{\"kind\":\"Internal\",\"thickness\":25,"),
            std::string::npos);
  EXPECT_NE(json.out.find("\"errors\":[]"), std::string::npos);

  const CliResult csv = RunPricer({"--bill", "-", "--csv"}, kBill + "Shoe\n 1 2 3\n");
  EXPECT_EQ(csv.status, 1);
  const std::vector<std::string> rows = Lines(csv.out);
  ASSERT_EQ(rows.size(), 3u) << csv.out;
  EXPECT_TRUE(rows[0].ends_with(",status,warnings,quantity,extended_price,each,amount,section\r"))
      << rows[0];
  EXPECT_EQ(rows[2].rfind("5,Elbow,", 0), 0u) << rows[2];
  EXPECT_TRUE(rows[2].ends_with(",4,1240,310,1240,\r")) << rows[2];
  EXPECT_EQ(csv.err, "korvane-price: line 7: not priced: Shoe: the calculator has no costing "
                     "for shoes\n");

  const CliResult bad = RunPricer({"--bill", "-"}, "Nipple\n 500 1\n 9999 1\n");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("line 3: value '9999' for Diameter is out of range (100 to 2400 mm)"),
            std::string::npos)
      << bad.out;

  for (const std::vector<std::string> &args : {std::vector<std::string>{"--bill", "/no/such.dct"},
                                               {"--bill", "-", "--costs", "/no/such.cst"},
                                               {"--bill", "-", "Nipple"},
                                               {"--html", "q.html", "Nipple"}}) {
    const CliResult r = RunPricer(args, kBill);
    EXPECT_EQ(r.status, 2) << args[1];
    EXPECT_EQ(r.out, "") << args[1];
  }
}

TEST(BillCli, QuotePageStandsAlone) {
  TempFolder dir;
  const CliResult r = RunPricer({"--bill", "-", "--estimate", dir.File("job.sheet.html")},
                                kBill + "Collar\n 500 1\n");
  EXPECT_EQ(r.status, 1) << r.err;
  const std::string page = GetFile(dir.File("job.sheet.html"));
  EXPECT_NE(page.find("<title>Estimator&#39;s sheet: standard input</title>"), std::string::npos);
  EXPECT_NE(page.find("@media print"), std::string::npos);
  EXPECT_NE(page.find("Collar: the calculator has no costing for collars"), std::string::npos);
  for (const char *outside : {"<script", "http:", "https:", "<link", "src=", "url("})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  // A quote that cannot be written fails the run and leaves no half file.
  const CliResult failed = RunPricer({"--bill", "-", "--html", dir.File("none/quote.html")}, kBill);
  EXPECT_EQ(failed.status, 2);
  EXPECT_NE(failed.err.find("cannot write the quote"), std::string::npos) << failed.err;
}

} // namespace
} // namespace korvane::test
