#pragma once
// korvane-price --ifc FILE: reads the building model into the bill its
// ductwork becomes (written to --bill-out when given) and prices that bill
// as --bill does.
#include <string>

#include "app/Pricer.h"
#include "programs/korvane-price/PriceArgs.h"

namespace korvane {

// The exit status as PriceBill's; the model's elements that cannot be
// priced are lines not priced (status 1), a file that is no model of a
// known schema is status 2 with `error`.
int PriceModel(const TPricerSetup &setup, const TPriceArgs &args, std::string &error);

} // namespace korvane
