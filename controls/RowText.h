#pragma once
// The row-text language: one text per grid row, pieces separated by a
// delimiter, "Width; %0.0f; mm; NPE; 100; 2400" or "Vanes; enum;; No; Yes".
// Piece 0 is the caption, 1 the format or type word, 2 the units, then the
// editor word and range (numeric and plain rows) or the items (enumerations).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Fields.h"

namespace korvane {

// The trimmed pieces of `text`. Two delimiters in a row give an empty piece;
// a delimiter at the very end adds none.
std::vector<std::string> SplitSpec(char delim, std::string_view text);

// A data row built from its text.
struct TBuiltRow {
  std::unique_ptr<TField> field;
  // The row's cell texts by column: caption, initial value text, units, and
  // the remaining pieces.
  std::vector<std::string> cells;
  // The numeric row's range or step could not be read; `field` is then a
  // plain "%S" text row.
  bool rangeError = false;
};

// Builds the field and the starting cell texts of one data row.
TBuiltRow BuildRow(char delim, std::string_view text);

} // namespace korvane
