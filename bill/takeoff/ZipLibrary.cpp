#include "bill/takeoff/ZipLibrary.h"

#include "base/LoadedLibrary.h"

namespace korvane {

namespace {

struct TOpened {
  TLoadedLibrary Library{KORVANE_LIBZIP_SONAME};
  TZipLibrary Functions;
  bool Complete = false;

  TOpened() {
    TZipLibrary &f = Functions;
    Complete =
        Library.Bind(f.Open, "zip_open") &&
        Library.Bind(f.OpenFromSource, "zip_open_from_source") &&
        Library.Bind(f.BufferSource, "zip_source_buffer_create") &&
        Library.Bind(f.FreeSource, "zip_source_free") && Library.Bind(f.Discard, "zip_discard") &&
        Library.Bind(f.Locate, "zip_name_locate") && Library.Bind(f.OpenPart, "zip_fopen_index") &&
        Library.Bind(f.ReadPart, "zip_fread") && Library.Bind(f.ClosePart, "zip_fclose") &&
        Library.Bind(f.InitStat, "zip_stat_init") && Library.Bind(f.StatPart, "zip_stat_index") &&
        Library.Bind(f.InitError, "zip_error_init") &&
        Library.Bind(f.InitErrorWithCode, "zip_error_init_with_code") &&
        Library.Bind(f.FiniError, "zip_error_fini") &&
        Library.Bind(f.ErrorText, "zip_error_strerror") &&
        Library.Bind(f.ZipErrorText, "zip_strerror") &&
        Library.Bind(f.PartErrorText, "zip_file_strerror");
  }
};

} // namespace

const TZipLibrary *ZipLibrary(std::string &error) {
  // Opened once for the program's life; it never changes after.
  static const TOpened opened;
  if (!opened.Complete) {
    error = "the zip library is missing: " + opened.Library.Error();
    return nullptr;
  }
  return &opened.Functions;
}

} // namespace korvane
