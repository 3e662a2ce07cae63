#pragma once
// The spiral fittings price table: 12 columns of 32 doubles, column after
// column. Column 0 holds the nominal diameters, columns 1 to 11 list prices in
// rands. Row r is the same diameter in every column; rows ascend.
#include <array>
#include <cstddef>

namespace korvane {

inline constexpr std::size_t kFittingRows = 32;
inline constexpr std::size_t kFittingCols = 12;

enum TFittingColumn : std::size_t {
  fcDia = 0,
  fcElbow10D,
  fcElbow15D,
  fcElbow150r,
  fcElbow45deg,
  fcStopEnd,
  fcNipple,
  fcSpigotPlate,
  fcReducer300L,
  fcReducer600L,
  fcTPiece90deg,
  fcTPiece45deg,
};

struct TSpiralPriceTable {
  // cols[c][r]: the memory order is the "FPrice.dta" byte order.
  std::array<std::array<double, kFittingRows>, kFittingCols> cols{};

  double Price(std::size_t col, std::size_t row) const { return cols[col][row]; }
  double Dia(std::size_t row) const { return cols[fcDia][row]; }
};
static_assert(sizeof(TSpiralPriceTable) == 3072);

// First row whose diameter is not less than `diameter`; past the last row,
// OutOfRange is set and row 31 returned.
std::size_t FindFittingRow(const TSpiralPriceTable &table, double diameter, bool &OutOfRange);

} // namespace korvane
