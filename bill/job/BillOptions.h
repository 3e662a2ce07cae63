#pragma once
// The option list of a bill entry or of GlobalSettings, e.g.
//
//   (Erection=Include, Brackets=Exclude, Insulation=External,
//    InsThickness=25mm, Gauge=0.8, Mezz20, NumberOff=4)
//
// Every option is optional: an entry's own option wins over the
// GlobalSettings before it, which wins over the command line.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bill/job/BillLineLexer.h"
#include "engine/Engine.h"

namespace korvane {

// The most of one item a bill line may order.
inline constexpr long kMaxNumberOff = 1000000;

struct TBillOptions {
  std::optional<bool> Erection;
  std::optional<bool> Brackets;
  std::optional<bool> Reinforcing;
  std::optional<TInsulationKind> Insulation;
  std::optional<int> InsThickness; // mm: 25 or 50
  std::optional<int> Gauge;        // item of the Gauge row: 0 Auto, 1 0.6 ... 8 3.0
  std::optional<int> Flange;       // item of the Flange row: 0 Auto ... 8 50/3mm Angle
  std::optional<long> NumberOff;

  // These options, with those not set taken from `defaults`.
  TBillOptions Over(const TBillOptions &defaults) const;
};

// Reads an option list starting at tokens[pos] ("("), up to and past its
// ")". False with `error` for anything it does not know; `pos` is then
// undefined.
bool ParseBillOptions(std::span<const TBillToken> tokens, std::size_t &pos, TBillOptions &out,
                      std::string &error);

// A whole number of items from 1 to kMaxNumberOff, as written.
bool ReadNumberOff(std::string_view text, long &out);

// The Gauge, Flange and Insulation row items an option set stands for.
std::string_view GaugeItemText(int gauge);
std::string_view FlangeItemText(int flange);
// The flange kind word an option list gives the Flange row's item with,
// upper case ("MEZZ35"); empty for an item there is none.
std::string_view FlangeWord(int flange);
// Empty when the kind needs a thickness the options do not give.
std::string_view InsulationItemText(TInsulationKind kind, std::optional<int> thickness);

} // namespace korvane
