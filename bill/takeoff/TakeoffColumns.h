#pragma once
// The columns of a take-off: what a header cell names. Names are matched with
// case, blanks, dots, hyphens and underscores ignored and a unit in brackets
// dropped, so "Width (mm)", "Length [m]", "No. off" and "QTY" all read. The
// item's properties are the calculator's own keys (Width, Height1, Gauge,
// Insulation ...), taken from its catalogue.
#include <span>
#include <string>
#include <string_view>

#include "bill/takeoff/TakeoffTable.h"

namespace korvane {

enum class TTakeoffField {
  None, // a column the take-off does not read
  Item,
  Section,
  Quantity,
  Erection,
  Brackets,
  Comment,
  Property, // a property of an item, by its key
};

struct TTakeoffColumnName {
  TTakeoffField Field = TTakeoffField::None;
  std::string Key; // Property: the key as compared, e.g. "width1"
};

// "Width (mm)" -> "width", "No. off" -> "nooff".
std::string TakeoffNameKey(std::string_view name);

TTakeoffColumnName FindTakeoffColumn(std::string_view name);

// A property that sizes an item (a header names one beside its item column).
bool IsTakeoffSizeKey(std::string_view key);

// Whether a row is the take-off's header: it names an item column and at
// least one size column.
bool IsTakeoffHeader(std::span<const TTakeoffCell> cells);

// The bill's item keyword code of an item as a take-off names it: any item
// keyword of the bill language, or a calculator type by key or name ("Y-Piece",
// "Straight Rectangular"); 0 when it is none.
int TakeoffItemCode(std::string_view text);

} // namespace korvane
