#pragma once
// The texts of the spiral fittings price list, shared by the on-screen view
// and the printed list: the three groups of fittings, their two heading lines
// (a long form for paper, a short one for the screen) and the cell texts of
// each table row. Pure text, no toolkit, so it is tested without a display.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "costs/SpiralPriceTable.h"

namespace korvane {

inline constexpr std::size_t kFittingGroupCount = 3;

struct TFittingGroup {
  std::string_view title;
  std::vector<TFittingColumn> columns; // the diameter column first
  std::array<std::vector<std::string_view>, 2> printedHeadings;
  std::array<std::vector<std::string_view>, 2> screenHeadings;
};

// "Elbows", "Fittings" and "Reducers and T-Pieces", in that order.
const std::array<TFittingGroup, kFittingGroupCount> &FittingGroups();

// One row of a group: the diameter as "%0.0f", then each price times
// `factor` as "%0.2f".
std::vector<std::string> FittingRowCells(const TFittingGroup &group, const TSpiralPriceTable &table,
                                         std::size_t row, double factor);

// What the view shows for a group: the two short heading lines, then one line
// per table row; the cells of a line are joined by single tabs.
std::vector<std::string> FittingScreenLines(const TFittingGroup &group,
                                            const TSpiralPriceTable &table, double factor);

} // namespace korvane
