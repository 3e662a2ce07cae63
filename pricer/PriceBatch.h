#pragma once
// The batch mode of korvane-price: one item per input line, one JSON object
// or CSV row per item.
#include <span>
#include <string>

#include "app/Pricer.h"
#include "base/OutputBuffer.h"

namespace korvane {

enum class TBatchFormat { Json, Csv };

// Reads `inFd` to its end, pricing chunks of lines on one thread per pricer
// (one pricer: on the calling thread) and writing the results in input order.
// Returns 0 when every item was priced, 1 when any line was bad or ended in
// "Bad data...", 2 when the input could not be read or the output not
// written (with `error`; what was priced before is written).
int RunBatch(std::span<TPricer *const> pricers, int inFd, TOutputBuffer &out, TBatchFormat format,
             std::string &error);

// One batch line into `out`; true when it was priced.
bool PriceBatchLine(TPricer &pricer, std::string_view line, std::size_t lineNo, TBatchFormat format,
                    std::string &out);

} // namespace korvane
