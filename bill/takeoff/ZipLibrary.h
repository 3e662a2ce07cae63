#pragma once
// The functions of libzip the XLSX reader calls, opened with the first
// workbook a program reads (see base/LoadedLibrary.h for why).
#include <zip.h>

#include <string>

namespace korvane {

struct TZipLibrary {
  decltype(&::zip_open) Open = nullptr;
  decltype(&::zip_open_from_source) OpenFromSource = nullptr;
  decltype(&::zip_source_buffer_create) BufferSource = nullptr;
  decltype(&::zip_source_free) FreeSource = nullptr;
  decltype(&::zip_discard) Discard = nullptr;
  decltype(&::zip_name_locate) Locate = nullptr;
  decltype(&::zip_fopen_index) OpenPart = nullptr;
  decltype(&::zip_fread) ReadPart = nullptr;
  decltype(&::zip_fclose) ClosePart = nullptr;
  decltype(&::zip_stat_init) InitStat = nullptr;
  decltype(&::zip_stat_index) StatPart = nullptr;
  decltype(&::zip_error_init) InitError = nullptr;
  decltype(&::zip_error_init_with_code) InitErrorWithCode = nullptr;
  decltype(&::zip_error_fini) FiniError = nullptr;
  decltype(&::zip_error_strerror) ErrorText = nullptr;
  decltype(&::zip_strerror) ZipErrorText = nullptr;
  decltype(&::zip_file_strerror) PartErrorText = nullptr;
};

// The library, opened on the first call; null, with `error`, when it
// cannot be opened or lacks a function.
const TZipLibrary *ZipLibrary(std::string &error);

} // namespace korvane
