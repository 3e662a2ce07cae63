#pragma once
// Builds the quote a customer is sent, as a quote document, while the job is
// priced: the company with its logo, the customer and the job, the quote
// number, date and valid-until date, one table per section with its
// subtotal, the Subtotal, Discount, VAT and Total, the terms and a place
// for the customer's acceptance. It names items and what they include in
// words and carries nothing of the estimator's own (no file, line number,
// gauge, area or weight): those are on the estimator's sheet (QuoteBuilder).
#include <string>
#include <vector>

#include "bill/job/JobWriter.h"
#include "bill/job/QuoteDocument.h"

namespace korvane {

// The quote's heading as the customer reads it: its title, the company,
// customer and job blocks and the facts (quote number, date, valid-until
// date, prepared by). `today` is the date when the bill names none. The
// workbook's quote sheet is headed with the same texts.
void SetQuoteHeading(TQuoteDocument &document, const TJobInfo &info, const std::string &today);

class TCustomerQuote : public TQuoteWriter {
public:
  // `today` is the quote's date when the bill names none, YYYY-MM-DD;
  // empty for the local date.
  explicit TCustomerQuote(std::string today = {});
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;
  TReportTexts TextsRead() const override { return TReportTexts::All; }
  std::string_view Warning() const override { return warning_; }

  const TQuoteDocument &Document() const override { return document_; }

private:
  void ReadLogo(const std::string &path);

  std::string today_;
  TCurrencyFormat currency_;
  TQuoteDocument document_;
  std::vector<int> sectionLines_; // the "#" line of each table's section
  std::vector<std::string> terms_;
  std::string warning_;
};

} // namespace korvane
