#include "bill/job/JobWriter.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace korvane {

void AppendSizes(std::string &out, const TBillItem &item) {
  const std::span<const TBillSlotSpec> slots = item.Form->Numbers();
  bool first = true;
  for (std::size_t i = 0; i < item.Numbers.size() && i < slots.size(); ++i) {
    if (slots[i].Kind == TBillSlot::Quantity)
      continue;
    if (!first)
      out += "  ";
    out += item.Numbers[i];
    first = false;
  }
}

std::string RefDateText(double refDate) {
  using namespace std::chrono;
  // Ten thousand years either way of the day count's start is any calendar's.
  if (!std::isfinite(refDate) || std::fabs(refDate) > 3.6e6)
    return "unknown";
  const sys_days day =
      sys_days(year{1899} / December / 30) + days(static_cast<long>(std::floor(refDate)));
  const year_month_day ymd(day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

} // namespace korvane
