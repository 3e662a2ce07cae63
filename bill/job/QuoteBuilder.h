#pragma once
// Builds the quote document of a job as it is priced: the title and the
// date, the cost file and its reference date, the item table with its total,
// the sheet per gauge, the insulation and the lines the quote leaves out.
// The HTML writer and the printed quote both render what it builds.
#include <string>

#include "bill/job/JobWriter.h"
#include "bill/job/QuoteDocument.h"

namespace korvane {

class TQuoteBuilder : public TJobWriter {
public:
  // `today` is the date the quote carries, YYYY-MM-DD; empty for the local date.
  explicit TQuoteBuilder(std::string today = {});
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;
  // The quote describes each item as the Details page does.
  TReportTexts TextsRead() const override { return TReportTexts::All; }

  const TQuoteDocument &Document() const { return document_; }

private:
  std::string today_;
  TCurrencyFormat currency_;
  TQuoteDocument document_;
};

// The local date as YYYY-MM-DD.
std::string LocalDateText();

} // namespace korvane
