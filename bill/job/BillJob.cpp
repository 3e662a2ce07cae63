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

} // namespace korvane
