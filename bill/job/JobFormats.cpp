#include "bill/job/JobFormats.h"

#include <array>

#include "base/AsciiText.h"
#include "bill/job/CustomerQuote.h"
#include "bill/job/JobCsvWriter.h"
#include "bill/job/JobHtmlWriter.h"
#include "bill/job/JobJsonWriter.h"
#include "bill/job/JobTextWriter.h"
#include "bill/job/JobXlsxWriter.h"
#include "bill/job/QuoteBuilder.h"

namespace korvane {

namespace {

template <typename W>
std::unique_ptr<TJobWriter> Make(std::string &out, const TJobOutputOptions &) {
  return std::make_unique<W>(out);
}

template <typename Quote>
std::unique_ptr<TJobWriter> MakeHtml(std::string &out, const TJobOutputOptions &options) {
  return std::make_unique<TJobHtmlWriter>(out, std::make_unique<Quote>(options.Today));
}

std::unique_ptr<TJobWriter> MakeXlsx(std::string &out, const TJobOutputOptions &options) {
  return std::make_unique<TJobXlsxWriter>(out, options.Today);
}

const std::array kFormats{
    TJobFormat{"text", "txt", "Priced Job as Text", true, "the priced job",
               "print the report as text (the default)", Make<TJobTextWriter>},
    TJobFormat{"json", "json", "Priced Job as JSON", true, "the JSON",
               R"(print one JSON object: type, values (property key to the
number read; choices as item indexes), price, area,
insulation_area, weight, centre_length, gauge, flange,
details, status, rates, summary, bill; after "Bad
data..." gauge and flange are null, and so are rates,
summary and bill; "warnings" (a list of texts) only
when there are any)",
               Make<TJobJsonWriter>},
    TJobFormat{"csv", "csv", "Priced Job as CSV", true, "the CSV",
               R"(a header, then one CSV row per item (CR LF
line ends). Columns: line, type, one column per property
key of all types (Width, Height, Length, Gauge, Flange,
Insulation, Angle, Vanes, Width1, Width2, Diameter,
Height1, Height2, Reinforcing, Plate, Radius; empty where
the type has no such key; choices as item indexes), price,
area, insulation_area, weight, gauge_used, flange_used,
status, warnings. A bad line has only line and
"error: ..." status.)",
               Make<TJobCsvWriter>},
    TJobFormat{"html", "html", "Quote as HTML", false, "the quote",
               R"(with --bill: also write the customer's quote to FILE,
a printable HTML page (company, customer, sections,
subtotals, discount, VAT and total; no file names,
line numbers, gauges or weights))",
               MakeHtml<TCustomerQuote>, true},
    TJobFormat{"pdf", "pdf", "Quote as PDF", false, "the quote", {}, nullptr, true},
    // The estimator's own page: ".sheet.html", so that a file named for the
    // customer (.html, .pdf) can never be this one, while a browser still
    // opens it.
    TJobFormat{"estimate", "sheet.html", "Estimator's Sheet", false, "the estimator's sheet",
               R"(with --bill: also write the estimator's sheet to FILE,
an HTML page with the bill's line numbers, the cost file,
sections and subtotals, sheet per gauge and insulation)",
               MakeHtml<TQuoteBuilder>},
    TJobFormat{"xlsx", "xlsx", "Priced Job as XLSX Workbook", false, "the workbook",
               R"(with --bill: also write the priced job to FILE as a
spreadsheet workbook: the sheet Quote (the company, the
job and one row per line, with formulas for the amounts,
subtotals, discount, VAT and total), Take-off (the
priced lines as a take-off: --takeoff reads it back to
the same prices), Sheet per gauge, Insulation and Not
priced)",
               MakeXlsx},
};

} // namespace

std::span<const TJobFormat> JobFormats() {
  return kFormats;
}

const TJobFormat *FindJobFormat(std::string_view name) {
  for (const TJobFormat &format : kFormats)
    if (format.Name == name)
      return &format;
  return nullptr;
}

const TJobFormat *JobFormatForFile(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  // The longest extension the name ends in wins: "job.sheet.html" is the
  // estimator's sheet, "job.html" the customer's quote.
  const TJobFormat *found = nullptr;
  for (const TJobFormat &format : kFormats) {
    const std::size_t length = format.Extension.size() + 1;
    if (name.size() > length && name[name.size() - length] == '.' &&
        EqualsNoCase(format.Extension, name.substr(name.size() - format.Extension.size())) &&
        (!found || found->Extension.size() < format.Extension.size()))
      found = &format;
  }
  return found;
}

} // namespace korvane
