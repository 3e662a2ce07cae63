#pragma once
// The functions of libxlsxwriter the workbook writer calls, opened with the
// first workbook a program writes (see base/LoadedLibrary.h for why).
#include <xlsxwriter.h>

#include <string>

namespace korvane {

struct TXlsxWriterLibrary {
  decltype(&::workbook_new_opt) NewBook = nullptr;
  decltype(&::workbook_add_worksheet) AddWorksheet = nullptr;
  decltype(&::workbook_add_format) AddFormat = nullptr;
  decltype(&::workbook_close) CloseBook = nullptr;
  decltype(&::format_set_bold) SetBold = nullptr;
  decltype(&::format_set_num_format) SetNumberFormat = nullptr;
  decltype(&::worksheet_write_string) WriteString = nullptr;
  decltype(&::worksheet_write_number) WriteNumber = nullptr;
  decltype(&::worksheet_write_formula_num) WriteFormula = nullptr;
  decltype(&::worksheet_freeze_panes) FreezePanes = nullptr;
  decltype(&::worksheet_set_column) SetColumn = nullptr;
  decltype(&::lxw_strerror) ErrorText = nullptr;
};

// The library, opened on the first call; null, with `error`, when it
// cannot be opened or lacks a function.
const TXlsxWriterLibrary *XlsxWriterLibrary(std::string &error);

} // namespace korvane
