#pragma once
// The texts both quote documents (the customer's quote and the estimator's
// sheet) are made of: an item's name as the calculator shows it, what a line
// includes in words, and the rows of the printed figures.
#include <string>

#include "bill/job/JobTotals.h"
#include "bill/job/JobWriter.h"
#include "bill/job/QuoteDocument.h"

namespace korvane {

// "Radius Bend, vaned": the calculator's name of the item.
std::string QuoteItemName(const TBillItem &item);

// What the line includes, in words a customer reads: "25 mm external
// insulation, turning vanes, 1.0 mm sheet, erection included, brackets not
// included". The gauge only when the estimator forced it, the flange only
// when chosen.
std::string IncludedWords(const TPricedLine &line);

// Why a line is left out of the quote: "Shoe: the calculator has no costing
// for shoes" for a line not priced, the reason alone for a bad one.
std::string NoteText(const TBillNote &note);

// A table's subtotal row: `label` over the first `span` columns, then the
// amount.
TQuoteRow MoneyRow(std::string label, int span, TCents cents, const TCurrencyFormat &currency,
                   bool total = true);

// The Subtotal, the Discount and the VAT (each only when its percentage is
// set) and the Total, as rows whose label covers `span` columns before the
// amount's.
void AppendMoneyRows(TQuoteTable &table, const TJobMoney &money, const TCurrencyFormat &currency,
                     int span = 1);

// Every figure as printed: `cents` in the currency.
inline TQuoteCell MoneyCell(TCents cents, const TCurrencyFormat &currency) {
  return {MoneyText(cents, currency), {}, true};
}

} // namespace korvane
