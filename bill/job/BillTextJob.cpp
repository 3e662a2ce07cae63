#include "bill/job/BillTextJob.h"

#include "bill/job/BillJob.h"

namespace korvane {

bool PriceBillText(std::string_view text, const TBillTextJob &job,
                   const std::vector<TJobWriter *> &writers, TJobTotals &totals,
                   std::string &fatal) {
  TBillJob bill(job.Setup, job.BillName, job.BillDir, writers);
  if (job.FallbackCostFile)
    bill.Pricer().SetFallbackCostFile(*job.FallbackCostFile);
  bill.Pricer().SetCompany(job.Company);
  bill.Feed(text);
  const bool ok = bill.Finish();
  fatal = bill.Pricer().FatalError();
  totals = bill.Pricer().Totals();
  return ok;
}

} // namespace korvane
