#pragma once
// The job as CSV: the columns of korvane-price --batch --csv (with the bill's
// line number as "line") and then quantity and extended_price, the printed
// each and amount (Number x each) and the section's title; one row per
// priced line, CR LF line ends. Lines not priced or in error have no row.
#include <string>

#include "bill/job/JobWriter.h"

namespace korvane {

class TJobCsvWriter : public TJobWriter {
public:
  explicit TJobCsvWriter(std::string &out) : out_(out) {}
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;
  TReportTexts TextsRead() const override { return TReportTexts::StatusOnly; }
  bool ReadsItemCsv() const override { return true; }

private:
  std::string &out_;
};

} // namespace korvane
