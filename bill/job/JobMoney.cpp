#include "bill/job/JobMoney.h"

#include <cmath>
#include <cstdlib>

namespace korvane {

namespace {

// Beyond this a double no longer holds every cent.
constexpr double kMaxCents = 9.0e15;

// numerator / denominator to the nearest whole number, halves away from zero.
TCents DivideRounded(TCents numerator, TCents denominator) {
  const TCents half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

} // namespace

TCents CentsOf(double amount) {
  const double cents = std::round(amount * 100.0); // std::round takes halves away from zero
  if (!std::isfinite(cents) || std::fabs(cents) > kMaxCents)
    return 0;
  return static_cast<TCents>(cents);
}

TCents PercentOfCents(TCents cents, TPercent100 percent) {
  // Hundredths of a percent: a ten-thousandth of the amount each. The whole
  // ten-thousands are multiplied apart from the rest, so no product leaves
  // 64 bits; both parts carry the sign of `cents`, so the rest rounds alone.
  const TCents whole = cents / 10000;
  const TCents rest = cents % 10000;
  return whole * percent + DivideRounded(rest * percent, 10000);
}

TJobMoney JobMoney(TCents subtotal, TPercent100 discountPercent, TPercent100 vatPercent) {
  TJobMoney money;
  money.Subtotal = subtotal;
  money.DiscountPercent = discountPercent;
  money.Discount = PercentOfCents(subtotal, discountPercent);
  money.VatPercent = vatPercent;
  money.Vat = PercentOfCents(subtotal - money.Discount, vatPercent);
  money.Total = subtotal - money.Discount + money.Vat;
  return money;
}

std::string MoneyText(TCents cents, const TCurrencyFormat &currency) {
  TCurrencyFormat twoPlaces = currency;
  twoPlaces.decimals = 2;
  // A whole number of cents over 100 is the nearest double to that many
  // hundredths, so two decimals show exactly those cents.
  return Format("%m", {static_cast<double>(cents) / 100.0}, twoPlaces);
}

std::string PercentText(TPercent100 percent) {
  std::string text = std::to_string(std::abs(percent) / 100);
  if (const int hundredths = std::abs(percent) % 100; hundredths != 0) {
    text += '.';
    text += static_cast<char>('0' + hundredths / 10);
    if (hundredths % 10 != 0)
      text += static_cast<char>('0' + hundredths % 10);
  }
  return (percent < 0 ? "-" : "") + text + "%";
}

} // namespace korvane
