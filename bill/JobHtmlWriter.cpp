#include "bill/JobHtmlWriter.h"

#include <cstdint>
#include <ctime>
#include <utility>

#include "app/Catalogue.h"
#include "app/SolveItem.h"
#include "base/FileIO.h"
#include "base/Format.h"

namespace korvane {

namespace {

constexpr std::string_view kStyle = R"(<style>
body { font-family: "DejaVu Sans", Arial, sans-serif; color: #1d2428; margin: 2em auto;
  max-width: 60em; padding: 0 1.5em; font-size: 11pt; }
header { border-bottom: 3px solid #27566b; margin-bottom: 1.2em; }
h1 { font-size: 1.7em; margin: 0 0 .2em; color: #27566b; }
h2 { font-size: 1.15em; margin: 1.6em 0 .5em; color: #27566b; }
dl { display: grid; grid-template-columns: max-content auto; gap: .2em 1.2em; margin: 0 0 1em; }
dt { font-weight: bold; }
dd { margin: 0; }
table { border-collapse: collapse; width: 100%; }
th, td { padding: .3em .55em; border-bottom: 1px solid #d4dadd; text-align: left;
  vertical-align: top; }
th { background: #eaf0f2; font-weight: bold; }
td.n, th.n { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
tr.total td { font-weight: bold; border-top: 2px solid #27566b; border-bottom: none; }
table.sheets { width: auto; min-width: 50%; }
.note { color: #8a3b12; }
.opt { color: #5b666c; font-size: .85em; }
footer { margin-top: 2em; font-size: .85em; color: #5b666c; }
@media print {
  body { margin: 0; max-width: none; font-size: 9.5pt; }
  th { background: none; border-bottom: 1.5px solid #000; }
  thead { display: table-header-group; }
  tr { page-break-inside: avoid; }
  h2 { page-break-after: avoid; }
  @page { size: A4; margin: 15mm; }
}
</style>
)";

Variant Int(long n) {
  return Variant(static_cast<std::int32_t>(n));
}

std::string LocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

} // namespace

void AppendHtmlText(std::string &out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\'':
      out += "&#39;";
      break;
    default:
      out += c;
    }
  }
}

TJobHtmlWriter::TJobHtmlWriter(std::string path, std::string today)
    : path_(std::move(path)), today_(today.empty() ? LocalDate() : std::move(today)) {}

void TJobHtmlWriter::Begin(const TJobInfo &info) {
  currency_ = info.Currency;
  page_ = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Quote: ";
  AppendHtmlText(page_, info.BillName);
  page_ += "</title>\n";
  page_ += kStyle;
  page_ += "</head>\n<body>\n<header>\n<h1>Quote: ";
  AppendHtmlText(page_, info.BillName);
  page_ += "</h1>\n<dl>\n<dt>Date</dt><dd>";
  AppendHtmlText(page_, today_);
  page_ += "</dd>\n<dt>Cost file</dt><dd>";
  AppendHtmlText(page_, info.CostFile);
  page_ += "</dd>\n<dt>Reference date</dt><dd>";
  AppendHtmlText(page_, info.ReferenceDate);
  page_ += "</dd>\n</dl>\n</header>\n<h2>Items</h2>\n<table>\n<thead><tr><th "
           "class=\"n\">Line</th><th>Item</th><th>Description</th><th class=\"n\">Number</th><th "
           "class=\"n\">Each</th><th class=\"n\">Amount</th></tr></thead>\n<tbody>\n";
}

void TJobHtmlWriter::Line(const TPricedLine &line, const TPricer &pricer) {
  const TBillItem &item = line.Bill;
  const TDetailLines &details = pricer.Report().Details;
  AppendFormatted(page_, "<tr><td class=\"n\">%d</td><td>", {Int(item.Line)});
  AppendHtmlText(page_, DuctTypes[static_cast<std::size_t>(item.Form->Type)].Name);
  if (item.Form->Vanes)
    page_ += ", vaned";
  if (item.Form->Plate)
    page_ += ", with mounting plate";
  // The Details page's second and third lines: the sizes, then the vanes
  // and option words.
  page_ += "</td><td>";
  if (details.size() > 2) {
    AppendHtmlText(page_, details[1]);
    page_ += "<br><span class=\"opt\">";
    AppendHtmlText(page_, details[2]);
    page_ += "</span>";
  }
  AppendFormatted(page_,
                  "</td><td class=\"n\">%d</td><td class=\"n\">%m</td><td "
                  "class=\"n\">%m</td></tr>\n",
                  {Int(item.Quantity), line.Price, line.Extended}, currency_);
}

bool TJobHtmlWriter::End(const TJobTotals &t, std::string &error) {
  AppendFormatted(page_,
                  "<tr class=\"total\"><td></td><td colspan=\"4\">Total</td><td "
                  "class=\"n\">%m</td></tr>\n</tbody>\n</table>\n",
                  {t.Price}, currency_);
  page_ += "<h2>Sheet per gauge</h2>\n<table class=\"sheets\">\n<thead><tr><th "
           "class=\"n\">Gauge</th><th class=\"n\">Sheet area</th><th "
           "class=\"n\">Weight</th></tr></thead>\n<tbody>\n";
  for (const auto &[gauge, sheet] : t.Sheets)
    AppendFormatted(page_,
                    "<tr><td class=\"n\">%0.1f mm</td><td class=\"n\">%0.2n m²</td><td "
                    "class=\"n\">%0.1n kg</td></tr>\n",
                    {gauge, sheet.Area, sheet.Weight});
  AppendFormatted(page_,
                  "<tr class=\"total\"><td class=\"n\">Total</td><td class=\"n\">%0.2n m²</td><td "
                  "class=\"n\">%0.1n kg</td></tr>\n</tbody>\n</table>\n",
                  {t.Area, t.Weight});
  if (!t.Insulation.empty()) {
    page_ += "<h2>Insulation</h2>\n<table class=\"sheets\">\n<thead><tr><th>Kind</th><th "
             "class=\"n\">Thickness</th><th class=\"n\">Area</th></tr></thead>\n<tbody>\n";
    for (const auto &[kind, area] : t.Insulation)
      AppendFormatted(
          page_, "<tr><td>%s</td><td class=\"n\">%d mm</td><td class=\"n\">%0.2n m²</td></tr>\n",
          {Variant(std::string(InsulationKindWord(kind.first))), Int(kind.second), area});
    page_ += "</tbody>\n</table>\n";
  }
  if (!t.AllPriced()) {
    page_ += "<h2 class=\"note\">Not in this quote</h2>\n<table>\n<thead><tr><th "
             "class=\"n\">Line</th><th>Why</th></tr></thead>\n<tbody>\n";
    for (const auto *notes : {&t.NotPriced, &t.Errors}) {
      for (const TBillNote &n : *notes) {
        AppendFormatted(page_, "<tr><td class=\"n\">%d</td><td>", {Int(n.Line)});
        if (!n.Keyword.empty()) {
          AppendHtmlText(page_, n.Keyword);
          page_ += ": ";
        }
        AppendHtmlText(page_, n.Reason);
        page_ += "</td></tr>\n";
      }
    }
    page_ += "</tbody>\n</table>\n";
  }
  AppendFormatted(page_, "<footer>%d lines priced. Prices exclude anything not listed.</footer>\n",
                  {Int(static_cast<long>(t.Priced))});
  page_ += "</body>\n</html>\n";
  std::string why;
  if (!AtomicWriteFile(path_, page_, &why)) {
    error = "cannot write the quote '" + path_ + "': " + why;
    return false;
  }
  return true;
}

} // namespace korvane
