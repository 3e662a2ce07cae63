#pragma once
// korvane-price --takeoff FILE: reads the take-off into the bill it becomes
// (written to --bill-out when given) and prices that bill as --bill does.
#include <string>

#include "app/Pricer.h"
#include "programs/korvane-price/PriceArgs.h"

namespace korvane {

// The exit status as PriceBill's; the take-off's rows that cannot be
// priced are errors of the job (status 1), a file that cannot be read as a
// take-off is status 2 with `error`.
int PriceTakeoff(const TPricerSetup &setup, const TPriceArgs &args, std::string &error);

} // namespace korvane
