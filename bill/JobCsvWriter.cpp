#include "bill/JobCsvWriter.h"

#include "tools/JsonText.h"
#include "tools/PriceWriters.h"

namespace korvane {

// The batch writers end each row with CR LF; the bill's columns go before it.
void TJobCsvWriter::AppendExtra(std::string_view extra) {
  if (out_.ends_with("\r\n"))
    out_.resize(out_.size() - 2);
  out_ += extra;
  out_ += "\r\n";
}

void TJobCsvWriter::Begin(const TJobInfo &) {
  AppendCsvHeader(out_);
  AppendExtra(",quantity,extended_price");
}

void TJobCsvWriter::Line(const TPricedLine &line, const TPricer &pricer) {
  AppendCsvRow(out_, pricer, static_cast<std::size_t>(line.Bill.Line));
  std::string extra = ",";
  AppendJsonNumber(extra, static_cast<double>(line.Bill.Quantity));
  extra += ',';
  AppendJsonNumber(extra, line.Extended);
  AppendExtra(extra);
}

bool TJobCsvWriter::End(const TJobTotals &, std::string &) {
  return true;
}

} // namespace korvane
