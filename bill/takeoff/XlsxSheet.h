#pragma once
// The rows of one sheet part of an XLSX: each cell's value as the sheet
// shows it (the value kept with a formula, never the formula; a shared
// string by its index, an inline string, a number in its shortest form),
// placed in its column by its reference ("AB12"); cells not there are empty.
// A merged range reads as if each of its cells held the top-left cell's
// value, so a Section or Item merged down a few rows names each of them.
#include <string>
#include <string_view>

#include "bill/takeoff/TakeoffTable.h"
#include "bill/takeoff/XlsxParts.h"

namespace korvane {

// False with `error` (naming the cell or row when there is one) for XML that
// does not read, a reference past column XFD or row 1048576, a shared string
// that is not there or a cell of more than kTakeoffMaxCellBytes.
bool ReadXlsxSheet(std::string_view xml, const TXlsxStrings &strings, TTakeoffRowSink &sink,
                   std::string &error);

// "AB12" -> column 27 (0-based), row 12; false for anything else or a
// reference past the limits.
bool ReadCellReference(std::string_view ref, int &col, int &row);

} // namespace korvane
