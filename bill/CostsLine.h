#pragma once
// Naming the cost file in a bill's "Costs = " line, as the bill window's
// Insert does: the bill is the user's text, so only that line changes. Every
// other byte stays where it was (line ends, blank lines, the spacing and
// spelling of every item), which the lexer's file rewrite does not promise.
#include <string>
#include <string_view>

namespace korvane {

// `bill` with its Costs line naming `costFileName`:
// - the first line before the first item whose first word is COSTS (in any
//   case; comments skipped as the lexer skips them) becomes
//   "Costs = <costFileName>", from that word to the end of its line;
// - with no such line, "Costs = <costFileName>" and a line end go in as a
//   line of their own before the first line that is no comment (at the end
//   of a bill of comments alone). The line end is the bill's own: that of
//   its first line, LF when it has none.
std::string SetCostsLine(std::string_view bill, std::string_view costFileName);

} // namespace korvane
