#include "bill/job/JobTextWriter.h"

#include <cstdint>

#include "base/Format.h"
#include "base/NumberText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

Variant Int(long n) {
  return Variant(static_cast<std::int32_t>(n));
}

} // namespace

void TJobTextWriter::Begin(const TJobInfo &info) {
  currency_ = info.Currency;
  out_ += "Bill        " + info.BillName + "\n";
  out_ += "Cost file   " + info.CostFile + " (reference date " + info.ReferenceDate + ")\n";
  const TJobDetails &d = info.Details;
  for (const auto &[name, value] :
       {std::pair<std::string_view, const std::string &>{"Customer", d.Customer},
        {"Project", d.Project},
        {"Quote", d.QuoteNumber},
        {"Date", d.Date}})
    if (!value.empty())
      AppendFormatted(out_, "%-11s %s\n", {Variant(std::string(name)), Variant(value)});
  out_ += '\n';
  out_ += "  line  item                     sizes                      number       each        "
          "amount  gauge    area m²   weight kg\n";
}

// Appends what `append` writes, right-aligned in `width` characters, or
// left-aligned with a negative width. The line is built piece by piece: a job
// prints one for every line of the bill.
template <typename F> void Column(std::string &out, int width, F &&append) {
  const std::size_t at = out.size();
  append();
  const std::size_t wide = static_cast<std::size_t>(width < 0 ? -width : width);
  const std::size_t written = out.size() - at;
  if (written >= wide)
    return;
  if (width < 0)
    out.append(wide - written, ' ');
  else
    out.insert(at, wide - written, ' ');
}

void TJobTextWriter::Line(const TPricedLine &line) {
  const TBillItem &item = line.Bill;
  if (line.SectionLine != section_) {
    section_ = line.SectionLine;
    out_ += "\n  # ";
    out_ += line.SectionTitle;
    out_ += '\n';
  }
  Column(out_, 6, [&] { out_ += std::to_string(item.Line); });
  out_ += "  ";
  Column(out_, -25, [&] { out_ += BillCanonicalName(item.Code); });
  Column(out_, -26, [&] { AppendSizes(out_, item); });
  Column(out_, 7, [&] { out_ += std::to_string(item.Quantity); });
  Column(out_, 11, [&] { out_ += MoneyText(line.Each, currency_); });
  Column(out_, 14, [&] { out_ += MoneyText(line.Amount, currency_); });
  Column(out_, 7, [&] { AppendFixed(out_, line.Gauge, 1); });
  Column(out_, 11, [&] { AppendFixed(out_, line.Area, 2); });
  Column(out_, 12, [&] { AppendFixed(out_, line.Weight, 1); });
  out_ += '\n';
}

bool TJobTextWriter::End(const TJobTotals &t, std::string &) {
  // The printed figures: the Amounts above add up to the subtotals, and
  // those to the Subtotal.
  const TJobMoney &m = t.Money;
  if (t.Sections.size() > 1 || (t.Sections.size() == 1 && t.Sections[0].Line != 0)) {
    out_ += "\nSections\n";
    for (const TJobSection &section : t.Sections)
      AppendFormatted(out_, "  %-40s %16s\n",
                      {Variant(section.Title.empty() ? std::string("(untitled)") : section.Title),
                       Variant(MoneyText(section.Subtotal, currency_))});
  }
  out_ += "\nSubtotal    " + MoneyText(m.Subtotal, currency_) + "\n";
  if (m.DiscountPercent != 0)
    out_ += "Discount    " + PercentText(m.DiscountPercent) + "  -" +
            MoneyText(m.Discount, currency_) + "\n";
  if (m.VatPercent != 0)
    out_ += "VAT         " + PercentText(m.VatPercent) + "  " + MoneyText(m.Vat, currency_) + "\n";
  out_ += "Total price " + MoneyText(m.Total, currency_) + "\n";
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
