#pragma once
// The spiral fittings price table: 12 columns of 32 doubles, column after
// column. Column 0 holds the nominal diameters, columns 1 to 11 list prices in
// rands. Row r is the same diameter in every column; rows ascend.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

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

// The nominal diameters in mm, row by row, that "Fittings.ini" is keyed by.
inline constexpr std::array<double, kFittingRows> kBuiltInDiameters = {
    100, 125, 150, 175, 200, 225, 250,  275,  300,  350,  400,  450,  500,  550,  600,  650,
    700, 750, 800, 850, 900, 950, 1000, 1050, 1100, 1150, 1200, 1250, 1300, 1450, 1600, 2000};

// The name of column `col`: "Dia" for the diameters, else the price column's
// "Fittings.ini" section ("Elbow10D" .. "TPiece45deg").
std::string_view FittingColumnName(std::size_t col);

// The "Fittings.ini" key of row `row`: "d" and the built-in diameter ("d100").
std::string FittingKey(std::size_t row);

// First row whose diameter is not less than `diameter`; past the last row,
// OutOfRange is set and row 31 returned.
std::size_t FindFittingRow(const TSpiralPriceTable &table, double diameter, bool &OutOfRange);

} // namespace korvane
