// A job korvane-price wrote as a workbook comes back through its Take-off
// sheet as a take-off that prices line for line to the same figures: the
// same items, prices, amounts and totals, whichever sheet comes first.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "bill/takeoff/TakeoffFile.h"
#include "tests/pricer/CliRun.h"

namespace korvane::test {
namespace {

// The job's details, discount and VAT among them; sections (and the
// untitled one above them), insulation of both kinds,
// flanges, gauges forced, vanes, a plate, reinforcing, erection and
// brackets set every way, a number off in the options, and a line the
// calculator does not price.
const std::string kSmallJob = "; Customer: Harbour Road Developments\n"
                              "; Customer address: 1 Quay Street\n"
                              "; Customer address: Port Elspeth\n"
                              "; Discount: 7.5%\n"
                              "; VAT: 15%\n"
                              "GlobalSettings (Erection=Include, Brackets=Exclude)\n"
                              "StraightRect (Insulation=Internal, InsThickness=50mm, Mezz35, "
                              "Gauge=1.2, NumberOff=3)\n"
                              "\t-\t900  450  1.250\n"
                              "# Risers\n"
                              "VanedRadiusBend (Angle30, Erection=Exclude)\n"
                              "\t-\t800  400  60 DEG  2\n"
                              "VanedSquareBendReducing (Insulation=External, InsThickness=25mm)\n"
                              "\t-\t1000  500  700  500  1\n"
                              "SetUp\n"
                              "\t-\t3\n"
                              "Taper (Gauge=0.8, Brackets=Include)\n"
                              "\t-\t1200  600  1000  500  2  0.600\n"
                              "# Branches\n"
                              "Elbow (Reinforcing=Include, Gauge=1.0)\n"
                              "\t-\t500  750  45  2\n"
                              "PlateSpigot (Insulation=External, InsThickness=25mm)\n"
                              "\t-\t315  4\n"
                              "Spiral (NumberOff=7, Reinforcing=Include)\n"
                              "\t-\t400  2.500\n";

// The job's CSV rows without their first column: the bill's line number,
// which the bill a take-off becomes counts in its own way.
std::string WithoutLineNumbers(const std::string &csv) {
  std::istringstream in(csv);
  std::string rows;
  for (std::string row; std::getline(in, row);)
    rows += row.substr(row.find(',') + 1) + '\n';
  return rows;
}

// The text output's totals, sheet per gauge and insulation, up to the count
// of lines (the take-off leaves out the lines not priced).
std::string TotalsFrom(const std::string &text) {
  const std::size_t at = text.find("\nSubtotal");
  return at == std::string::npos ? std::string() : text.substr(at, text.find("\nLines:") - at);
}

TEST(TakeoffRoundTrip, WorkbookReadsBackToTheSamePrices) {
  TempFolder dir;
  PutFile(dir.File("small.dct"), kSmallJob);
  for (const std::string &bill :
       {std::string(KORVANE_STAGE_DIR "/Data Files/level2-office.dct"), dir.File("small.dct")}) {
    const std::string xlsx = dir.File("job.xlsx");
    const CliResult csv = RunPricer({"--bill", bill, "--csv", "--xlsx", xlsx});
    ASSERT_LE(csv.status, 1) << csv.err;
    ASSERT_GE(std::count(csv.out.begin(), csv.out.end(), '\n'), 8) << csv.out;
    const CliResult text = RunPricer({"--bill", bill});
    ASSERT_FALSE(TotalsFrom(text.out).empty()) << text.out;
    // Named, and found by the reader as the first sheet with a header.
    for (const std::vector<std::string> &sheet :
         {std::vector<std::string>{"--sheet", "Take-off"}, {}}) {
      std::vector<std::string> args{"--takeoff", xlsx};
      args.insert(args.end(), sheet.begin(), sheet.end());
      EXPECT_EQ(TotalsFrom(RunPricer(args).out), TotalsFrom(text.out)) << bill;
      args.push_back("--csv");
      const CliResult back = RunPricer(args);
      EXPECT_EQ(back.status, 0) << back.err << back.out;
      EXPECT_EQ(WithoutLineNumbers(back.out), WithoutLineNumbers(csv.out)) << bill;
    }
  }
}

struct TRows : TTakeoffRowSink {
  std::vector<std::string> Rows; // the cells of each, "|" apart
  void Row(int, std::span<const TTakeoffCell> cells) override {
    std::string row;
    for (const TTakeoffCell &cell : cells)
      row += (row.empty() ? "" : "|") + std::string(cell.Text);
    Rows.push_back(row);
  }
};

// The sheet has the columns of the properties that occur, in the
// catalogue's order, and the values as the grid shows them.
TEST(TakeoffRoundTrip, TakeoffSheetHoldsThePricedLinesAsTheGridShowsThem) {
  TempFolder dir;
  PutFile(dir.File("small.dct"), kSmallJob);
  const std::string xlsx = dir.File("job.xlsx");
  ASSERT_EQ(RunPricer({"--bill", dir.File("small.dct"), "--xlsx", xlsx}).status, 1);
  TXlsxZip zip;
  std::string error;
  ASSERT_TRUE(zip.Open(xlsx, error)) << error;
  TRows sheet;
  ASSERT_TRUE(ReadTakeoffXlsx(zip, "Take-off", sheet, error)) << error;
  // The details, the header and every line but the SetUp.
  ASSERT_EQ(sheet.Rows.size(), 13u);
  EXPECT_EQ(sheet.Rows[0], "Customer|Harbour Road Developments");
  EXPECT_EQ(sheet.Rows[2], "Customer address|Port Elspeth");
  EXPECT_EQ(sheet.Rows[3], "Discount|7.5%");
  EXPECT_EQ(sheet.Rows[5], "Section|Item|Number|Width|Height|Length|Gauge|Flange|Insulation|"
                           "Angle|Vanes|Width1|Width2|Diameter|Height1|Height2|Reinforcing|"
                           "Plate|Radius|Erection|Brackets|Comment");
  EXPECT_EQ(sheet.Rows[6], "StraightRect|3|900|450|1.25|1.2|35mm Mezz|50mm Internal|Include|"
                           "Exclude|bill line 8");
  EXPECT_EQ(sheet.Rows[7], "Risers|VanedRadiusBend|2|800|400|Auto|30/3mm Angle|None|60|Yes|"
                           "Exclude|Exclude|bill line 11");
  EXPECT_EQ(sheet.Rows[10], "Branches|Elbow|2|1.0|None|45|500|Yes|1.5 Dia|Include|Exclude|"
                            "bill line 20");
  EXPECT_EQ(ReadTakeoffXlsx(zip, "Ducts", sheet, error), false);
  EXPECT_EQ(error, "it has no sheet 'Ducts'; its sheets: Quote, Take-off, Sheet per gauge, "
                   "Insulation, Not priced");
}

} // namespace
} // namespace korvane::test
