#include "bill/job/XlsxWriterLibrary.h"

#include "base/LoadedLibrary.h"

namespace korvane {

namespace {

bool Bind(TLoadedLibrary &library, TXlsxWriterLibrary &f) {
  return library.Bind(f.NewBook, "workbook_new_opt") &&
         library.Bind(f.AddWorksheet, "workbook_add_worksheet") &&
         library.Bind(f.AddFormat, "workbook_add_format") &&
         library.Bind(f.CloseBook, "workbook_close") &&
         library.Bind(f.SetBold, "format_set_bold") &&
         library.Bind(f.SetNumberFormat, "format_set_num_format") &&
         library.Bind(f.WriteString, "worksheet_write_string") &&
         library.Bind(f.WriteNumber, "worksheet_write_number") &&
         library.Bind(f.WriteFormula, "worksheet_write_formula_num") &&
         library.Bind(f.FreezePanes, "worksheet_freeze_panes") &&
         library.Bind(f.SetColumn, "worksheet_set_column") &&
         library.Bind(f.ErrorText, "lxw_strerror");
}

} // namespace

const TXlsxWriterLibrary *XlsxWriterLibrary(std::string &error) {
  const TXlsxWriterLibrary *library =
      LibraryFunctions<TXlsxWriterLibrary>(KORVANE_XLSXWRITER_SONAME, Bind, error);
  if (!library)
    error = "the workbook library cannot be used: " + error;
  return library;
}

} // namespace korvane
