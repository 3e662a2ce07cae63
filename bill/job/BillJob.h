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

// A bill made elsewhere (a take-off, a building model) fed to a job line by
// line, so that what its maker says of a line (a bad row, an element not
// priced) is told once the reader has read up to it, in line order.
class TBillLineFeed {
public:
  TBillLineFeed(TBillJob &job, std::string_view text) : job_(job), text_(text) {}
  // Feeds the lines up to and with line `line` (1-based) not fed yet.
  void Through(int line);
  // Feeds the rest of the bill.
  void Rest();

private:
  TBillJob &job_;
  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
};

// The options a bill starts with: erection and brackets as the set-up says.
TBillOptions BillDefaults(const TPricerSetup &setup);

} // namespace korvane
