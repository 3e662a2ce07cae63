#include "bill/job/XlsxWriterLibrary.h"

#include "base/LoadedLibrary.h"

namespace korvane {

namespace {

struct TOpened {
  TLoadedLibrary Library{KORVANE_XLSXWRITER_SONAME};
  TXlsxWriterLibrary Functions;
  bool Complete = false;

  TOpened() {
    TXlsxWriterLibrary &f = Functions;
    Complete = Library.Bind(f.NewBook, "workbook_new_opt") &&
               Library.Bind(f.AddWorksheet, "workbook_add_worksheet") &&
               Library.Bind(f.AddFormat, "workbook_add_format") &&
               Library.Bind(f.CloseBook, "workbook_close") &&
               Library.Bind(f.SetBold, "format_set_bold") &&
               Library.Bind(f.SetNumberFormat, "format_set_num_format") &&
               Library.Bind(f.WriteString, "worksheet_write_string") &&
               Library.Bind(f.WriteNumber, "worksheet_write_number") &&
               Library.Bind(f.WriteFormula, "worksheet_write_formula_num") &&
               Library.Bind(f.FreezePanes, "worksheet_freeze_panes") &&
               Library.Bind(f.SetColumn, "worksheet_set_column") &&
               Library.Bind(f.ErrorText, "lxw_strerror");
  }
};

} // namespace

const TXlsxWriterLibrary *XlsxWriterLibrary(std::string &error) {
  // Opened once for the program's life; it never changes after.
  static const TOpened opened;
  if (!opened.Complete) {
    error = "the workbook library is missing: " + opened.Library.Error();
    return nullptr;
  }
  return &opened.Functions;
}

} // namespace korvane
