#pragma once
// What a priced job is written as: the standard output of korvane-price
// (text, JSON or CSV) and the printable quote (bill/job/JobFormats.h lists
// them all). A writer sees the job's details, each priced line as it is
// priced and the totals at the end, so a job of any size streams; it never
// sees the pricer.
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/Format.h"

#include "app/Pricer.h"
#include "bill/job/BillReader.h"
#include "bill/job/CompanyProfile.h"
#include "bill/job/JobDetails.h"
#include "bill/job/JobMoney.h"
#include "bill/job/JobTotals.h"
#include "bill/job/QuoteDocument.h"

namespace korvane {

struct TJobInfo {
  std::string BillName;      // the bill's file name, "-" for standard input
  std::string CostFile;      // as the pricer names it
  std::string ReferenceDate; // of the cost file, YYYY-MM-DD
  TCurrencyFormat Currency;  // the company's symbol over the cost file's
  TJobDetails Details;       // the bill's "; Field: value" lines
  TCompanyProfile Company;
};

// One line as priced: the figures of one item and of the line, and the
// texts the writers asked for.
struct TPricedLine {
  const TBillItem &Bill;
  double Price = 0; // one item, unrounded
  double Extended = 0;
  double Area = 0;
  double InsArea = 0;
  double Weight = 0;
  double Gauge = 0;
  // The figures a quote prints: Each is Price to the cent, Amount is
  // Number x Each.
  TCents Each = 0;
  TCents Amount = 0;
  // The section the line stands in: the line of its "#" line (0 for the
  // untitled one above the first) and its title, as in TJobTotals::Sections.
  int SectionLine = 0;
  std::string_view SectionTitle;
  // The settings it was priced with: what the line includes, in words.
  TEngineSettings Settings;
  // With TReportTexts::All: the Details page's second and third lines (the
  // sizes, then the vanes and option words).
  std::string_view Description;
  std::string_view Options;
  // When a writer reads it: the item's korvane-price CSV columns (the bill's
  // line number as "line"), with no line end.
  std::string_view ItemCsv;
};

class TJobWriter {
public:
  virtual ~TJobWriter() = default;
  // Before the first line, once the cost file is open.
  virtual void Begin(const TJobInfo &info) = 0;
  virtual void Line(const TPricedLine &line) = 0;
  // False with `error` when the output cannot be written.
  virtual bool End(const TJobTotals &totals, std::string &error) = 0;
  // The report texts the line's texts are made from; a job solves for the
  // figures alone unless a writer wants more.
  virtual TReportTexts TextsRead() const { return TReportTexts::FiguresOnly; }
  virtual bool ReadsItemCsv() const { return false; }
  // After End: what the output left out that its reader should be told
  // (a logo that could not be read), once; empty when nothing.
  virtual std::string_view Warning() const { return {}; }
};

// A writer that builds a quote document as the job is priced: the
// customer's quote, the estimator's sheet. The HTML page and the printed
// page are drawn from its document.
class TQuoteWriter : public TJobWriter {
public:
  virtual const TQuoteDocument &Document() const = 0;
};

// FormatTo with the values written out in place.
inline void AppendFormatted(std::string &out, std::string_view format,
                            std::initializer_list<Variant> args,
                            const TCurrencyFormat &currency = {}) {
  FormatTo(out, format, std::span<const Variant>(args.begin(), args.size()), currency);
}

// The numbers of a line without its number off, as written, two spaces apart.
void AppendSizes(std::string &out, const TBillItem &item);

// The cost file's reference date (days from 30 December 1899) as
// YYYY-MM-DD; "unknown" for a value no calendar has.
std::string RefDateText(double refDate);

} // namespace korvane
