#include "bill/takeoff/ZipLibrary.h"

#include "base/LoadedLibrary.h"

namespace korvane {

namespace {

bool Bind(TLoadedLibrary &library, TZipLibrary &f) {
  return library.Bind(f.Open, "zip_open") &&
         library.Bind(f.OpenFromSource, "zip_open_from_source") &&
         library.Bind(f.BufferSource, "zip_source_buffer_create") &&
         library.Bind(f.FreeSource, "zip_source_free") && library.Bind(f.Discard, "zip_discard") &&
         library.Bind(f.Locate, "zip_name_locate") && library.Bind(f.OpenPart, "zip_fopen_index") &&
         library.Bind(f.ReadPart, "zip_fread") && library.Bind(f.ClosePart, "zip_fclose") &&
         library.Bind(f.InitStat, "zip_stat_init") && library.Bind(f.StatPart, "zip_stat_index") &&
         library.Bind(f.InitError, "zip_error_init") &&
         library.Bind(f.InitErrorWithCode, "zip_error_init_with_code") &&
         library.Bind(f.FiniError, "zip_error_fini") &&
         library.Bind(f.ErrorText, "zip_error_strerror") &&
         library.Bind(f.ZipErrorText, "zip_strerror") &&
         library.Bind(f.PartErrorText, "zip_file_strerror");
}

} // namespace

const TZipLibrary *ZipLibrary(std::string &error) {
  const TZipLibrary *library = LibraryFunctions<TZipLibrary>(KORVANE_LIBZIP_SONAME, Bind, error);
  if (!library)
    error = "the zip library cannot be used: " + error;
  return library;
}

} // namespace korvane
