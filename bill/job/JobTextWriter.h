#pragma once
// The job as korvane-price --bill prints it by default: a heading, one line
// per priced line (with its printed Each and Amount; a section's title above
// its first line), then the section subtotals, the Subtotal, Discount, VAT
// and Total as a quote prints them, the sheet per gauge, the insulation, the
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
  int section_ = 0; // the "#" line of the section last printed
};

} // namespace korvane
