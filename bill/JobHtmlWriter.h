#pragma once
// The job as a printable quote: one self-contained HTML page (its styles
// inside, print styles among them, no scripts, no links out) with the bill's
// name, the date, the cost file and its reference date, the item table, the
// sheet per gauge and the totals, and the lines the quote leaves out. It is
// written atomically once the job is priced, so a failed run never leaves
// half a quote behind, nor destroys the last one.
#include <string>

#include "bill/JobWriter.h"

namespace korvane {

class TJobHtmlWriter : public TJobWriter {
public:
  // `today` is the date printed on the quote; empty for the local date.
  explicit TJobHtmlWriter(std::string path, std::string today = {});
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line, const TPricer &pricer) override;
  bool End(const TJobTotals &totals, std::string &error) override;
  // The quote describes each item as the Details page does.
  TReportTexts TextsRead() const override { return TReportTexts::All; }

private:
  std::string path_;
  std::string today_;
  std::string page_;
  TCurrencyFormat currency_;
};

// `text` with &, <, >, " and ' written as HTML entities.
void AppendHtmlText(std::string &out, std::string_view text);

} // namespace korvane
