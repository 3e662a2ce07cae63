#pragma once
// The readable source of the factory price list (data/factory-prices.csv):
// lines starting with '#' and blank lines are notes; the first other line
// names the 12 columns ("Dia,Elbow10D,...,TPiece45deg"); then one line per
// built-in diameter, in order, with the diameter and 11 list prices in rands.
#include <string>
#include <string_view>

#include "costs/SpiralPriceTable.h"

namespace korvane {

// Fills `table` from the source text. False with a message naming the line
// when the text is not a complete, sensible price list: wrong header, a
// diameter out of place, a field that is not a number, a price that is not
// positive, or too few or too many rows. `table` is untouched on failure.
bool ParsePriceListSource(std::string_view text, TSpiralPriceTable &table, std::string &error);

} // namespace korvane
