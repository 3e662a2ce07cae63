#pragma once
// The shortest text that reads back as the same double, exactly as
// std::to_chars(first, last, value) writes it, found faster for the values a
// price report holds.
#include <cstddef>

namespace korvane {

// Needs room for 24 characters; returns the end of what it wrote.
char *WriteShortestDouble(char *first, double value);

} // namespace korvane
