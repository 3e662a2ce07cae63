#pragma once
// What korvane-price prints for a priced item: the plain report, one JSON
// object, or one CSV row (app/PriceCsv.h); and the error forms of a batch
// line.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/PriceCsv.h"
#include "app/Pricer.h"

namespace korvane {

// The Details lines, an empty line, the status-bar text, the rates text and
// the two bill lines; after "Bad data..." the Details lines so far, an empty
// line and "Bad data...". Every line ends with '\n'.
void AppendTextReport(std::string &out, const TPricer &pricer);

// One JSON object on one line, ended by '\n'. `line` > 0 adds a "line"
// member (batch input line number).
void AppendJsonReport(std::string &out, const TPricer &pricer, std::size_t line = 0);
void AppendJsonError(std::string &out, std::size_t line, std::string_view error);

} // namespace korvane
