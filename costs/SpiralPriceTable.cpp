#include "costs/SpiralPriceTable.h"

namespace korvane {

std::size_t FindFittingRow(const TSpiralPriceTable &table, double diameter, bool &OutOfRange) {
  OutOfRange = false;
  // A plain scan: 32 rows, called once per priced fitting. Written as `<=` so
  // a diameter that is not a number finds no row and reports out of range.
  for (std::size_t r = 0; r < kFittingRows; ++r) {
    if (diameter <= table.Dia(r))
      return r;
  }
  OutOfRange = true;
  return kFittingRows - 1;
}

} // namespace korvane
