#pragma once
// korvane-price --bill FILE: reads the bill (a file, or standard input for
// "-"), prices it as a job and writes text, JSON or CSV on standard output
// and, with --html, the quote page.
#include <functional>
#include <string>

#include "app/Pricer.h"
#include "base/OutputBuffer.h"
#include "bill/job/BillJob.h"
#include "programs/korvane-price/PriceArgs.h"

namespace korvane {

// The exit status: 0 every line priced, 1 some line not priced or in error
// (the rest priced and totalled), 2 with `error` when the bill, the cost
// file or the price list cannot be read or an output cannot be written
// (nothing is written on standard output then, unless it failed midway).
int PriceBill(const TPricerSetup &setup, const TPriceArgs &args, std::string &error);

// Gives the job its bill; false with `error` when the bill cannot be read
// or the job has stopped.
using TFeedJob = std::function<bool(TBillJob &, TOutputBuffer &, std::string &)>;

// What PriceBill does once the bill can be read, for any source of bill
// text: `billName` names it in the outputs, `billDir` is where its Costs
// line's file is looked for.
int PriceJob(const TPricerSetup &setup, const TPriceArgs &args, const std::string &billName,
             const std::string &billDir, const TFeedJob &feed, std::string &error);

// The feed of a bill made in memory (a take-off's, a model's), which `give`
// gives the job whole.
TFeedJob MadeBillFeed(std::function<void(TBillJob &)> give);

} // namespace korvane
