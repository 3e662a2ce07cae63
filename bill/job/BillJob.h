#pragma once
// A bill's reader wired to the job pricer it feeds, with the bill's default
// options taken from the pricer's set-up. korvane-price, the bill window and
// the tests all start a job through here, so they read and price alike.
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/BillReader.h"
#include "bill/job/JobPricer.h"

namespace korvane {

class TBillJob {
public:
  TBillJob(const TPricerSetup &setup, std::string billName, std::string billDir,
           std::vector<TJobWriter *> writers);
  TBillJob(const TBillJob &) = delete;
  TBillJob &operator=(const TBillJob &) = delete;

  // The bill's bytes, in pieces of any size.
  void Feed(std::string_view text) { reader_.Feed(text); }
  // After the last piece: ends the last line and the job. False when the
  // job failed (FatalError says why).
  bool Finish();

  TJobPricer &Pricer() { return pricer_; }
  const TJobPricer &Pricer() const { return pricer_; }

private:
  TJobPricer pricer_;
  TBillReader reader_;
};

// The options a bill starts with: erection and brackets as the set-up says.
TBillOptions BillDefaults(const TPricerSetup &setup);

} // namespace korvane
