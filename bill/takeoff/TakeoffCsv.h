#pragma once
// Reads a take-off saved as CSV, as it streams in: fields apart by commas or
// semicolons (whichever makes the header row, as spreadsheet programs save
// with either), UTF-8 with or without its byte order mark, fields in double
// quotes holding separators, doubled quotes and line ends, lines ended by
// CR LF or LF. Each record is one row of the sheet. In semicolon CSV a
// number written with a decimal comma ("2,4") reads as with a point.
//
//   TTakeoffCsvReader csv(sink, isHeader);
//   while (...) if (!csv.Feed(bytes, error)) ...;
//   csv.Finish(error);
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bill/takeoff/TakeoffTable.h"

namespace korvane {

class TTakeoffCsvReader {
public:
  // Whether the cells of a row are the table's header: until one is, each
  // record is tried with both separators.
  using THeaderTest = std::function<bool(std::span<const TTakeoffCell>)>;

  TTakeoffCsvReader(TTakeoffRowSink &sink, THeaderTest isHeader);

  // The next bytes, cut anywhere. False with `error` (naming the row) when a
  // record is too long or too wide; nothing more is read then.
  bool Feed(std::string_view bytes, std::string &error);
  // The end of the file: its last record.
  bool Finish(std::string &error);

private:
  bool Record(std::string &error);
  // Splits `record_` at `sep` into cells_; false when too wide.
  bool Split(char sep);

  TTakeoffRowSink &sink_;
  THeaderTest isHeader_;
  char separator_ = 0; // 0 until the header row decides
  std::string record_;
  bool inQuotes_ = false;
  bool failed_ = false;
  int row_ = 0;
  std::string fields_; // the unquoted text of the record's fields
  std::vector<TTakeoffCell> cells_;
};

// The cells of `line` split at `sep` (quotes as above), texts pointing into
// `store`. False when there are more than kTakeoffMaxColumns.
bool SplitCsvRecord(std::string_view line, char sep, std::string &store,
                    std::vector<TTakeoffCell> &cells);

} // namespace korvane
