#pragma once
// What korvane-price prints for a priced item: the plain report, one JSON
// object, or one CSV row; and the error forms of a batch line.
#include <cstddef>
#include <string>
#include <string_view>

#include "tools/Pricer.h"

namespace korvane {

// The Details lines, an empty line, the status-bar text, the rates text and
// the two bill lines; after "Bad data..." the Details lines so far, an empty
// line and "Bad data...". Every line ends with '\n'.
void AppendTextReport(std::string &out, const TPricer &pricer);

// One JSON object on one line, ended by '\n'. `line` > 0 adds a "line"
// member (batch input line number).
void AppendJsonReport(std::string &out, const TPricer &pricer, std::size_t line = 0);
void AppendJsonError(std::string &out, std::size_t line, std::string_view error);

// The CSV columns: line, type, one column per distinct property key of all
// types (case ignored, in type order: Width, Height, Length, Gauge, Flange,
// Insulation, Angle, Vanes, Width1, Width2, Diameter, Height1, Height2,
// Reinforcing, Plate, Radius), then price, area, insulation_area, weight,
// gauge_used, flange_used, status. Rows end with CR LF.
void AppendCsvHeader(std::string &out);
void AppendCsvRow(std::string &out, const TPricer &pricer, std::size_t line);
void AppendCsvError(std::string &out, std::size_t line, std::string_view error);

} // namespace korvane
