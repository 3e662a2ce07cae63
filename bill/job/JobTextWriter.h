#pragma once
// The job as korvane-price --bill prints it by default: a heading, one line
// per priced line, then the totals, the sheet per gauge, the insulation, the
// counts and the lines not priced or in error.
#include <string>

#include "bill/job/JobWriter.h"

namespace korvane {

class TJobTextWriter : public TJobWriter {
public:
  // Appends to `out`, which the caller empties as it pleases.
  explicit TJobTextWriter(std::string &out) : out_(out) {}
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;

private:
  std::string &out_;
  TCurrencyFormat currency_;
};

} // namespace korvane
