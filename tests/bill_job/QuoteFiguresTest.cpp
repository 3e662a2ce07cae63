// The figures a quote prints add up with a pocket calculator: Each to the
// cent, Amount = Number x Each, section subtotals, the Subtotal, Discount,
// VAT and Total; and the job's details and sections read from the bill.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/bill_job/JobRun.h"
#include "tests/support/TempFolder.h"

namespace korvane::test {
namespace {

TEST(QuoteFigures, CentsRoundHalvesAwayFromZero) {
  EXPECT_EQ(CentsOf(0.125), 13); // an exact half in binary
  EXPECT_EQ(CentsOf(-0.125), -13);
  EXPECT_EQ(CentsOf(1587.9249), 158792);
  EXPECT_EQ(CentsOf(1e300), 0);
  // 5% of 1.30 is 6.5 cents; of -1.30, -6.5.
  EXPECT_EQ(PercentOfCents(130, 500), 7);
  EXPECT_EQ(PercentOfCents(-130, 500), -7);
  EXPECT_EQ(PercentOfCents(129, 500), 6);
  // No 64-bit overflow on an amount near the largest a cent count holds.
  EXPECT_EQ(PercentOfCents(9'000'000'000'000'000, 10000), 9'000'000'000'000'000);
  EXPECT_EQ(PercentOfCents(9'000'000'000'000'001, 1250), 1'125'000'000'000'000);

  // VAT is charged on the discounted amount, each rounded once.
  const TJobMoney m = JobMoney(100001, 500, 1500);
  EXPECT_EQ(m.Discount, 5000); // 5,000.05
  EXPECT_EQ(m.Vat, 14250);     // 15% of 95,001
  EXPECT_EQ(m.Total, 100001 - 5000 + 14250);
  EXPECT_EQ(PercentText(1250), "12.5%");
  EXPECT_EQ(PercentText(1505), "15.05%");
  EXPECT_EQ(MoneyText(123456789012, {"R"}), "R1,234,567,890.12");
}

// The example job: its Amounts are Number x Each, not the unrounded amount
// rounded, they add up to the sections' subtotals and those to the Subtotal;
// the unrounded total stays what it was.
TEST(QuoteFigures, ExampleJobAddsUpAsPrinted) {
  const std::string dir = KORVANE_STAGE_DIR "/Data Files/";
  const std::string bill = "; Discount: 5%\n; VAT: 15%\n" + GetFile(dir + "level2-office.dct");
  TJobRun run;
  RunJob(run, bill, StagedSetup(), 4096, dir);
  ASSERT_EQ(run.fatal, "");
  EXPECT_NEAR(run.totals.Price, 42454.31, 0.005);
  int roundDifferently = 0;
  std::map<int, TCents> bySection;
  for (const TLineSeen &line : run.writer.lines) {
    EXPECT_EQ(line.Each, CentsOf(line.Price)) << line.Line;
    EXPECT_EQ(line.Amount, line.Each * line.Quantity) << line.Line;
    roundDifferently += line.Amount != CentsOf(line.Extended);
    bySection[line.SectionLine] += line.Amount;
  }
  EXPECT_EQ(roundDifferently, 10);
  ASSERT_EQ(run.totals.Sections.size(), 2u);
  EXPECT_EQ(run.totals.Sections[0].Title, "");
  EXPECT_EQ(run.totals.Sections[1].Title, "Plant room connections");
  EXPECT_EQ(run.totals.Sections[1].Line, 32); // two detail lines above the bill
  TCents subtotal = 0;
  for (const TJobSection &section : run.totals.Sections) {
    EXPECT_EQ(section.Subtotal, bySection[section.Line]) << section.Title;
    subtotal += section.Subtotal;
  }
  const TJobMoney &m = run.totals.Money;
  EXPECT_EQ(m.Subtotal, 4245429);
  EXPECT_EQ(m.Subtotal, subtotal);
  EXPECT_EQ(m.Discount, 212271); // 2,122.7145
  EXPECT_EQ(m.Vat, 604974);      // 15% of 40,331.58 = 6,049.737
  EXPECT_EQ(m.Total, 4245429 - 212271 + 604974);
}

TEST(QuoteFigures, SectionsStartAtHashLinesAndEmptyUntitledIsLeftOut) {
  TJobRun run;
  RunJob(run, "# Level 1\nNipple\n 500 1\n# Level 2\n# Risers\nNipple\n 400 2\n 400 1\n");
  ASSERT_EQ(run.totals.Sections.size(), 3u);
  EXPECT_EQ(run.totals.Sections[0].Title, "Level 1");
  EXPECT_EQ(run.totals.Sections[1].Priced, 0u); // a heading with nothing under it
  EXPECT_EQ(run.totals.Sections[2].Title, "Risers");
  EXPECT_EQ(run.totals.Sections[2].Priced, 2u);
  ASSERT_EQ(run.writer.lines.size(), 3u);
  EXPECT_EQ(run.writer.lines[1].SectionLine, 5);
  EXPECT_EQ(run.totals.Sections[2].Subtotal,
            run.writer.lines[1].Amount + run.writer.lines[2].Amount);
}

TEST(QuoteFigures, JobDetailsAreReadAboveTheFirstItemOnly) {
  TJobRun run;
  RunJob(run, "; Harbour Road offices\n"
              ";CUSTOMER:  Harbour Road Properties \n"
              "; Customer address: 14 Quay Street\n"
              "; customer  address: Port Elin 4410\n"
              "; Estimator: R. Okafor\n"
              "; Quote number: Q-0142\n"
              "; Date: 2026-02-28\n"
              "; Valid for: 45 days\n"
              "; Discount: 2.5%\n"
              "; VAT: 15 %\n"
              "; Prepared by: R. Okafor\n"
              "Nipple\n 500 1\n"
              "; Customer: someone else\n"
              "; Discount: ten\n");
  EXPECT_TRUE(run.totals.Errors.empty()) << run.totals.Errors[0].Reason;
  const TJobDetails &d = run.writer.info.Details;
  EXPECT_EQ(d.Customer, "Harbour Road Properties");
  EXPECT_EQ(d.CustomerAddress, (std::vector<std::string>{"14 Quay Street", "Port Elin 4410"}));
  EXPECT_EQ(d.QuoteNumber, "Q-0142");
  EXPECT_EQ(d.Date, "2026-02-28");
  EXPECT_EQ(d.ValidDays, 45);
  EXPECT_EQ(d.Discount, 250);
  EXPECT_EQ(d.Vat, 1500);
  EXPECT_EQ(d.PreparedBy, "R. Okafor");
  EXPECT_EQ(DateAfterDays(d.Date, *d.ValidDays), "2026-04-14");
  EXPECT_EQ(run.totals.Money.DiscountPercent, 250);
}

TEST(QuoteFigures, FieldValuesThatDoNotReadAreBadLines) {
  const std::pair<const char *, const char *> cases[] = {
      {"; Discount: ten", "Discount 'ten' reads as a percentage"},
      {"; Date: 31/11/2026", "Date '31/11/2026' is no date written YYYY-MM-DD"},
      {"; Date: 2026-11-31", "Date '2026-11-31' is no date"},
      {"; VAT: 150%", "VAT '150%' is more than 100%"},
      {"; VAT: 15", "VAT '15' reads as a percentage"},
      {"; Discount: 2.555%", "takes at most two decimals"},
      {"; Valid for: a month", "Valid for 'a month' reads as a number of days"},
      {"; Customer: A\n; Customer: B", "Customer is given twice"},
  };
  for (const auto &[fields, reason] : cases) {
    TJobRun run;
    RunJob(run, "; a job\n" + std::string(fields) + "\nNipple\n 500 1\n");
    ASSERT_EQ(run.totals.Errors.size(), 1u) << fields;
    EXPECT_EQ(run.totals.Errors[0].Line, fields[2] == 'C' ? 3 : 2) << fields;
    EXPECT_NE(run.totals.Errors[0].Reason.find(reason), std::string::npos)
        << run.totals.Errors[0].Reason;
    EXPECT_EQ(run.totals.Priced, 1u);
    EXPECT_EQ(run.totals.Money.DiscountPercent, 0) << fields;
  }
}

} // namespace
} // namespace korvane::test
