#pragma once
// A priced item as one CSV row, for korvane-price's batches and a bill's job.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/Pricer.h"

namespace korvane {

// The CSV columns: line, type, one column per distinct property key of all
// types (case ignored, in type order: Width, Height, Length, Gauge, Flange,
// Insulation, Angle, Vanes, Width1, Width2, Diameter, Height1, Height2,
// Reinforcing, Plate, Radius), then price, area, insulation_area, weight,
// gauge_used, flange_used, status. Rows end with CR LF.
void AppendCsvHeader(std::string &out);
void AppendCsvRow(std::string &out, const TPricer &pricer, std::size_t line);
// The same without the line end, for a row that goes on with columns of its own.
void AppendCsvHeaderColumns(std::string &out);
void AppendCsvColumns(std::string &out, const TPricer &pricer, std::size_t line);
void AppendCsvError(std::string &out, std::size_t line, std::string_view error);

} // namespace korvane
