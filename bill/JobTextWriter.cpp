#include "bill/JobTextWriter.h"

#include <cstdint>

#include "base/Format.h"
#include "costs/BillKeywords.h"

namespace korvane {

namespace {

Variant Int(long n) {
  return Variant(static_cast<std::int32_t>(n));
}

} // namespace

void TJobTextWriter::Begin(const TJobInfo &info) {
  currency_ = info.Currency;
  out_ += "Bill        " + info.BillName + "\n";
  out_ += "Cost file   " + info.CostFile + " (reference date " + info.ReferenceDate + ")\n\n";
  out_ += "  line  item                     sizes                       number     each        "
          "line    gauge    area m²   weight kg\n";
}

void TJobTextWriter::Line(const TPricedLine &line, const TPricer &) {
  const TBillItem &item = line.Bill;
  sizes_.clear();
  AppendSizes(sizes_, item);
  AppendFormatted(out_, "%6d  %-24s %-26s %7d %10m %13m %6.1f %10.2f %11.1f\n",
                  {Int(item.Line), Variant(std::string(BillCanonicalName(item.Code))),
                   Variant(sizes_), Int(item.Quantity), line.Price, line.Extended, line.Gauge,
                   line.Area, line.Weight},
                  currency_);
}

bool TJobTextWriter::End(const TJobTotals &t, std::string &) {
  AppendFormatted(out_, "\nTotal price %m\n", {t.Price}, currency_);
  AppendFormatted(out_, "Total sheet %0.2n m²  %0.1n kg\n", {t.Area, t.Weight});
  out_ += "\nSheet per gauge\n";
  for (const auto &[gauge, sheet] : t.Sheets)
    AppendFormatted(out_, "  %4.1f mm  %12.2n m²  %12.1n kg\n", {gauge, sheet.Area, sheet.Weight});
  if (!t.Insulation.empty()) {
    out_ += "\nInsulation\n";
    for (const auto &[kind, area] : t.Insulation)
      AppendFormatted(
          out_, "  %-8s %2d mm  %12.2n m²\n",
          {Variant(std::string(InsulationKindWord(kind.first))), Int(kind.second), area});
  }
  AppendFormatted(out_, "\nLines: %d priced, %d not priced, %d bad\n",
                  {Int(static_cast<long>(t.Priced)), Int(static_cast<long>(t.NotPriced.size())),
                   Int(static_cast<long>(t.Errors.size()))});
  if (!t.NotPriced.empty()) {
    out_ += "\nNot priced\n";
    for (const TBillNote &n : t.NotPriced)
      AppendFormatted(out_, "  line %d  %s: %s\n",
                      {Int(n.Line), Variant(n.Keyword), Variant(n.Reason)});
  }
  if (!t.Errors.empty()) {
    out_ += "\nErrors\n";
    for (const TBillNote &n : t.Errors)
      AppendFormatted(out_, "  line %d: %s\n", {Int(n.Line), Variant(n.Reason)});
  }
  return true;
}

} // namespace korvane
