// korvane-make-xlsx IN.csv OUT.xlsx SHEET: the shipped take-offs' XLSX from
// their CSV, at build time, so the two never say different things. Cells
// that read as plain numbers are written as numbers, the rest as text; the
// take-off's header row is bold and the sheet is frozen below it.
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/NumberText.h"
#include "bill/takeoff/TakeoffColumns.h"
#include "bill/takeoff/TakeoffCsv.h"

using namespace korvane;

namespace {

bool PlainNumber(std::string_view text) {
  double x = 0;
  return !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos &&
         ReadNumber(text, x);
}

int Fail(const std::string &what) {
  std::fprintf(stderr, "korvane-make-xlsx: %s\n", what.c_str());
  return 1;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4)
    return Fail("usage: korvane-make-xlsx IN.csv OUT.xlsx SHEET");
  std::string csv, error;
  if (!ReadFileBytes(argv[1], csv, &error))
    return Fail(std::string(argv[1]) + ": " + error);
  const std::string temp = std::string(argv[2]) + ".tmp";
  lxw_workbook *book = workbook_new(temp.c_str());
  if (!book)
    return Fail("cannot write " + temp);
  lxw_worksheet *sheet = workbook_add_worksheet(book, argv[3]);
  lxw_format *bold = workbook_add_format(book);
  format_set_bold(bold);
  std::string store;
  std::vector<TTakeoffCell> cells;
  std::vector<std::size_t> widths;
  bool headerSeen = false;
  lxw_row_t row = 0;
  for (std::size_t at = 0; at < csv.size(); ++row) {
    std::size_t end = csv.find('\n', at);
    if (end == std::string::npos)
      end = csv.size();
    std::string_view line(csv.data() + at, end - at);
    at = end + 1;
    if (!SplitCsvRecord(line, ',', store, cells))
      return Fail("too many columns");
    const bool header = !headerSeen && IsTakeoffHeader(cells);
    headerSeen = headerSeen || header;
    for (const TTakeoffCell &cell : cells) {
      const auto col = static_cast<lxw_col_t>(cell.Col);
      const std::string text(cell.Text);
      if (PlainNumber(text))
        worksheet_write_number(sheet, row, col, std::strtod(text.c_str(), nullptr), nullptr);
      else
        worksheet_write_string(sheet, row, col, text.c_str(), header ? bold : nullptr);
      if (headerSeen) {
        widths.resize(std::max(widths.size(), std::size_t(col) + 1), 8);
        widths[col] = std::max(widths[col], std::min<std::size_t>(text.size() + 2, 40));
      }
    }
    if (header)
      worksheet_freeze_panes(sheet, row + 1, 0);
  }
  for (std::size_t c = 0; c < widths.size(); ++c)
    worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                         static_cast<double>(widths[c]), nullptr);
  if (workbook_close(book) != LXW_NO_ERROR)
    return Fail("cannot write " + temp);
  if (std::rename(temp.c_str(), argv[2]) != 0)
    return Fail(std::string("cannot write ") + argv[2]);
  return 0;
}
