#pragma once
// The job as one JSON object, written as it is priced: "details" (the
// bill's job details), "items" (one priced line each, on a line of its own),
// then "totals", "sections", "sheets", "insulation",
// "not_priced", "errors" and "counts". An item's price, area, insulation
// area and weight are those of one item; extended_price is quantity times
// price, and the totals are the sums over quantities. Beside these unrounded
// figures stand the printed ones: an item's "each" and "amount", a section's
// "subtotal", and the totals' "subtotal", "discount", "vat" and "total".
#include <string>

#include "bill/job/JobWriter.h"

namespace korvane {

class TJobJsonWriter : public TJobWriter {
public:
  explicit TJobJsonWriter(std::string &out) : out_(out) {}
  void Begin(const TJobInfo &info) override;
  void Line(const TPricedLine &line) override;
  bool End(const TJobTotals &totals, std::string &error) override;

private:
  std::string &out_;
  bool first_ = true;
};

} // namespace korvane
