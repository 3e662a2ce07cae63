#include "costs/SpiralPriceListText.h"

#include "base/NumberText.h"

namespace korvane {

const std::array<TFittingGroup, kFittingGroupCount> &FittingGroups() {
  static const std::array<TFittingGroup, kFittingGroupCount> groups = {{
      {"Elbows",
       {fcDia, fcElbow10D, fcElbow15D, fcElbow150r, fcElbow45deg},
       {{{"Dia", "45° to 90°", "45° to 90°", "45° to 90°", "45°"},
         {"mm", "rad=1 dia", "rad=1.5 dia", "rad=0.15m", "rad=1 dia"}}},
       {{{"Dia", "45-90°", "45-90°", "45-90°", "45°"}, {"mm", "1D", "1.5D", "0.15m", "1D"}}}},
      {"Fittings",
       {fcDia, fcStopEnd, fcNipple, fcSpigotPlate},
       {{{"Dia", "Round", "Nipples", "Spigot"}, {"mm", "stopends", "Spigots", "with plate"}}},
       {{{"Dia", "Round", "Nipples", "Spigot"}, {"mm", "StopEnd", "Spigots", "+Plate"}}}},
      {"Reducers and T-Pieces",
       {fcDia, fcReducer300L, fcReducer600L, fcTPiece90deg, fcTPiece45deg},
       {{{"Dia", "Reducer", "Reducer", "T-Piece", "T-Piece"},
         {"mm", "300mm L", "600 mm L", "90°", "45°"}}},
       {{{"Dia", "Reducer", "Reducer", "T-Piece", "T-Piece"},
         {"mm", "300mm", "600mm", "90°", "45°"}}}},
  }};
  return groups;
}

std::vector<std::string> FittingRowCells(const TFittingGroup &group, const TSpiralPriceTable &table,
                                         std::size_t row, double factor) {
  std::vector<std::string> cells;
  cells.reserve(group.columns.size());
  for (TFittingColumn col : group.columns) {
    if (col == fcDia)
      cells.push_back(FormatFixed(table.Dia(row), 0));
    else
      cells.push_back(FormatFixed(table.Price(col, row) * factor, 2));
  }
  return cells;
}

namespace {

template <typename Cells> std::string JoinByTabs(const Cells &cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0)
      line += '\t';
    line += cells[i];
  }
  return line;
}

} // namespace

std::vector<std::string> FittingScreenLines(const TFittingGroup &group,
                                            const TSpiralPriceTable &table, double factor) {
  std::vector<std::string> lines;
  lines.reserve(2 + kFittingRows);
  for (const auto &heading : group.screenHeadings)
    lines.push_back(JoinByTabs(heading));
  for (std::size_t row = 0; row < kFittingRows; ++row)
    lines.push_back(JoinByTabs(FittingRowCells(group, table, row, factor)));
  return lines;
}

} // namespace korvane
