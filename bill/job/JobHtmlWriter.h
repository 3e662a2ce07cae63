#pragma once
// A quote document as one self-contained HTML page, written once the job is
// priced: the customer's quote (the "html" format) or the estimator's sheet
// (the "sheet" format), whichever quote writer it is made with.
#include <memory>
#include <string>

#include "bill/job/JobWriter.h"
#include "bill/job/QuoteHtml.h"

namespace korvane {

class TJobHtmlWriter : public TJobWriter {
public:
  // Appends the page to `out` once the job is priced.
  TJobHtmlWriter(std::string &out, std::unique_ptr<TQuoteWriter> quote)
      : out_(out), quote_(std::move(quote)) {}
  void Begin(const TJobInfo &info) override { quote_->Begin(info); }
  void Line(const TPricedLine &line) override { quote_->Line(line); }
  bool End(const TJobTotals &totals, std::string &error) override;
  TReportTexts TextsRead() const override { return quote_->TextsRead(); }
  std::string_view Warning() const override { return quote_->Warning(); }

private:
  std::string &out_;
  std::unique_ptr<TQuoteWriter> quote_;
};

} // namespace korvane
