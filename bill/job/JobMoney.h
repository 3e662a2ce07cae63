#pragma once
// The money a quote prints, in whole cents, so that the figures add up as
// printed: Each is the item's price rounded to cents, Amount is Number x
// Each, a section's subtotal and the Subtotal are sums of those, and the
// discount and VAT are rounded once each. Whole cents keep a job of any
// length free of the drift a sum of doubles gathers.
#include <cstdint>
#include <string>

#include "base/Format.h"

namespace korvane {

using TCents = std::int64_t;

// A percentage in hundredths of a percent: 1250 is 12.5%.
using TPercent100 = std::int32_t;

// `amount` (a price) to the nearest cent, halves away from zero. A value
// that no cent count holds (not finite, or beyond about 10^16) reads as 0.
TCents CentsOf(double amount);

// `cents` x `percent` / 100, to the nearest cent, halves away from zero.
TCents PercentOfCents(TCents cents, TPercent100 percent);

struct TJobMoney {
  TCents Subtotal = 0;
  TPercent100 DiscountPercent = 0;
  TCents Discount = 0;
  TPercent100 VatPercent = 0;
  TCents Vat = 0;
  TCents Total = 0;
};

// The Discount, VAT and Total of `subtotal`: the VAT is charged on the
// discounted amount.
TJobMoney JobMoney(TCents subtotal, TPercent100 discountPercent, TPercent100 vatPercent);

// "1,234.50" with the currency's symbol and its place ("R1,234.50").
std::string MoneyText(TCents cents, const TCurrencyFormat &currency);
// "12.5%", "20%".
std::string PercentText(TPercent100 percent);

} // namespace korvane
