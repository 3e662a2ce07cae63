#include "bill/job/QuoteBuilder.h"

#include <cstdint>
#include <ctime>

#include "app/Catalogue.h"
#include "base/Format.h"

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
  document_.Title = "Quote: " + info.BillName;
  document_.Facts = {
      {"Date", today_}, {"Cost file", info.CostFile}, {"Reference date", info.ReferenceDate}};
  TQuoteTable items;
  items.Heading = "Items";
  items.Columns = {{"Line", true},   {"Item", false}, {"Description", false},
                   {"Number", true}, {"Each", true},  {"Amount", true}};
  document_.Tables.push_back(std::move(items));
}

void TQuoteBuilder::Line(const TPricedLine &line) {
  const TBillItem &item = line.Bill;
  std::string name(DuctTypes[static_cast<std::size_t>(item.Form->Type)].Name);
  if (item.Form->Vanes)
    name += ", vaned";
  if (item.Form->Plate)
    name += ", with mounting plate";
  // The Details page's second and third lines: the sizes, then the vanes
  // and option words.
  TQuoteRow row;
  row.Cells = {Number(Formatted("%d", {Int(item.Line)})),
               Plain(std::move(name)),
               {std::string(line.Description), std::string(line.Options), false},
               Number(Formatted("%d", {Int(item.Quantity)})),
               Number(Formatted("%m", {line.Price}, currency_)),
               Number(Formatted("%m", {line.Extended}, currency_))};
  document_.Tables.front().Rows.push_back(std::move(row));
}

bool TQuoteBuilder::End(const TJobTotals &t, std::string &) {
  TQuoteRow total{
      {Plain({}), {"Total", {}, false, 4}, Number(Formatted("%m", {t.Price}, currency_))}, true};
  document_.Tables.front().Rows.push_back(std::move(total));

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
        left.Rows.push_back({{Number(Formatted("%d", {Int(n.Line)})),
                              Plain(n.Keyword.empty() ? n.Reason : n.Keyword + ": " + n.Reason)}});
    document_.Tables.push_back(std::move(left));
  }
  document_.Footer = Formatted("%d lines priced. Prices exclude anything not listed.",
                               {Int(static_cast<long>(t.Priced))});
  return true;
}

} // namespace korvane
