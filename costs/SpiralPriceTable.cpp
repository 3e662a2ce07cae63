#include "costs/SpiralPriceTable.h"

namespace korvane {

namespace {

constexpr std::array<std::string_view, kFittingCols> kColumnNames = {
    "Dia",    "Elbow10D",    "Elbow15D",    "Elbow150r",   "Elbow45deg",  "StopEnd",
    "Nipple", "SpigotPlate", "Reducer300L", "Reducer600L", "TPiece90deg", "TPiece45deg"};

} // namespace

std::string_view FittingColumnName(std::size_t col) {
  return kColumnNames.at(col);
}

std::string FittingKey(std::size_t row) {
  std::string key = "d";
  key += std::to_string(static_cast<long>(kBuiltInDiameters.at(row)));
  return key;
}

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
