#include "bill/job/JobCsvWriter.h"

#include "app/PriceCsv.h"
#include "base/JsonText.h"

namespace korvane {

void TJobCsvWriter::Begin(const TJobInfo &) {
  AppendCsvHeaderColumns(out_);
  out_ += ",quantity,extended_price,each,amount,section\r\n";
}

void TJobCsvWriter::Line(const TPricedLine &line) {
  out_ += line.ItemCsv;
  out_ += ',';
  AppendJsonNumber(out_, static_cast<double>(line.Bill.Quantity));
  out_ += ',';
  AppendJsonNumber(out_, line.Extended);
  out_ += ',';
  AppendJsonNumber(out_, static_cast<double>(line.Each) / 100.0);
  out_ += ',';
  AppendJsonNumber(out_, static_cast<double>(line.Amount) / 100.0);
  out_ += ',';
  AppendCsvField(out_, line.SectionTitle);
  out_ += "\r\n";
}

bool TJobCsvWriter::End(const TJobTotals &, std::string &) {
  return true;
}

} // namespace korvane
