#pragma once
// Appending JSON and CSV values to an output buffer, without temporaries.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// A JSON string in quotes: '"', '\\' and control characters escaped, every
// other byte (UTF-8 included) copied as it is.
void AppendJsonString(std::string &out, std::string_view text);
// The same without the quotes, for a string built from several pieces.
void AppendJsonEscaped(std::string &out, std::string_view text);

// The shortest text that reads back as the same double; "null" for a value
// JSON cannot hold (not a number, infinite).
void AppendJsonNumber(std::string &out, double value);
// The same written at `p` (room for kMaxJsonNumber characters); returns the
// end of what it wrote.
inline constexpr std::size_t kMaxJsonNumber = 32;
char *WriteJsonNumber(char *p, double value);

// A CSV field: quoted (with quotes doubled) when it holds a comma, a quote or
// a line break, else as it is.
void AppendCsvField(std::string &out, std::string_view text);

} // namespace korvane
