#pragma once
// A workbook written with libxlsxwriter in its constant-memory mode: each
// sheet row by row from the top, so that a job of any length keeps only the
// row being written in memory. The library writes files only, so the
// workbook is made in a private temporary folder and read back whole when
// it is closed; the folder goes with the book, written or not. The library
// is opened with the first book a program makes.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace korvane {

struct TXlsxWriterLibrary;

// The longest text a cell holds, in bytes (a spreadsheet's limit is in
// characters, so this is on the safe side of it).
constexpr std::size_t kMaxCellText = 32767;

// `text` as a cell may hold it: well-formed UTF-8 with no control
// character but tab and line feed (anything else, which XML cannot carry,
// becomes U+FFFD), cut at kMaxCellText bytes.
std::string CellText(std::string_view text);

// One worksheet, written on its current row; NextRow moves down. Every
// text and number widens its column to fit, and the first error the
// library reports is kept for the book.
class TXlsxSheet {
public:
  TXlsxSheet(const TXlsxWriterLibrary &library, lxw_worksheet *sheet)
      : library_(library), sheet_(sheet) {}

  void Text(int column, std::string_view text, lxw_format *format = nullptr);
  // `shown` is the number as the format shows it, for the column's width.
  void Number(int column, double value, lxw_format *format, std::string_view shown);
  // A formula ("=F12*G12") with the value it computes, so that a reader
  // that does not calculate still shows the figure.
  void Formula(int column, const std::string &formula, double value, lxw_format *format,
               std::string_view shown);
  void NextRow(unsigned rows = 1) { row_ += rows; }
  unsigned Row() const { return row_; }
  // "H12": the cell of `column` on `row` (both from 0).
  static std::string Cell(int column, unsigned row);
  // The rows above the current one stay in sight as the rest scrolls.
  void FreezeAbove();
  // Sets each column as wide as its longest text; called once, at the end.
  void FitColumns();
  int Error() const { return error_; }

private:
  void Widen(int column, std::size_t characters);
  void Check(int error);

  const TXlsxWriterLibrary &library_;
  lxw_worksheet *sheet_; // the workbook's
  unsigned row_ = 0;
  std::vector<std::size_t> widths_; // in characters, by column
  int error_ = 0;
};

class TXlsxBook {
public:
  TXlsxBook();
  ~TXlsxBook();
  TXlsxBook(const TXlsxBook &) = delete;
  TXlsxBook &operator=(const TXlsxBook &) = delete;

  // Why the book could not be made; empty when it was.
  const std::string &Error() const { return error_; }
  // In the order the workbook shows them.
  TXlsxSheet &AddSheet(const char *name);
  // A cell format: bold or not, and a number format ("#,##0.00"; empty for
  // the general one).
  lxw_format *AddFormat(bool bold, const std::string &numberFormat = {});
  // Fits the columns, closes the workbook and appends its bytes to `out`.
  // False with `error` when any of it failed; `out` is then left as it was.
  bool Close(std::string &out, std::string &error);

private:
  struct TCloser {
    const TXlsxWriterLibrary *Library;
    void operator()(lxw_workbook *book) const;
  };
  std::string error_;
  const TXlsxWriterLibrary *library_; // null when it cannot be opened
  std::string folder_;                // the private temporary folder; empty when none was made
  std::unique_ptr<lxw_workbook, TCloser> book_;
  std::vector<std::unique_ptr<TXlsxSheet>> sheets_;
};

} // namespace korvane
