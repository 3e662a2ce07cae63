#pragma once
// The job as a printable quote: one self-contained HTML page with the bill's
// name, the date, the cost file and its reference date, the item table, the
// sheet per gauge and the totals, and the lines the quote leaves out; the
// page the printed quote matches, both drawn from one quote document.
#include <string>

#include "bill/job/QuoteBuilder.h"
#include "bill/job/QuoteHtml.h"

namespace korvane {

class TJobHtmlWriter : public TJobWriter {
public:
  // Appends the page to `out` once the job is priced. `today` is the date
  // printed on the quote; empty for the local date.
  explicit TJobHtmlWriter(std::string &out, std::string today = {})
      : out_(out), quote_(std::move(today)) {}
  void Begin(const TJobInfo &info) override { quote_.Begin(info); }
  void Line(const TPricedLine &line) override { quote_.Line(line); }
  bool End(const TJobTotals &totals, std::string &error) override;
  TReportTexts TextsRead() const override { return quote_.TextsRead(); }

private:
  std::string &out_;
  TQuoteBuilder quote_;
};

} // namespace korvane
