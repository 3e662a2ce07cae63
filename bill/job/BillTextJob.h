#pragma once
// A bill held in memory (the bill window's text) priced as a job in one go.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Pricer.h"
#include "bill/job/CompanyProfile.h"
#include "bill/job/JobTotals.h"
#include "bill/job/JobWriter.h"

namespace korvane {

struct TBillTextJob {
  TPricerSetup Setup;
  std::optional<std::string> FallbackCostFile; // when the bill has no Costs line
  std::string BillName;                        // the quote's title
  std::string BillDir;                         // a Costs line's folder, trailing '/'
  TCompanyProfile Company;                     // the quotes' company and defaults
};

// Reads and prices `text` into `writers`. False with `fatal` when the cost
// file or the price list could not be read, or a writer failed.
bool PriceBillText(std::string_view text, const TBillTextJob &job,
                   const std::vector<TJobWriter *> &writers, TJobTotals &totals,
                   std::string &fatal);

} // namespace korvane
