#include "bill/job/JobHtmlWriter.h"

namespace korvane {

bool TJobHtmlWriter::End(const TJobTotals &totals, std::string &error) {
  if (!quote_->End(totals, error))
    return false;
  AppendQuoteHtml(out_, quote_->Document());
  return true;
}

} // namespace korvane
