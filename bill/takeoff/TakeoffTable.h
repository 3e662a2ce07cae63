#pragma once
// A take-off as its readers hand it out: row after row, each row the cells
// that hold something, with their 0-based column and the row number the
// sheet shows (1-based). Both readers stream, so a reader never holds more
// than one row of the table; the limits bound what one row and the whole
// table may take, whatever the file claims.
#include <cstddef>
#include <span>
#include <string_view>

namespace korvane {

struct TTakeoffCell {
  int Col = 0;
  std::string_view Text;
};

class TTakeoffRowSink {
public:
  virtual ~TTakeoffRowSink() = default;
  // The cells in column order; a row with none is never handed out.
  virtual void Row(int sheetRow, std::span<const TTakeoffCell> cells) = 0;
  // A workbook's next sheet starts; its rows are counted from 1 again.
  virtual void NextSheet() {}
  // True once a row was a take-off's header: a workbook's later sheets are
  // then not read.
  virtual bool HeaderFound() const { return false; }
};

// As a spreadsheet program counts them: columns A to XFD, rows 1 to 1048576.
inline constexpr int kTakeoffMaxColumns = 16384;
inline constexpr int kTakeoffMaxRows = 1048576;
// The most text a cell holds in a spreadsheet program.
inline constexpr std::size_t kTakeoffMaxCellBytes = 32767;
// One CSV record (a line, or more when quotes hold line ends).
inline constexpr std::size_t kTakeoffMaxRecordBytes = 1u << 20;
// One part of an XLSX unpacked; the whole package a few times that.
inline constexpr std::size_t kTakeoffMaxPartBytes = 64u << 20;

} // namespace korvane
