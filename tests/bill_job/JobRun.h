#pragma once
// A bill priced as a job in memory, with the staged data, and every priced
// line kept for the test to look at.
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/BillJob.h"

namespace korvane::test {

struct TLineSeen {
  int Line = 0;
  int Code = 0;
  long Quantity = 0;
  double Price = 0, Extended = 0, Area = 0, InsArea = 0, Weight = 0, Gauge = 0;
  TCents Each = 0, Amount = 0;
  int SectionLine = 0;
};

class TRecordingWriter : public TJobWriter {
public:
  std::vector<TLineSeen> lines;
  bool begun = false;
  TJobInfo info;
  void Begin(const TJobInfo &i) override {
    begun = true;
    info = i;
  }
  void Line(const TPricedLine &l) override {
    lines.push_back({l.Bill.Line, l.Bill.Code, l.Bill.Quantity, l.Price, l.Extended, l.Area,
                     l.InsArea, l.Weight, l.Gauge, l.Each, l.Amount, l.SectionLine});
  }
  bool End(const TJobTotals &, std::string &) override { return true; }
};

inline TPricerSetup StagedSetup() {
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  return setup;
}

struct TJobRun {
  TRecordingWriter writer;
  TJobTotals totals;
  std::string fatal;
};

// Feeds `bill` in pieces of `chunk` bytes, as a file read streams in.
inline void RunJob(TJobRun &run, std::string_view bill, const TPricerSetup &setup = StagedSetup(),
                   std::size_t chunk = 7, std::string billDir = {}) {
  TBillJob job(setup, "test.dct", std::move(billDir), {&run.writer});
  for (std::size_t at = 0; at < bill.size(); at += chunk)
    job.Feed(bill.substr(at, chunk));
  if (!job.Finish())
    run.fatal = job.Pricer().FatalError();
  run.totals = job.Pricer().Totals();
}

} // namespace korvane::test
