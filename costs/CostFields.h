#pragma once
// The cost editor's value fields as data: which TCostRec field each edit
// shows, on which page, in which group, with which label and unit, and how a
// value is written into its edit. Kept free of Qt so the rules are tested
// without a display.
#include <span>
#include <string>
#include <string_view>

#include "costs/CostRec.h"

namespace korvane {

// The pages of the editor, in tab order.
enum class TCostPage { Rates, Spiral, Flanges, Misc, Insul, Factors };
inline constexpr int kCostPageCount = 6;

struct TCostField {
  std::string_view name; // the edit's name, "C" and the record field
  TCostPage page;
  std::string_view group; // caption of the group box that holds it
  std::string_view label;
  std::string_view unit; // empty: no unit label
  double TCostRec::*member;
};

// Every value field, page by page in tab order.
std::span<const TCostField> CostFields();
const TCostField *FindCostField(std::string_view name);
// "Rates", "Spiral", "Flanges", "Misc", "Insul", "Factors".
std::string_view CostPageName(TCostPage page);

// The text a value field shows for `value`: the shortest form that keeps 15
// significant digits, always with at least one decimal and never with an
// exponent, so every shown text can be typed back and reads as the same
// number: 14.5 -> "14.5", 1.15 -> "1.15", 1 -> "1.0", 1e-05 -> "0.00001".
// Values that are no number show as "nan", "inf" or "-inf".
std::string CostValueText(double value);

} // namespace korvane
