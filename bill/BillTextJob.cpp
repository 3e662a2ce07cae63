#include "bill/BillTextJob.h"

#include "bill/BillReader.h"
#include "bill/JobPricer.h"

namespace korvane {

bool PriceBillText(std::string_view text, const TBillTextJob &job,
                   const std::vector<TJobWriter *> &writers, TJobTotals &totals,
                   std::string &fatal) {
  TJobPricer pricer(job.Setup, job.BillName, job.BillDir, writers);
  if (job.FallbackCostFile)
    pricer.SetFallbackCostFile(*job.FallbackCostFile);
  TBillOptions defaults;
  defaults.Erection = job.Setup.Erection;
  defaults.Brackets = job.Setup.Brackets;
  TBillReader reader(pricer, defaults);
  reader.Feed(text);
  reader.Finish();
  const bool ok = pricer.Finish();
  fatal = pricer.FatalError();
  totals = pricer.Totals();
  return ok;
}

} // namespace korvane
