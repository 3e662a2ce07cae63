#pragma once
// A value given on the command line goes into a row exactly as if it had been
// typed into the grid: cleaned, range-checked and written in the row's format.
// Where the grid would clamp a value the command line refuses it instead, so
// nobody gets a price for an item they did not ask for.
#include <string>
#include <string_view>

#include "controls/EntryRows.h"

namespace korvane {

// Whether x lies within [lo, hi], allowing 0.5 % of a bound beyond it as the
// formatted edit does. A range of no width accepts everything.
bool WithinRangeTolerance(double x, double lo, double hi);

// Writes `text` into the value cell of data row `row`. A numeric row takes a
// number within its range; an enumeration row one of its items as shown,
// case ignored, blanks ignored, and a number matching a numeric item ("1"
// picks "1.0"). False with a message naming `key`, the value and what the row
// takes; the row is then unchanged.
bool EnterItemValue(TEntryRows &rows, int row, std::string_view key, std::string_view text,
                    std::string &error);

// The value of data row `row` as the grid shows it: a choice row's item as
// its text ("1.5 Dia", "25mm DuctWrap"), any other row's number.
Variant ShownItemValue(const TEntryRows &rows, int row);

} // namespace korvane
