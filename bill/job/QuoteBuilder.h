#pragma once
// Builds the estimator's sheet of a job as it is priced, for the
// estimator's own file: the title and the date, the cost file and its
// reference date, the item table with the bill's line numbers, its sections
// with their subtotals and the printed Subtotal, Discount, VAT and Total,
// the sheet per gauge, the insulation and the lines the quote leaves out.
// What the customer is sent is TCustomerQuote's; both are quote documents.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "bill/job/JobWriter.h"
#include "bill/job/QuoteDocument.h"

namespace korvane {

class TQuoteBuilder : public TQuoteWriter {
public:
  // `today` is the date the quote carries, YYYY-MM-DD; empty for the local date.
  explicit TQuoteBuilder(std::string today = {});
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;
  // The quote describes each item as the Details page does.
  TReportTexts TextsRead() const override { return TReportTexts::All; }

  const TQuoteDocument &Document() const override { return document_; }

private:
  std::string today_;
  TCurrencyFormat currency_;
  TQuoteDocument document_;
  int section_ = 0; // the "#" line of the section the last row stands in
  // Where each section's subtotal row goes: (row, the section's "#" line).
  std::vector<std::pair<std::size_t, int>> subtotalAt_;
};

// The local date as YYYY-MM-DD.
std::string LocalDateText();

} // namespace korvane
