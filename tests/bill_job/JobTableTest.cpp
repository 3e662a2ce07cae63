// The bill window's view of a job, priced from text in memory: the row
// texts, the merged notes, the sheet list and the cost file it falls back on;
// and where a pasted item goes.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "bill/job/BillSections.h"
#include "bill/job/BillTextJob.h"
#include "bill/job/JobTable.h"
#include "tests/bill_job/JobRun.h"
#include "tests/support/TempFolder.h"

namespace korvane::test {
namespace {

const std::string kDataFiles = KORVANE_STAGE_DIR "/Data Files/";

struct TTableRun {
  TJobTable table;
  TJobTotals totals;
  std::string fatal;
  bool ok = false;
};

void PriceText(TTableRun &run, std::string_view bill, const TBillTextJob &job) {
  run.ok = PriceBillText(bill, job, {&run.table}, run.totals, run.fatal);
}

TBillTextJob JobIn(std::string dir) {
  TBillTextJob job;
  job.Setup = StagedSetup();
  job.Setup.Currency.symbol = "R";
  job.BillName = "job.dct";
  job.BillDir = std::move(dir);
  return job;
}

TEST(JobTable, ExampleJobAsTheWindowShowsIt) {
  TTableRun run;
  PriceText(run, GetFile(kDataFiles + "level2-office.dct"), JobIn(kDataFiles));
  ASSERT_TRUE(run.ok) << run.fatal;
  const TJobSummary &s = run.table.Summary();
  EXPECT_EQ(s.Total, "R42,454.29");
  EXPECT_EQ(s.Sheet, "283.97 m²  1,658.5 kg");
  EXPECT_EQ(s.Counts, "28 priced, 0 not priced, 0 bad");
  EXPECT_EQ(s.Status, "Total R42,454.29   28 priced, 0 not priced, 0 bad");
  ASSERT_EQ(s.Sheets.size(), 3u);
  EXPECT_EQ(s.Sheets[0][0], "0.6 mm");
  EXPECT_EQ(s.Sheets[0][1], "151.76 m²");
  EXPECT_EQ(s.Sheets[1][2], "823.0 kg");
  EXPECT_EQ(s.Sheets[2][1], "5.40 m²");
  EXPECT_FALSE(s.Insulation.empty());
  EXPECT_EQ(run.table.Info().CostFile, kDataFiles + "Default.cst");

  // 28 lines, the titled section's heading, the two sections' subtotals, then
  // Subtotal and Total; the untitled section above the first "#" line has
  // no heading.
  const std::vector<TJobRow> &rows = run.table.Rows();
  ASSERT_EQ(rows.size(), 33u);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                          [](const TJobRow &r) { return r.Kind == TJobRowKind::Section; }),
            1);
  EXPECT_EQ(rows.back().Cell(TJobColumn::Item), "Total");
  EXPECT_EQ(rows.back().Cell(TJobColumn::Amount), s.Total);
  const TJobRow &first = rows.front();
  EXPECT_EQ(first.Line, 10);
  EXPECT_EQ(first.Cell(TJobColumn::Item), "StraightRect");
  EXPECT_EQ(first.Cell(TJobColumn::Sizes), "1200  600  2.400");
  EXPECT_EQ(first.Cell(TJobColumn::Number), "6");
  EXPECT_EQ(first.Cell(TJobColumn::Gauge), "0.8");
}

TEST(JobTable, NotesInLineOrderAndFallbackCostFile) {
  const std::string bill = "Shoe\n 600 500 1\nNipple\n 500 0\n 500 1\nCollar\n 400 1\n";
  TBillTextJob job = JobIn({});
  job.Setup.ProgramDir = "/nowhere/"; // the default cost file is not there
  TTableRun missing;
  PriceText(missing, bill, job);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.fatal.find("Default.cst"), std::string::npos) << missing.fatal;
  EXPECT_EQ(FailedJobSummary(missing.fatal).Notes.at(0).Text, missing.fatal);

  job.FallbackCostFile = kDataFiles + "Default.cst";
  TTableRun run;
  PriceText(run, bill, job);
  ASSERT_TRUE(run.ok) << run.fatal;
  const std::vector<TJobNote> &notes = run.table.Summary().Notes;
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].Line, 2);
  EXPECT_FALSE(notes[0].Bad);
  EXPECT_EQ(notes[0].Text.rfind("line 2: not priced: Shoe: ", 0), 0u) << notes[0].Text;
  EXPECT_EQ(notes[1].Line, 4);
  EXPECT_TRUE(notes[1].Bad);
  EXPECT_NE(notes[1].Text.find("number off '0'"), std::string::npos) << notes[1].Text;
  EXPECT_EQ(notes[2].Line, 7);
  EXPECT_EQ(run.table.Summary().Counts, "1 priced, 2 not priced, 1 bad");

  // A Costs line wins over the fallback.
  TTableRun named;
  PriceText(named, "Costs = gone.cst\n" + bill, job);
  EXPECT_NE(named.fatal.find("gone.cst"), std::string::npos) << named.fatal;
}

TEST(BillSections, PastedItemGoesToTheEndOfTheCaretsSection) {
  const std::vector<std::string_view> bill = {
      "Costs = a.cst",      // 0
      "GlobalSettings (x)", // 1
      "Nipple",             // 2
      " 500 1",             // 3
      "",                   // 4
      "  globalsettings",   // 5
      "Elbow",              // 6
      " 500 750 90 1",      // 7
      "GlobalSettingsX",    // 8: another word
  };
  const struct {
    int caret, at;
  } cases[] = {{0, 1}, {1, 4}, {3, 4}, {4, 5}, {5, 9}, {8, 9}, {40, 9}};
  for (const auto &c : cases)
    EXPECT_EQ(SectionEndLine(bill, c.caret), c.at) << c.caret;
  EXPECT_EQ(SectionEndLine({}, 0), 0);

  // With "#" headings the headings cut the sections, GlobalSettings do not.
  const std::vector<std::string_view> headed = {
      "; Customer: A",      // 0
      "# Level 1",          // 1
      "GlobalSettings (x)", // 2
      "Nipple",             // 3
      " 500 1",             // 4
      "",                   // 5
      "  # Level 2",        // 6
      "Elbow",              // 7
  };
  for (const auto &c : {std::pair{0, 1}, {1, 5}, {2, 5}, {4, 5}, {6, 8}, {7, 8}})
    EXPECT_EQ(SectionEndLine(headed, c.first), c.second) << c.first;

  EXPECT_EQ(PastedEntryText("Nipple (Erection=Include)\r\n\t-\t500  1\r\n"),
            "Nipple (Erection=Include)\n\t-\t500  1\n");
  EXPECT_EQ(PastedEntryText("\n\nTaper\r 1 2\n\n"), "Taper\n 1 2\n");
  EXPECT_EQ(PastedEntryText(" \r\n"), "");
}

} // namespace
} // namespace korvane::test
