#include "bill/job/QuoteBuilder.h"

#include <cstdint>
#include <ctime>

#include "base/Format.h"
#include "bill/job/QuoteTexts.h"

namespace korvane {

namespace {

Variant Int(long n) {
  return Variant(static_cast<std::int32_t>(n));
}

std::string Formatted(std::string_view format, std::initializer_list<Variant> args,
                      const TCurrencyFormat &currency = {}) {
  std::string text;
  AppendFormatted(text, format, args, currency);
  return text;
}

TQuoteCell Number(std::string text) {
  return {std::move(text), {}, true};
}

TQuoteCell Plain(std::string text) {
  return {std::move(text), {}, false};
}

} // namespace

std::string LocalDateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

TQuoteBuilder::TQuoteBuilder(std::string today)
    : today_(today.empty() ? LocalDateText() : std::move(today)) {}

void TQuoteBuilder::Begin(const TJobInfo &info) {
  currency_ = info.Currency;
  document_ = {};
  section_ = 0;
  subtotalAt_.clear();
  document_.Title = "Estimator's sheet: " + info.BillName;
  const TJobDetails &d = info.Details;
  document_.Facts = {{"Date", d.Date.empty() ? today_ : d.Date},
                     {"Cost file", info.CostFile},
                     {"Reference date", info.ReferenceDate}};
  for (const auto &[name, value] :
       {std::pair<const char *, const std::string &>{"Customer", d.Customer},
        {"Project", d.Project},
        {"Quote number", d.QuoteNumber}})
    if (!value.empty())
      document_.Facts.emplace_back(name, value);
  TQuoteTable items;
  items.Heading = "Items";
  items.Columns = {{"Line", true},   {"Item", false}, {"Description", false},
                   {"Number", true}, {"Each", true},  {"Amount", true}};
  document_.Tables.push_back(std::move(items));
}

void TQuoteBuilder::Line(const TPricedLine &line) {
  const TBillItem &item = line.Bill;
  std::vector<TQuoteRow> &rows = document_.Tables.front().Rows;
  if (line.SectionLine != section_) {
    // The subtotal of the section above goes in at the end, when it is known.
    if (!rows.empty())
      subtotalAt_.emplace_back(rows.size(), section_);
    section_ = line.SectionLine;
    rows.push_back({{{std::string(line.SectionTitle), {}, false, 6}}, false, true});
  }
  // The Details page's second and third lines: the sizes, then the vanes
  // and option words.
  TQuoteRow row;
  row.Cells = {Number(Formatted("%d", {Int(item.Line)})),
               Plain(QuoteItemName(item)),
               {std::string(line.Description), std::string(line.Options), false},
               Number(Formatted("%d", {Int(item.Quantity)})),
               MoneyCell(line.Each, currency_),
               MoneyCell(line.Amount, currency_)};
  rows.push_back(std::move(row));
}

bool TQuoteBuilder::End(const TJobTotals &t, std::string &) {
  std::vector<TQuoteRow> &rows = document_.Tables.front().Rows;
  if (section_ != 0 || !subtotalAt_.empty())
    subtotalAt_.emplace_back(rows.size(), section_);
  // From the bottom up, so that each place stays where it was taken.
  for (auto at = subtotalAt_.rbegin(); at != subtotalAt_.rend(); ++at)
    for (const TJobSection &section : t.Sections)
      if (section.Line == at->second)
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at->first),
                    MoneyRow("Subtotal " + (section.Title.empty() ? "(untitled)" : section.Title),
                             5, section.Subtotal, currency_));
  AppendMoneyRows(document_.Tables.front(), t.Money, currency_, 5);

  TQuoteTable sheets{"Sheet per gauge",
                     false,
                     true,
                     {{"Gauge", true}, {"Sheet area", true}, {"Weight", true}},
                     {}};
  for (const auto &[gauge, sheet] : t.Sheets)
    sheets.Rows.push_back(
        {{Number(Formatted("%0.1f mm", {gauge})), Number(Formatted("%0.2n m²", {sheet.Area})),
          Number(Formatted("%0.1n kg", {sheet.Weight}))}});
  sheets.Rows.push_back({{Number("Total"), Number(Formatted("%0.2n m²", {t.Area})),
                          Number(Formatted("%0.1n kg", {t.Weight}))},
                         true});
  document_.Tables.push_back(std::move(sheets));

  if (!t.Insulation.empty()) {
    TQuoteTable insulation{
        "Insulation", false, true, {{"Kind", false}, {"Thickness", true}, {"Area", true}}, {}};
    for (const auto &[kind, area] : t.Insulation)
      insulation.Rows.push_back({{Plain(std::string(InsulationKindWord(kind.first))),
                                  Number(Formatted("%d mm", {Int(kind.second)})),
                                  Number(Formatted("%0.2n m²", {area}))}});
    document_.Tables.push_back(std::move(insulation));
  }
  if (!t.AllPriced()) {
    TQuoteTable left{"Not in this quote", true, false, {{"Line", true}, {"Why", false}}, {}};
    for (const auto *notes : {&t.NotPriced, &t.Errors})
      for (const TBillNote &n : *notes)
        left.Rows.push_back({{Number(Formatted("%d", {Int(n.Line)})), Plain(NoteText(n))}});
    document_.Tables.push_back(std::move(left));
  }
  document_.Footer = Formatted("%d lines priced. Prices exclude anything not listed.",
                               {Int(static_cast<long>(t.Priced))});
  return true;
}

} // namespace korvane
