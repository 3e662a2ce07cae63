#pragma once
// A take-off file read into the bill it stands for: an XLSX (known by its
// zip signature, whatever its name) or CSV. Every error names the file and
// what went wrong; nothing read is ever more than the limits of
// TakeoffTable.h, whatever the file holds.
#include <string>
#include <string_view>
#include <vector>

#include "bill/takeoff/TakeoffBill.h"
#include "bill/takeoff/XlsxZip.h"

namespace korvane {

// The rows of an XLSX's sheet `sheet` (its first when empty) to `sink`.
// `what` names the file in errors.
bool ReadTakeoffXlsx(const TXlsxZip &zip, std::string_view sheet, TTakeoffRowSink &sink,
                     std::string &error);

// Reads `path` into `bill`; `sheet` picks an XLSX's sheet by name. False
// with `error` ("take-off 'jobs.xlsx': ...") when it cannot be read as a
// take-off; bad rows are no error but notes of the bill.
bool ReadTakeoffFile(const std::string &path, std::string_view sheet, TTakeoffBill &bill,
                     std::string &error);

// The same for bytes in memory (`name` names them in errors).
bool ReadTakeoffBytes(std::string_view bytes, std::string_view name, std::string_view sheet,
                      TTakeoffBill &bill, std::string &error);

} // namespace korvane
