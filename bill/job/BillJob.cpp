#include "bill/job/BillJob.h"

namespace korvane {

TBillOptions BillDefaults(const TPricerSetup &setup) {
  TBillOptions defaults;
  defaults.Erection = setup.Erection;
  defaults.Brackets = setup.Brackets;
  return defaults;
}

TBillJob::TBillJob(const TPricerSetup &setup, std::string billName, std::string billDir,
                   std::vector<TJobWriter *> writers)
    : pricer_(setup, std::move(billName), std::move(billDir), std::move(writers)),
      reader_(pricer_, BillDefaults(setup)) {}

bool TBillJob::Finish() {
  reader_.Finish();
  return pricer_.Finish();
}

void TBillLineFeed::Through(int line) {
  while (line_ <= line && at_ < text_.size()) {
    const std::size_t nl = text_.find('\n', at_);
    const std::size_t end = nl == std::string_view::npos ? text_.size() : nl + 1;
    job_.Feed(text_.substr(at_, end - at_));
    at_ = end;
    ++line_;
  }
}

void TBillLineFeed::Rest() {
  job_.Feed(text_.substr(at_));
  at_ = text_.size();
}

} // namespace korvane
