#include "app/PricedValues.h"

#include <charconv>

#include "app/ReportLabels.h"

namespace korvane {

void AppendCount(std::string &out, std::size_t n) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, n);
  out.append(buf, res.ptr);
}

bool Priced(const TPricer &pricer) {
  return !pricer.Report().Failed;
}

// What the solve read from data row `row`; a row a failed solve never
// reached is read now, as the solve would have.
Variant RowValue(const TPricer &pricer, int row) {
  const Variant &read = pricer.Report().Values[static_cast<std::size_t>(row - 1)];
  return read.isEmpty() ? pricer.Rows().GetData(1, row) : read;
}

std::string_view FlangeWord(const TPricer &pricer) {
  return FlangeLabels[static_cast<std::size_t>(pricer.Engine().outputs.FlangeUsed)];
}

} // namespace korvane
