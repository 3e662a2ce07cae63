#pragma once
// Outside text (a spreadsheet's cell, a model's name) made fit to stand in
// a bill's comment: one line, and no brace that would open or close a
// comment of its own.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// Control characters become spaces and braces parentheses; at most `most`
// bytes of `text` are kept.
std::string BillCommentText(std::string_view text, std::size_t most = std::string_view::npos);

} // namespace korvane
