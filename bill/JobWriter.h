#pragma once
// What a priced job is written as: the standard output of korvane-price
// (text, JSON or CSV) and the printable quote. A writer sees each priced line
// as it is priced and the totals at the end, so a job of any size streams.
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/Format.h"

#include "bill/BillReader.h"
#include "bill/JobTotals.h"
#include "tools/Pricer.h"

namespace korvane {

struct TJobInfo {
  std::string BillName;      // the bill's file name, "-" for standard input
  std::string CostFile;      // as the pricer names it
  std::string ReferenceDate; // of the cost file, YYYY-MM-DD
  TCurrencyFormat Currency;
};

// One line as priced: the figures of one item and of the line.
struct TPricedLine {
  const TBillItem &Bill;
  double Price = 0; // one item, unrounded
  double Extended = 0;
  double Area = 0;
  double InsArea = 0;
  double Weight = 0;
  double Gauge = 0;
};

class TJobWriter {
public:
  virtual ~TJobWriter() = default;
  // Before the first line, once the cost file is open.
  virtual void Begin(const TJobInfo &info) = 0;
  virtual void Line(const TPricedLine &line, const TPricer &pricer) = 0;
  // False with `error` when the output cannot be written.
  virtual bool End(const TJobTotals &totals, std::string &error) = 0;
  // The report texts Line reads from the pricer; a job solves for the
  // figures alone unless a writer wants more.
  virtual TReportTexts TextsRead() const { return TReportTexts::FiguresOnly; }
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
