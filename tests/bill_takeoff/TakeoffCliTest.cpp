// korvane-price --takeoff: prices a take-off exactly as --bill prices the
// bill it becomes (and as the hand-typed bill it was taken off), and tells
// its bad rows as the job's errors.
#include <gtest/gtest.h>

#include <string>

#include "tests/pricer/CliRun.h"

namespace korvane::test {
namespace {

const std::string kExamples = KORVANE_SOURCE_DIR "/data/examples/";

// The output without its first line, which names the file priced.
std::string AfterName(const std::string &out) {
  return out.substr(out.find('\n') + 1);
}

std::string TotalLine(const std::string &out) {
  const std::size_t at = out.find("\nTotal");
  return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at + 1) - at);
}

TEST(TakeoffCli, PricesAsTheBillItBecomes) {
  TempFolder dir;
  const std::string bill = dir.File("office.dct");
  const CliResult takeoff =
      RunPricer({"--takeoff", kExamples + "level2-office-takeoff.csv", "--bill-out", bill});
  ASSERT_EQ(takeoff.status, 0) << takeoff.err << takeoff.out;
  const CliResult written = RunPricer({"--bill", bill});
  ASSERT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(AfterName(takeoff.out), AfterName(written.out));
  // The example job typed by hand costs the same to the cent.
  const CliResult typed = RunPricer({"--bill", KORVANE_STAGE_DIR "/Data Files/level2-office.dct"});
  ASSERT_EQ(typed.status, 0) << typed.err;
  ASSERT_FALSE(TotalLine(typed.out).empty()) << typed.out;
  EXPECT_EQ(TotalLine(takeoff.out), TotalLine(typed.out));

  const CliResult json =
      RunPricer({"--takeoff", kExamples + "level2-office-takeoff.csv", "--json"});
  EXPECT_EQ(json.out.rfind("{\"bill\":\"level2-office-takeoff.csv\"", 0), 0u) << json.out;
}

TEST(TakeoffCli, BadRowsAreErrorsOfTheJob) {
  TempFolder dir;
  const std::string csv = dir.File("t.csv");
  PutFile(csv, "Item,Width,Height,Length,Colour\nStraightRect,800,500,2,red\n"
               "StraightRect,800,5000,2,\n");
  const CliResult r = RunPricer({"--takeoff", csv, "--json"});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.out.find("\"errors\":[\n{\"line\":5,\"reason\":\"take-off row 3, Height: value "
                       "'5000' for Height is out of range (100 to 2400 mm)\"}]"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.err, "korvane-price: take-off 't.csv': row 1: columns not read: Colour\n");

  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"--takeoff", dir.File("none.csv")},
        {"--bill", "-", "--sheet", "S"},
        {"--takeoff", csv, "--bill", "-"},
        {"--takeoff", csv, "--bill-out", dir.File("no/such/folder.dct")}}) {
    const CliResult bad = RunPricer(args);
    EXPECT_EQ(bad.status, 2) << args[2];
    EXPECT_EQ(bad.out, "") << args[2];
  }
}

} // namespace
} // namespace korvane::test
