#pragma once
// What the writers of a priced item read from the pricer after a solve.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/Pricer.h"

namespace korvane {

// A count in decimal.
void AppendCount(std::string &out, std::size_t n);

// Whether the last solve priced the item.
bool Priced(const TPricer &pricer);

// What the solve read from data row `row`; a row a failed solve never
// reached is read now, as the solve would have.
Variant RowValue(const TPricer &pricer, int row);

// The flange the last solve priced with, as the grid names it.
std::string_view FlangeWord(const TPricer &pricer);

} // namespace korvane
