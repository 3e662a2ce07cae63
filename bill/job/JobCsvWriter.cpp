#include "bill/job/JobCsvWriter.h"

#include "app/PriceCsv.h"
#include "base/JsonText.h"

namespace korvane {

void TJobCsvWriter::Begin(const TJobInfo &) {
  AppendCsvHeaderColumns(out_);
  out_ += ",quantity,extended_price\r\n";
}

void TJobCsvWriter::Line(const TPricedLine &line) {
  out_ += line.ItemCsv;
  out_ += ',';
  AppendJsonNumber(out_, static_cast<double>(line.Bill.Quantity));
  out_ += ',';
  AppendJsonNumber(out_, line.Extended);
  out_ += "\r\n";
}

bool TJobCsvWriter::End(const TJobTotals &, std::string &) {
  return true;
}

} // namespace korvane
